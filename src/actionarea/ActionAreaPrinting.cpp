#include "actionarea/ActionAreaPrinting.h"

#include "actionarea/StandardsOverviewPanel.h"
#include "base/AtomicFile.h"
#include "base/Clock.h"
#include "base/DataFolder.h"
#include "base/Messages.h"
#include "catalog/ReferenceTexts.h"
#include "printing/GuideLineChoice.h"
#include "printing/PrintPanel.h"
#include "printing/ReferencePrintout.h"
#include "printing/SafeguardReport.h"
#include "printing/TimelineReport.h"
#include "richtext/RichTextBox.h"
#include "richtext/RtfReader.h"
#include "timeline/TimelineModel.h"
#include "timeline/TimelinePanel.h"
#include "worksheets/ActionAreaState.h"
#include "worksheets/StatusStore.h"
#include "worksheets/WorksheetPanel.h"

#include <QApplication>
#include <QCheckBox>
#include <QEvent>
#include <QGroupBox>
#include <QPushButton>
#include <QTableView>
#include <QTextDocument>

namespace {

const QStringList kDocumentCaptions = {QStringLiteral("Action Taken"), QStringLiteral("Comments/Notes"),
                                       QStringLiteral("Policies && Procedures")};
const QStringList kReferenceCaptions = {QStringLiteral("Implementation specification"),
                                        QStringLiteral("References in Rule"), QStringLiteral("Additional Information")};
// The reference buffers in the order of their check boxes.
const WorksheetPane kReferencePanes[] = {WorksheetPane::Specification, WorksheetPane::ReferencesInRule,
                                         WorksheetPane::AdditionalInformation};

QString paneName(WorksheetPane pane)
{
    switch (pane) {
    case WorksheetPane::ActionTaken:
        return QStringLiteral("Action Taken");
    case WorksheetPane::CommentsNotes:
        return QStringLiteral("Comments-Notes");
    case WorksheetPane::PoliciesProcedures:
        return QStringLiteral("Policies & Procedures");
    case WorksheetPane::Specification:
        return QStringLiteral("Implementation specification");
    case WorksheetPane::ReferencesInRule:
        return QStringLiteral("References in Rule");
    case WorksheetPane::AdditionalInformation:
        return QStringLiteral("Additional Information");
    }
    return QString();
}

class BusyCursor
{
public:
    BusyCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~BusyCursor() { QApplication::restoreOverrideCursor(); }
};

} // namespace

ActionAreaPrinting::ActionAreaPrinting(QWidget* host, const ActionAreaState& state, const StatusStore& statuses,
                                       WorksheetPanel* worksheet, TimelinePanel* timeline,
                                       StandardsOverviewPanel* overview)
    : QObject(host), m_host(host), m_state(state), m_statuses(statuses), m_worksheet(worksheet), m_timeline(timeline),
      m_overview(overview), m_panel(new PrintPanel(true, host))
{
    m_panel->hide();
    m_panel->setSettings(&m_settings);
    host->installEventFilter(this);
    connect(m_panel, &PrintPanel::printerFontChanged, this, &ActionAreaPrinting::rebuild);
    connect(m_panel, &PrintPanel::pageSetupChanged, this, [this] {
        QCoreApplication::processEvents();
        rebuild();
    });
    connect(m_panel, &PrintPanel::optionToggled, this, &ActionAreaPrinting::optionToggled);
    connect(m_panel, &PrintPanel::timelineOptionToggled, this, [this] {
        if (!m_loading && m_mode == Mode::Timeline)
            buildTimeline();
    });
    connect(m_panel, &PrintPanel::guideLinesChosen, this, &ActionAreaPrinting::guideLinesChosen);
    // The timeline printout is the grid as it is: a change while the printout shows (the menu's
    // "Clear Grid", say) makes it again, so that Print never sends rows the grid no longer has.
    const auto gridChanged = [this] {
        if (m_mode == Mode::Timeline && m_panel->isVisible())
            buildTimeline();
    };
    TimelineModel* grid = m_timeline->grid();
    connect(grid, &QAbstractItemModel::modelReset, this, gridChanged);
    connect(grid, &QAbstractItemModel::dataChanged, this, gridChanged);
    connect(grid, &QAbstractItemModel::rowsInserted, this, gridChanged);
    connect(grid, &QAbstractItemModel::rowsRemoved, this, gridChanged);
    connect(grid, &QAbstractItemModel::layoutChanged, this, gridChanged);
}

void ActionAreaPrinting::load()
{
    m_loading = true;
    const QColor gridText = m_timeline->gridView()->palette().color(QPalette::Text);
    m_settings = PrintSettings::fromEditor(m_worksheet->editor()->defaultFont(), gridText);
    m_panel->printer().setOrientation(ReportPrinter::Portrait);
    m_panel->showOrientation(QStringLiteral(" Portrait"));
    m_panel->setGuideLines(GuideLineChoice::load() == 1);
    m_loading = false;
}

