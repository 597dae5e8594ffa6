// A push button whose caption breaks between words onto further lines when the button is
// narrower than the caption, so that a narrow window shows every word whole instead of a
// caption cut at both ends. As wide as its caption on one line when there is room.
#pragma once

#include <QPushButton>

class WrappingButton : public QPushButton
{
    Q_OBJECT
public:
    explicit WrappingButton(const QString& text, QWidget* parent = nullptr);

    QSize minimumSizeHint() const override;
    bool hasHeightForWidth() const override;
    int heightForWidth(int width) const override;

    // Keeps the room the caption needs in bold, so that a button that turns bold (the chosen
    // one of a row) neither grows nor moves the others.
    void setRoomForBold(bool on);
    // The caption as drawn at the button's present width: lines separated by "\n".
    QString shownText() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QFont layoutFont() const;
    QStringList lines(int width) const;
    int chromeWidth() const;

    bool m_roomForBold = false;
};
