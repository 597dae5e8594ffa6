// The timeline's single-line box for a new To Do item: at most 45 characters, never a
// double quote, and its keys and clicks reported as the panel needs them.
#pragma once

#include <QLineEdit>

class ItemBox : public QLineEdit
{
    Q_OBJECT
public:
    explicit ItemBox(QWidget* parent = nullptr);

signals:
    void focused();
    void clicked();
    void doubleClicked();
    void deleteKeyPressed();
    void insertKeyPressed();
    void enterKeyPressed();
    // Any other key, before the box takes its character.
    void otherKeyPressed();
    void keyReleased();

protected:
    void focusInEvent(QFocusEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;

private:
    void removeDoubleQuotes();
};
