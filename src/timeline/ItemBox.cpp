#include "timeline/ItemBox.h"

#include "timeline/TimelineModel.h"

#include <QKeyEvent>

ItemBox::ItemBox(QWidget* parent) : QLineEdit(parent)
{
    setMaxLength(TimelineModel::kItemMaxLength);
    // A double quote would end the item's field in the timeline files; pasted text loses them too.
    connect(this, &QLineEdit::textEdited, this, &ItemBox::removeDoubleQuotes);
}

void ItemBox::focusInEvent(QFocusEvent* event)
{
    QLineEdit::focusInEvent(event);
    emit focused();
}

void ItemBox::mousePressEvent(QMouseEvent* event)
{
    QLineEdit::mousePressEvent(event);
    emit clicked();
}

void ItemBox::mouseDoubleClickEvent(QMouseEvent* event)
{
    QLineEdit::mouseDoubleClickEvent(event);
    emit doubleClicked();
}

void ItemBox::keyPressEvent(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Delete:
        emit deleteKeyPressed();
        break;
    case Qt::Key_Insert:
        emit insertKeyPressed();
        break;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        emit enterKeyPressed();
        event->accept(); // no character and no beep
        return;
    default:
        emit otherKeyPressed();
        break;
    }
    if (event->text().contains(QLatin1Char('"'))) {
        event->accept();
        return;
    }
    QLineEdit::keyPressEvent(event);
}

void ItemBox::keyReleaseEvent(QKeyEvent* event)
{
    QLineEdit::keyReleaseEvent(event);
    emit keyReleased();
}

void ItemBox::removeDoubleQuotes()
{
    if (!text().contains(QLatin1Char('"')))
        return;
    QString clean = text();
    clean.remove(QLatin1Char('"'));
    setText(clean);
    end(false);
}
