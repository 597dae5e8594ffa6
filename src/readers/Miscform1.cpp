#include "readers/Miscform1.h"

#include "base/ButtonLook.h"
#include "base/HINFO1.h"
#include "base/WebLinks.h"
#include "editing/DocumentCommands.h"
#include "printing/PrintPanel.h"
#include "readers/PressedLinkLabel.h"
#include "readers/ReaderPrinting.h"
#include "readers/ReaderTables.h"
#include "richtext/RichTextBox.h"

#include <QAction>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
constexpr int kMiscellaneousHelp = 3014;
constexpr int kPrintPanelHelp = 1014;
constexpr int kSampleIncidentReport = 4;
} // namespace

Miscform1::Miscform1(QWidget* home) : ReaderScreen(HINFO1::MiscellaneousScreen, home)
{
    setObjectName(QStringLiteral("Miscform1"));
    buildShell(buildBody(), QStringLiteral("&Exit Program"));
    // The menu item keeps the caption it has always had.
    m_copyItem = optionsMenu()->addAction(QStringLiteral("&Copy to Clickboard"), this, &Miscform1::copyToClipboard);
    m_printItem = optionsMenu()->addAction(QStringLiteral("&Print"), this, &Miscform1::printFromMenu);
    m_printItem->setShortcut(QKeySequence::Print);
    buildSharedMenus(QStringLiteral("&Utilities"), QStringLiteral("&Miscellaneous"));
    m_printing = new ReaderPrinting(centralWidget(), m_document);
    installOptionsPopup();
    chooseTopic(1);
}

QWidget* Miscform1::buildBody()
{
    auto* body = new QWidget(this);
    auto* layout = new QVBoxLayout(body);
    auto* topicRow = new QHBoxLayout();
    const QList<ReaderEntry>& topics = MiscellaneousTopics::topics();
    for (int k = 0; k < topics.size(); ++k) {
        auto* button = new QPushButton(topics.at(k).caption, body);
        button->setObjectName(QStringLiteral("SSCommand1_%1").arg(k));
        connect(button, &QPushButton::clicked, this, [this, k] { chooseTopic(k); });
        topicRow->addWidget(button);
        m_topics.append(button);
    }
    layout->addLayout(topicRow);

    m_heading = new QLabel(QStringLiteral("HIPPA Web Links"), body);
    QFont headingFont = m_heading->font();
    headingFont.setBold(true);
    headingFont.setPointSizeF(headingFont.pointSizeF() * 1.5);
    m_heading->setFont(headingFont);
    m_introduction = new QLabel(
        QStringLiteral("The following websites contain additional HIPPA information that may be of use to you.  If "
                       "your internet provider is running in the background, just click on the link and you will be "
                       "taken to that site."),
        body);
    m_introduction->setWordWrap(true);
    layout->addWidget(m_heading);
    layout->addWidget(m_introduction);
    const QList<ReaderEntry>& links = MiscellaneousTopics::webLinks();
    for (int n = 0; n < links.size(); ++n) {
        auto* label = new PressedLinkLabel(
            shownCaption(links.at(n).caption), [this, n] { openLink(n); }, body);
        label->setObjectName(QStringLiteral("Label2_%1").arg(n));
        label->setToolTip(links.at(n).detail);
        layout->addWidget(label);
        m_links.append(label);
    }
    // With the document hidden, the links keep together under the introduction.
    layout->addStretch(0);

    m_document = new RichTextBox(body);
    m_document->setObjectName(QStringLiteral("RText1"));
    m_document->setLocked(true);
    layout->addWidget(m_document, 1);
    auto* buttons = new QHBoxLayout();
    m_copyButton = new QPushButton(QStringLiteral("&Copy to Clipboard"), body);
    m_printButton = new QPushButton(QStringLiteral("&Print"), body);
    connect(m_copyButton, &QPushButton::clicked, this, &Miscform1::copyToClipboard);
    connect(m_printButton, &QPushButton::clicked, this, &Miscform1::printFromButton);
    buttons->addStretch(1);
    buttons->addWidget(m_copyButton);
    buttons->addWidget(m_printButton);
    layout->addLayout(buttons);
    return body;
}

void Miscform1::chooseTopic(int k)
{
    if (k < 0 || k >= m_topics.size())
        return;
    QList<QAbstractButton*> row;
    for (QPushButton* b : std::as_const(m_topics))
        row << b;
    ButtonLook::chooseInRow(row, m_topics.at(k));
    m_topic = k;
    m_copyButton->hide();
    m_printButton->hide();
    for (QLabel* link : std::as_const(m_links))
        link->hide();
    const bool links = k == MiscellaneousTopics::kWebLinks;
    m_heading->setVisible(links);
    m_introduction->setVisible(links);
    m_document->setVisible(!links);
    if (links) {
        for (QLabel* link : std::as_const(m_links))
            link->show();
    } else {
        loadDocument(m_document, MiscellaneousTopics::topics().at(k).document);
    }
    const bool forms = MiscellaneousTopics::offersCopyAndPrint(k);
    m_copyButton->setVisible(forms);
    m_printButton->setVisible(forms);
    m_copyItem->setEnabled(forms);
    m_printItem->setEnabled(forms);
    if (!forms && m_printing->isOpen())
        m_printing->panel()->hide();
    setWindowTitle(MiscellaneousTopics::title(k));
}

void Miscform1::openLink(int n)
{
    WebLinks::openWebPage(MiscellaneousTopics::webLinks().at(n).document);
}

void Miscform1::copyToClipboard()
{
    DocumentCommands::copyWholeDocument(m_document, this);
}

void Miscform1::printFromMenu()
{
    m_printing->open(200, 100, 100, 100, false, printOption());
}

void Miscform1::printFromButton()
{
    m_printing->open(200, 100, 260, 100, false, printOption());
}

QString Miscform1::printOption() const
{
    return m_topic == kSampleIncidentReport ? QStringLiteral("Print Sample Incident Report Form") : QString();
}

int Miscform1::helpContext() const
{
    return printPanelOpen() ? kPrintPanelHelp : kMiscellaneousHelp;
}

bool Miscform1::closeOwnPanel()
{
    return m_printing->closeStep();
}

bool Miscform1::printPanelOpen() const
{
    return m_printing->isOpen();
}
