#include "printing/PrintPanel.h"

#include "base/Messages.h"
#include "printing/PrintDialogSeams.h"
#include "printing/PrintSettings.h"

#include <QCheckBox>
#include <QClipboard>
#include <QDir>
#include <QEvent>
#include <QFileInfo>
#include <QFormLayout>
#include <QGraphicsItem>
#include <QGraphicsScene>
#include <QGraphicsView>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPainter>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QPrinterInfo>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QStandardPaths>
#include <QVBoxLayout>

namespace {

// Enlarged, the preview keeps 115 twips free on either side (15 twips to a pixel).
constexpr int kEnlargedInset = 115 / 15;
constexpr double kCopyResolution = 150;

QString& lastPdfFolder()
{
    static QString folder;
    return folder;
}

} // namespace

// The paper the desktop expects: the default printer's, else the locale's (A4 where measures
// are metric, Letter elsewhere and where the locale says nothing). Print and Save as PDF both
// start from it, and Page Setup changes it for both.
QPageSize PrintPanel::defaultPaper()
{
    const QPrinterInfo printer = QPrinterInfo::defaultPrinter();
    if (!printer.isNull() && printer.defaultPageSize().isValid())
        return printer.defaultPageSize();
    const QLocale locale = QLocale::system();
    const bool metric = locale.language() != QLocale::C && locale.measurementSystem() == QLocale::MetricSystem;
    return QPageSize(metric ? QPageSize::A4 : QPageSize::Letter);
}

PrintPanel::PrintPanel(bool withPrinterFont, QWidget* parent)
    : QWidget(parent), m_previewPrinter(std::make_unique<QPrinter>(QPrinter::ScreenResolution))
{
    setObjectName(QStringLiteral("printPanel"));
    setAutoFillBackground(true);
    m_previewPrinter->setFullPage(true);
    m_printer.setPageLayout(QPageLayout(defaultPaper(), QPageLayout::Portrait, QMarginsF()));

    auto* layout = new QHBoxLayout(this);
    layout->addWidget(buildControls(withPrinterFont));
    m_previewSlot = new QWidget(this);
    m_previewSlot->setObjectName(QStringLiteral("previewSlot"));
    m_previewSlot->installEventFilter(this);
    layout->addWidget(m_previewSlot, 1);

    m_preview = new QPrintPreviewWidget(m_previewPrinter.get(), this);
    m_preview->setObjectName(QStringLiteral("printPreview"));
    m_preview->setAccessibleName(QStringLiteral("Print preview"));
    m_preview->setZoomMode(QPrintPreviewWidget::FitInView);
    connect(m_preview, &QPrintPreviewWidget::paintRequested, this, &PrintPanel::paintPreview);

    m_enlargeButton = new QPushButton(QStringLiteral("Enlarge"), this);
    m_enlargeButton->setObjectName(QStringLiteral("enlargeButton"));
    connect(m_enlargeButton, &QPushButton::clicked, this, &PrintPanel::toggleEnlarge);
    m_enlargeButton->raise();
}

PrintPanel::~PrintPanel() = default;

