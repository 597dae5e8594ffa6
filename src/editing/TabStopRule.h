// While the editor has the focus, Tab belongs to the editor: no control of its window is a
// tab stop. When the editor loses the focus, every control that takes the focus is one again.
#pragma once

#include <QList>
#include <QObject>
#include <QPointer>

class QWidget;

class TabStopRule : public QObject
{
    Q_OBJECT
public:
    TabStopRule(QWidget* window, QWidget* editor);

private:
    void focusMoved(QWidget* from, QWidget* to);
    void setTabStops(bool on);

    QPointer<QWidget> m_window;
    QPointer<QWidget> m_editor;
    QList<QWidget*> m_tabOnly;
};
