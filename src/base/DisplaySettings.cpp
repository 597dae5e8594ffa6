#include "base/DisplaySettings.h"

#include "base/RecordFile.h"

namespace DisplaySettings {

namespace {

constexpr std::int32_t kDefaultBlue = 16711680;

} // namespace

RecordFile gridFile()
{
    return RecordFile(kGridFile, 20);
}

RecordFile colourFile()
{
    return RecordFile(kColourFile, 10);
}

HINFO1::DisplayMode readDisplayMode()
{
    const QString text = gridFile().readText(kDisplayModeRecord).trimmed();
    return text.left(3) == QLatin1String("Yes") ? HINFO1::SmallerScreenDisplay : HINFO1::FullScreenDisplay;
}

bool writeDisplayMode(HINFO1::DisplayMode mode)
{
    const QString text = mode == HINFO1::SmallerScreenDisplay ? QStringLiteral("Yes") : QStringLiteral("No");
    return gridFile().writeText(kDisplayModeRecord, text);
}

Background readBackground()
{
    const TaggedValue value = colourFile().readTagged(kBackgroundRecord);
    Background background;
    if (const auto* number = std::get_if<std::int32_t>(&value)) {
        background.colour = colourFromNumber(*number);
    } else if (const auto* text = std::get_if<QString>(&value); text && text->trimmed() == QLatin1String("Def")) {
        background.systemDefault = true;
    } else {
        background.colour = colourFromNumber(kDefaultBlue);
    }
    return background;
}

bool writeBackgroundColour(const QColor& colour)
{
    return colourFile().writeTagged(kBackgroundRecord, numberFromColour(colour));
}

bool writeBackgroundSystemDefault()
{
    return colourFile().writeTagged(kBackgroundRecord, QStringLiteral("Def"));
}

QColor colourFromNumber(std::int32_t number)
{
    const auto n = static_cast<std::uint32_t>(number);
    return QColor(int(n & 0xFF), int((n >> 8) & 0xFF), int((n >> 16) & 0xFF));
}

std::int32_t numberFromColour(const QColor& colour)
{
    return static_cast<std::int32_t>(std::uint32_t(colour.red()) | (std::uint32_t(colour.green()) << 8) |
                                     (std::uint32_t(colour.blue()) << 16));
}

QFont screenFont(const QFont& normal, HINFO1::DisplayMode mode)
{
    QFont font = normal;
    if (mode == HINFO1::SmallerScreenDisplay)
        font.setPointSizeF(font.pointSizeF() * 0.85);
    return font;
}

} // namespace DisplaySettings
