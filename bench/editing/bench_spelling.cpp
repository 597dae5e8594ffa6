// Prints how long the spell engine takes to find every misspelling of a 10,000-word
// document (dialog excluded), and what one keystroke costs in a 20 KB document in the
// worksheet editor: correction as you type plus the red underlines.
#include "editing/AutoCorrectTable.h"
#include "editing/SpellEngine.h"
#include "editing/SpellingUnderliner.h"
#include "editing/TypingCorrector.h"
#include "richtext/RichTextBox.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTest>
#include <cstdio>

namespace {

// Prose of the kind the worksheets hold, with one misspelling in about every 25 words.
QString document(int words)
{
    const QStringList vocabulary =
        QStringLiteral(
            "the practice reviews access to electronic protected health information every quarter and records "
            "who was granted or refused access with the reason passwords are changed when staff leave backups "
            "are tested monthly by restoring a sample of files to a spare computer tset recieve")
            .split(QLatin1Char(' '));
    QString text;
    for (int i = 0; i < words; ++i) {
        text += vocabulary.at((i * 7919) % vocabulary.size());
        text += (i % 17 == 16) ? QStringLiteral(".\n") : QStringLiteral(" ");
    }
    return text;
}

// Words the dictionary does not hold: each a made-up word of its own.
QString distinctWords(int words)
{
    QString text;
    for (int i = 0; i < words; ++i) {
        QString word;
        for (int n = i + 1; n > 0; n /= 20)
            word += QChar(char16_t(u'a' + (n * 7 + int(word.size())) % 20));
        text += word + (i % 3 == 0 ? QStringLiteral("ing ") : QStringLiteral("s "));
    }
    return text;
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    SpellEngine engine;
    if (!engine.isAvailable()) {
        std::printf("no en_US dictionary: install %s\n", qPrintable(SpellEngine::kDictionaryPackage));
        return 1;
    }
    AutoCorrectTable::loadInto(engine);

    QElapsedTimer timer;
    const QString text = document(10000);
    timer.start();
    const int found = engine.findMisspellings(text).size();
    std::printf("10,000-word document of worksheet prose: %d misspellings found in %.1f ms\n", found,
                timer.nsecsElapsed() / 1e6);
    // The worst case: 10,000 different words, none seen before.
    const QString distinct = distinctWords(10000);
    timer.restart();
    const int foundDistinct = engine.findMisspellings(distinct).size();
    std::printf("10,000 different words: %d misspellings found in %.1f ms\n", foundDistinct,
                timer.nsecsElapsed() / 1e6);

    RichTextBox editor;
    editor.resize(800, 600);
    editor.show();
    editor.setPlainText(document(3300).left(20 * 1024));
    SpellingUnderliner underliner(engine, &editor);
    TypingCorrector corrector(engine);
    corrector.watch(&editor);
    underliner.updatePending();
    editor.moveCursor(QTextCursor::End);
    const QString typed = QStringLiteral("and teh tset of alot ");
    timer.restart();
    for (QChar c : typed) {
        QTest::keyClick(&editor, c.toLatin1());
        underliner.updatePending();
    }
    const double perKey = timer.nsecsElapsed() / 1e6 / typed.size();
    std::printf("20 KB document (%lld characters, %d underlined): %.3f ms a keystroke, correction and underlines "
                "included\n",
                qlonglong(editor.document()->characterCount()), underliner.underlinedCount(), perKey);
    return 0;
}
