#include "printing/GuideLineChoice.h"

#include "base/DisplaySettings.h"

int GuideLineChoice::load()
{
    const QString text = DisplaySettings::gridFile().readText(kRecord).trimmed();
    return text == QLatin1String("1") ? 1 : 0;
}

bool GuideLineChoice::store(int choice, QString* error)
{
    return DisplaySettings::gridFile().writeText(kRecord, choice == 1 ? QStringLiteral("1") : QStringLiteral("0"),
                                                 error);
}
