#include "worksheets/StatusStore.h"

#include "base/AtomicFile.h"
#include "base/CodePage.h"
#include "base/DataFolder.h"
#include "base/RecordFile.h"

#include <QFileInfo>

bool StatusStore::isNotImplemented(const QString& text)
{
    return text.trimmed() == QLatin1String("Not Implemented");
}

void StatusStore::loadAll()
{
    if (!DataFolder::exists(kFileName))
        writeFileAtomically(DataFolder::writePath(kFileName), QByteArray());
    readRecords(kLastRecord);
}

void StatusStore::reloadCatalogRecords()
{
    readRecords(kLastCatalogRecord);
}

void StatusStore::readRecords(int last)
{
    // A record only partly inside the file reads as empty, not as the part that is there.
    const qint64 size = QFileInfo(DataFolder::path(kFileName)).size();
    const RecordFile file(kFileName, kRecordLength);
    for (int r = 1; r <= last; ++r)
        m_slots[r] = qint64(r) * kRecordLength <= size ? file.readText(r) : QString();
}

QString StatusStore::slot(int n) const
{
    if (n < 0 || n >= kSlotCount)
        return QString();
    return m_slots[n];
}

bool StatusStore::pick(int record, const QString& text, QString* error)
{
    if (record < 1 || record > kLastRecord) {
        if (error)
            *error = QStringLiteral("There is no status record %1.").arg(record);
        return false;
    }
    // The whole record is written, so a shorter value leaves no tail of a longer earlier one.
    QString why;
    if (!RecordFile(kFileName, kRecordLength).writeWholeText(record, text, &why)) {
        if (error)
            *error = QStringLiteral("The status could not be saved to %1: %2").arg(kFileName, why);
        return false;
    }
    m_slots[record] = CodePage::toUnicode(CodePage::fromUnicode(text).left(kMaxTextLength));
    return true;
}

bool StatusStore::clear(int record, QString* error)
{
    return pick(record, QString(), error);
}
