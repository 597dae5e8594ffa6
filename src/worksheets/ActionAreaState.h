// The navigation state the Action Area's views, panes and services share.
#pragma once

#include <QString>

// View codes: the positions of the Action Area's left-hand buttons.
constexpr int kViewCount = 10;

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

struct ActionAreaState
{
    int viewCode = StandardsOverviewView;
    int entryIndex = 0;
    QString titlePrefix;
    bool sampleNoticeShown = false;
    bool samplePolicyNoticeShown = false;

    // The views of the five safeguard groups.
    static bool isCatalogView(int view) { return view >= AdministrativeView && view <= PoliciesView; }
    bool isCatalogView() const { return isCatalogView(viewCode); }
    // The catalog entry on show: the entry of the current group and index, Password
    // Management in the sample, -1 elsewhere.
    int entryNumber() const;
};
