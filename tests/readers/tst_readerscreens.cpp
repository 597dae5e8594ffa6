// The reader screens driven offscreen: moving between screens, exit, search, fonts, files,
// help contexts and web links.
#include "ActionAreaFixture.h"

#include "actionarea/WorkArea1.h"
#include "app/ReaderScreens.h"
#include "base/ButtonLook.h"
#include "base/HINFO1.h"
#include "base/Help.h"
#include "base/Messages.h"
#include "base/WebLinks.h"
#include "base/WorkScreenMenus.h"
#include "editing/EditingDialogs.h"
#include "printing/PrintPanel.h"
#include "readers/InfoAdv.h"
#include "readers/Miscform1.h"
#include "readers/PrivRule.h"
#include "readers/ReaderPrinting.h"
#include "readers/ReaderTables.h"
#include "readers/SearchPanel.h"
#include "readers/WebAddresses.h"
#include "richtext/RichTextBox.h"
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <QtTest>

namespace {
const QByteArray kRule = "{\\rtf1\\ansi The workforce rule. A workforce member.\\par}";
}

class TestReaderScreens : public QObject, private ActionAreaFixture
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void journeyPassesThroughTheActionArea();
    void exitAnswers_data();
    void exitAnswers();
    void searchWalksTheMatchesThenStartsOver();
    void fontDisplayNeedsASelection();
    void missingDocumentIsNamed();
    void helpContexts();
    void nistLink_data();
    void nistLink();
    void webLinksAndForms();

private:
    QStringList m_opened;
    bool m_openSucceeds = true;
    QList<int> m_helpContexts;
};

void TestReaderScreens::init()
{
    prepareWorkbook(false);
    for (int n : {9, 24})
        m_folder->write(QStringLiteral("PR%1.Hlp").arg(n), kRule);
    for (int n : {1, 2, 3, 5, 9, 10, 12, 56, 57})
        m_folder->write(QStringLiteral("Misc%1.Hlp").arg(n), kRule);
    m_opened.clear();
    m_helpContexts.clear();
    WebLinks::setOpener([this](const QString& address) {
        m_opened << address;
        return m_openSucceeds;
    });
    Help::setViewer([this](int context) { m_helpContexts << context; });
}

void TestReaderScreens::cleanup()
{
    WebLinks::setOpener(nullptr);
    Help::setViewer(nullptr);
    closeWorkbook();
}

void TestReaderScreens::journeyPassesThroughTheActionArea()
{
    WorkArea1 area;
    auto* readers = new ReaderScreens(&area);
    area.show();
    area.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&area));
    area.pressTab(HINFO1::SecurityRuleScreen);
    QPointer<PrivRule> rule = qobject_cast<PrivRule*>(readers->current());
    QVERIFY(rule && rule->isVisible());
    QVERIFY(!area.isVisible());
    // The reader's own tab does nothing.
    rule->pressTab(HINFO1::SecurityRuleScreen);
    QCOMPARE(readers->current(), rule);
    QVERIFY(rule->isVisible());

    rule->selectSection(9);
    QCOMPARE(rule->windowTitle(), QStringLiteral("Security Rule - Administrative Safeguards (Sec. 164.308)"));
    rule->pressTab(HINFO1::MiscellaneousScreen);
    QTRY_VERIFY(qobject_cast<Miscform1*>(readers->current()) && readers->current()->isVisible());
    QCOMPARE(readers->current()->windowTitle(), QStringLiteral("Miscellaneous - Program Information"));
    QVERIFY(!area.isVisible());
    QTRY_VERIFY(!rule); // the Security Rule reader was let go
    QVERIFY(Messages::takeShown().isEmpty());
}

void TestReaderScreens::exitAnswers_data()
{
    QTest::addColumn<Messages::Answer>("answer");
    QTest::newRow("No") << Messages::Answer::No;
    QTest::newRow("Cancel") << Messages::Answer::Cancel;
    QTest::newRow("Yes") << Messages::Answer::Yes;
}

