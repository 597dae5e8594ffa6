// The risk register at the size of a large practice: 1,000 risks over 60 assets and 20
// business associates. Prints the time to save and load the file, and in the register's window
// the time to open it, sort the risks by level and filter them (median of 5 runs each).
#include "MedianTime.h"
#include "base/DataFolder.h"
#include "register/RegisterFile.h"
#include "register/RiskRegisterDialog.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QTableWidget>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>

using namespace RiskRegister;

namespace {

Register largeRegister()
{
    Register data;
    for (int a = 0; a < 60; ++a)
        data.assets.append({QStringLiteral("Workstation %1").arg(a), QStringLiteral("Schedules and charts"),
                            QStringLiteral("Exam room %1").arg(a % 12), QStringLiteral("Office manager"),
                            QStringLiteral("Vendor %1").arg(a % 20)});
    for (int n = 1; n <= 1000; ++n) {
        Risk r;
        r.number = n;
        r.asset = QStringLiteral("Workstation %1").arg(n % 60);
        r.source = ThreatSource(1 + n % 4);
        r.threat = QStringLiteral("Unauthorized access through a shared login, case %1").arg(n);
        r.vulnerability = QStringLiteral("Passwords written down near the screen");
        r.controls = QStringLiteral("Annual training; locked room after hours");
        r.likelihood = Rating(1 + n % 3);
        r.impact = Rating(1 + n / 3 % 3);
        r.action = QStringLiteral("Give each person a login and remove the shared one");
        r.owner = QStringLiteral("IT vendor");
        r.target = QDate(2027, 1, 1).addDays(n % 200);
        r.residual = Rating::Low;
        r.safeguards = {n % 47, (n + 5) % 47};
        data.risks.append(r);
    }
    for (int a = 0; a < 20; ++a)
        data.associates.append({QStringLiteral("Vendor %1").arg(a), QStringLiteral("IT support"),
                                QStringLiteral("All systems"), QDate(2025, 1, 1), QDate(2027, 1, 1).addDays(a * 9),
                                QStringLiteral("555-01%1").arg(a)});
    return data;
}

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QTemporaryDir workbook;
    DataFolder::setRoot(workbook.path());
    const Register data = largeRegister();

    const double save = medianMs(5, [&] { RegisterFile::write(data); });
    const double load = medianMs(5, [] { RegisterFile::read(); });
    const double open = medianMs(5, [] { RiskRegisterDialog dialog; });
    RiskRegisterDialog dialog;
    QTableWidget* risks = dialog.table(RiskRegisterDialog::RisksTab);
    int order = 0;
    const double sort = medianMs(5, [&] { risks->sortByColumn(8, Qt::SortOrder(order++ % 2)); });
    int word = 0;
    const double filter = medianMs(5, [&] { dialog.riskFilter()->setText(word++ % 2 ? "case 99" : "Workstation 7"); });
    std::printf("risk register of %lld risks, %lld assets, %lld associates (median of 5)\n",
                qlonglong(data.risks.size()), qlonglong(data.assets.size()), qlonglong(data.associates.size()));
    std::printf("  save file      %7.1f ms\n  load file      %7.1f ms\n  open window    %7.1f ms\n"
                "  sort by level  %7.1f ms\n  filter         %7.1f ms\n",
                save, load, open, sort, filter);
    return 0;
}
