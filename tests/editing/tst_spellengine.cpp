// The spell engine without a window: the typing-error table as the engine receives it, the
// read-back of the replacement list, corrections, misspellings and the personal word list.
#include "TestFolder.h"
#include "editing/AutoCorrectTable.h"
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

private:
    SpellEngine* loadedEngine();
    std::unique_ptr<TestFolder> m_folder;
    std::unique_ptr<SpellEngine> m_engine;
};

void TestSpellEngine::initTestCase()
{
    m_folder = std::make_unique<TestFolder>(false);
    if (SpellEngine::findDictionary().isEmpty())
        QSKIP("the en_US dictionary (hunspell-en-us) is not installed");
    m_engine = std::make_unique<SpellEngine>();
    AutoCorrectTable::loadInto(*m_engine);
}

void TestSpellEngine::tableReachesTheEngineInOrder()
{
    QCOMPARE(m_engine->replacementCount(), 243);
    QCOMPARE(m_engine->replacementWord(0), QStringLiteral("ABBOUT"));
    QCOMPARE(m_engine->replacementWord(16), QStringLiteral("ALOT"));
    QCOMPARE(m_engine->replacementText(16), QStringLiteral("a lot"));
    QCOMPARE(m_engine->replacementWord(242), QStringLiteral("YUOR"));
    QCOMPARE(m_engine->replacementText(242), QStringLiteral("your"));
    int reccomend = 0, blanks = 0;
    for (int i = 0; i < 243; ++i) {
        QCOMPARE(m_engine->replacementWord(i), m_engine->replacementWord(i).toUpper());
        reccomend += m_engine->replacementWord(i) == QLatin1String("RECCOMEND");
        blanks += m_engine->replacementWord(i).contains(QLatin1Char(' '));
    }
    QCOMPARE(reccomend, 2);
    QCOMPARE(blanks, 2);
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
    QCOMPARE(index, 244);
    QCOMPARE(engine.replacementWord(243), QStringLiteral("TEH"));
    QCOMPARE(engine.replacementWord(index + 2), QString());
}

void TestSpellEngine::typedCorrections_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("corrected"); // the text once the word-ending key is typed
    QTest::newRow("teh") << "so teh"
                         << "so the";
    QTest::newRow("capital kept") << "Teh"
                                  << "The";
    QTest::newRow("capitals kept") << "TEH"
                                   << "THE";
    QTest::newRow("replacement with a blank") << "alot"
                                              << "a lot";
    QTest::newRow("i") << "so i"
                       << "so I";
    QTest::newRow("I stays") << "so I"
                             << "so I";
    QTest::newRow("permanant") << "permanant"
                               << "permanent";
    QTest::newRow("pleasent") << "pleasent"
                              << "pleasant";
    QTest::newRow("two-word key") << "their are"
                                  << "there are";
    QTest::newRow("two-word key, capital") << "Their is"
                                           << "There is";
    QTest::newRow("their alone") << "their"
                                 << "their";
    QTest::newRow("part of a longer word") << "tehx"
                                           << "tehx";
    QTest::newRow("part of a code") << "x1teh"
                                    << "x1teh";
    QTest::newRow("after punctuation") << "(teh"
                                       << "(the";
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
    QCOMPARE(engine.replacementWord(243), QStringLiteral("WRODS"));
}

QTEST_GUILESS_MAIN(TestSpellEngine)
#include "tst_spellengine.moc"
