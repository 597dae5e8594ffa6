#include "editing/ThesaurusDialog.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

ThesaurusDialog::ThesaurusDialog(const QString& word, const Thesaurus& thesaurus, QWidget* parent)
    : QDialog(parent), m_thesaurus(thesaurus)
{
    setObjectName(QStringLiteral("thesaurusDialog"));
    setWindowTitle(QStringLiteral("Thesaurus"));

    m_lookedUpBox = new QLineEdit(word, this);
    m_lookedUpBox->setObjectName(QStringLiteral("lookedUpBox"));
    m_meaningList = new QListWidget(this);
    m_meaningList->setObjectName(QStringLiteral("meaningList"));
    m_synonymList = new QListWidget(this);
    m_synonymList->setObjectName(QStringLiteral("synonymList"));
    m_replaceWithBox = new QLineEdit(word, this);
    m_replaceWithBox->setObjectName(QStringLiteral("replaceWithBox"));
    connect(m_meaningList, &QListWidget::currentRowChanged, this, &ThesaurusDialog::showSynonyms);
    connect(m_synonymList, &QListWidget::currentTextChanged, this, [this](const QString& synonym) {
        if (!synonym.isEmpty())
            m_replaceWithBox->setText(synonym);
    });
    connect(m_synonymList, &QListWidget::itemActivated, this, &QDialog::accept);

    const auto labelled = [this](const QString& caption, QWidget* buddy) {
        auto* label = new QLabel(caption, this);
        label->setBuddy(buddy);
        return label;
    };
    auto* form = new QGridLayout();
    form->addWidget(labelled(QStringLiteral("&Looked Up:"), m_lookedUpBox), 0, 0);
    form->addWidget(m_lookedUpBox, 1, 0);
    form->addWidget(labelled(QStringLiteral("Replace &with:"), m_replaceWithBox), 0, 1);
    form->addWidget(m_replaceWithBox, 1, 1);
    form->addWidget(labelled(QStringLiteral("&Meanings:"), m_meaningList), 2, 0);
    form->addWidget(m_meaningList, 3, 0);
    form->addWidget(labelled(QStringLiteral("&Synonyms:"), m_synonymList), 2, 1);
    form->addWidget(m_synonymList, 3, 1);

    auto* replaceButton = new QPushButton(QStringLiteral("&Replace"), this);
    replaceButton->setObjectName(QStringLiteral("replaceButton"));
    replaceButton->setDefault(true);
    auto* lookUpButton = new QPushButton(QStringLiteral("Look &Up"), this);
    lookUpButton->setObjectName(QStringLiteral("lookUpButton"));
    auto* cancelButton = new QPushButton(QStringLiteral("Cancel"), this);
    cancelButton->setObjectName(QStringLiteral("cancelButton"));
    connect(replaceButton, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancelButton, &QPushButton::clicked, this, &QDialog::reject);
    connect(lookUpButton, &QPushButton::clicked, this, [this] { lookUp(m_replaceWithBox->text()); });
    auto* buttons = new QVBoxLayout();
    buttons->addWidget(replaceButton);
    buttons->addWidget(lookUpButton);
    buttons->addWidget(cancelButton);
    buttons->addStretch();

    auto* layout = new QHBoxLayout(this);
    layout->addLayout(form, 1);
    layout->addLayout(buttons);
    lookUp(word);
    m_replaceWithBox->setFocus();
}

void ThesaurusDialog::lookUp(const QString& word)
{
    m_lookedUpBox->setText(word);
    m_meanings = m_thesaurus.lookUp(word);
    m_meaningList->clear();
    m_synonymList->clear();
    if (m_meanings.isEmpty()) {
        m_meaningList->addItem(QStringLiteral("(no meanings found)"));
        m_meaningList->setEnabled(false);
        return;
    }
    m_meaningList->setEnabled(true);
    for (const Thesaurus::Meaning& meaning : std::as_const(m_meanings))
        m_meaningList->addItem(meaning.definition);
    m_meaningList->setCurrentRow(0);
}

void ThesaurusDialog::showSynonyms(int meaning)
{
    m_synonymList->clear();
    if (meaning >= 0 && meaning < m_meanings.size())
        m_synonymList->addItems(m_meanings.at(meaning).synonyms);
}

QString ThesaurusDialog::replacement() const
{
    return m_replaceWithBox->text().trimmed();
}

std::optional<QString> ThesaurusDialog::choose(const QString& word, const Thesaurus& thesaurus, QWidget* parent)
{
    ThesaurusDialog dialog(word, thesaurus, parent);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.replacement();
}
