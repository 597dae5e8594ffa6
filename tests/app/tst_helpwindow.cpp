// The help viewer opens the shipped help file at the topic of a context number.
#include "TestFolder.h"

#include "app/HelpWindow.h"
#include "base/Messages.h"

#include <QApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QTextBlock>
#include <QTextBrowser>
#include <QtTest>

namespace {

HelpWindow* openWindow()
{
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (auto* help = qobject_cast<HelpWindow*>(w); help && help->isVisible())
            return help;
    }
    return nullptr;
}

} // namespace

class TestHelpWindow : public QObject
{
    Q_OBJECT
private slots:
    void opensAtTheTopicOfAContext_data();
    void opensAtTheTopicOfAContext();
    void missingHelpFileIsReported();
};

void TestHelpWindow::opensAtTheTopicOfAContext_data()
{
    QTest::addColumn<int>("context");
    QTest::addColumn<QString>("heading");
    QTest::newRow("overview") << 1000 << QStringLiteral("Program Overview");
    QTest::newRow("timeline") << 2009 << QStringLiteral("The Project Timeline / To Do List");
    QTest::newRow("worksheets") << 3010 << QStringLiteral("The Action Area and Safeguard Worksheets");
}

void TestHelpWindow::opensAtTheTopicOfAContext()
{
    QFETCH(int, context);
    QFETCH(QString, heading);
    TestFolder folder;
    HelpWindow::open(context);
    HelpWindow* window = openWindow();
    QVERIFY(window);
    auto* browser = window->findChild<QTextBrowser*>(QStringLiteral("helpText"));
    QCOMPARE(browser->textCursor().block().text(), heading);
    // The context lines are the program's, not the reader's; the contents list finds topics.
    QVERIFY(!browser->toPlainText().contains(QStringLiteral("Help context")));
    auto* topics = window->findChild<QListWidget*>(QStringLiteral("helpTopics"));
    QCOMPARE(topics->currentItem()->text(), heading);
    window->findChild<QLineEdit*>(QStringLiteral("helpTopicFilter"))->setText(QStringLiteral("restore"));
    int shown = 0;
    for (int row = 0; row < topics->count(); ++row)
        shown += topics->item(row)->isHidden() ? 0 : 1;
    QVERIFY(shown >= 2 && shown < topics->count());
    window->close();
}

void TestHelpWindow::missingHelpFileIsReported()
{
    TestFolder folder(false);
    Messages::setScripted(true);
    Messages::takeShown();
    HelpWindow::open(1000);
    const QList<Messages::Shown> shown = Messages::takeShown();
    Messages::setScripted(false);
    QCOMPARE(shown.size(), 1);
    QCOMPARE(shown.at(0).text, QStringLiteral("The help file Tessaly.hlp could not be opened."));
    QVERIFY(!openWindow());
}

QTEST_MAIN(TestHelpWindow)
#include "tst_helpwindow.moc"
