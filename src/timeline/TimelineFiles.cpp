#include "timeline/TimelineFiles.h"

#include "base/QuotedFieldFile.h"
#include "timeline/TimelineGrid.h"

#include <array>

namespace TimelineFiles {

const QString kGridFileName = QStringLiteral("TODOActv.FIL");

QStringList gridFields(const TimelineGrid& grid)
{
    QStringList fields;
    fields.reserve(TimelineGrid::kItemRows * kFieldsPerRow);
    for (int r = 1; r <= TimelineGrid::kItemRows; ++r) {
        fields.append(grid.text(r, TimelineGrid::kItemColumn));
        fields.append(grid.text(r, TimelineGrid::kToDoDateColumn));
        fields.append(grid.text(r, TimelineGrid::kActualDateColumn));
        fields.append(QString()); // the spacer column is always stored empty
        fields.append(grid.text(r, TimelineGrid::kReviewDateColumn));
    }
    return fields;
}

QByteArray gridFileBytes(const TimelineGrid& grid)
{
    return QuotedFieldFile::format(gridFields(grid));
}

void putGridFields(TimelineGrid& grid, const QStringList& fields)
{
    auto rows = grid.itemTexts();
    for (int f = 0; f < fields.size(); ++f) {
        const int row = f / kFieldsPerRow;
        if (row >= rows.size())
            break;
        rows[row][1 + f % kFieldsPerRow] = fields.at(f);
    }
    grid.setItemTexts(rows);
}

bool loadGridRows(TimelineGrid& grid)
{
    QStringList fields;
    if (!QuotedFieldFile::read(kGridFileName, &fields))
        return false;
    putGridFields(grid, fields);
    return true;
}

bool saveGridRows(const TimelineGrid& grid, QString* error)
{
    return QuotedFieldFile::write(kGridFileName, gridFields(grid), error);
}

} // namespace TimelineFiles