QWidget* PrintPanel::buildControls(bool withPrinterFont)
{
    auto* column = new QWidget(this);
    column->setObjectName(QStringLiteral("printControls"));
    column->setMaximumWidth(260);
    auto* outer = new QVBoxLayout(column);
    outer->setContentsMargins(0, 0, 0, 0);

    const QString captions[] = {QStringLiteral("Printer &Font"), QStringLiteral("&Page Setup"),
                                QStringLiteral("&Cancel"), QStringLiteral("C&opy Current Page"),
                                QStringLiteral("&Print")};
    const QString names[] = {QStringLiteral("printerFontButton"), QStringLiteral("pageSetupButton"),
                             QStringLiteral("cancelButton"), QStringLiteral("copyPageButton"),
                             QStringLiteral("printButton")};
    for (int b = 0; b < 5; ++b) {
        if (b == PrinterFontButton && !withPrinterFont)
            continue;
        m_buttons[b] = new QPushButton(captions[b], column);
        m_buttons[b]->setObjectName(names[b]);
        connect(m_buttons[b], &QPushButton::clicked, this, [this, b] { pressButton(Button(b)); });
        outer->addWidget(m_buttons[b]);
    }
    m_pdfButton = new QPushButton(QStringLiteral("Save as P&DF"), column);
    m_pdfButton->setObjectName(QStringLiteral("pdfButton"));
    connect(m_pdfButton, &QPushButton::clicked, this, &PrintPanel::savePdf);
    outer->addWidget(m_pdfButton);

    auto* values = new QFormLayout();
    auto valueBox = [column](const QString& name) {
        auto* box = new QLineEdit(column);
        box->setObjectName(name);
        box->setReadOnly(true);
        return box;
    };
    m_fontNameBox = valueBox(QStringLiteral("printerFontBox"));
    m_fontSizeBox = valueBox(QStringLiteral("fontSizeBox"));
    m_orientationBox = valueBox(QStringLiteral("orientationBox"));
    values->addRow(QStringLiteral("Printer Font:"), m_fontNameBox);
    values->addRow(QStringLiteral("Font Size:"), m_fontSizeBox);
    values->addRow(QStringLiteral("Orientation:"), m_orientationBox);
    outer->addLayout(values);

    auto* sampleFrame = new QGroupBox(QStringLiteral("Sample"), column);
    sampleFrame->setObjectName(QStringLiteral("sampleFrame"));
    m_sampleLabel = new QLabel(QStringLiteral("AaBbYyZz"), sampleFrame);
    m_sampleLabel->setObjectName(QStringLiteral("sampleLabel"));
    m_sampleLabel->setAlignment(Qt::AlignCenter);
    (new QVBoxLayout(sampleFrame))->addWidget(m_sampleLabel);
    outer->addWidget(sampleFrame);

    auto* optionsFrame = new QGroupBox(QStringLiteral("Print Options"), column);
    optionsFrame->setObjectName(QStringLiteral("printOptionsFrame"));
    auto* optionsLayout = new QVBoxLayout(optionsFrame);
    for (int i = 0; i < kOptionCount; ++i) {
        m_options[i] = new QCheckBox(optionsFrame);
        m_options[i]->setObjectName(QStringLiteral("printOption%1").arg(i));
        connect(m_options[i], &QCheckBox::toggled, this, [this, i] { emit optionToggled(i); });
        optionsLayout->addWidget(m_options[i]);
    }
    outer->addWidget(optionsFrame);

    auto* displayFrame = new QGroupBox(QStringLiteral("Display Options"), column);
    displayFrame->setObjectName(QStringLiteral("displayOptionsFrame"));
    auto* displayLayout = new QVBoxLayout(displayFrame);
    const QString guideCaptions[] = {QStringLiteral("Do Not Display Guide Lines"),
                                     QStringLiteral("Display Guide Lines")};
    for (int i = 0; i < 2; ++i) {
        m_guideLineOptions[i] = new QRadioButton(guideCaptions[i], displayFrame);
        m_guideLineOptions[i]->setObjectName(QStringLiteral("guideLineOption%1").arg(i));
        connect(m_guideLineOptions[i], &QRadioButton::clicked, this, [this, i] {
            setGuideLines(i == 1);
            emit guideLinesChosen(i);
        });
        displayLayout->addWidget(m_guideLineOptions[i]);
    }
    m_guideLineOptions[0]->setChecked(true);
    outer->addWidget(displayFrame);

    m_printRangeFrame = new QGroupBox(QStringLiteral("Print Range"), column);
    m_printRangeFrame->setObjectName(QStringLiteral("printRangeFrame"));
    m_printRangeOption = new QRadioButton(QStringLiteral("All Data Will Be Displayed"), m_printRangeFrame);
    m_printRangeOption->setObjectName(QStringLiteral("printRangeOption"));
    m_printRangeOption->setChecked(true);
    (new QVBoxLayout(m_printRangeFrame))->addWidget(m_printRangeOption);
    outer->addWidget(m_printRangeFrame);

    m_timelineOptionsFrame = new QGroupBox(QStringLiteral("Print Options"), column);
    m_timelineOptionsFrame->setObjectName(QStringLiteral("timelinePrintOptionsFrame"));
    auto* timelineLayout = new QVBoxLayout(m_timelineOptionsFrame);
    const QString timelineCaptions[] = {QStringLiteral("Print 'As of' date on each page"),
                                        QStringLiteral("Print Grid Lines")};
    for (int i = 0; i < 2; ++i) {
        m_timelineOptions[i] = new QCheckBox(timelineCaptions[i], m_timelineOptionsFrame);
        m_timelineOptions[i]->setObjectName(QStringLiteral("timelineOption%1").arg(i));
        connect(m_timelineOptions[i], &QCheckBox::toggled, this, [this, i] { emit timelineOptionToggled(i); });
    }
    // Shown in the order of the panel: grid lines first, then the date.
    timelineLayout->addWidget(m_timelineOptions[1]);
    timelineLayout->addWidget(m_timelineOptions[0]);
    outer->addWidget(m_timelineOptionsFrame);
    setTimelineFramesVisible(false);
    outer->addStretch();
    return column;
}

