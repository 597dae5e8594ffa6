#include "base/OptionsPopup.h"

#include <QMenu>
#include <QMouseEvent>
#include <QWidget>

OptionsPopup::OptionsPopup(QMenu* menu, QObject* parent) : QObject(parent), m_menu(menu) {}

void OptionsPopup::watch(const QList<QWidget*>& widgets)
{
    for (QWidget* widget : widgets)
        widget->installEventFilter(this);
}

bool OptionsPopup::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::MouseButtonPress && m_menu) {
        auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->button() == Qt::RightButton) {
            m_menu->popup(mouse->globalPosition().toPoint());
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}
