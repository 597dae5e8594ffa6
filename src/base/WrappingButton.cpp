#include "base/WrappingButton.h"

#include <QStyleOptionButton>
#include <QStylePainter>

namespace {

// The caption as it reads on the screen: the mnemonic marker gone, "&&" shown as "&".
QString withoutMnemonic(const QString& text)
{
    QString shown;
    for (int i = 0; i < text.size(); ++i) {
        if (text.at(i) == QLatin1Char('&') && i + 1 < text.size())
            ++i;
        shown += text.at(i);
    }
    return shown;
}

} // namespace

WrappingButton::WrappingButton(const QString& text, QWidget* parent) : QPushButton(text, parent)
{
    // Narrower than the caption when it must be, and then taller (a push button is otherwise
    // never narrower than its caption, nor taller than one line).
    QSizePolicy policy = sizePolicy();
    policy.setHorizontalPolicy(QSizePolicy::Preferred);
    policy.setVerticalPolicy(QSizePolicy::Minimum);
    policy.setHeightForWidth(true);
    setSizePolicy(policy);
}

void WrappingButton::setRoomForBold(bool on)
{
    m_roomForBold = on;
    updateGeometry();
}

QFont WrappingButton::layoutFont() const
{
    QFont laidOut = font();
    if (m_roomForBold)
        laidOut.setBold(true);
    return laidOut;
}

int WrappingButton::chromeWidth() const
{
    QStyleOptionButton option;
    initStyleOption(&option);
    option.text.clear();
    return style()->sizeFromContents(QStyle::CT_PushButton, &option, QSize(0, 0), this).width();
}

QStringList WrappingButton::lines(int width) const
{
    const int room = width - chromeWidth();
    const QFontMetrics metrics(layoutFont());
    QStringList result;
    const QStringList words = text().split(QLatin1Char(' '), Qt::SkipEmptyParts);
    for (const QString& word : words) {
        if (!result.isEmpty() &&
            metrics.horizontalAdvance(withoutMnemonic(result.last() + QLatin1Char(' ') + word)) <= room)
            result.last() += QLatin1Char(' ') + word;
        else
            result << word;
    }
    return result;
}

QSize WrappingButton::minimumSizeHint() const
{
    // Words are broken between, never within.
    const QFontMetrics metrics(layoutFont());
    int widest = 0;
    const QStringList words = text().split(QLatin1Char(' '), Qt::SkipEmptyParts);
    for (const QString& word : words)
        widest = qMax(widest, metrics.horizontalAdvance(withoutMnemonic(word)));
    return {widest + chromeWidth(), QPushButton::minimumSizeHint().height()};
}

bool WrappingButton::hasHeightForWidth() const
{
    return true;
}

int WrappingButton::heightForWidth(int width) const
{
    const int extraLines = qMax(0, int(lines(width).size()) - 1);
    return sizeHint().height() + extraLines * QFontMetrics(layoutFont()).lineSpacing();
}

QString WrappingButton::shownText() const
{
    return lines(width()).join(QLatin1Char('\n'));
}

void WrappingButton::paintEvent(QPaintEvent*)
{
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    option.text = shownText();
    painter.drawControl(QStyle::CE_PushButton, option);
}
