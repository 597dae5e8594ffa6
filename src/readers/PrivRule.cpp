#include "readers/PrivRule.h"

#include "base/ButtonLook.h"
#include "base/HINFO1.h"
#include "base/Messages.h"
#include "editing/DocumentCommands.h"
#include "readers/ReaderPrinting.h"
#include "readers/ReaderTables.h"
#include "readers/SearchPanel.h"
#include "richtext/RichTextBox.h"

#include <QAction>
#include <QApplication>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QShortcut>
#include <QVBoxLayout>

namespace {
constexpr int kSecurityRuleHelp = 3012;
constexpr int kPrintPanelHelp = 1014;
} // namespace

PrivRule::PrivRule(QWidget* home) : ReaderScreen(HINFO1::SecurityRuleScreen, home)
{
    setObjectName(QStringLiteral("PrivRule"));
    setWindowTitle(SecurityRuleSections::kTitlePrefix);
    buildShell(buildBody(), QStringLiteral("E&xit Program"));
    buildMenus();
    m_printing = new ReaderPrinting(centralWidget(), m_document);
    enableCommands(false);
    installOptionsPopup();
    // Enter runs the search wherever the focus is, while the search panel is showing.
    for (int key : {Qt::Key_Return, Qt::Key_Enter}) {
        auto* enter = new QShortcut(QKeySequence(key), this);
        connect(enter, &QShortcut::activated, this, [this] {
            if (m_search->isVisible())
                m_search->searchNext();
        });
    }
}

QWidget* PrivRule::buildBody()
{
    auto* body = new QWidget(this);
    auto* layout = new QHBoxLayout(body);
    auto* frame = new QGroupBox(QStringLiteral("HIPAA Security Rule"), body);
    auto* column = new QVBoxLayout(frame);
    column->setSpacing(1);
    const QList<ReaderEntry>& sections = SecurityRuleSections::all();
    for (int n = 0; n < sections.size(); ++n) {
        auto* option = new QRadioButton(sections.at(n).caption, frame);
        option->setObjectName(QStringLiteral("Option1_%1").arg(n));
        option->setToolTip(sections.at(n).detail);
        connect(option, &QRadioButton::clicked, this, [this, n] { selectSection(n); });
        column->addWidget(option);
        m_options.append(option);
    }
    layout->addWidget(frame);

    auto* right = new QVBoxLayout();
    auto* pane = new QWidget(body);
    auto* paneLayout = new QGridLayout(pane);
    paneLayout->setContentsMargins(0, 0, 0, 0);
    m_document = new RichTextBox(pane);
    m_document->setObjectName(QStringLiteral("RText1"));
    m_document->setLocked(true);
    m_cover = new QLabel(QStringLiteral("Loading..."), pane);
    m_cover->setAutoFillBackground(true);
    static_cast<QLabel*>(m_cover)->setAlignment(Qt::AlignCenter);
    m_cover->hide();
    paneLayout->addWidget(m_document, 0, 0);
    paneLayout->addWidget(m_cover, 0, 0);
    right->addWidget(pane, 1);
    m_search = new SearchPanel(m_document, body);
    m_search->hide();
    right->addWidget(m_search);

    auto* buttons = new QHBoxLayout();
    m_fontButton = new QPushButton(QStringLiteral("&Font Display"), body);
    m_printButton = new QPushButton(QStringLiteral("&Print"), body);
    m_searchButton = new QPushButton(QStringLiteral("&Search"), body);
    auto* clearButton = new QPushButton(QStringLiteral("&Clear"), body);
    for (QPushButton* b : {m_fontButton, m_printButton, m_searchButton, clearButton})
        buttons->addWidget(b);
    connect(m_fontButton, &QPushButton::clicked, this, &PrivRule::fontDisplay);
    connect(m_printButton, &QPushButton::clicked, this, &PrivRule::print);
    connect(m_searchButton, &QPushButton::clicked, this, &PrivRule::toggleSearch);
    connect(clearButton, &QPushButton::clicked, this, &PrivRule::clear);
    right->addLayout(buttons);
    layout->addLayout(right, 1);

    // Caret tracking: where the user clicks or moves is where the next search starts.
    connect(m_document, &RichTextBox::keyUp, this, [this] { m_search->setStart(m_document->selStart()); });
    connect(
        m_document, &RichTextBox::mouseDown, this, [this] { m_search->setStart(m_document->selStart()); },
        Qt::QueuedConnection);
    return body;
}

void PrivRule::buildMenus()
{
    QMenu* options = optionsMenu();
    m_copyItem = options->addAction(QStringLiteral("&Copy to Clipboard"), this, &PrivRule::copyToClipboard);
    m_fontItem = options->addAction(QStringLiteral("&Font Display"), this, &PrivRule::fontDisplay);
    m_printItem = options->addAction(QStringLiteral("&Print"), this, &PrivRule::print);
    m_printItem->setShortcut(QKeySequence::Print);
    m_searchItem = options->addAction(QStringLiteral("&Search"), this, &PrivRule::toggleSearch);
    buildSharedMenus(QStringLiteral("Utilities"), QStringLiteral("&Security Rule"));
}

void PrivRule::enableCommands(bool on)
{
    for (QPushButton* b : {m_fontButton, m_printButton, m_searchButton})
        b->setEnabled(on);
    for (QAction* a : {m_copyItem, m_fontItem, m_printItem, m_searchItem})
        a->setEnabled(on);
    m_search->setEnabled(on);
}

void PrivRule::selectSection(int n)
{
    if (n < 0 || n >= m_options.size())
        return;
    for (int i = 0; i < m_options.size(); ++i)
        ButtonLook::setChosenColour(m_options.at(i), i == n);
    m_options.at(n)->setChecked(true);
    m_search->close();
    HINFO1::busyOn();
    setWindowTitle(SecurityRuleSections::title(n));
    m_cover->show();
    m_cover->raise();
    QCoreApplication::processEvents();
    m_search->entry()->clear();
    m_search->setStart(1);
    loadDocument(m_document, SecurityRuleSections::all().at(n).document);
    enableCommands(true);
    QCoreApplication::processEvents();
    m_printButton->setFocus();
    HINFO1::busyOff();
    QCoreApplication::processEvents();
    m_cover->hide();
}

void PrivRule::toggleSearch()
{
    m_search->toggle();
}

void PrivRule::fontDisplay()
{
    // The Action Area's font command, except that it asks for a selection first.
    if (m_document->selLength() == 0) {
        Messages::show(this, QStringLiteral("Please select text to change."), QStringLiteral("Font Display"),
                       Messages::Buttons::Ok, Messages::Icon::Information);
        return;
    }
    DocumentCommands::chooseSelectionFont(m_document, this);
}

void PrivRule::copyToClipboard()
{
    DocumentCommands::copyWholeDocument(m_document, this);
}

void PrivRule::print()
{
    m_printing->open(350, 350, 300, 100, true);
}

void PrivRule::clear()
{
    // Takes away the highlight of a search or a selection.
    m_document->setSelLength(0);
}

int PrivRule::helpContext() const
{
    return printPanelOpen() ? kPrintPanelHelp : kSecurityRuleHelp;
}

bool PrivRule::closeOwnPanel()
{
    if (m_printing->closeStep())
        return true;
    if (m_search->isVisible()) {
        m_search->close();
        return true;
    }
    return false;
}

bool PrivRule::printPanelOpen() const
{
    return m_printing->isOpen();
}
