#include "app/DialogSeams.h"

#include <QColorDialog>

namespace DialogSeams {

ColourChooser& colourChooser()
{
    static ColourChooser chooser = [](const QColor& initial, QWidget* parent) -> std::optional<QColor> {
        const QColor colour = QColorDialog::getColor(initial, parent, QStringLiteral("Color"));
        if (!colour.isValid())
            return std::nullopt;
        return colour;
    };
    return chooser;
}

} // namespace DialogSeams