bool ActionAreaPrinting::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_host && event->type() == QEvent::Resize)
        m_panel->setGeometry(m_host->rect());
    return QObject::eventFilter(watched, event);
}

void ActionAreaPrinting::print()
{
    if (m_state.viewCode == StandardsOverviewView)
        openReports();
    else if (m_state.viewCode == TimelineView)
        startTimelinePrint();
    else
        openDocument();
}

void ActionAreaPrinting::showPanel()
{
    m_panel->setGeometry(m_host->rect());
    m_panel->show();
    m_panel->raise();
    m_panel->setFocus();
    m_panel->enlargeButton()->raise();
}

void ActionAreaPrinting::rebuild()
{
    switch (m_mode) {
    case Mode::Document:
        buildDocument();
        break;
    case Mode::ReferenceTexts:
        buildReferenceTexts();
        break;
    case Mode::Reports:
        buildReports();
        break;
    case Mode::Timeline:
        buildTimeline();
        break;
    }
}

// --- Worksheet documents --------------------------------------------------------------

bool ActionAreaPrinting::documentPaneOrPlan() const
{
    if (m_state.viewCode == RiskAnalysisView || m_state.viewCode == DisasterRecoveryView)
        return true;
    const auto pane = m_worksheet->currentPane();
    return pane && isDocumentPane(*pane);
}

void ActionAreaPrinting::openDocument()
{
    PrintMargins::setForDocument(m_settings);
    enableFontAndPageSetup(true);
    m_panel->setTimelineFramesVisible(false);
    showPrinterFont();
    m_panel->setDocumentName(documentName());
    if (documentPaneOrPlan()) {
        m_mode = Mode::Document;
        setBoxes(kDocumentCaptions, -1, false);
        for (int i = 0; i < 3; ++i)
            m_panel->optionBox(i)->setEnabled(false);
    } else {
        m_mode = Mode::ReferenceTexts;
        int shown = 0;
        for (int i = 0; i < 3; ++i)
            if (m_worksheet->currentPane() == kReferencePanes[i])
                shown = i;
        setBoxes(kReferenceCaptions, shown, false);
    }
    showPanel();
    rebuild();
}

void ActionAreaPrinting::buildDocument()
{
    BusyCursor busy;
    ReportPrinter& printer = m_panel->printer();
    printer.clear();
    m_settings.applyMargins(printer);
    printer.startDoc();
    printer.paragraphRtf(m_worksheet->editor()->documentRtf());
    printer.endDoc();
    m_panel->refreshPreview();
}

QString ActionAreaPrinting::referencePlainText(int number, int pane) const
{
    QTextDocument document;
    const QString file = ReferenceTexts::referenceFile(number, WorksheetPane(pane));
    if (file.isEmpty()) {
        ReferenceTexts::buildDocument(&document, number, WorksheetPane(pane));
    } else {
        QByteArray rtf;
        if (readFileWithin(DataFolder::path(file), FileLimits::kDocument, &rtf) == ReadOutcome::Read)
            RtfReader::read(rtf, &document);
    }
    return document.toPlainText();
}

void ActionAreaPrinting::buildReferenceTexts()
{
    BusyCursor busy;
    m_panel->timelineOptionsFrame()->hide();
    const int number = m_state.entryNumber();
    QStringList texts;
    std::array<bool, 3> ticked{};
    for (int i = 0; i < 3; ++i) {
        ticked[i] = m_panel->optionBox(i)->isChecked();
        texts.append(ticked[i] && ReferenceTexts::isAvailable(number, kReferencePanes[i])
                         ? referencePlainText(number, int(kReferencePanes[i]))
                         : QString());
    }
    const auto document = ReferencePrintout::build(texts, ticked, m_settings, number + 1);
    ReportPrinter& printer = m_panel->printer();
    printer.clear();
    m_settings.applyMargins(printer);
    printer.startDoc();
    if (!document->isEmpty())
        printer.paragraph(*document);
    printer.endDoc();
    m_panel->refreshPreview();
}

// --- Safeguard reports ----------------------------------------------------------------

void ActionAreaPrinting::openReports()
{
    m_mode = Mode::Reports;
    m_panel->printer().clear();
    enableFontAndPageSetup(false);
    m_panel->setTimelineFramesVisible(false);
    setBoxes(SafeguardReportTables::kBoxCaptions, -1, true);
    m_panel->showFontValues(QStringLiteral("Times New Roman"), 10);
    QFont sample(QStringLiteral("Times New Roman"));
    sample.setPointSize(10);
    m_panel->setSample(sample, Qt::black);
    m_panel->printer().setOrientation(ReportPrinter::Portrait);
    m_panel->showOrientation(QStringLiteral("Portrait"));
    m_panel->setDocumentName(SafeguardReportTables::kTitle);
    showPanel();
    // The highlighted group of the overview is ticked, which builds the first report.
    m_panel->optionBox(m_overview->group() + 1)->setChecked(true);
}

