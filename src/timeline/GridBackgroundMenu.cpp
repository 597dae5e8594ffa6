#include "timeline/GridBackgroundMenu.h"

#include "base/Messages.h"
#include "timeline/GridBackground.h"

#include <QAbstractItemView>
#include <QAction>
#include <QActionGroup>
#include <QPixmap>

GridBackgroundMenu::GridBackgroundMenu(QWidget* parent) : QMenu(QStringLiteral("&Grid Background Selector"), parent)
{
    setObjectName(QStringLiteral("mOGrid"));
    m_group = new QActionGroup(this);
    m_group->setExclusive(true);
    for (int n = 0; n < GridBackground::kChoices; ++n) {
        QAction* action = addAction(n == 0 ? QStringLiteral("&None") : QStringLiteral("&%1").arg(n));
        action->setObjectName(QStringLiteral("mOGrid%1").arg(n));
        action->setCheckable(true);
        m_group->addAction(action);
        m_actions.append(action);
        connect(action, &QAction::triggered, this, [this, n] { applyGridBackground(n, true); });
    }
    m_actions.first()->setChecked(true);
}

void GridBackgroundMenu::addGrid(QAbstractItemView* grid)
{
    if (!grid || m_grids.contains(grid))
        return;
    m_grids.append(grid);
    showOn(grid);
}

void GridBackgroundMenu::setPlainColour(const QColor& colour)
{
    m_plainColour = colour;
    if (m_choice == 0)
        reapply();
}

void GridBackgroundMenu::loadChoice()
{
    applyGridBackground(GridBackground::readChoice(), false);
}

void GridBackgroundMenu::applyGridBackground(int choice, bool fromMenu)
{
    if (choice < 0 || choice >= GridBackground::kChoices)
        choice = 0;
    m_actions.at(choice)->setChecked(true);
    m_choice = choice;
    m_backgroundName = GridBackground::backgroundName(choice);
    // A missing or unreadable picture leaves the grids on their plain background.
    m_picture = GridBackground::loadPicture(choice);
    reapply();
    if (fromMenu) {
        QString error;
        if (!GridBackground::writeChoice(choice, &error)) {
            Messages::show(parentWidget(),
                           QStringLiteral("The grid background could not be remembered for the next start.\r") + error,
                           QStringLiteral("Grid Background Selector"), Messages::Buttons::Ok,
                           Messages::Icon::Exclamation);
        }
    }
    emit backgroundChanged(choice);
}

void GridBackgroundMenu::reapply()
{
    for (const QPointer<QAbstractItemView>& grid : std::as_const(m_grids)) {
        if (grid)
            showOn(grid);
    }
}

bool GridBackgroundMenu::isPictureBackground() const
{
    return GridBackground::isPicture(m_backgroundName);
}

QAction* GridBackgroundMenu::choiceAction(int choice) const
{
    return choice >= 0 && choice < m_actions.size() ? m_actions.at(choice) : nullptr;
}

void GridBackgroundMenu::showOn(QAbstractItemView* grid) const
{
    // The picture is tiled behind the cells; cells without a colour of their own let it show.
    QWidget* viewport = grid->viewport();
    QPalette palette = viewport->palette();
    if (m_picture.isNull()) {
        palette.setBrush(QPalette::Base, m_plainColour);
    } else {
        QBrush brush(QPixmap::fromImage(m_picture));
        brush.setColor(m_plainColour);
        palette.setBrush(QPalette::Base, brush);
    }
    viewport->setPalette(palette);
    viewport->setAutoFillBackground(true);
    viewport->update();
}