void TestReaderScreens::exitAnswers()
{
    QFETCH(Messages::Answer, answer);
    QWidget home;
    InfoAdv advisor(&home);
    advisor.open();
    Messages::queueAnswer(answer);
    advisor.handleEscape();
    const QList<Messages::Shown> shown = Messages::takeShown();
    QCOMPARE(shown.size(), 1);
    QCOMPARE(shown.first().text, QStringLiteral("Exit Tessaly?"));
    const bool yes = answer == Messages::Answer::Yes;
    QCOMPARE(m_ended, yes ? 1 : 0);
    QCOMPARE(advisor.isVisible(), !yes);
    QVERIFY(!home.isVisible());
    if (!yes)
        QVERIFY(ButtonLook::isChosen(advisor.tabs()->tab(HINFO1::InformationAdvisorScreen)));
}

void TestReaderScreens::searchWalksTheMatchesThenStartsOver()
{
    PrivRule rule(nullptr);
    rule.show();
    rule.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&rule));
    // Ctrl+F waits for a section; then it opens the search, and F3 finds as Return does.
    QTest::keyClick(rule.document(), Qt::Key_F, Qt::ControlModifier);
    QVERIFY(!rule.searchPanel()->isVisible());
    rule.selectSection(9);
    QTest::keyClick(rule.document(), Qt::Key_F, Qt::ControlModifier);
    QVERIFY(rule.searchPanel()->isVisible());
    QVERIFY(rule.searchPanel()->entry()->hasFocus());
    rule.searchPanel()->entry()->setText(QStringLiteral("workforce"));
    QList<int> starts;
    for (int i = 0; i < 4; ++i) {
        if (i == 0)
            QTest::keyClick(rule.searchPanel()->entry(), Qt::Key_F3);
        else
            QTest::keyClick(rule.searchPanel()->entry(), Qt::Key_Return);
        starts << (rule.document()->selLength() ? rule.document()->selStart() : -1);
    }
    QCOMPARE(starts, (QList<int>{4, 22, -1, 4}));
    const QList<Messages::Shown> shown = Messages::takeShown();
    QCOMPARE(shown.size(), 1);
    QCOMPARE(shown.first().text, QStringLiteral("Search has reached the end of the document."));
    // A new search text starts from the top; choosing a section closes the panel.
    rule.searchPanel()->entry()->setText(QStringLiteral("rule"));
    rule.searchPanel()->searchNext();
    QCOMPARE(rule.document()->selStart(), 14);
    rule.selectSection(24);
    QVERIFY(!rule.searchPanel()->isVisible());
}

void TestReaderScreens::fontDisplayNeedsASelection()
{
    int asked = 0;
    QFont offered;
    const EditingDialogs::FontChooser dialog = EditingDialogs::fontChooser();
    EditingDialogs::fontChooser() = [&](const EditingDialogs::FontChoice& initial, QWidget*) {
        ++asked;
        offered = initial.font;
        EditingDialogs::FontChoice bold = initial;
        bold.font.setBold(true);
        return std::optional<EditingDialogs::FontChoice>(bold);
    };
    PrivRule rule(nullptr);
    rule.selectSection(9);
    rule.fontDisplay();
    QCOMPARE(asked, 0);
    QCOMPARE(Messages::takeShown().value(0).text, QStringLiteral("Please select text to change."));
    rule.document()->setSelStart(4);
    rule.document()->setSelLength(9);
    const QString selectedFamily = rule.document()->selFontName();
    rule.fontDisplay();
    QCOMPARE(asked, 1);
    // The dialog starts from the selection's own font.
    QCOMPARE(offered.family(), selectedFamily);
    QVERIFY(rule.document()->selBold());
    QCOMPARE(rule.document()->selLength(), 9);
    EditingDialogs::fontChooser() = dialog;
}

void TestReaderScreens::missingDocumentIsNamed()
{
    PrivRule rule(nullptr);
    rule.selectSection(9);
    rule.selectSection(3);
    QVERIFY(Messages::takeShown().value(0).text.contains(QStringLiteral("\"PR3.Hlp\"")));
    QVERIFY(rule.document()->text().trimmed().isEmpty());
    QCOMPARE(rule.windowTitle(), QStringLiteral("Security Rule - General Overview of the Proposed Rule"));
    rule.selectSection(24);
    QVERIFY(!rule.document()->text().trimmed().isEmpty());
    InfoAdv advisor(nullptr);
    advisor.chooseTopic(1);
    QVERIFY(Messages::takeShown().value(0).text.contains(QStringLiteral("\"Misc6.Hlp\"")));
}

