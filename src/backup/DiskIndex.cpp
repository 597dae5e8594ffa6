#include "backup/DiskIndex.h"

#include "backup/Medium.h"
#include "base/RecordFile.h"

#include <QRegularExpression>

DiskIndex DiskIndex::readFrom(const Medium& medium)
{
    DiskIndex index;
    if (!medium.read(kFileName, &index.m_bytes))
        index.m_bytes.clear();
    return index;
}

QString DiskIndex::text(Record r) const
{
    return RecordBytes::text(m_bytes, r, kRecordLength);
}

int DiskIndex::number(Record r) const
{
    // The leading digits count, as in "2" or " 2 "; anything else is 0.
    static const QRegularExpression leadingNumber(QStringLiteral("^\\s*([+-]?\\d+)"));
    const QRegularExpressionMatch match = leadingNumber.match(text(r));
    return match.hasMatch() ? match.captured(1).toInt() : 0;
}

void DiskIndex::setText(Record r, const QString& text)
{
    RecordBytes::setText(&m_bytes, r, kRecordLength, text);
}

void DiskIndex::mark()
{
    setText(MarkerRecord, kMarker);
    setText(VersionRecord, QStringLiteral("T1"));
}

bool DiskIndex::isMarked() const
{
    QString marker = text(MarkerRecord);
    marker.remove(QRegularExpression(QStringLiteral("^ +")));
    return marker == kMarker;
}

bool DiskIndex::writeTo(Medium& medium) const
{
    return medium.write(kFileName, m_bytes);
}
