#include "timeline/TimelineFiles.h"

#include "base/QuotedFieldFile.h"
#include "timeline/TimelineModel.h"

#include <array>

namespace TimelineFiles {

const QString kGridFileName = QStringLiteral("TODOActv.FIL");

QStringList gridFields(const TimelineModel& grid)
{
    QStringList fields;
    fields.reserve(TimelineModel::kItemRows * kFieldsPerRow);
    for (int r = 1; r <= TimelineModel::kItemRows; ++r) {
        fields.append(grid.text(r, TimelineModel::kItemColumn));
        fields.append(grid.text(r, TimelineModel::kToDoDateColumn));
        fields.append(grid.text(r, TimelineModel::kActualDateColumn));
        fields.append(QString()); // the spacer column is always stored empty
        fields.append(grid.text(r, TimelineModel::kReviewDateColumn));
    }
    return fields;
}

QByteArray gridFileBytes(const TimelineModel& grid)
{
    return QuotedFieldFile::format(gridFields(grid));
}

void putGridFields(TimelineModel& grid, const QStringList& fields)
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

bool loadGridRows(TimelineModel& grid)
{
    QStringList fields;
    if (!QuotedFieldFile::read(kGridFileName, &fields))
        return false;
    putGridFields(grid, fields);
    return true;
}

bool saveGridRows(const TimelineModel& grid, QString* error)
{
    return QuotedFieldFile::write(kGridFileName, gridFields(grid), error);
}

} // namespace TimelineFiles
