// The dialogs of the print panel, each reached through a replaceable function so tests can
// answer them.
#pragma once

#include <QColor>
#include <QFont>
#include <QPageLayout>
#include <QString>
#include <functional>
#include <optional>
#include <utility>

class QPrinter;
class QWidget;

namespace PrintDialogSeams {

// The printer font: the chosen font and colour, or nothing when the user cancelled.
using FontChooser =
    std::function<std::optional<std::pair<QFont, QColor>>(const QFont& initial, const QColor& colour, QWidget* parent)>;
FontChooser& fontChooser();

// Paper, orientation and margins (in points); false when the user cancelled.
using PageSetup = std::function<bool(QPageLayout& layout, QWidget* parent)>;
PageSetup& pageSetup();

// The system print dialog over a printer; false when the user cancelled.
using PrintDialog = std::function<bool(QPrinter& printer, QWidget* parent)>;
PrintDialog& printDialog();

// Where to save a PDF, starting from a proposed path; empty when the user cancelled.
using PdfFileChooser = std::function<QString(const QString& proposal, QWidget* parent)>;
PdfFileChooser& pdfFileChooser();

} // namespace PrintDialogSeams
