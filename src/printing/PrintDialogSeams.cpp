#include "printing/PrintDialogSeams.h"

#include "editing/EditingDialogs.h"

#include <QFileDialog>
#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QPrinter>

namespace PrintDialogSeams {

FontChooser& fontChooser()
{
    static FontChooser chooser = [](const QFont& initial, const QColor& colour,
                                    QWidget* parent) -> std::optional<std::pair<QFont, QColor>> {
        const auto choice = EditingDialogs::askFontAndColour({initial, colour}, QStringLiteral("Printer Font"), parent);
        if (!choice)
            return std::nullopt;
        return std::make_pair(choice->font, choice->colour);
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
