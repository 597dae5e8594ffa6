#include "readers/PressedLinkLabel.h"

#include <QMouseEvent>

namespace {
constexpr int kShift = 2; // pixels right and down while pressed
}

PressedLinkLabel::PressedLinkLabel(const QString& caption, std::function<void()> onClick, QWidget* parent)
    : QLabel(caption, parent), m_onClick(std::move(onClick))
{
    setCursor(Qt::PointingHandCursor);
    QFont f = font();
    f.setUnderline(true);
    setFont(f);
    setStyleSheet(QStringLiteral("color: #0000ff"));
}

void PressedLinkLabel::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        setContentsMargins(kShift, kShift, 0, 0);
    QLabel::mousePressEvent(event);
}

void PressedLinkLabel::mouseReleaseEvent(QMouseEvent* event)
{
    QLabel::mouseReleaseEvent(event);
    if (event->button() != Qt::LeftButton)
        return;
    setContentsMargins(0, 0, 0, 0);
    if (rect().contains(event->position().toPoint()) && m_onClick)
        m_onClick();
}
