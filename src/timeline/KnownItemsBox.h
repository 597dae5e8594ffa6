// The drop-down list of known item names; its text field can be typed into.
#pragma once

#include <QComboBox>

class KnownItemsBox : public QComboBox
{
    Q_OBJECT
public:
    explicit KnownItemsBox(QWidget* parent = nullptr);
    void showPopup() override;

signals:
    void popupOpened();
    void focused();
    void enterPressed();

protected:
    void focusInEvent(QFocusEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
};
