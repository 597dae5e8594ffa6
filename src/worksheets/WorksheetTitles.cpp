#include "worksheets/WorksheetTitles.h"

#include "base/AtomicFile.h"
#include "base/DataFolder.h"
#include "base/NumberText.h"
#include "base/RecordFile.h"

namespace {

constexpr int kRecordLength = 20;

} // namespace

namespace WorksheetTitles {

QString defaultTitle(int n)
{
    const QString number = numberText(n + 1);
    // The conversion puts a blank before the number; two digits leave no room for it.
    return QStringLiteral("Risk Analysis #") + (n + 1 >= 10 ? number.trimmed() : number);
}

QStringList read()
{
    if (!DataFolder::exists(kFileName))
        writeFileAtomically(DataFolder::writePath(kFileName), QByteArray());
    const RecordFile file(kFileName, kRecordLength);
    QStringList titles;
    for (int n = 0; n < kCount; ++n) {
        const QString stored = file.readText(n + 1).trimmed();
        titles << (stored.isEmpty() ? defaultTitle(n) : stored);
    }
    return titles;
}

bool write(int n, const QString& title, QString* error)
{
    return RecordFile(kFileName, kRecordLength).writeText(n + 1, title, error);
}

QString documentFile(int n)
{
    return QStringLiteral("Wksht%1.Fil").arg(n);
}

} // namespace WorksheetTitles
