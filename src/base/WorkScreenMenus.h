// What the work screens share: the row of five tabs, the exit question, and the
// Utilities and Help menus.
#pragma once

#include <QList>
#include <QString>
#include <QWidget>
#include <functional>

class QAbstractButton;
class QMenu;
class QMenuBar;
class QPushButton;

// The five tab buttons: Action Area, Information Advisor, Security Rule, Miscellaneous, Exit Program.
class TabButtonRow : public QWidget
{
    Q_OBJECT
public:
    explicit TabButtonRow(QWidget* parent = nullptr);

    // All tabs black, tab t bright blue.
    void choose(int t);
    QPushButton* tab(int t) const { return m_tabs.at(t); }
    int count() const { return int(m_tabs.size()); }

signals:
    void tabPressed(int t);

private:
    QList<QPushButton*> m_tabs;
};

namespace WorkScreenMenus {

inline const QStringList kTabCaptions = {QStringLiteral("&Action Area"), QStringLiteral("&Information Advisor"),
                                         QStringLiteral("&Security Rule"), QStringLiteral("&Miscellaneous"),
                                         QStringLiteral("E&xit Program")};

// "Exit Tessaly?" with Yes, No and Cancel, over the screen that asks: true only for Yes.
bool confirmExit(QWidget* screen);

// "Utilities": "&Backup User Created Files", "&Restore User Created Files" and "&Undo Last
// Restore", run through UtilityActions. A screen with an open document passes confirmLeave,
// its save prompt: a utility runs only when it answers true.
QMenu* addUtilitiesMenu(QMenuBar* bar, const QString& title, QWidget* screen, std::function<bool()> confirmLeave = {});

// "&Help": contents, program overview, the screen's own item (when ownCaption is not
// empty, opening ownContext), About and the maker's web site.
QMenu* addHelpMenu(QMenuBar* bar, QWidget* screen, const QString& ownCaption, int ownContext);

} // namespace WorkScreenMenus
