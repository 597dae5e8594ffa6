#include "readers/InfoAdv.h"

#include "base/ButtonLook.h"
#include "base/Clock.h"
#include "base/HINFO1.h"
#include "base/Messages.h"
#include "base/WebLinks.h"
#include "readers/ReaderTables.h"
#include "readers/SearchPanel.h"
#include "readers/WebAddresses.h"
#include "richtext/RichTextBox.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

InfoAdv::InfoAdv(QWidget* home) : ReaderScreen(HINFO1::InformationAdvisorScreen, home)
{
    setObjectName(QStringLiteral("InfoAdv"));
    buildShell(buildBody(), QStringLiteral("&Exit Program"));
    buildSharedMenus(QStringLiteral("Utilities"), QStringLiteral("&Information Advisor"));
    installOptionsPopup();
    chooseTopic(0);
}

QWidget* InfoAdv::buildBody()
{
    auto* body = new QWidget(this);
    auto* layout = new QVBoxLayout(body);
    auto* topicRow = new QGridLayout();
    const QList<ReaderEntry>& topics = AdvisorTopics::topics();
    for (int k = 0; k < topics.size(); ++k) {
        auto* button = new QPushButton(topics.at(k).caption, body);
        button->setObjectName(QStringLiteral("SSCommand1_%1").arg(k));
        connect(button, &QPushButton::clicked, this, [this, k] { chooseTopic(k); });
        topicRow->addWidget(button, k / 5, k % 5);
        m_topics.append(button);
    }
    layout->addLayout(topicRow);

    m_riskFrame = new QGroupBox(QStringLiteral("Risk Analysis Selections"), body);
    auto* riskRow = new QHBoxLayout(m_riskFrame);
    const QList<ReaderEntry>& risks = AdvisorTopics::riskDocuments();
    for (int j = 0; j < risks.size(); ++j) {
        auto* button = new QPushButton(risks.at(j).caption, m_riskFrame);
        button->setObjectName(QStringLiteral("SSCommand2_%1").arg(j));
        button->setToolTip(risks.at(j).caption);
        connect(button, &QPushButton::clicked, this, [this, j] { chooseRiskDocument(j); });
        riskRow->addWidget(button);
        m_riskButtons.append(button);
    }
    layout->addWidget(m_riskFrame);

    m_nist = new QPushButton(body);
    m_nist->setObjectName(QStringLiteral("NistLink"));
    connect(m_nist, &QPushButton::clicked, this, &InfoAdv::pressNistLink);
    layout->addWidget(m_nist);
    m_countdown = new QLabel(body);
    m_countdown->setObjectName(QStringLiteral("Countdown"));
    m_countdown->setFrameShape(QFrame::Panel);
    layout->addWidget(m_countdown);

    m_document = new RichTextBox(body);
    m_document->setObjectName(QStringLiteral("RText1"));
    m_document->setLocked(true);
    layout->addWidget(m_document, 1);
    m_search = new SearchPanel(m_document, body);
    m_search->setClosable(false);
    layout->addWidget(m_search);
    return body;
}

QList<QAbstractButton*> InfoAdv::row(const QList<QPushButton*>& buttons)
{
    QList<QAbstractButton*> list;
    for (QPushButton* b : buttons)
        list << b;
    return list;
}

void InfoAdv::chooseTopic(int k)
{
    if (k < 0 || k >= m_topics.size())
        return;
    m_topic = k;
    ButtonLook::chooseInRow(row(m_topics), m_topics.at(k));
    setWindowTitle(AdvisorTopics::topicTitle(k));
    m_riskFrame->hide();
    m_nist->hide();
    m_countdown->hide();
    m_search->entry()->clear();
    m_search->setStart(1);
    if (k == AdvisorTopics::kRiskAnalysis) {
        m_riskFrame->show();
        chooseRiskDocument(0);
        return;
    }
    loadDocument(m_document, AdvisorTopics::topics().at(k).document);
    if (k == AdvisorTopics::kKeyInformation) {
        m_nist->setText(QStringLiteral("Click to view NIST Security Rule Resource Guide - PDF File"));
        m_nist->show();
    }
    if (k == AdvisorTopics::kTimeline) {
        const QString countdown = AdvisorTopics::countdownText(Clock::today());
        m_countdown->setText(countdown);
        m_countdown->setVisible(!countdown.isEmpty());
    }
}

void InfoAdv::chooseRiskDocument(int j)
{
    if (j < 0 || j >= m_riskButtons.size())
        return;
    m_nist->hide();
    ButtonLook::chooseInRow(row(m_riskButtons), m_riskButtons.at(j));
    m_search->setStart(1);
    loadDocument(m_document, AdvisorTopics::riskDocuments().at(j).document);
    if (j == AdvisorTopics::kNistRecommendations) {
        m_nist->setText(QStringLiteral("Click for NIST Website"));
        m_nist->show();
    }
    setWindowTitle(AdvisorTopics::riskTitle(j));
}

void InfoAdv::pressNistLink()
{
    const QString address = m_topic == AdvisorTopics::kKeyInformation ? WebAddresses::kNistResourceGuide
                                                                      : WebAddresses::kNistSpecialPublications;
    if (WebLinks::openWebPage(address))
        return;
    Messages::show(this,
                   QStringLiteral("Unable to connect to Internet.\r\rPlease insure your Internet is running in \r"
                                  "the background, then please try again!"),
                   QStringLiteral("Unable to Connect to Internet"), Messages::Buttons::Ok, Messages::Icon::Exclamation);
}
