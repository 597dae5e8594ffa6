#include "actionarea/StatusStore.h"

#include "app/AtomicFile.h"
#include "app/CodePage.h"
#include "app/DataFolder.h"
#include "app/RecordFile.h"

#include <QFileInfo>
#include <QtEndian>

namespace {

// A whole 20-byte record: length, text bytes, zeros. RecordFile's text writes keep the
// bytes after the text as they were, and a status record must not carry the tail of a
// longer earlier value, so the record is laid out here and written in one piece.
QByteArray statusRecordBytes(const QString& text)
{
    const QByteArray bytes = CodePage::fromUnicode(text).left(StatusStore::kMaxTextLength);
    QByteArray record(StatusStore::kRecordLength, '\0');
    qToLittleEndian<quint16>(quint16(bytes.size()), record.data());
    record.replace(2, bytes.size(), bytes);
    return record;
}

} // namespace

bool StatusStore::isNotImplemented(const QString& text)
{
    return text.trimmed() == QLatin1String("Not Implemented");
}

void StatusStore::loadAll()
{
    if (!DataFolder::exists(kFileName))
        writeFileAtomically(DataFolder::path(kFileName), QByteArray());
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
    const QString path = DataFolder::path(kFileName);
    QByteArray whole;
    readWholeFile(path, &whole);
    const int offset = (record - 1) * kRecordLength;
    if (whole.size() < offset + kRecordLength)
        whole.append(QByteArray(offset + kRecordLength - whole.size(), '\0'));
    whole.replace(offset, kRecordLength, statusRecordBytes(text));
    QString why;
    if (!writeFileAtomically(path, whole, &why)) {
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
