#include "binder/BinderCommand.h"

#include "base/AtomicFile.h"
#include "base/Clock.h"
#include "base/Messages.h"
#include "binder/ComplianceBinder.h"
#include "printing/PrintPanel.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QInputDialog>
#include <QProgressDialog>
#include <QSettings>
#include <QStandardPaths>

namespace {

const QString kTitle = QStringLiteral("Compliance Binder");
const QString kPracticeKey = QStringLiteral("binder/practiceName");

std::optional<BinderCommand::Choice> askUser(const QString& lastPractice, const QString& suggestedPath, QWidget* parent)
{
    bool ok = false;
    const QString practice = QInputDialog::getText(
        parent, kTitle, QStringLiteral("The practice's name, for the cover:"), QLineEdit::Normal, lastPractice, &ok);
    if (!ok)
        return std::nullopt;
    QString path = QFileDialog::getSaveFileName(parent, QStringLiteral("Save the Compliance Binder"), suggestedPath,
                                                QStringLiteral("PDF files (*.pdf)"));
    if (path.isEmpty())
        return std::nullopt;
    if (!path.endsWith(QStringLiteral(".pdf"), Qt::CaseInsensitive))
        path += QStringLiteral(".pdf");
    return BinderCommand::Choice{practice, path};
}

QString suggestedPath(const QDate& today)
{
    QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (folder.isEmpty() || !QDir(folder).exists())
        folder = QDir::homePath();
    return QDir(folder).filePath(QStringLiteral("Compliance Binder %1.pdf").arg(today.toString(Qt::ISODate)));
}

} // namespace

namespace BinderCommand {

Chooser& chooser()
{
    static Chooser chooser = askUser;
    return chooser;
}

void run(QWidget* screen)
{
    const QDate today = Clock::today();
    QSettings settings;
    const std::optional<Choice> choice =
        chooser()(settings.value(kPracticeKey).toString(), suggestedPath(today), screen);
    if (!choice)
        return;
    settings.setValue(kPracticeKey, choice->practiceName);

    QProgressDialog progress(QStringLiteral("Making the compliance binder..."), QStringLiteral("Cancel"), 0,
                             ComplianceBinder::kSteps, screen);
    progress.setWindowTitle(kTitle);
    progress.setWindowModality(Qt::WindowModal);
    progress.setMinimumDuration(0);
    ComplianceBinder binder(choice->practiceName, today,
                            QPageLayout(PrintPanel::defaultPaper(), QPageLayout::Portrait, QMarginsF()));
    const bool built = binder.build([&progress](int done, int) {
        progress.setValue(done);
        QApplication::processEvents();
        return !progress.wasCanceled();
    });
    if (!built)
        return;
    progress.setLabelText(QStringLiteral("Writing the PDF file..."));
    QApplication::processEvents();
    QString error;
    const std::optional<QByteArray> pdf =
        PdfOutline::withOutline(binder.document().pdfBytes(), binder.outline(), binder.title(), &error);
    progress.close();
    if (!pdf || !writeFileAtomically(choice->path, *pdf, &error)) {
        Messages::show(screen, QStringLiteral("The compliance binder could not be saved.\r") + error, kTitle,
                       Messages::Buttons::Ok, Messages::Icon::Exclamation);
        return;
    }
    Messages::show(screen,
                   QStringLiteral("The compliance binder was saved as\r%1\r(%2 pages, with bookmarks by group and "
                                  "safeguard).")
                       .arg(QDir::toNativeSeparators(choice->path))
                       .arg(binder.document().pageCount()),
                   kTitle, Messages::Buttons::Ok, Messages::Icon::Information);
}

} // namespace BinderCommand
