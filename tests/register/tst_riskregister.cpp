// The risk register's logic: the risk matrix, the file's bytes and its damaged forms, and the
// link to the To Do list.
#include "register/RegisterFile.h"
#include "register/RegisterLinks.h"
#include "timeline/TimelineDate.h"
#include "timeline/TimelineModel.h"

#include <QtTest>

using namespace RiskRegister;

class TestRiskRegister : public QObject
{
    Q_OBJECT
private slots:
    void matrix_data();
    void matrix();
    void fileBytesAndRoundTrip();
    void damagedFiles_data();
    void damagedFiles();
    void plannedActionGoesOnTheToDoList();
};

void TestRiskRegister::matrix_data()
{
    QTest::addColumn<int>("likelihood");
    QTest::addColumn<int>("impact");
    QTest::addColumn<int>("level");
    // Likelihood down, impact across, as the shipped worksheet form prints it; 0 is unrated.
    const int expected[4][4] = {{0, 0, 0, 0}, {0, 1, 1, 1}, {0, 1, 2, 2}, {0, 1, 2, 3}};
    for (int l = 0; l < 4; ++l)
        for (int i = 0; i < 4; ++i)
            QTest::addRow("L%d I%d", l, i) << l << i << expected[l][i];
}

void TestRiskRegister::matrix()
{
    QFETCH(int, likelihood);
    QFETCH(int, impact);
    QTEST(int(riskLevel(Rating(likelihood), Rating(impact))), "level");
}

void TestRiskRegister::fileBytesAndRoundTrip()
{
    Register data;
    data.assets.append({"EHR", "Charts, billing", "Cloud", "Dr. Ruiz", "MedCloud"});
    Risk risk;
    risk.number = 3;
    risk.asset = "EHR";
    risk.source = ThreatSource::Adversarial;
    risk.threat = "Phishing\tmail";
    risk.vulnerability = "No MFA\nanywhere";
    risk.controls = "C:\\filters";
    risk.likelihood = Rating::High;
    risk.impact = Rating::Moderate;
    risk.action = "Turn on MFA";
    risk.target = QDate(2027, 2, 1);
    risk.residual = Rating::Low;
    risk.safeguards = {30, 4};
    data.risks.append(risk);
    data.associates.append(
        {"MedCloud", "Hosting", "All charts", QDate(2025, 3, 1), QDate(2026, 3, 1), "help@medcloud"});
    const QByteArray bytes = RegisterFile::encode(data);
    QCOMPARE(bytes, QByteArray("Tessaly risk register\t1\n"
                               "asset\tEHR\tCharts, billing\tCloud\tDr. Ruiz\tMedCloud\n"
                               "risk\t3\tEHR\tAdversarial\tPhishing\\tmail\tNo MFA\\nanywhere\tC:\\\\filters\tHigh\t"
                               "Moderate\tTurn on MFA\t\t2027-02-01\tLow\t30 4\n"
                               "associate\tMedCloud\tHosting\tAll charts\t2025-03-01\t2026-03-01\thelp@medcloud\n"));
    const RegisterFile::Decoded back = RegisterFile::decode(bytes);
    QVERIFY(back.problems.isEmpty());
    QCOMPARE(RegisterFile::encode(back.data), bytes);
    QCOMPARE(back.data.risks.at(0).vulnerability, QString("No MFA\nanywhere"));
    QCOMPARE(back.data.risks.at(0).level(), Rating::Moderate);
}

void TestRiskRegister::damagedFiles_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<int>("risks");
    QTest::addColumn<int>("problems");
    const QByteArray head = "Tessaly risk register\t1\n";
    const QByteArray risk = "risk\t1\tEHR\t\tT\tV\t\tLow\tLow\t\t\t\t\t\n";
    QTest::newRow("whole") << head + risk << 1 << 0;
    QTest::newRow("no mark") << risk << 1 << 1;
    QTest::newRow("cut short") << head + risk + "risk\t2\tLaptop\tAcc" << 2 << 1;
    QTest::newRow("unknown row") << head + "rysk\t1\n" + risk << 1 << 1;
    QTest::newRow("bad date") << head + "risk\t1\tEHR\t\tT\tV\t\tLow\tLow\t\t\t31/02/27\t\t\n" << 1 << 1;
    QTest::newRow("same number twice") << head + risk + risk << 2 << 1;
    QTest::newRow("binary") << QByteArray("\x00\x01\xff\xfe", 4) << 0 << 2;
    QTest::newRow("later version") << "Tessaly risk register\t7\n" + risk << 1 << 1;
}

void TestRiskRegister::damagedFiles()
{
    QFETCH(QByteArray, bytes);
    const RegisterFile::Decoded decoded = RegisterFile::decode(bytes);
    QTEST(int(decoded.data.risks.size()), "risks");
    QTEST(int(decoded.problems.size()), "problems");
    QSet<int> numbers;
    for (const Risk& r : decoded.data.risks)
        numbers.insert(r.number);
    QCOMPARE(numbers.size(), decoded.data.risks.size()); // every risk keeps a number of its own
}

void TestRiskRegister::plannedActionGoesOnTheToDoList()
{
    TimelineModel grid;
    grid.setText(1, TimelineModel::kItemColumn, "Train staff");
    Risk risk;
    risk.number = 12;
    risk.action = "Encrypt the \"front desk\" laptops and the backup drive before spring";
    risk.target = QDate(2027, 3, 15);
    QCOMPARE(RegisterLinks::putOnToDoList(grid, risk), 2);
    const QString item = grid.text(2, TimelineModel::kItemColumn);
    QVERIFY(item.startsWith("R12: Encrypt the front desk laptops"));
    QCOMPARE(item.size(), TimelineModel::kItemMaxLength);
    QCOMPARE(TimelineDate::fromCellText(grid.text(2, TimelineModel::kToDoDateColumn)), risk.target);
    QCOMPARE(RegisterLinks::putOnToDoList(grid, risk), 2); // already there
    risk.number = 1;
    QCOMPARE(RegisterLinks::toDoRow(grid, risk), 0); // "R1:" is not "R12:"
}

QTEST_GUILESS_MAIN(TestRiskRegister)
#include "tst_riskregister.moc"
