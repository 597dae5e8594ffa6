// View 8, the Disaster Recovery Plan: one document of the practice's own, which starts from
// the sample plan shipped with the program while it is still empty.
#pragma once

#include <QObject>

class WorksheetPanel;

class DisasterRecoveryPlan : public QObject
{
    Q_OBJECT
public:
    explicit DisasterRecoveryPlan(WorksheetPanel* panel);

    // The view is entered: the plan, or the sample with its message while there is no plan.
    void enter();
    // "Insert Template": the sample plan in place of the user's plan.
    void insertTemplate();

private:
    WorksheetPanel* m_panel;
};
