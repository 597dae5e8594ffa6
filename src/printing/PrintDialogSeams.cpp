#include "printing/PrintDialogSeams.h"

#include <QColorDialog>
#include <QFileDialog>
#include <QFontDialog>
#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QPrinter>

namespace PrintDialogSeams {

FontChooser& fontChooser()
{
    static FontChooser chooser = [](const QFont& initial, const QColor& colour,
                                    QWidget* parent) -> std::optional<std::pair<QFont, QColor>> {
        bool accepted = false;
        const QFont font = QFontDialog::getFont(&accepted, initial, parent, QStringLiteral("Printer Font"));
        if (!accepted)
            return std::nullopt;
        // Qt's font dialog has no colour: the colour is picked next; cancelling it keeps the colour.
        const QColor picked = QColorDialog::getColor(colour, parent, QStringLiteral("Printer Font Colour"));
        return std::make_pair(font, picked.isValid() ? picked : colour);
    };
    return chooser;
}

PageSetup& pageSetup()
{
    static PageSetup setup = [](QPageLayout& layout, QWidget* parent) {
        QPrinter printer;
        printer.setPageLayout(layout);
        QPageSetupDialog dialog(&printer, parent);
        if (dialog.exec() != QDialog::Accepted)
            return false;
        layout = printer.pageLayout();
        return true;
    };
    return setup;
}

PrintDialog& printDialog()
{
    static PrintDialog dialog = [](QPrinter& printer, QWidget* parent) {
        QPrintDialog box(&printer, parent);
        return box.exec() == QDialog::Accepted;
    };
    return dialog;
}

PdfFileChooser& pdfFileChooser()
{
    static PdfFileChooser chooser = [](const QString& proposal, QWidget* parent) {
        return QFileDialog::getSaveFileName(parent, QStringLiteral("Save as PDF"), proposal,
                                            QStringLiteral("PDF documents (*.pdf)"));
    };
    return chooser;
}

} // namespace PrintDialogSeams
