// Random-access files of fixed-length records, numbered from 1.
#pragma once

#include <QByteArray>
#include <QString>
#include <cstdint>
#include <variant>

// A record that holds nothing, a 32-bit number (type code 3) or a text (type code 8).
using TaggedValue = std::variant<std::monostate, std::int32_t, QString>;

class RecordFile
{
public:
    // name is a bare file name in the program folder.
    RecordFile(const QString& name, int recordLength);

    // The raw bytes of record r; a record past the end of the file is all zeros.
    QByteArray readRecord(int r) const;

    // A text field: 16-bit little-endian length, then that many Windows-1252 bytes.
    // A record never written, or a length that does not fit the record, reads as
    // empty ("") or as much of the text as the record holds.
    QString readText(int r) const;
    TaggedValue readTagged(int r) const;

    // Writes leave the bytes of every other record, and the tail of this record
    // after the value, exactly as they were. A record past the end extends the
    // file with zeros. The whole file is replaced atomically.
    bool writeText(int r, const QString& text, QString* error = nullptr);
    // The text, then zeros to the end of the record: nothing of a longer earlier value is left.
    bool writeWholeText(int r, const QString& text, QString* error = nullptr);
    bool writeTagged(int r, const TaggedValue& value, QString* error = nullptr);
    // Bytes already laid out for record r (at most its length of them).
    bool writeRecord(int r, const QByteArray& record, QString* error = nullptr);

    QString name() const { return m_name; }
    int recordLength() const { return m_recordLength; }

private:
    QString m_name;
    int m_recordLength;
};

// The same record layout over a whole file held in memory, for files that live elsewhere
// than the program folder (a backup medium's index).
namespace RecordBytes {

QString text(const QByteArray& file, int r, int recordLength);
// A text field inside one record: at offset, a 16-bit little-endian length, then its bytes.
QString textAt(const QByteArray& record, int offset);
// A text laid out as a field of room bytes in all (length included); a longer text is cut.
QByteArray textField(const QString& text, int room);
// Writes text into record r, leaving the rest of the record and the other records as they were;
// a record past the end extends the bytes with zeros.
void setText(QByteArray* file, int r, int recordLength, const QString& text);
// The same for bytes already laid out for the record (at most its length of them).
void setValue(QByteArray* file, int r, int recordLength, const QByteArray& value);

} // namespace RecordBytes
