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

    const QString text = document(10000);
    QElapsedTimer timer;
    timer.start();
    const int found = engine.findMisspellings(text).size();
    const double firstCheck = timer.nsecsElapsed() / 1e6;
    timer.restart();
    engine.findMisspellings(text);
    const double secondCheck = timer.nsecsElapsed() / 1e6;
    std::printf("10,000-word document: %d misspellings found in %.1f ms (again: %.1f ms)\n", found, firstCheck,
                secondCheck);

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
