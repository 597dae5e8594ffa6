#include "base/PickOnlyComboBox.h"

#include <QKeyEvent>
#include <QWheelEvent>

PickOnlyComboBox::PickOnlyComboBox(QWidget* parent) : QComboBox(parent) {}

void PickOnlyComboBox::wheelEvent(QWheelEvent* event)
{
    // Let the page around the box scroll instead.
    event->ignore();
}

void PickOnlyComboBox::keyPressEvent(QKeyEvent* event)
{
    const bool opensList =
        event->key() == Qt::Key_F4 || event->key() == Qt::Key_Space ||
        ((event->key() == Qt::Key_Down || event->key() == Qt::Key_Up) && event->modifiers().testFlag(Qt::AltModifier));
    if (opensList) {
        showPopup();
        return;
    }
    switch (event->key()) {
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
    case Qt::Key_Escape:
    case Qt::Key_Return:
    case Qt::Key_Enter:
        QComboBox::keyPressEvent(event);
        return;
    default:
        // Arrows, Home, End, page keys and letters would change the value in place.
        event->ignore();
        return;
    }
}
