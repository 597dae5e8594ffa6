#include "base/RecordFile.h"

#include "base/AtomicFile.h"
#include "base/CodePage.h"
#include "base/DataFolder.h"

#include <QFile>
#include <QtEndian>

namespace {

constexpr std::uint16_t kTypeInteger = 3;
constexpr std::uint16_t kTypeText = 8;

std::uint16_t u16At(const QByteArray& bytes, int offset)
{
    return qFromLittleEndian<std::uint16_t>(bytes.constData() + offset);
}

} // namespace

using RecordBytes::textAt;

RecordFile::RecordFile(const QString& name, int recordLength) : m_name(name), m_recordLength(recordLength) {}

QByteArray RecordFile::readRecord(int r) const
{
    QByteArray record(m_recordLength, '\0');
    const QString path = DataFolder::path(m_name);
    if (r < 1 || !mayRead(path, FileLimits::kRecordFile))
        return record;
    // Only the record itself is read: the file may be far larger than the records in use.
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || !file.seek(qint64(r - 1) * m_recordLength))
        return record;
    const QByteArray present = file.read(m_recordLength);
    record.replace(0, present.size(), present);
    return record;
}

QString RecordFile::readText(int r) const
{
    return textAt(readRecord(r), 0);
}

TaggedValue RecordFile::readTagged(int r) const
{
    const QByteArray record = readRecord(r);
    switch (u16At(record, 0)) {
    case kTypeInteger:
        if (record.size() >= 6)
            return qFromLittleEndian<std::int32_t>(record.constData() + 2);
        return std::monostate();
    case kTypeText:
        return textAt(record, 2);
    default:
        return std::monostate();
    }
}

bool RecordFile::writeText(int r, const QString& text, QString* error)
{
    return writeRecord(r, RecordBytes::textField(text, m_recordLength), error);
}

bool RecordFile::writeWholeText(int r, const QString& text, QString* error)
{
    QByteArray record = RecordBytes::textField(text, m_recordLength);
    record.append(QByteArray(m_recordLength - record.size(), '\0'));
    return writeRecord(r, record, error);
}

bool RecordFile::writeTagged(int r, const TaggedValue& value, QString* error)
{
    QByteArray bytes(2, '\0');
    if (const auto* number = std::get_if<std::int32_t>(&value)) {
        qToLittleEndian<std::uint16_t>(kTypeInteger, bytes.data());
        QByteArray n(4, '\0');
        qToLittleEndian<std::int32_t>(*number, n.data());
        bytes += n;
    } else if (const auto* text = std::get_if<QString>(&value)) {
        qToLittleEndian<std::uint16_t>(kTypeText, bytes.data());
        bytes += RecordBytes::textField(*text, m_recordLength - 2);
    }
    // A record too short for the whole value keeps what fits, never spilling into the next.
    return writeRecord(r, bytes.left(m_recordLength), error);
}

bool RecordFile::writeRecord(int r, const QByteArray& value, QString* error)
{
    if (r < 1) {
        if (error)
            *error = QStringLiteral("Record %1 does not exist.").arg(r);
        return false;
    }
    // A shipped copy of the file is read, and the whole file then written to the writable root.
    QByteArray whole;
    if (readFileWithin(DataFolder::path(m_name), FileLimits::kRecordFile, &whole, error) == ReadOutcome::Refused)
        return false;
    RecordBytes::setValue(&whole, r, m_recordLength, value);
    return writeFileAtomically(DataFolder::writePath(m_name), whole, error);
}

namespace RecordBytes {

// Text stored at offset: its length field and as many bytes as the record holds.
QString textAt(const QByteArray& record, int offset)
{
    if (record.size() < offset + 2)
        return QString();
    const int length = u16At(record, offset);
    const int available = record.size() - offset - 2;
    return CodePage::toUnicode(record.mid(offset + 2, qMin(length, available)));
}

QByteArray textField(const QString& text, int room)
{
    QByteArray bytes = CodePage::fromUnicode(text).left(qMax(0, room - 2));
    QByteArray out(2, '\0');
    qToLittleEndian<std::uint16_t>(static_cast<std::uint16_t>(bytes.size()), out.data());
    return out + bytes;
}

QString text(const QByteArray& file, int r, int recordLength)
{
    if (r < 1)
        return QString();
    return textAt(file.mid(qint64(r - 1) * recordLength, recordLength), 0);
}

void setValue(QByteArray* file, int r, int recordLength, const QByteArray& value)
{
    if (r < 1)
        return;
    const qint64 offset = qint64(r - 1) * recordLength;
    if (file->size() < offset + recordLength)
        file->append(QByteArray(offset + recordLength - file->size(), '\0'));
    file->replace(offset, qMin<qint64>(value.size(), recordLength), value.left(recordLength));
}

void setText(QByteArray* file, int r, int recordLength, const QString& text)
{
    setValue(file, r, recordLength, RecordBytes::textField(text, recordLength));
}

} // namespace RecordBytes
