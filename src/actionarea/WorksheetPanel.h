// The worksheet of the chosen safeguard: headings, status, the six panes, the editor and
// its buttons; and the opening, tracking and saving of the worksheet documents.
#pragma once

#include "actionarea/ActionAreaActions.h"
#include "actionarea/ActionAreaState.h"
#include "catalog/ReferenceTexts.h"

#include <QWidget>
#include <functional>

class QButtonGroup;
class QComboBox;
class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;
class RichTextBox;
class StatusStore;
struct SafeguardEntry;

class WorksheetPanel : public QWidget
{
    Q_OBJECT
public:
    // The six panes, in the order they are re-opened after an entry change.
    enum Pane
    {
        ReferencesInRule,
        ActionTaken,
        CommentsNotes,
        PoliciesProcedures,
        Specification,
        AdditionalInfo
    };
    static constexpr int kPaneCount = 6;

    WorksheetPanel(ActionAreaState& state, StatusStore& statuses, ActionAreaActions& actions,
                   QWidget* parent = nullptr);

    // Connects the Options menu's worksheet items, once the menu exists.
    void connectMenuActions();

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
    // The save command of a view whose document is kept elsewhere (timeline, worksheets,
    // plan): save returns false when nothing could be written; discard drops the changes
    // when the user answers No to the save prompt.
    void setViewDocument(int viewCode, std::function<bool()> save, std::function<void()> discard);

    // Headings and status.
    void fillStatusVocabulary(int viewCode);
    void setHeadings(const SafeguardEntry& entry);
    void setHeadingsVisible(bool visible);
    void showStatus(int record);
    void setStatusText(const QString& text);
    QString statusText() const;

    // Panes and the editor.
    void openActionPane(int paneCode);
    void openReferencePane(ReferencePane pane);
    // Opens pane p (a Pane value) as a click on it does.
    void openPane(int pane);
    void reopenSelectedPane();
    void deselectAllPanes();
    bool isPaneSelected(Pane pane) const;
    bool isAnyPaneSelected() const;
    void clearEditorAsProgram();
    void placeEditor(int viewCode);
    void setSpecificationPaneEnabled(bool enabled);
    void setTemplateButtonEnabled(bool enabled);
    void setTemplateButtonCaption(const QString& caption);
    void unlockEditor();
    // With no pane chosen there is no document to type into: the editor says so and
    // takes no typing, so nothing typed there can be lost.
    void waitForPane();
    // Disables the editing tools of views that are not safeguard worksheets.
    void disableEditingTools();

    // Unsaved changes. False only when the user chose to save and the save failed.
    bool savePrompt();
    bool saveCommand();

    RichTextBox* editor() const { return m_editor; }
    QRadioButton* paneButton(Pane pane) const { return m_panes[pane]; }
    QComboBox* statusList() const { return m_statusList; }
    QLabel* statusLabel() const { return m_statusLabel; }
    QPushButton* complianceButton() const { return m_complianceButton; }
    QPushButton* exitButton() const { return m_exitButton; }
    QPushButton* saveButton() const { return m_saveButton; }
    QPushButton* printButton() const { return m_printButton; }
    QPushButton* templateButton() const { return m_templateButton; }
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

private:
    void buildHeader();
    void buildButtons();
    void onEditorChanged();
    void onStatusPicked(int index);
    void showComplianceTerms();
    void setPrintEnabled(bool enabled);
    void setEditToolsEnabled(bool enabled);
    void enableService(QPushButton* button, QAction* action, Service service, bool enabled);
    void reflectAlignment();
    void layoutEditor();
    QString actionDocumentFile(int paneCode) const;

    ActionAreaState& m_state;
    StatusStore& m_statuses;
    ActionAreaActions& m_actions;
    std::function<void()> m_services[ServiceCount];
    std::function<bool()> m_saveHandlers[10];
    std::function<void()> m_discardHandlers[10];

    QWidget* m_header = nullptr;
    QLabel* m_standardLabel = nullptr;
    QLabel* m_sectionLabel = nullptr;
    QLabel* m_specificationLabel = nullptr;
    QLabel* m_statusLabel = nullptr;
    QComboBox* m_statusList = nullptr;
    QPushButton* m_complianceButton = nullptr;
    QGroupBox* m_actionsFrame = nullptr;
    QGroupBox* m_referencesFrame = nullptr;
    QRadioButton* m_panes[kPaneCount] = {};
    QButtonGroup* m_paneGroup = nullptr;
    RichTextBox* m_editor = nullptr;
    QWidget* m_editorArea = nullptr;
    QPushButton* m_printButton = nullptr;
    QPushButton* m_saveButton = nullptr;
    QPushButton* m_exitButton = nullptr;
    QPushButton* m_fontButton = nullptr;
    QPushButton* m_thesaurusButton = nullptr;
    QPushButton* m_spellButton = nullptr;
    QPushButton* m_templateButton = nullptr;
    QGroupBox* m_textLocation = nullptr;
    QRadioButton* m_alignButtons[3] = {};
    double m_editorTop = 0.195;
    double m_editorHeight = 0.795;
};
