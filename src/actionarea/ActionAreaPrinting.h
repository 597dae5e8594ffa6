// The Action Area's printing: its print panel over the screen, the program's print settings,
// and the printouts of each view (the worksheet document, the reference texts, the
// safeguard reports and the timeline report).
#pragma once

#include "printing/PrintSettings.h"

#include <QObject>
#include <QString>

struct ActionAreaState;
class PrintPanel;
class StandardsOverviewPanel;
class StatusStore;
class TimelinePanel;
class WorksheetPanel;

class ActionAreaPrinting : public QObject
{
    Q_OBJECT
public:
    enum class Mode
    {
        Document,       // the editor's document as it stands
        ReferenceTexts, // the ticked reference texts of the safeguard
        Reports,        // the safeguard reports
        Timeline        // the timeline report
    };

    // The panel covers host, the screen's central area, while it is shown.
    ActionAreaPrinting(QWidget* host, const ActionAreaState& state, const StatusStore& statuses,
                       WorksheetPanel* worksheet, TimelinePanel* timeline, StandardsOverviewPanel* overview);

    // The Action Area loads: print settings from the editor and the grid, the stored
    // guide-line choice, portrait.
    void load();
    // The "&Print" command of the view on screen.
    void print();
    void openReports();
    void openDocument();
    void startTimelinePrint();

    PrintPanel* panel() const { return m_panel; }
    PrintSettings& settings() { return m_settings; }
    Mode mode() const { return m_mode; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void showPanel();
    void rebuild();
    void buildDocument();
    void buildReferenceTexts();
    void buildReports();
    void buildTimeline();
    void optionToggled(int index);
    void guideLinesChosen(int index);
    void setBoxes(const QStringList& captions, int ticked, bool fourth);
    void enableFontAndPageSetup(bool enabled);
    void showPrinterFont();
    bool documentPaneOrPlan() const;
    QString referencePlainText(int number, int pane) const;
    QString documentName() const;

    QWidget* m_host;
    const ActionAreaState& m_state;
    const StatusStore& m_statuses;
    WorksheetPanel* m_worksheet;
    TimelinePanel* m_timeline;
    StandardsOverviewPanel* m_overview;
    PrintPanel* m_panel;
    PrintSettings m_settings;
    Mode m_mode = Mode::Document;
    bool m_loading = false;
    bool m_settingBoxes = false;
};
