// What the three reader screens share: the tab row, the Options and Help menus, the exit
// question, Esc and F1, and going back to the Action Area when the screen closes.
#pragma once

#include <QMainWindow>
#include <QPointer>

class QMenu;
class RichTextBox;
class TabButtonRow;

class ReaderScreen : public QMainWindow
{
    Q_OBJECT
public:
    // home is the Action Area: this screen takes its place and gives it back on closing.
    ReaderScreen(int ownTab, QWidget* home);

    // Shows this screen in place of the Action Area.
    void open();
    int ownTab() const { return m_ownTab; }
    TabButtonRow* tabs() const { return m_tabs; }
    QMenu* optionsMenu() const { return m_optionsMenu; }

    // Moving to another screen (0-3) closes this one; 4 asks "Exit Tessaly?".
    void pressTab(int t);
    void handleEscape();
    void handleF1();
    virtual int helpContext() const = 0;

signals:
    // The screen closed and the Action Area is showing again, at this screen's place.
    void returnedHome();

protected:
    // The body below the tab row; the Options menu gets the tab items and the exit item.
    void buildShell(QWidget* body, const QString& exitCaption);
    // Utilities and Help menus, with the screen's own help item.
    void buildSharedMenus(const QString& utilitiesTitle, const QString& helpCaption);
    // Right-click on labels, frames, panels and buttons pops up the Options menu.
    void installOptionsPopup();
    // Esc closes the screen's own panels first; true when one was closed.
    virtual bool closeOwnPanel() { return false; }
    // The print panel is open (help context 1014).
    virtual bool printPanelOpen() const { return false; }
    // Empties the box and loads the document; a missing file is named in a message.
    bool loadDocument(RichTextBox* box, const QString& file);

    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    int m_ownTab;
    QPointer<QWidget> m_home;
    TabButtonRow* m_tabs = nullptr;
    QMenu* m_optionsMenu = nullptr;
    bool m_exitConfirmed = false;
};
