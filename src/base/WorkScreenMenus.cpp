#include "base/WorkScreenMenus.h"

#include "base/ButtonLook.h"
#include "base/HINFO1.h"
#include "base/Help.h"
#include "base/Messages.h"
#include "base/UtilityActions.h"
#include "base/WebLinks.h"

#include <QHBoxLayout>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>

TabButtonRow::TabButtonRow(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("tabButtonRow"));
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(2);
    for (int t = 0; t < WorkScreenMenus::kTabCaptions.size(); ++t) {
        auto* button = new QPushButton(WorkScreenMenus::kTabCaptions.at(t), this);
        button->setObjectName(QStringLiteral("tabButton%1").arg(t));
        layout->addWidget(button);
        m_tabs.append(button);
        connect(button, &QPushButton::clicked, this, [this, t] { emit tabPressed(t); });
    }
}

void TabButtonRow::choose(int t)
{
    for (int i = 0; i < m_tabs.size(); ++i)
        ButtonLook::setChosenColour(m_tabs.at(i), i == t);
}

namespace WorkScreenMenus {

bool confirmExit(QWidget* screen)
{
    return Messages::show(screen, QStringLiteral("Exit Tessaly?"), QStringLiteral("Exit"),
                          Messages::Buttons::YesNoCancel, Messages::Icon::Question) == Messages::Answer::Yes;
}

QMenu* addUtilitiesMenu(QMenuBar* bar, const QString& title, QWidget* screen, std::function<bool()> confirmLeave)
{
    using UtilityActions::Utility;
    QMenu* menu = bar->addMenu(title);
    menu->setObjectName(QStringLiteral("mUtilities"));
    const struct
    {
        Utility utility;
        const char* caption;
        const char* objectName;
    } items[] = {{Utility::Backup, "&Backup User Created Files", "mUBack"},
                 {Utility::Restore, "&Restore User Created Files", "mURest"},
                 {Utility::UndoRestore, "&Undo Last Restore", "mUUndo"},
                 {Utility::ComplianceBinder, "Compliance B&inder (PDF)...", "mUBind"},
                 {Utility::RiskRegister, "Risk Re&gister...", "mURisk"}};
    QList<QPair<QAction*, Utility>> actions;
    for (const auto& item : items) {
        if (item.utility == Utility::UndoRestore || item.utility == Utility::ComplianceBinder)
            menu->addSeparator();
        QAction* action = menu->addAction(QString::fromLatin1(item.caption));
        action->setObjectName(QString::fromLatin1(item.objectName));
        actions.append({action, item.utility});
        QObject::connect(action, &QAction::triggered, screen, [screen, confirmLeave, utility = item.utility] {
            const UtilityActions::Handlers& h = UtilityActions::handlers();
            if (h.run && (!confirmLeave || confirmLeave()))
                h.run(utility, screen);
        });
    }
    const auto refresh = [actions] {
        const UtilityActions::Handlers& h = UtilityActions::handlers();
        for (const auto& [action, utility] : actions)
            action->setEnabled(h.run && (!h.available || h.available(utility)));
    };
    refresh();
    QObject::connect(menu, &QMenu::aboutToShow, menu, refresh);
    return menu;
}

QMenu* addHelpMenu(QMenuBar* bar, QWidget* screen, const QString& ownCaption, int ownContext)
{
    QMenu* menu = bar->addMenu(QStringLiteral("&Help"));
    menu->setObjectName(QStringLiteral("mHelp"));
    QAction* contents = menu->addAction(QStringLiteral("&Help Contents"));
    contents->setObjectName(QStringLiteral("mHCont"));
    QObject::connect(contents, &QAction::triggered, screen, [] { Help::openContents(); });
    QAction* overview = menu->addAction(QStringLiteral("&Program Overview"));
    overview->setObjectName(QStringLiteral("mHOver"));
    QObject::connect(overview, &QAction::triggered, screen, [] { Help::openContext(Help::kProgramOverview); });
    if (!ownCaption.isEmpty()) {
        QAction* own = menu->addAction(ownCaption);
        own->setObjectName(QStringLiteral("mHOwn"));
        QObject::connect(own, &QAction::triggered, screen, [ownContext] { Help::openContext(ownContext); });
    }
    menu->addSeparator();
    QAction* about = menu->addAction(QStringLiteral("&About Tessaly"));
    about->setObjectName(QStringLiteral("mHAbout"));
    QObject::connect(about, &QAction::triggered, screen, [screen] { Help::openAbout(screen); });
    menu->addSeparator();
    QAction* web = menu->addAction(QStringLiteral("Tessaly on the &Web"));
    web->setObjectName(QStringLiteral("mHWeb"));
    QObject::connect(web, &QAction::triggered, screen, [] {
        HINFO1::busyOff();
        WebLinks::openWebPage(WebLinks::kMakerWebSite);
    });
    return menu;
}

} // namespace WorkScreenMenus
