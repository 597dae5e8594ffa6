// Find-next over a document, the countdown and the screens' titles, without a window.
#include "readers/FindNext.h"
#include "readers/ReaderTables.h"

#include <QTextDocument>
#include <QtTest>

class TestReaderTables : public QObject
{
    Q_OBJECT
private slots:
    void findNextWalksThroughWholeWords_data();
    void findNextWalksThroughWholeWords();
    void countdown_data();
    void countdown();
    void titles_data();
    void titles();
};

void TestReaderTables::findNextWalksThroughWholeWords_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("word");
    QTest::addColumn<QList<int>>("hits"); // -1: the end was reported
    QTest::newRow("twice, then the end, then over")
        << "The workforce and a Workforce." << QStringLiteral("workforce") << QList<int>{4, 20, -1, 4};
    QTest::newRow("part of a word is no match")
        << "workforces workforce" << QStringLiteral("workforce") << QList<int>{11, -1};
    QTest::newRow("a match at the very start is missed")
        << "Rule one rule" << QStringLiteral("rule") << QList<int>{9, -1, 9};
    QTest::newRow("no text finds nothing") << "Rule" << QStringLiteral("") << QList<int>{-1};
}

void TestReaderTables::findNextWalksThroughWholeWords()
{
    QFETCH(QString, text);
    QFETCH(QString, word);
    QFETCH(QList<int>, hits);
    QTextDocument document(text);
    FindNext find;
    find.setText(word);
    for (int expected : hits)
        QCOMPARE(find.search(document), expected);
    // A new text starts from the top again.
    find.setText(word);
    QCOMPARE(find.nextStart(), 1);
}

void TestReaderTables::countdown_data()
{
    QTest::addColumn<QDate>("today");
    QTest::addColumn<QString>("text");
    QTest::newRow("a year before") << QDate(2004, 4, 21) << "Days Remaining Until April 21, 2005  =  365";
    QTest::newRow("deadline day") << QDate(2005, 4, 21) << "Days Remaining Until April 21, 2005  =  0";
    QTest::newRow("the day after") << QDate(2005, 4, 22) << QString();
}

void TestReaderTables::countdown()
{
    QFETCH(QDate, today);
    QFETCH(QString, text);
    QCOMPARE(AdvisorTopics::countdownText(today), text);
}

// Titles composed from the topic tables, and a title kept with its old spelling; the reader
// screens (tst_readerscreens) check the titles they show.
void TestReaderTables::titles_data()
{
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("expected");
    QTest::newRow("advisor caption") << AdvisorTopics::topicTitle(4) << "Information Advisor - Key Information & Guide";
    QTest::newRow("risk row") << AdvisorTopics::riskTitle(3)
                              << "Information Advisor - Risk Analysis - Risk Analysis Worksheet";
    QTest::newRow("misc, its old spelling kept")
        << MiscellaneousTopics::title(3) << "Miscellaneous - Risk Anlysis Worksheet";
    QTest::newRow("shown caption") << shownCaption(SecurityRuleSections::all().at(13).caption)
                                   << "I. Policies&Procedures..";
}

void TestReaderTables::titles()
{
    QFETCH(QString, title);
    QFETCH(QString, expected);
    QCOMPARE(title, expected);
}

QTEST_APPLESS_MAIN(TestReaderTables)
#include "tst_readertables.moc"