void TestReaderScreens::helpContexts()
{
    PrivRule rule(nullptr);
    rule.show();
    rule.selectSection(9);
    rule.handleF1();
    rule.print();
    rule.handleF1();
    rule.handleEscape(); // closes the print panel, not the screen
    rule.handleF1();
    InfoAdv advisor(nullptr);
    advisor.handleF1();
    Miscform1 misc(nullptr);
    misc.handleF1();
    QCOMPARE(m_helpContexts, (QList<int>{3012, 1014, 3012, 3066, 3014}));
    QVERIFY(Messages::takeShown().isEmpty());
}

void TestReaderScreens::nistLink_data()
{
    QTest::addColumn<int>("topic");
    QTest::addColumn<bool>("succeeds");
    QTest::addColumn<QString>("address");
    QTest::newRow("key information") << 4 << true << WebAddresses::kNistResourceGuide;
    QTest::newRow("NIST recommendations") << 6 << true << WebAddresses::kNistSpecialPublications;
    QTest::newRow("no connection") << 4 << false << WebAddresses::kNistResourceGuide;
}

void TestReaderScreens::nistLink()
{
    QFETCH(int, topic);
    QFETCH(bool, succeeds);
    QFETCH(QString, address);
    m_openSucceeds = succeeds;
    InfoAdv advisor(nullptr);
    advisor.show();
    advisor.chooseTopic(topic);
    QCOMPARE(advisor.riskFrame()->isVisible(), topic == AdvisorTopics::kRiskAnalysis);
    if (topic == AdvisorTopics::kRiskAnalysis) {
        QVERIFY(!advisor.nistButton()->isVisible());
        advisor.chooseRiskDocument(1);
    }
    QVERIFY(advisor.nistButton()->isVisible());
    QTest::mouseClick(advisor.nistButton(), Qt::LeftButton);
    QCOMPARE(m_opened, QStringList{address});
    const QList<Messages::Shown> shown = Messages::takeShown();
    QCOMPARE(shown.size(), succeeds ? 0 : 1);
    if (!succeeds)
        QCOMPARE(shown.first().title, QStringLiteral("Unable to Connect to Internet"));
    m_openSucceeds = true;
}

void TestReaderScreens::webLinksAndForms()
{
    Miscform1 misc(nullptr);
    misc.show();
    for (int k = 0; k < MiscellaneousTopics::topics().size(); ++k) {
        misc.chooseTopic(k);
        QCOMPARE(misc.printButton()->isVisible(), k == 3 || k == 4);
        QCOMPARE(misc.copyItem()->isEnabled(), k == 3 || k == 4);
        QCOMPARE(misc.linkLabel(0)->isVisible(), k == MiscellaneousTopics::kWebLinks);
        QCOMPARE(misc.document()->isVisible(), k != MiscellaneousTopics::kWebLinks);
    }
    QCOMPARE(misc.copyItem()->text(), QStringLiteral("&Copy to Clickboard"));
    // Only the incident report offers its form as a print option.
    for (int k : {3, 4}) {
        misc.chooseTopic(k);
        misc.printFromButton();
        QCOMPARE(misc.printing()->panel()->optionBox(0)->isVisible(), k == 4);
        QVERIFY(misc.printing()->closeStep());
    }
    QCOMPARE(misc.printing()->panel()->optionBox(0)->text(), QStringLiteral("Print Sample Incident Report Form"));
    misc.chooseTopic(MiscellaneousTopics::kWebLinks);
    QTest::mouseClick(misc.linkLabel(0), Qt::LeftButton);
    QTest::mouseClick(misc.linkLabel(6), Qt::LeftButton);
    QCOMPARE(m_opened, (QStringList{WebAddresses::kCivilRights, WebAddresses::kWedi}));
    QCOMPARE(misc.linkLabel(2)->text(), QStringLiteral("Centers for Medicare & Medicaid Services (CMS)"));
    QVERIFY(Messages::takeShown().isEmpty());
}

QTEST_MAIN(TestReaderScreens)
#include "tst_readerscreens.moc"
