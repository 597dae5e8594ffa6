#include "app/ReaderScreens.h"

#include "actionarea/WorkArea1.h"
#include "base/HINFO1.h"
#include "readers/InfoAdv.h"
#include "readers/Miscform1.h"
#include "readers/PrivRule.h"
#include "readers/ReaderScreen.h"

ReaderScreens::ReaderScreens(WorkArea1* actionArea) : QObject(actionArea), m_actionArea(actionArea)
{
    for (int t = HINFO1::InformationAdvisorScreen; t <= HINFO1::MiscellaneousScreen; ++t)
        actionArea->setScreenOpener(t, [this, t] { open(t); });
    // Back on the Action Area, the closed reader is unloaded.
    connect(actionArea, &WorkArea1::activated, this, [this] {
        if (m_current && !m_current->isVisible())
            m_current->deleteLater();
    });
}

ReaderScreens::~ReaderScreens()
{
    delete m_current;
}

ReaderScreen* ReaderScreens::current() const
{
    return m_current;
}

void ReaderScreens::open(int t)
{
    if (m_current && m_current->ownTab() == t && m_current->isVisible()) {
        m_current->raise();
        return;
    }
    if (m_current)
        m_current->deleteLater();
    switch (t) {
    case HINFO1::InformationAdvisorScreen:
        m_current = new InfoAdv(m_actionArea);
        break;
    case HINFO1::SecurityRuleScreen:
        m_current = new PrivRule(m_actionArea);
        break;
    default:
        m_current = new Miscform1(m_actionArea);
        break;
    }
    // The Action Area takes over at once, whether or not the window system reports its
    // activation, and opens the screen that was asked for.
    connect(m_current, &ReaderScreen::returnedHome, m_actionArea, &WorkArea1::activate);
    m_current->open();
}
