// The navigation state the Action Area's views, panes and services share.
#pragma once

#include <QString>

// View codes: the positions of the Action Area's left-hand buttons.
enum ViewCode : int
{
    StandardsOverviewView = 0,
    TimelineView = 1,
    AdministrativeView = 2,
    PhysicalView = 3,
    TechnicalView = 4,
    OrganizationView = 5,
    PoliciesView = 6,
    RiskAnalysisView = 7,
    DisasterRecoveryView = 8,
    SampleView = 9,
};

// Current pane codes: 3-5 the editable documents, 0 a reference pane or none.
enum PaneCode : int
{
    ReferenceOrNoPane = 0,
    ActionTakenPane = 3,
    CommentsNotesPane = 4,
    PoliciesPane = 5
};

struct ActionAreaState
{
    int viewCode = StandardsOverviewView;
    int entryIndex = 0;
    int currentPane = ReferenceOrNoPane;
    bool dirty = false;
    // Raised while the program itself clears or loads the editor, so the change is not the user's.
    bool loading = false;
    QString titlePrefix;
    QString currentDocumentFile;
    bool sampleNoticeShown = false;
    bool samplePolicyNoticeShown = false;

    bool isCatalogView() const { return viewCode >= AdministrativeView && viewCode <= PoliciesView; }
    // The catalog entry on show: the entry of the current group and index, Password
    // Management in the sample, -1 elsewhere.
    int entryNumber() const;
};
