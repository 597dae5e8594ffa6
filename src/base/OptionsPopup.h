// A right-button press on a screen's labels, panels, frames or buttons pops up its "&Options" menu.
#pragma once

#include <QObject>
#include <QPointer>

class QMenu;
class QWidget;

class OptionsPopup : public QObject
{
    Q_OBJECT
public:
    OptionsPopup(QMenu* menu, QObject* parent);

    // Watches these widgets for a right-button press.
    void watch(const QList<QWidget*>& widgets);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QPointer<QMenu> m_menu;
};
