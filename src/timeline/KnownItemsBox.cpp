#include "timeline/KnownItemsBox.h"

#include <QKeyEvent>
#include <QLineEdit>

KnownItemsBox::KnownItemsBox(QWidget* parent) : QComboBox(parent)
{
    setEditable(true);
    // Typed text never becomes a list entry by itself; the list mirrors TODONAME.FIL.
    setInsertPolicy(QComboBox::NoInsert);
    setCompleter(nullptr);
    lineEdit()->installEventFilter(this);
}

void KnownItemsBox::showPopup()
{
    emit popupOpened();
    QComboBox::showPopup();
}

void KnownItemsBox::focusInEvent(QFocusEvent* event)
{
    QComboBox::focusInEvent(event);
    emit focused();
}

bool KnownItemsBox::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == lineEdit() && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            emit enterPressed();
            return true;
        }
    }
    return QComboBox::eventFilter(watched, event);
}
