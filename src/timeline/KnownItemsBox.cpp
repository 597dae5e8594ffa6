#include "timeline/KnownItemsBox.h"

#include "base/Messages.h"

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

void KnownItemsBox::load()
{
    m_names.load();
    showNames();
}

bool KnownItemsBox::add(const QString& name)
{
    QString error;
    switch (m_names.add(name, &error)) {
    case ItemNameList::AddResult::AlreadyKnown:
        return false;
    case ItemNameList::AddResult::Full:
        Messages::show(this,
                       QStringLiteral("The list of known items already holds %1 names, so this item was not added "
                                      "to it.\rDelete a name you no longer need from the list first.")
                           .arg(ItemNameList::kSlots),
                       QStringLiteral("Known Items"), Messages::Buttons::Ok, Messages::Icon::Information);
        return false;
    case ItemNameList::AddResult::WriteFailed:
        showNames();
        tellWriteFailed(error);
        return false;
    case ItemNameList::AddResult::Added:
        showNames();
        return true;
    }
    return false;
}

void KnownItemsBox::remove(const QString& name)
{
    if (m_names.count() == 0)
        return;
    QString error;
    const bool written = m_names.remove(name, &error);
    showNames();
    if (!written)
        tellWriteFailed(error);
}

void KnownItemsBox::showNames()
{
    clear();
    addItems(m_names.names());
    setCurrentIndex(-1);
    setEditText(QString());
}

void KnownItemsBox::tellWriteFailed(const QString& error)
{
    Messages::show(
        this,
        QStringLiteral("The list of known items could not be saved to %1.\r%2").arg(ItemNameList::kFileName, error),
        QStringLiteral("Known Items"), Messages::Buttons::Ok, Messages::Icon::Exclamation);
}
