#include "readers/SearchPanel.h"

#include "base/Messages.h"
#include "richtext/RichTextBox.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QShortcut>

SearchPanel::SearchPanel(RichTextBox* document, QWidget* parent)
    : QGroupBox(QStringLiteral("Enter Word(s) for Search"), parent), m_document(document), m_entry(new QLineEdit(this)),
      m_search(new QPushButton(QStringLiteral("&Search"), this)),
      m_close(new QPushButton(QStringLiteral("&Close"), this))
{
    setObjectName(QStringLiteral("searchPanel"));
    auto* layout = new QHBoxLayout(this);
    layout->addWidget(m_entry, 1);
    layout->addWidget(m_search);
    layout->addWidget(m_close);
    connect(m_entry, &QLineEdit::textChanged, this, [this](const QString& text) { m_find.setText(text); });
    connect(m_entry, &QLineEdit::returnPressed, this, &SearchPanel::searchNext);
    connect(m_search, &QPushButton::clicked, this, &SearchPanel::searchNext);
    connect(m_close, &QPushButton::clicked, this, &SearchPanel::close);
    // The desktop's find keys, wherever the focus is on the reader: Ctrl+F opens the entry box
    // and F3 finds the next match. Both rest while the reader's search is disabled.
    new QShortcut(QKeySequence::Find, parent, [this] {
        if (isEnabled())
            open();
    });
    new QShortcut(QKeySequence::FindNext, parent, [this] {
        if (!isEnabled())
            return;
        if (m_entry->text().isEmpty())
            open();
        else
            searchNext();
    });
}

void SearchPanel::setClosable(bool closable)
{
    m_close->setVisible(closable);
}

void SearchPanel::toggle()
{
    if (isVisible()) {
        close();
        return;
    }
    m_entry->clear();
    show();
    raise();
    m_entry->setFocus();
}

void SearchPanel::open()
{
    show();
    raise();
    m_entry->setFocus();
    m_entry->selectAll();
}

void SearchPanel::close()
{
    hide();
}

void SearchPanel::setStart(int position)
{
    m_find.setStart(position);
}

void SearchPanel::searchNext()
{
    const int position = m_find.search(*m_document->document());
    if (position > 0) {
        m_document->setSelStart(position);
        m_document->setSelLength(int(m_find.text().size()));
        m_document->ensureCursorVisible();
    } else {
        Messages::show(window(), QStringLiteral("Search has reached the end of the document."),
                       QStringLiteral("Search Document"), Messages::Buttons::Ok, Messages::Icon::Information);
        m_document->setSelStart(1);
        m_document->setFocus();
    }
    QApplication::processEvents();
    m_search->setFocus();
}
