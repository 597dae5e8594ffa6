// The spell engine without a window: the typing-error table as the engine receives it, the
// read-back of the replacement list, corrections, misspellings and the personal word list.
#include "RequiredTool.h"
#include "TestFolder.h"
#include "editing/AutoCorrectTable.h"
#include "editing/GridSpellCheck.h"
#include "editing/SpellCheckRun.h"
#include "editing/SpellEngine.h"

#include <QTest>

class TestSpellEngine : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void tableReachesTheEngineInOrder();
    void readBackStopsAtTheEndMarker();
    void typedCorrections_data();
    void typedCorrections();
    void misspellingsHaveTheirPlaceAndSuggestions();
    void personalListSurvivesARestart();
    void withoutDictionaryOnlyTheListWorks();
    void checkReplacesListWordsAndAsksTheRest();
    void spreadPair_data();
    void spreadPair();
    void gridCheck_data();
    void gridCheck();

private:
    std::unique_ptr<TestFolder> m_folder;
    std::unique_ptr<SpellEngine> m_engine;
};

void TestSpellEngine::initTestCase()
{
    m_folder = std::make_unique<TestFolder>(false);
    REQUIRE_TOOL(!SpellEngine::findDictionary().isEmpty(), "The en_US dictionary (hunspell-en-us)");
    m_engine = std::make_unique<SpellEngine>();
    AutoCorrectTable::loadInto(*m_engine);
}

void TestSpellEngine::tableReachesTheEngineInOrder()
{
    QCOMPARE(m_engine->replacementCount(), AutoCorrectTable::kFilled);
    QCOMPARE(m_engine->replacementWord(0), QStringLiteral("ABBOUT"));
    QCOMPARE(m_engine->replacementWord(16), QStringLiteral("ALOT"));
    QCOMPARE(m_engine->replacementText(16), QStringLiteral("a lot"));
    QCOMPARE(m_engine->replacementWord(AutoCorrectTable::kFilled - 1), QStringLiteral("YUOR"));
    QCOMPARE(m_engine->replacementText(AutoCorrectTable::kFilled - 1), QStringLiteral("your"));
    for (int i = 0; i < AutoCorrectTable::kFilled; ++i)
        QCOMPARE(m_engine->replacementWord(i), m_engine->replacementWord(i).toUpper());
}

void TestSpellEngine::readBackStopsAtTheEndMarker()
{
    SpellEngine engine(QString{});
    AutoCorrectTable::loadInto(engine);
    engine.addReplacement(QStringLiteral("teh"), QStringLiteral("the"));
    engine.addReplacement(QStringLiteral("TheEnd1"), QStringLiteral("TheEnd1"));
    engine.addReplacement(QStringLiteral("after"), QStringLiteral("marker"));
    int index = 0;
    while (engine.replacementWord(index).trimmed() != QLatin1String("THEEND1"))
        ++index;
    QCOMPARE(index, AutoCorrectTable::kFilled + 1);
    QCOMPARE(engine.replacementWord(AutoCorrectTable::kFilled), QStringLiteral("TEH"));
    QCOMPARE(engine.replacementWord(index + 2), QString());
}

void TestSpellEngine::typedCorrections_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("corrected"); // the text once the word-ending key is typed
    QTest::newRow("teh") << "so teh" << QStringLiteral("so the");
    QTest::newRow("capital kept") << "Teh" << QStringLiteral("The");
    QTest::newRow("capitals kept") << "TEH" << QStringLiteral("THE");
    QTest::newRow("replacement with a blank") << "alot" << QStringLiteral("a lot");
    QTest::newRow("i") << "so i" << QStringLiteral("so I");
    QTest::newRow("I stays") << "so I" << QStringLiteral("so I");
    QTest::newRow("permanant") << "permanant" << QStringLiteral("permanent");
    QTest::newRow("pleasent") << "pleasent" << QStringLiteral("pleasant");
    QTest::newRow("two-word key") << "their are" << QStringLiteral("there are");
    QTest::newRow("two-word key, capital") << "Their is" << QStringLiteral("There is");
    QTest::newRow("their alone") << "their" << QStringLiteral("their");
    QTest::newRow("part of a longer word") << "tehx" << QStringLiteral("tehx");
    QTest::newRow("part of a code") << "x1teh" << QStringLiteral("x1teh");
    QTest::newRow("after punctuation") << "(teh" << QStringLiteral("(the");
}

