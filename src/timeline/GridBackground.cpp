#include "timeline/GridBackground.h"

#include "base/DataFolder.h"
#include "base/DisplaySettings.h"
#include "base/NumberText.h"
#include "base/RecordFile.h"

namespace GridBackground {

int readChoice()
{
    const QString text = DisplaySettings::gridFile().readText(kChoiceRecord).trimmed();
    bool ok = false;
    const int choice = text.toInt(&ok);
    return ok && choice >= 0 && choice < kChoices ? choice : 0;
}

bool writeChoice(int choice, QString* error)
{
    return DisplaySettings::gridFile().writeText(kChoiceRecord, numberText(choice), error);
}

QString backgroundName(int choice)
{
    return choice >= 1 && choice < kChoices ? QStringLiteral("WP") + QString::number(choice) : QString();
}

bool isPicture(const QString& name)
{
    return name.startsWith(QStringLiteral("WP"), Qt::CaseInsensitive);
}

QString pictureFileName(int choice)
{
    const QString name = backgroundName(choice);
    return name.isEmpty() ? QString() : name + QStringLiteral(".jpg");
}

QImage loadPicture(int choice)
{
    const QString file = pictureFileName(choice);
    if (file.isEmpty() || !DataFolder::exists(file))
        return QImage();
    return QImage(DataFolder::path(file));
}

} // namespace GridBackground
