// The worksheet of the chosen safeguard: headings, status, the six panes, the editor and
// its buttons. The document in the editor belongs to its WorksheetDocument.
#pragma once

#include "catalog/SafeguardCatalog.h"
#include "worksheets/ActionAreaActions.h"
#include "worksheets/ActionAreaState.h"

#include <QWidget>
#include <functional>
#include <optional>

class QBoxLayout;
class QButtonGroup;
class QComboBox;
class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;
class RichTextBox;
class StatusStore;
class WorksheetDocument;

class WorksheetPanel : public QWidget
{
    Q_OBJECT
public:
    WorksheetPanel(ActionAreaState& state, StatusStore& statuses, ActionAreaActions& actions,
                   QWidget* parent = nullptr);

    // Connects the Options menu's worksheet items, once the menu exists.
    void connectMenuActions();
    // Lays the header out for the narrow window of Smaller Screen Display.
    void setNarrow(bool narrow);

    // Services that other parts of the program provide to the worksheet.
    enum Service
    {
        PrintService,
        FontSelectService,
        ThesaurusService,
        SpellCheckService,
        InsertTemplateService,
        CopyToClipboardService,
        ServiceCount
    };
    bool hasService(Service service) const { return bool(m_services[service]); }
    void setService(Service service, std::function<void()> handler);

    WorksheetDocument* document() const { return m_document; }

    // A left-hand button was pressed: the status vocabulary and the editor's place for the
    // view, before the document of the view being left is let go.
    void prepareView(int viewCode);
    // The view is entered: panes, headings and tools as every view starts.
    void enterView(int viewCode);
    // The Risk Analysis worksheets and the plan: the editor alone, without headings or panes.
    void showPlanLayout();
    // A safeguard was chosen: its headings, its stored status and the selected pane's text.
    void showEntry(const SafeguardEntry& entry);
    // The sample entry of Password Management, as it is first shown.
    void showSample();
    // A Risk Analysis worksheet or the plan: the editor holds file, with every editing tool.
    void openWorksheetDocument(const QString& file);
    // The Compliance Status of a Risk Analysis worksheet, with its label and explanation button.
    void showWorksheetStatus(const QString& text);
    void setTemplateCaption(const QString& caption);
    // "&Insert Template" on a safeguard's Policies & Procedures pane and in the sample.
    void insertPolicyTemplate();
    // Opens a pane as a click on it does. False when the user stays with the document that
    // is open (its save failed): the pane buttons then show that document's pane again.
    bool openPane(WorksheetPane pane);
    // The pane whose text the editor shows; none before a pane is chosen.
    std::optional<WorksheetPane> currentPane() const { return m_currentPane; }
    bool isPaneSelected(WorksheetPane pane) const;

    QString statusText() const;

    RichTextBox* editor() const { return m_editor; }
    QRadioButton* paneButton(WorksheetPane pane) const { return m_panes[int(pane)]; }
    QComboBox* statusList() const { return m_statusList; }
    QLabel* statusLabel() const { return m_statusLabel; }
    QPushButton* exitButton() const { return m_exitButton; }
    QPushButton* saveButton() const { return m_saveButton; }
    QPushButton* printButton() const { return m_printButton; }
    QPushButton* templateButton() const { return m_templateButton; }
    QPushButton* historyButton() const { return m_historyButton; }
    QPushButton* decisionButton() const { return m_decisionButton; }
    QPushButton* fontButton() const { return m_fontButton; }
    QPushButton* thesaurusButton() const { return m_thesaurusButton; }
    QPushButton* spellButton() const { return m_spellButton; }
    QGroupBox* textLocationFrame() const { return m_textLocation; }
    QLabel* standardLabel() const { return m_standardLabel; }
    QLabel* sectionLabel() const { return m_sectionLabel; }
    QLabel* specificationLabel() const { return m_specificationLabel; }

signals:
    void exitPressed();

protected:
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildHeader();
    void buildButtons();
    void openDocumentPane(WorksheetPane pane);
    void openReferencePane(WorksheetPane pane);
    void reopenSelectedPane();
    void showSelectedPane();
    void deselectAllPanes();
    void waitForPane();
    void setHeadings(const SafeguardEntry& entry);
    void setHeadingsVisible(bool visible);
    void setStatusText(const QString& text);
    void onStatusPicked(int index);
    int statusRecord() const;
    void showComplianceTerms();
    void setSpecificationPaneEnabled(bool enabled);
    void setTemplateButtonEnabled(bool enabled);
    void disableEditingTools();
    void setPrintEnabled(bool enabled);
    void setSaveEnabled(bool enabled);
    void setEditToolsEnabled(bool enabled);
    void enableService(QPushButton* button, QAction* action, Service service, bool enabled);
    void reflectAlignment();
    void showHistory();
    // The decision of an Addressable entry beside its status; none hides it.
    void showDecision(std::optional<int> entryNumber);
    void editDecision();
    void layoutEditor();
    void followHeaderWidth();
    void settleLayout();
    QString documentFile(WorksheetPane pane) const;

    ActionAreaState& m_state;
    StatusStore& m_statuses;
    ActionAreaActions& m_actions;
    std::function<void()> m_services[ServiceCount];
    std::optional<WorksheetPane> m_currentPane;

    QWidget* m_header = nullptr;
    QBoxLayout* m_statusRow = nullptr;
    QLabel* m_standardLabel = nullptr;
    QLabel* m_sectionLabel = nullptr;
    QLabel* m_specificationLabel = nullptr;
    QLabel* m_statusLabel = nullptr;
    QComboBox* m_statusList = nullptr;
    QPushButton* m_complianceButton = nullptr;
    QPushButton* m_decisionButton = nullptr;
    std::optional<int> m_decisionEntry;
    QGroupBox* m_actionsFrame = nullptr;
    QGroupBox* m_referencesFrame = nullptr;
    QRadioButton* m_panes[kWorksheetPaneCount] = {};
    QButtonGroup* m_paneGroup = nullptr;
    RichTextBox* m_editor = nullptr;
    WorksheetDocument* m_document = nullptr;
    QWidget* m_editorArea = nullptr;
    QPushButton* m_printButton = nullptr;
    QPushButton* m_saveButton = nullptr;
    QPushButton* m_exitButton = nullptr;
    QPushButton* m_fontButton = nullptr;
    QPushButton* m_thesaurusButton = nullptr;
    QPushButton* m_spellButton = nullptr;
    QPushButton* m_templateButton = nullptr;
    QPushButton* m_historyButton = nullptr;
    QGroupBox* m_textLocation = nullptr;
    QRadioButton* m_alignButtons[3] = {};
    double m_editorTop = 0.195;
    double m_editorHeight = 0.795;
};