void TestSpellEngine::typedCorrections()
{
    QFETCH(QString, typed);
    QFETCH(QString, corrected);
    QString text = typed;
    if (const auto correction = m_engine->correctionAtEnd(typed))
        text.replace(correction->start, correction->length, correction->replacement);
    QCOMPARE(text, corrected);
}

void TestSpellEngine::misspellingsHaveTheirPlaceAndSuggestions()
{
    const QString text = QStringLiteral("A tset of the rule's 164.308 wording, with recieve-d and tset2.");
    const QList<SpellEngine::Misspelling> found = m_engine->findMisspellings(text);
    QCOMPARE(found.size(), 2);
    QCOMPARE(found.at(0).start, 2);
    QCOMPARE(found.at(0).length, 4);
    QCOMPARE(found.at(1).word, QStringLiteral("recieve"));
    QVERIFY(m_engine->suggestions(QStringLiteral("tset")).contains(QStringLiteral("test")));
}

void TestSpellEngine::personalListSurvivesARestart()
{
    {
        SpellEngine engine;
        QVERIFY(!engine.isCorrect(QStringLiteral("Tessalyx")));
        QVERIFY(engine.addToPersonalList(QStringLiteral("Tessalyx")));
        QVERIFY(engine.addToPersonalList(QStringLiteral("Zorbic")));
        QVERIFY(engine.isCorrect(QStringLiteral("Tessalyx")));
    }
    QCOMPARE(m_folder->read(SpellEngine::kPersonalListFile), QByteArray("Tessalyx\nZorbic\n"));
    SpellEngine restarted;
    QVERIFY(restarted.isCorrect(QStringLiteral("Tessalyx")));
    QVERIFY(restarted.isCorrect(QStringLiteral("Zorbic")));
}

void TestSpellEngine::withoutDictionaryOnlyTheListWorks()
{
    SpellEngine engine(QStringLiteral("/nonexistent/en_US"));
    QVERIFY(!engine.isAvailable());
    QVERIFY(engine.findMisspellings(QStringLiteral("tset qqq")).isEmpty());
    QVERIFY(SpellEngine::missingDictionaryHint().contains(QStringLiteral("hunspell-en-us")));
}

void TestSpellEngine::checkReplacesListWordsAndAsksTheRest()
{
    SpellEngine engine;
    AutoCorrectTable::loadInto(engine);
    QStringList asked;
    SpellCheckRun run(engine, nullptr, [&](const SpellQuestion& q) {
        asked << q.word + QLatin1Char('|') + q.sentence;
        return q.word == QLatin1String("wrods") ? SpellAnswer{SpellAnswer::ChangeAll, QStringLiteral("words")}
                                                : SpellAnswer{SpellAnswer::Ignore, QString()};
    });
    QVERIFY(run.run(QStringLiteral("Teh wrods. Their are wrods and zqx.")));
    QCOMPARE(run.correctedText(), QStringLiteral("The words. There are words and zqx."));
    QCOMPARE(asked, QStringList({QStringLiteral("wrods|The wrods."), QStringLiteral("zqx|There are words and zqx.")}));
    QCOMPARE(engine.changeCount(), 4);
    QCOMPARE(engine.replacementWord(AutoCorrectTable::kFilled), QStringLiteral("WRODS"));
}

