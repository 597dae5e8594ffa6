// A drop-down list whose value changes only when the user picks from its open list. The
// closed box ignores the mouse wheel and the arrow, page and letter keys that would step
// through the values, and so write each one they pass; the keys that open the list work.
#pragma once

#include <QComboBox>

class PickOnlyComboBox : public QComboBox
{
    Q_OBJECT
public:
    explicit PickOnlyComboBox(QWidget* parent = nullptr);

protected:
    void wheelEvent(QWheelEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
};
