#include "base/ButtonLook.h"

#include <QAbstractButton>
#include <QPushButton>

namespace ButtonLook {

namespace {

const char* const kBevelProperty = "bevelWidth";

} // namespace

void setChosenColour(QAbstractButton* button, bool chosen)
{
    // Only the active and inactive looks change: a disabled button keeps its greyed text.
    // Push buttons draw their caption in ButtonText, option buttons theirs in WindowText.
    QPalette palette = button->palette();
    const QColor colour = chosen ? QColor::fromRgb(kChosenRgb) : QColor(Qt::black);
    for (const QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive})
        for (const QPalette::ColorRole role : {QPalette::ButtonText, QPalette::WindowText})
            palette.setColor(group, role, colour);
    button->setPalette(palette);
}

void setChosen(QAbstractButton* button, bool chosen, bool boldWhenChosen)
{
    setChosenColour(button, chosen);
    button->setProperty(kBevelProperty, chosen ? 0 : 2);
    if (auto* push = qobject_cast<QPushButton*>(button))
        push->setFlat(chosen);
    if (boldWhenChosen || !chosen) {
        QFont font = button->font();
        font.setBold(chosen && boldWhenChosen);
        button->setFont(font);
    }
}

void chooseInRow(const QList<QAbstractButton*>& row, QAbstractButton* chosen, bool boldWhenChosen)
{
    for (QAbstractButton* button : row)
        setChosen(button, button == chosen, boldWhenChosen);
}

bool isChosen(const QAbstractButton* button)
{
    return button->palette().color(QPalette::ButtonText) == QColor::fromRgb(kChosenRgb);
}

int bevelWidth(const QAbstractButton* button)
{
    const QVariant bevel = button->property(kBevelProperty);
    return bevel.isValid() ? bevel.toInt() : 2;
}

} // namespace ButtonLook