void PrintPanel::refreshPreview()
{
    m_previewPrinter->setPageLayout(m_printer.pageLayout());
    m_preview->updatePreview();
}

void PrintPanel::paintPreview(QPrinter* target)
{
    QPainter painter(target);
    painter.setRenderHint(QPainter::Antialiasing);
    const int pages = qMax(1, m_printer.document().pageCount());
    for (int i = 0; i < pages; ++i) {
        if (i > 0)
            target->newPage();
        m_printer.document().playPage(i, painter, target->logicalDpiX(), target->logicalDpiY());
        if (!m_guideLines)
            continue;
        // The margins, as dotted lines on the previewed page only.
        const double sx = target->logicalDpiX() / ReportPrinter::kTwipsPerInch;
        const double sy = target->logicalDpiY() / ReportPrinter::kTwipsPerInch;
        const QRectF inside(m_printer.marginLeft() * sx, m_printer.marginTop() * sy,
                            (m_printer.pageWidth() - m_printer.marginLeft() - m_printer.marginRight()) * sx,
                            (m_printer.pageHeight() - m_printer.marginTop() - m_printer.marginBottom()) * sy);
        painter.setPen(QPen(Qt::gray, 0, Qt::DotLine));
        painter.drawRect(inside);
    }
}

void PrintPanel::pressButton(Button which)
{
    switch (which) {
    case PrinterFontButton:
        choosePrinterFont();
        break;
    case PageSetupButton:
        setUpPage();
        break;
    case CancelButton:
        hide();
        break;
    case CopyPageButton:
        copyCurrentPage();
        break;
    case PrintButton:
        printDocument();
        break;
    }
}

void PrintPanel::choosePrinterFont()
{
    if (!m_settings)
        return;
    const auto chosen = PrintDialogSeams::fontChooser()(m_settings->font(), m_settings->colour, this);
    if (!chosen)
        return;
    m_settings->setFont(chosen->first);
    m_settings->colour = chosen->second;
    showFontValues(m_settings->fontName, m_settings->fontSize);
    setSample(m_settings->font(), m_settings->colour);
    emit printerFontChanged();
}

void PrintPanel::setUpPage()
{
    QPageLayout layout = m_printer.pageLayout();
    layout.setUnits(QPageLayout::Point);
    const double toPoints = 1.0 / ReportPrinter::kTwipsPerPoint;
    if (m_settings)
        layout.setMargins(QMarginsF(m_settings->marginLeft * toPoints, m_settings->marginTop * toPoints,
                                    m_settings->marginRight * toPoints, m_settings->marginBottom * toPoints));
    if (!PrintDialogSeams::pageSetup()(layout, this))
        return;
    m_printer.setPageLayout(layout);
    showOrientation(m_printer.orientation() == ReportPrinter::Landscape ? QStringLiteral(" Landscape")
                                                                        : QStringLiteral(" Portrait"));
    if (m_settings) {
        const QMarginsF margins = layout.margins(QPageLayout::Point) * ReportPrinter::kTwipsPerPoint;
        m_settings->setMargins(margins.left(), margins.right(), margins.top(), margins.bottom());
    }
    emit pageSetupChanged();
}

void PrintPanel::copyCurrentPage()
{
    QGuiApplication::clipboard()->setImage(m_printer.document().pageImage(currentPage(), kCopyResolution));
    Messages::show(this, QStringLiteral("Current Page has been copied to the Windows Clipboard."),
                   QStringLiteral("Copy Option"), Messages::Buttons::Ok, Messages::Icon::Information);
    if (m_buttons[CancelButton])
        m_buttons[CancelButton]->setFocus();
}

void PrintPanel::printDocument()
{
    QPrinter target(QPrinter::HighResolution);
    const QPageLayout paper(m_printer.pageLayout().pageSize(), m_printer.pageLayout().orientation(), QMarginsF());
    target.setPageLayout(paper);
    target.setFullPage(true);
    target.setDocName(m_documentName);
    if (!PrintDialogSeams::printDialog()(target, this))
        return;
    // The pages are laid out for the paper of Page Setup: a printer's dialog that switched
    // to its own default paper does not change that.
    target.setPageLayout(paper);
    if (!m_printer.document().playTo(target))
        Messages::show(this, QStringLiteral("The document could not be sent to the printer."), QStringLiteral("Print"),
                       Messages::Buttons::Ok, Messages::Icon::Exclamation);
}

