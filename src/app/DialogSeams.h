// The common dialogs, each reached through a replaceable function so tests can answer them.
#pragma once

#include <QColor>
#include <functional>
#include <optional>

class QWidget;

namespace DialogSeams {

// The colour picker: the chosen colour, or nothing when the user cancelled.
using ColourChooser = std::function<std::optional<QColor>(const QColor& initial, QWidget* parent)>;
ColourChooser& colourChooser();

} // namespace DialogSeams
