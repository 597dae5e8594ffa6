// The "&Grid Background Selector" submenu: a plain background or one of eight pictures
// behind any number of grids, remembered in GColor3.Fil.
#pragma once

#include <QColor>
#include <QList>
#include <QMenu>
#include <QPointer>

class QAbstractItemView;
class QAction;
class QActionGroup;

class GridBackgroundMenu : public QMenu
{
    Q_OBJECT
public:
    explicit GridBackgroundMenu(QWidget* parent = nullptr);

    // The grid shows the current background from now on, and every later choice.
    void addGrid(QAbstractItemView* grid);
    // The colour of the plain background (choice 0): the Action Area editor's background.
    void setPlainColour(const QColor& colour);

    // Reads the stored choice and shows it, without writing anything (the Action Area's load).
    void loadChoice();
    // Checks item n, shows its background on every grid and, when the user chose it from
    // the menu, stores it as record 2 of GColor3.Fil.
    void applyGridBackground(int choice, bool fromMenu);
    // Assigns the current picture to every grid again.
    void reapply();

    int choice() const { return m_choice; }
    // "" for the plain background, "WP3" for picture 3.
    QString backgroundName() const { return m_backgroundName; }
    bool isPictureBackground() const;
    QAction* choiceAction(int choice) const;

signals:
    void backgroundChanged(int choice);

private:
    void showOn(QAbstractItemView* grid) const;

    QList<QPointer<QAbstractItemView>> m_grids;
    QList<QAction*> m_actions;
    QActionGroup* m_group = nullptr;
    QColor m_plainColour = Qt::white;
    QImage m_picture;
    int m_choice = 0;
    QString m_backgroundName;
};
