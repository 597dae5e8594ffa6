#include "printing/GuideLineChoice.h"

#include "base/RecordFile.h"
#include "timeline/GridBackground.h"

int GuideLineChoice::load()
{
    const QString text =
        RecordFile(GridBackground::kSettingsFileName, GridBackground::kRecordLength).readText(kRecord).trimmed();
    return text == QLatin1String("1") ? 1 : 0;
}

bool GuideLineChoice::store(int choice, QString* error)
{
    return RecordFile(GridBackground::kSettingsFileName, GridBackground::kRecordLength)
        .writeText(kRecord, choice == 1 ? QStringLiteral("1") : QStringLiteral("0"), error);
}
