// View 7, the Risk Analysis worksheets: 21 named documents, each with a Compliance Status,
// opened from their buttons into the Action Area's editor.
#pragma once

#include <QMap>
#include <QObject>

struct ActionAreaState;
class RiskWorksheetButtons;
class StatusStore;
class WorksheetPanel;
class WorksheetTitleEditor;

class RiskWorksheets : public QObject
{
    Q_OBJECT
public:
    RiskWorksheets(ActionAreaState& state, StatusStore& statuses, WorksheetPanel* panel, RiskWorksheetButtons* buttons,
                   WorksheetTitleEditor* titleEditor);

    // The view is entered: titles from RAList.Fil, content marks, no worksheet open yet.
    void enter();
    // A press of worksheet button n.
    void openWorksheet(int n);
    // "New Worksheet": the worksheet template in place of the open worksheet's text.
    void newWorksheet();
    // "&Change Worksheet Button Title".
    void changeTitles();
    bool isEditingTitles() const;
    // Esc while the title editor is open: it closes without saving.
    void closeTitleEditor();

signals:
    void windowTitleChanged(const QString& suffix);

private:
    void renewContentMarks();
    void saveTitles(const QMap<int, QString>& titles);
    void clearStatusOfEmptiedWorksheet();

    ActionAreaState& m_state;
    StatusStore& m_statuses;
    WorksheetPanel* m_panel;
    RiskWorksheetButtons* m_buttons;
    WorksheetTitleEditor* m_titleEditor;
    int m_current = -1;
};
