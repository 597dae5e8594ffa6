// A link label that is drawn shifted while the mouse button is held on it and opens its
// link when the button is released.
#pragma once

#include <QLabel>
#include <functional>

class PressedLinkLabel : public QLabel
{
public:
    PressedLinkLabel(const QString& caption, std::function<void()> onClick, QWidget* parent);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    std::function<void()> m_onClick;
};
