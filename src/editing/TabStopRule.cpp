#include "editing/TabStopRule.h"

#include <QApplication>
#include <QWidget>

TabStopRule::TabStopRule(QWidget* window, QWidget* editor) : QObject(window), m_window(window), m_editor(editor)
{
    connect(qApp, &QApplication::focusChanged, this, &TabStopRule::focusMoved);
}

void TabStopRule::focusMoved(QWidget* from, QWidget* to)
{
    if (!m_editor)
        return;
    const bool toEditor = to && (to == m_editor || m_editor->isAncestorOf(to));
    const bool fromEditor = from && (from == m_editor || m_editor->isAncestorOf(from));
    if (toEditor && !fromEditor)
        setTabStops(false);
    else if (fromEditor && !toEditor)
        setTabStops(true);
}

void TabStopRule::setTabStops(bool on)
{
    if (!m_window)
        return;
    const QList<QWidget*> controls = m_window->findChildren<QWidget*>();
    for (QWidget* control : controls) {
        const Qt::FocusPolicy policy = control->focusPolicy();
        // A control that takes no focus at all has no tab-stop flag; one that took the focus
        // by Tab only is remembered, so that it gets its flag back.
        if (policy == Qt::NoFocus && !(on && m_tabOnly.contains(control)))
            continue;
        if (!on && policy == Qt::TabFocus)
            m_tabOnly.append(control);
        const int flags = on ? (policy | Qt::TabFocus) : (policy & ~Qt::TabFocus);
        control->setFocusPolicy(Qt::FocusPolicy(flags));
    }
    if (on)
        m_tabOnly.clear();
}
