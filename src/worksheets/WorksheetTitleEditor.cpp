#include "worksheets/WorksheetTitleEditor.h"

#include "worksheets/WorksheetTitles.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

WorksheetTitleEditor::WorksheetTitleEditor(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("worksheetTitleEditor"));
    setAutoFillBackground(true);
    auto* layout = new QVBoxLayout(this);
    auto* caption = new QLabel(QStringLiteral(" Risk Analysis Worksheet Button Name"), this);
    QFont bold = caption->font();
    bold.setBold(true);
    caption->setFont(bold);
    layout->addWidget(caption);

    auto* grid = new QGridLayout();
    grid->setVerticalSpacing(1);
    const QStringList headings{QStringLiteral("Button Number"), QStringLiteral("Current Title"),
                               QStringLiteral("Change Title To:")};
    for (int c = 0; c < headings.size(); ++c) {
        auto* heading = new QLabel(headings.at(c), this);
        heading->setFont(bold);
        grid->addWidget(heading, 0, c);
    }
    for (int n = 0; n < WorksheetTitles::kCount; ++n) {
        grid->addWidget(new QLabel(QString::number(n + 1), this), n + 1, 0);
        auto* current = new QLabel(this);
        grid->addWidget(current, n + 1, 1);
        m_currentTitles.append(current);
        auto* entry = new QLineEdit(this);
        entry->setObjectName(QStringLiteral("titleEntry%1").arg(n));
        entry->setMaxLength(WorksheetTitles::kMaxLength);
        entry->setAccessibleName(QStringLiteral("New title of worksheet %1").arg(n + 1));
        grid->addWidget(entry, n + 1, 2);
        m_entries.append(entry);
    }
    grid->setColumnMinimumWidth(2, 220);
    grid->setColumnStretch(3, 1);
    layout->addLayout(grid);
    layout->addStretch(1);

    auto* buttons = new QHBoxLayout();
    m_saveButton = new QPushButton(QStringLiteral("Save &Changes and Exit"), this);
    m_saveButton->setObjectName(QStringLiteral("saveTitlesButton"));
    m_exitButton = new QPushButton(QStringLiteral("&Exit Without Saving Changes"), this);
    m_exitButton->setObjectName(QStringLiteral("exitTitlesButton"));
    buttons->addStretch();
    buttons->addWidget(m_saveButton);
    buttons->addWidget(m_exitButton);
    layout->addLayout(buttons);
    connect(m_saveButton, &QPushButton::clicked, this, &WorksheetTitleEditor::saveAndClose);
    connect(m_exitButton, &QPushButton::clicked, this, &WorksheetTitleEditor::closeWithoutSaving);
    hide();
}

void WorksheetTitleEditor::open(const QStringList& currentTitles)
{
    for (int n = 0; n < m_currentTitles.size(); ++n)
        m_currentTitles.at(n)->setText(currentTitles.value(n));
    show();
    raise();
    m_entries.first()->setFocus();
}

void WorksheetTitleEditor::saveAndClose()
{
    QMap<int, QString> typed;
    for (int n = 0; n < m_entries.size(); ++n) {
        if (!m_entries.at(n)->text().isEmpty())
            typed.insert(n, m_entries.at(n)->text());
    }
    emit saveRequested(typed);
    hide();
    emit closed();
}

void WorksheetTitleEditor::closeWithoutSaving()
{
    hide();
    emit closed();
}