void PrintPanel::savePdf()
{
    if (lastPdfFolder().isEmpty())
        lastPdfFolder() = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    QString name = m_documentName.isEmpty() ? QStringLiteral("Tessaly") : m_documentName;
    name.replace(QLatin1Char('/'), QLatin1Char('-'));
    const QString path =
        PrintDialogSeams::pdfFileChooser()(QDir(lastPdfFolder()).filePath(name + QStringLiteral(".pdf")), this);
    if (path.isEmpty())
        return;
    lastPdfFolder() = QFileInfo(path).absolutePath();
    QString error;
    if (!m_printer.document().exportPdf(path, &error))
        Messages::show(this, QStringLiteral("The PDF could not be saved.\r") + error, QStringLiteral("Save as PDF"),
                       Messages::Buttons::Ok, Messages::Icon::Exclamation);
}

void PrintPanel::toggleEnlarge()
{
    m_enlarged = !m_enlarged;
    if (m_enlarged) {
        m_enlargeButton->setText(QStringLiteral("Normal"));
        m_normalGeometry = m_preview->geometry();
        m_preview->setGeometry(kEnlargedInset, m_normalGeometry.top(), width() - 2 * kEnlargedInset,
                               m_normalGeometry.height());
        m_preview->setZoomMode(QPrintPreviewWidget::FitToWidth);
        showTopOfCurrentPage();
    } else {
        m_enlargeButton->setText(QStringLiteral("Enlarge"));
        m_preview->setGeometry(m_normalGeometry);
        m_preview->setZoomMode(QPrintPreviewWidget::FitInView);
        if (m_buttons[CancelButton])
            m_buttons[CancelButton]->setFocus();
    }
    m_preview->raise();
    m_enlargeButton->raise();
}

void PrintPanel::showTopOfCurrentPage()
{
    // Zoomed to the width, the preview keeps its scroll position, which lands in the middle of
    // a page or between pages: scroll so that the current page starts at the top.
    auto* view = m_preview->findChild<QGraphicsView*>();
    if (!view || !view->scene())
        return;
    QList<QGraphicsItem*> pages;
    for (QGraphicsItem* item : view->scene()->items())
        if (!item->parentItem())
            pages << item;
    std::sort(pages.begin(), pages.end(), [](QGraphicsItem* a, QGraphicsItem* b) { return a->y() < b->y(); });
    const int page = m_preview->currentPage() - 1;
    if (page < 0 || page >= pages.size())
        return;
    const QPoint top = view->mapFromScene(pages.at(page)->sceneBoundingRect().topLeft());
    view->verticalScrollBar()->setValue(view->verticalScrollBar()->value() + top.y());
}

void PrintPanel::placePreview()
{
    const QRect slot = m_previewSlot->geometry();
    if (m_enlarged) {
        m_normalGeometry = slot;
        m_preview->setGeometry(kEnlargedInset, slot.top(), width() - 2 * kEnlargedInset, slot.height());
    } else {
        m_preview->setGeometry(slot);
    }
    m_enlargeButton->adjustSize();
    m_enlargeButton->move(slot.right() - m_enlargeButton->width() - 24, slot.top() + 4);
    m_enlargeButton->raise();
}

bool PrintPanel::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_previewSlot && (event->type() == QEvent::Resize || event->type() == QEvent::Move))
        placePreview();
    return QWidget::eventFilter(watched, event);
}

void PrintPanel::showFontValues(const QString& name, double size)
{
    m_fontNameBox->setText(QStringLiteral(" ") + name);
    m_fontSizeBox->setText(QStringLiteral(" ") + QString::number(size));
}

void PrintPanel::showOrientation(const QString& text)
{
    m_orientationBox->setText(text);
}

void PrintPanel::setSample(const QFont& font, const QColor& colour)
{
    m_sampleLabel->setFont(font);
    QPalette palette = m_sampleLabel->palette();
    palette.setColor(QPalette::WindowText, colour);
    m_sampleLabel->setPalette(palette);
}

void PrintPanel::setOptionCaptions(const QStringList& captions)
{
    for (int i = 0; i < kOptionCount; ++i)
        m_options[i]->setText(captions.value(i));
}

void PrintPanel::setTimelineFramesVisible(bool visible)
{
    m_printRangeFrame->setVisible(visible);
    m_timelineOptionsFrame->setVisible(visible);
    m_options[0]->parentWidget()->setVisible(!visible);
}

void PrintPanel::setPrintRangeCaption(const QString& caption)
{
    m_printRangeOption->setText(caption);
}

void PrintPanel::setGuideLines(bool on)
{
    m_guideLines = on;
    m_guideLineOptions[on ? 1 : 0]->setChecked(true);
    m_preview->updatePreview();
}

int PrintPanel::currentPage() const
{
    return qMax(0, m_preview->currentPage() - 1);
}
