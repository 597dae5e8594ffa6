// DiskInfo.bk1, the index of one backup disk: 30-byte records of one text each. Record 1 the
// marker "HIPAA", 2 this disk's number, 3 the next disk's number, 4 the last numbered item
// completely written to this disk, 5 unused, 6 "T1".
#pragma once

#include <QByteArray>
#include <QString>

class Medium;

class DiskIndex
{
public:
    static inline const QString kFileName = QStringLiteral("DiskInfo.bk1");
    static inline const QString kMarker = QStringLiteral("HIPAA");
    static constexpr int kRecordLength = 30;

    enum Record
    {
        MarkerRecord = 1,
        DiskNumberRecord,
        NextDiskRecord,
        LastItemRecord,
        ReservedRecord,
        VersionRecord
    };

    // The index on the medium; a medium without one gives an empty index.
    static DiskIndex readFrom(const Medium& medium);

    QString text(Record r) const;
    // The numeric value of a record's text; an empty or non-numeric text is 0.
    int number(Record r) const;
    void setText(Record r, const QString& text);
    void setNumber(Record r, int value) { setText(r, QString::number(value)); }

    // Records 1 and 6: what every index carries.
    void mark();
    bool isMarked() const;

    QByteArray bytes() const { return m_bytes; }
    bool writeTo(Medium& medium) const;

private:
    QByteArray m_bytes;
};
