#include "editing/SpellingDialog.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

SpellingDialog::SpellingDialog(const SpellQuestion& question, QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("spellingDialog"));
    setWindowTitle(QStringLiteral("Spelling"));

    m_wordBox = new QLineEdit(question.word, this);
    m_wordBox->setObjectName(QStringLiteral("notInDictionaryBox"));
    m_wordBox->setReadOnly(true);
    m_sentenceLabel = new QLabel(this);
    m_sentenceLabel->setObjectName(QStringLiteral("sentenceLabel"));
    m_sentenceLabel->setWordWrap(true);
    m_sentenceLabel->setTextFormat(Qt::RichText);
    QString sentence = question.sentence.toHtmlEscaped();
    const QString word = question.word.toHtmlEscaped();
    const int at = sentence.indexOf(word);
    if (at >= 0 && !word.isEmpty())
        sentence.replace(at, word.size(), QStringLiteral("<b>%1</b>").arg(word));
    m_sentenceLabel->setText(sentence);
    m_changeToBox = new QLineEdit(question.suggestions.value(0, question.word), this);
    m_changeToBox->setObjectName(QStringLiteral("changeToBox"));
    m_suggestionList = new QListWidget(this);
    m_suggestionList->setObjectName(QStringLiteral("suggestionList"));
    m_suggestionList->addItems(question.suggestions);
    if (!question.suggestions.isEmpty())
        m_suggestionList->setCurrentRow(0);
    connect(m_suggestionList, &QListWidget::currentTextChanged, m_changeToBox, &QLineEdit::setText);
    connect(m_suggestionList, &QListWidget::itemActivated, this, [this] { answerWith(SpellAnswer::Change); });

    auto* changeToLabel = new QLabel(QStringLiteral("Change &To:"), this);
    changeToLabel->setBuddy(m_changeToBox);
    auto* suggestionsLabel = new QLabel(QStringLiteral("&Suggestions:"), this);
    suggestionsLabel->setBuddy(m_suggestionList);
    auto* form = new QGridLayout();
    form->addWidget(new QLabel(QStringLiteral("Not in Dictionary:"), this), 0, 0);
    form->addWidget(m_wordBox, 0, 1);
    form->addWidget(new QLabel(QStringLiteral("Sentence:"), this), 1, 0, Qt::AlignTop);
    form->addWidget(m_sentenceLabel, 1, 1);
    form->addWidget(changeToLabel, 2, 0);
    form->addWidget(m_changeToBox, 2, 1);
    form->addWidget(suggestionsLabel, 3, 0, Qt::AlignTop);
    form->addWidget(m_suggestionList, 3, 1);

    auto* buttons = new QVBoxLayout();
    const std::pair<const char*, SpellAnswer::Code> answers[] = {
        {"&Change", SpellAnswer::Change}, {"Change &All", SpellAnswer::ChangeAll},
        {"&Ignore", SpellAnswer::Ignore}, {"I&gnore All", SpellAnswer::IgnoreAll},
        {"A&dd", SpellAnswer::Add},       {"Cancel", SpellAnswer::Cancel}};
    const char* const names[] = {"changeButton",    "changeAllButton", "ignoreButton",
                                 "ignoreAllButton", "addButton",       "cancelButton"};
    for (int i = 0; i < 6; ++i) {
        auto* button = new QPushButton(QString::fromLatin1(answers[i].first), this);
        button->setObjectName(QString::fromLatin1(names[i]));
        const SpellAnswer::Code code = answers[i].second;
        connect(button, &QPushButton::clicked, this, [this, code] { answerWith(code); });
        buttons->addWidget(button);
        if (code == SpellAnswer::Change) {
            button->setDefault(true);
            button->setAutoDefault(true);
        }
    }
    buttons->addStretch();

    auto* layout = new QHBoxLayout(this);
    layout->addLayout(form, 1);
    layout->addLayout(buttons);
    m_changeToBox->setFocus();
    m_changeToBox->selectAll();
}

void SpellingDialog::answerWith(SpellAnswer::Code code)
{
    m_answer.code = code;
    m_answer.replacement = m_changeToBox->text();
    if (code == SpellAnswer::Cancel)
        reject();
    else
        accept();
}

SpellAnswer SpellingDialog::ask(const SpellQuestion& question, QWidget* parent)
{
    SpellingDialog dialog(question, parent);
    dialog.exec();
    return dialog.answer();
}