void TestSpellEngine::spreadPair_data()
{
    QTest::addColumn<QString>("item");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("replacement");
    QTest::addColumn<QString>("spread");
    QTest::newRow("both cases") << "Teh log and teh audit" << QStringLiteral("TEH") << QStringLiteral("the")
                                << QStringLiteral("The log and the audit");
    QTest::newRow("side by side") << "teh teh" << QStringLiteral("TEH") << QStringLiteral("the")
                                  << QStringLiteral("the the");
    QTest::newRow("replacement holds its key")
        << "i think I can" << QStringLiteral("I") << QStringLiteral("I") << QStringLiteral("i think I can");
    QTest::newRow("whole words only") << "tehran" << QStringLiteral("TEH") << QStringLiteral("the")
                                      << QStringLiteral("tehran");
    QTest::newRow("capital rest lower") << "Alot" << QStringLiteral("ALOT") << QStringLiteral("a lot")
                                        << QStringLiteral("A lot");
    QTest::newRow("cut to 45") << "teh " + QString(42, QLatin1Char('x')) << "TEH"
                               << "the"
                               << "the " + QString(41, QLatin1Char('x'));
    QTest::newRow("untouched keeps its blanks")
        << "Review logs  " << QStringLiteral("TEH") << QStringLiteral("the") << QStringLiteral("Review logs  ");
}

void TestSpellEngine::spreadPair()
{
    QFETCH(QString, item);
    QFETCH(QString, key);
    QFETCH(QString, replacement);
    QFETCH(QString, spread);
    QCOMPARE(GridSpellCheck::spreadPair(item, key, replacement), spread);
}

void TestSpellEngine::gridCheck_data()
{
    QTest::addColumn<QStringList>("items");
    QTest::addColumn<QList<SpellAnswer>>("answers");
    QTest::addColumn<QStringList>("checked");
    QTest::addColumn<QStringList>("asked");
    QTest::addColumn<QString>("message");
    using A = SpellAnswer;
    const QString end = QStringLiteral("Spell Check has been canceled or has reached the end of your entries");
    QTest::newRow("change all reaches earlier rows")
        << QStringList{"Teh audit", "fix teh door", "i test tset"} << QList<A>{{A::ChangeAll, "test"}}
        << QStringList{"The audit", "fix the door", "I test test"} << QStringList{"tset"} << end;
    QTest::newRow("change all of i ends")
        << QStringList{"i wrote it", "so i zqx"} << QList<A>{{A::ChangeAll, "zqy"}, {A::Ignore, ""}}
        << QStringList{"I wrote it", "so I zqy"} << QStringList{"zqx", "zqy"} << end;
    QTest::newRow("cancel stops at the row") << QStringList{"zqx and teh", "teh"} << QList<A>{{A::Cancel, ""}}
                                             << QStringList{"zqx and teh", "teh"} << QStringList{"zqx"} << end;
    QTest::newRow("nothing to change") << QStringList{"Review the logs"} << QList<A>{} << QStringList{"Review the logs"}
                                       << QStringList{}
                                       << "Spell Check did not change or did not find any misspelled words!";
}

void TestSpellEngine::gridCheck()
{
    QFETCH(QStringList, items);
    QFETCH(QList<SpellAnswer>, answers);
    QFETCH(QStringList, checked);
    QFETCH(QStringList, asked);
    QFETCH(QString, message);
    SpellEngine engine;
    AutoCorrectTable::loadInto(engine);
    QStringList questions;
    GridSpellCheck::Grid grid;
    grid.item = [&](int row) { return items.value(row - 1); };
    grid.showRow = [](int) {};
    grid.setItem = [&](int row, const QString& text) { items[row - 1] = text; };
    grid.ask = [&](const SpellQuestion& q) {
        questions << q.word;
        return answers.isEmpty() ? SpellAnswer{SpellAnswer::Ignore, QString()} : answers.takeFirst();
    };
    GridSpellCheck check(engine, grid);
    QCOMPARE(check.run(), message);
    QCOMPARE(items, checked);
    QCOMPARE(questions, asked);
}

QTEST_GUILESS_MAIN(TestSpellEngine)
#include "tst_spellengine.moc"