void ActionAreaPrinting::buildReports()
{
    BusyCursor busy;
    m_panel->timelineOptionsFrame()->hide();
    SafeguardReport::Boxes boxes{};
    for (int i = 0; i < SafeguardReport::BoxCount; ++i)
        boxes[i] = m_panel->optionBox(i)->isChecked();
    QStringList statuses;
    for (int n = 0; n < StatusStore::kSlotCount; ++n)
        statuses.append(m_statuses.slot(n));
    SafeguardReport(m_panel->printer(), statuses, m_settings.colour).build(boxes);
    m_panel->refreshPreview();
}

void ActionAreaPrinting::optionToggled(int index)
{
    if (m_loading || m_settingBoxes)
        return;
    if (m_mode == Mode::Reports) {
        SafeguardReport::Boxes boxes{};
        for (int i = 0; i < SafeguardReport::BoxCount; ++i)
            boxes[i] = m_panel->optionBox(i)->isChecked();
        const SafeguardReport::Boxes kept = SafeguardReport::afterToggle(boxes, index);
        m_settingBoxes = true;
        for (int i = 0; i < SafeguardReport::BoxCount; ++i)
            m_panel->optionBox(i)->setChecked(kept[i]);
        m_settingBoxes = false;
        m_panel->showFontValues(QStringLiteral("Times New Roman"), 10);
        QFont sample(QStringLiteral("Times New Roman"));
        sample.setPointSize(10);
        m_panel->setSample(sample, Qt::black);
        if (m_panel->isVisible())
            buildReports();
    } else if (m_mode == Mode::ReferenceTexts && m_panel->isVisible()) {
        buildReferenceTexts();
    }
}

// --- Timeline report ------------------------------------------------------------------

void ActionAreaPrinting::startTimelinePrint()
{
    m_panel->setPrintRangeCaption(TimelineReport::kPrintRangeCaption);
    if (!TimelineReport::hasEntries(m_timeline->grid()->itemTexts())) {
        Messages::show(m_host->window(), TimelineReport::kNoEntriesText, TimelineReport::kNoEntriesTitle,
                       Messages::Buttons::Ok, Messages::Icon::Information);
        return;
    }
    m_mode = Mode::Timeline;
    enableFontAndPageSetup(true);
    m_panel->setTimelineFramesVisible(true);
    showPrinterFont();
    m_panel->setDocumentName(QStringLiteral("Project Timeline - To Do List"));
    showPanel();
    QCoreApplication::processEvents();
    buildTimeline();
}

void ActionAreaPrinting::buildTimeline()
{
    BusyCursor busy;
    m_panel->timelineOptionsFrame()->show();
    TimelineReport::Options options;
    options.asOfDate = m_panel->timelineOption(0)->isChecked();
    options.gridLines = m_panel->timelineOption(1)->isChecked();
    options.today = Clock::today();
    TimelineReport(m_panel->printer(), m_settings, options).build(m_timeline->grid()->itemTexts());
    m_panel->refreshPreview();
}

// --- Panel state ----------------------------------------------------------------------

void ActionAreaPrinting::guideLinesChosen(int index)
{
    if (m_loading)
        return;
    QString error;
    if (!GuideLineChoice::store(index, &error))
        Messages::show(m_panel, QStringLiteral("The guide-line choice could not be saved.\r") + error,
                       QStringLiteral("Display Options"), Messages::Buttons::Ok, Messages::Icon::Exclamation);
}

void ActionAreaPrinting::setBoxes(const QStringList& captions, int ticked, bool fourth)
{
    m_settingBoxes = true;
    m_panel->setOptionCaptions(captions);
    for (int i = 0; i < PrintPanel::kOptionCount; ++i) {
        m_panel->optionBox(i)->setEnabled(true);
        m_panel->optionBox(i)->setChecked(i == ticked);
    }
    m_panel->optionBox(3)->setVisible(fourth);
    m_settingBoxes = false;
}

void ActionAreaPrinting::enableFontAndPageSetup(bool enabled)
{
    m_panel->button(PrintPanel::PrinterFontButton)->setEnabled(enabled);
    m_panel->button(PrintPanel::PageSetupButton)->setEnabled(enabled);
}

void ActionAreaPrinting::showPrinterFont()
{
    m_panel->showFontValues(m_settings.fontName, m_settings.fontSize);
    m_panel->setSample(m_settings.font(), m_settings.colour);
    m_panel->showOrientation(m_panel->printer().orientation() == ReportPrinter::Landscape
                                 ? QStringLiteral(" Landscape")
                                 : QStringLiteral(" Portrait"));
}

QString ActionAreaPrinting::documentName() const
{
    const SafeguardEntry* entry = SafeguardCatalog::entry(m_state.entryNumber());
    const auto pane = m_worksheet->currentPane();
    if (entry && pane && (m_state.isCatalogView() || m_state.viewCode == SampleView))
        return entry->fullTitle + QStringLiteral(" - ") + paneName(*pane);
    QString title = m_host->window()->windowTitle();
    title.remove(QStringLiteral("Action Area - "));
    return title;
}
