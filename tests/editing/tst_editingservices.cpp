// The editing services in the Action Area, driven offscreen: correction as you type, the
// document's spell check, the thesaurus, the font of the selection and the clipboard copy,
// with the dialogs answered through their seams.
#include "ActionAreaFixture.h"
#include "RequiredTool.h"
#include "actionarea/SafeguardButtonPanel.h"

#include "base/Messages.h"
#include "editing/EditingDialogs.h"
#include "editing/RtfClipboard.h"
#include "editing/SpellEngine.h"
#include "editing/SpellingDialog.h"
#include "editing/ThesaurusDialog.h"
#include "richtext/RichTextBox.h"
#include "richtext/RtfReader.h"
#include "timeline/TimelineModel.h"
#include "timeline/TimelinePanel.h"
#include "worksheets/WorksheetDocument.h"
#include "worksheets/WorksheetPanel.h"
#include <QClipboard>
#include <QComboBox>

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMimeData>
#include <QPushButton>
#include <QRadioButton>
#include <QTextDocument>
#include <QtTest>

namespace {

const QString kSpellCheckEnd = QStringLiteral("Spell Check has been canceled or has reached the end of your document");

QTextCharFormat formatAt(RichTextBox* editor, int position)
{
    QTextCursor cursor(editor->document());
    cursor.setPosition(position + 1);
    return cursor.charFormat();
}

} // namespace

class TestEditingServices : public QObject, private ActionAreaFixture
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();
    void typingCorrects_data();
    void typingCorrects();
    void undoBringsBackTheTypedWord();
    void misspellingsAreUnderlinedOnly();
    void entryBoxCorrectsAfterTheFocusMovedThere();
    void editorTakesTheTabStops();
    void documentCheck_data();
    void documentCheck();
    void correctionKeepsTheFormatting();
    void thesaurusLooksUpTheWordAlone();
    void fontSelectAppliesAndRestoresTheSelection();
    void copyPutsOnlyRichTextOnTheClipboard();
    void timelineItemsAreChecked();
    void dialogsAnswerFromTheKeyboard();

private:
    RichTextBox* editor() const { return m_area->worksheet()->editor(); }
    void openPasswordManagement();

    QList<SpellAnswer> m_answers;
    QStringList m_asked;
};

void TestEditingServices::initTestCase()
{
    REQUIRE_TOOL(!SpellEngine::findDictionary().isEmpty(), "The en_US dictionary (hunspell-en-us)");
    EditingDialogs::spellingAsker() = [this](const SpellQuestion& question, QWidget*) {
        m_asked << question.word;
        return m_answers.isEmpty() ? SpellAnswer{SpellAnswer::Cancel, QString()} : m_answers.takeFirst();
    };
}

void TestEditingServices::init()
{
    prepareWorkbook();
    m_answers.clear();
    m_asked.clear();
    openActionArea();
}

void TestEditingServices::cleanup()
{
    closeWorkbook();
}

void TestEditingServices::openPasswordManagement()
{
    QTest::mouseClick(m_area->leftHandButton(2), Qt::LeftButton);
    QTest::mouseClick(m_area->safeguardPanel()->button(2, 14), Qt::LeftButton);
    QTest::mouseClick(m_area->worksheet()->paneButton(WorksheetPane::ActionTaken), Qt::LeftButton);
    QCOMPARE(m_area->worksheet()->document()->fileName(), QStringLiteral("Action14.Fil"));
    editor()->setFocus();
    QTRY_VERIFY(editor()->hasFocus());
}

// Typing corrects each word as it ends, as the engine's own cases show in full, and the
// corrected text is what is saved. A word of the field, or one inside a longer word, stays.
void TestEditingServices::typingCorrects_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("shown");
    QTest::newRow("several words") << "i recieve teh reports alot " << QStringLiteral("I receive the reports a lot ");
    QTest::newRow("two-word key") << "Their are. " << QStringLiteral("There are. ");
    QTest::newRow("a word of the field") << "EHR " << QStringLiteral("EHR ");
    QTest::newRow("inside a word") << "tehran " << QStringLiteral("tehran ");
}

void TestEditingServices::typingCorrects()
{
    QFETCH(QString, typed);
    QFETCH(QString, shown);
    openPasswordManagement();
    QTest::keyClicks(editor(), typed);
    QCOMPARE(editor()->text(), shown);
    QTest::mouseClick(m_area->worksheet()->saveButton(), Qt::LeftButton);
    QTextDocument saved;
    QVERIFY(RtfReader::read(m_folder->read(QStringLiteral("Action14.Fil")), &saved));
    QCOMPARE(saved.toPlainText(), shown);
}

void TestEditingServices::undoBringsBackTheTypedWord()
{
    openPasswordManagement();
    QTest::keyClicks(editor(), QStringLiteral("so teh "));
    QCOMPARE(editor()->text(), QStringLiteral("so the "));
    QTest::keyClick(editor(), Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(editor()->text(), QStringLiteral("so teh "));
}

void TestEditingServices::misspellingsAreUnderlinedOnly()
{
    openPasswordManagement();
    QTest::keyClicks(editor(), QStringLiteral("A tset of zqx"));
    QTRY_COMPARE(editor()->extraSelections().size(), 2);
    QCOMPARE(editor()->extraSelections().at(1).cursor.selectedText(), QStringLiteral("zqx"));
    QVERIFY(!editor()->documentRtf().contains("\\ul"));
    QTest::keyClick(editor(), Qt::Key_Backspace);
    QCoreApplication::processEvents();
    QCOMPARE(editor()->extraSelections().size(), 2); // "zq" is still unknown
    editor()->selectAll();
    QTest::keyClicks(editor(), QStringLiteral("Clean"));
    QTRY_COMPARE(editor()->extraSelections().size(), 0);
    QTest::mouseClick(m_area->worksheet()->paneButton(WorksheetPane::ReferencesInRule), Qt::LeftButton);
    QCOMPARE(editor()->extraSelections().size(), 0);
}

void TestEditingServices::entryBoxCorrectsAfterTheFocusMovedThere()
{
    QTest::mouseClick(m_area->leftHandButton(1), Qt::LeftButton);
    QLineEdit* box = m_area->timeline()->itemBox();
    box->setFocus();
    QTRY_VERIFY(box->hasFocus());
    QTest::keyClicks(box, QStringLiteral("Reveiw teh logs"));
    QCOMPARE(box->text(), QStringLiteral("Review the logs"));
}

void TestEditingServices::editorTakesTheTabStops()
{
    openPasswordManagement();
    QPushButton* save = m_area->worksheet()->saveButton();
    QVERIFY(!(save->focusPolicy() & Qt::TabFocus));
    save->setFocusPolicy(Qt::NoFocus); // a control with no flag is passed over
    QLabel* label = m_area->worksheet()->statusLabel();
    label->setFocusPolicy(Qt::ClickFocus);
    m_area->worksheet()->statusList()->setFocus();
    QTRY_VERIFY(!editor()->hasFocus());
    QVERIFY(label->focusPolicy() & Qt::TabFocus);
    QCOMPARE(save->focusPolicy(), Qt::NoFocus);
    QVERIFY(m_area->worksheet()->printButton()->focusPolicy() & Qt::TabFocus);
}

void TestEditingServices::documentCheck_data()
{
    QTest::addColumn<QString>("before");
    QTest::addColumn<QList<SpellAnswer>>("answers");
    QTest::addColumn<QString>("after");
    QTest::addColumn<QStringList>("asked");
    QTest::addColumn<int>("underlined"); // words still marked afterwards
    using A = SpellAnswer;
    QTest::newRow("change all") << "tset one, Tset two. tset" << QList<A>{{A::ChangeAll, "test"}}
                                << "test one, Test two. test" << QStringList{"tset"} << 0;
    QTest::newRow("list words without a question")
        << "teh tset adn zqx" << QList<A>{{A::Change, "test"}, {A::Ignore, ""}} << "the test and zqx"
        << QStringList{"tset", "zqx"} << 1;
    QTest::newRow("ignore all") << "zqx zqx zqxx" << QList<A>{{A::IgnoreAll, ""}, {A::Ignore, ""}} << "zqx zqx zqxx"
                                << QStringList{"zqx", "zqxx"} << 1;
    QTest::newRow("cancel") << "tset zqx" << QList<A>{{A::Cancel, ""}} << "tset zqx" << QStringList{"tset"} << 2;
    QTest::newRow("clean") << "A clean sentence." << QList<A>{} << "A clean sentence." << QStringList{} << 0;
}

void TestEditingServices::documentCheck()
{
    QFETCH(QString, before);
    QFETCH(QList<SpellAnswer>, answers);
    QFETCH(QString, after);
    QFETCH(QStringList, asked);
    openPasswordManagement();
    editor()->setText(before);
    QVERIFY(m_area->worksheet()->document()->save());
    const QByteArray rtf = editor()->documentRtf();
    m_answers = answers;
    Messages::takeShown();
    QTest::mouseClick(m_area->worksheet()->spellButton(), Qt::LeftButton);
    QCOMPARE(editor()->text(), after);
    // A check that changes no word leaves the document as it was, unchanged.
    QCOMPARE(m_area->worksheet()->document()->isChanged(), after != before);
    if (after == before)
        QCOMPARE(editor()->documentRtf(), rtf);
    QCOMPARE(editor()->selStart(), 1);
    QCOMPARE(m_asked, asked);
    const QList<Messages::Shown> shown = Messages::takeShown();
    QCOMPARE(shown.size(), 1);
    QCOMPARE(shown.at(0).text, kSpellCheckEnd);
    QCOMPARE(shown.at(0).title, QStringLiteral("Spell Check"));
    QCOMPARE(shown.at(0).icon, Messages::Icon::Information);
    // Words answered Ignore All are no longer marked, and the user is back in the text.
    QFETCH(int, underlined);
    QTRY_COMPARE(editor()->extraSelections().size(), underlined);
    QVERIFY(editor()->hasFocus());
}

void TestEditingServices::correctionKeepsTheFormatting()
{
    openPasswordManagement();
    QTextCursor cursor(editor()->document());
    cursor.insertText(QStringLiteral("A "));
    QTextCharFormat bold;
    bold.setFontWeight(QFont::Bold);
    bold.setForeground(Qt::red);
    cursor.insertText(QStringLiteral("tset"), bold);
    cursor.insertText(QStringLiteral(" here"), QTextCharFormat());
    QVERIFY(m_area->worksheet()->document()->save());
    m_answers = {{SpellAnswer::Change, QStringLiteral("test")}};
    m_area->actions().spellCheck->trigger();
    QCOMPARE(editor()->text(), QStringLiteral("A test here"));
    for (int i = 2; i < 6; ++i) {
        QCOMPARE(formatAt(editor(), i).fontWeight(), int(QFont::Bold));
        QCOMPARE(formatAt(editor(), i).foreground().color(), QColor(Qt::red));
    }
    QVERIFY(formatAt(editor(), 7).fontWeight() != QFont::Bold);
    QVERIFY(m_area->worksheet()->document()->isChanged());
}

void TestEditingServices::thesaurusLooksUpTheWordAlone()
{
    openPasswordManagement();
    QStringList looked;
    std::optional<QString> choice = QStringLiteral("fast");
    EditingDialogs::thesaurusChooser() = [&](const QString& word, const Thesaurus&, QWidget*) {
        looked << word;
        return choice;
    };
    editor()->setText(QStringLiteral("A quick, brown fox"));
    editor()->setSelStart(5);
    QTest::mouseClick(m_area->worksheet()->thesaurusButton(), Qt::LeftButton);
    QCOMPARE(Messages::takeShown().last().text, QStringLiteral("Please highlight word you desire to look up!"));
    QVERIFY(looked.isEmpty());

    editor()->setSelStart(2);
    editor()->setSelLength(7); // "quick, "
    choice.reset();
    QTest::mouseClick(m_area->worksheet()->thesaurusButton(), Qt::LeftButton);
    QCOMPARE(editor()->text(), QStringLiteral("A quick, brown fox"));
    editor()->setSelLength(7);
    choice = QStringLiteral("fast");
    QTest::mouseClick(m_area->worksheet()->thesaurusButton(), Qt::LeftButton);
    QCOMPARE(looked, QStringList({QStringLiteral("quick"), QStringLiteral("quick")}));
    QCOMPARE(editor()->text(), QStringLiteral("A fast, brown fox"));
}

void TestEditingServices::fontSelectAppliesAndRestoresTheSelection()
{
    openPasswordManagement();
    editor()->setText(QStringLiteral("one two three"));
    editor()->setSelStart(4);
    editor()->setSelLength(3);
    std::optional<EditingDialogs::FontChoice> choice;
    EditingDialogs::FontChoice offered;
    EditingDialogs::fontChooser() = [&](const EditingDialogs::FontChoice& initial, QWidget*) {
        offered = initial;
        return choice;
    };
    m_area->actions().fontSelect->trigger();
    QCOMPARE(offered.font.family(), editor()->defaultFont().family());
    QVERIFY(!editor()->selBold());

    QFont font(QStringLiteral("DejaVu Serif"), 14);
    font.setBold(true);
    font.setStrikeOut(true);
    choice = EditingDialogs::FontChoice{font, QColor(Qt::blue)};
    QTest::mouseClick(m_area->worksheet()->fontButton(), Qt::LeftButton);
    QCOMPARE(editor()->selStart(), 4);
    QCOMPARE(editor()->selLength(), 3);
    QVERIFY(editor()->selBold() && editor()->selStrikeThru() && !editor()->selItalic());
    QCOMPARE(editor()->selFontName(), QStringLiteral("DejaVu Serif"));
    QCOMPARE(editor()->selFontSize(), 14.0);
    QCOMPARE(editor()->selColor(), QColor(Qt::blue));
    QVERIFY(!formatAt(editor(), 2).font().bold());
    QVERIFY(editor()->hasFocus());
}

void TestEditingServices::copyPutsOnlyRichTextOnTheClipboard()
{
    openPasswordManagement();
    editor()->setText(QStringLiteral("Copied whole"));
    editor()->setSelStart(0);
    editor()->setSelLength(6);
    QGuiApplication::clipboard()->setText(QStringLiteral("before"));
    m_area->actions().copyToClipboard->trigger();
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    QCOMPARE(data->formats(), QStringList{QString::fromLatin1(RtfClipboard::kMimeType)});
    QCOMPARE(data->data(QString::fromLatin1(RtfClipboard::kMimeType)), editor()->documentRtf());
    QVERIFY(!data->hasText());
    const Messages::Shown shown = Messages::takeShown().last();
    QCOMPARE(shown.text, QStringLiteral("A copy has been copied to the Windows Clipboard."));
    QCOMPARE(shown.title, QStringLiteral("Copy Option"));
}

void TestEditingServices::timelineItemsAreChecked()
{
    QTest::mouseClick(m_area->leftHandButton(1), Qt::LeftButton);
    TimelinePanel* timeline = m_area->timeline();
    timeline->grid()->setText(1, TimelineModel::kItemColumn, QStringLiteral("Reveiw tset logs"));
    m_answers = {{SpellAnswer::Change, QStringLiteral("test")}};
    Messages::takeShown();
    QPushButton* spell = timeline->findChild<QPushButton*>(QStringLiteral("timelineSpellButton"));
    QVERIFY(spell->isEnabled());
    QTest::mouseClick(spell, Qt::LeftButton);
    QCOMPARE(timeline->grid()->text(1, TimelineModel::kItemColumn), QStringLiteral("Review test logs"));
    QVERIFY(m_area->worksheet()->document()->isChanged());
    QVERIFY(timeline->itemNames().contains(QStringLiteral("Review test logs")));
    QCOMPARE(Messages::takeShown().last().text,
             QStringLiteral("Spell Check has been canceled or has reached the end of your entries"));
}

void TestEditingServices::dialogsAnswerFromTheKeyboard()
{
    SpellingDialog spelling({QStringLiteral("tset"), QStringLiteral("A tset."), {"test", "set"}, 2, 4});
    spelling.show();
    spelling.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&spelling));
    QTest::keyClick(spelling.findChild<QListWidget*>(QStringLiteral("suggestionList")), Qt::Key_Down);
    QTest::keyClick(spelling.findChild<QPushButton*>(QStringLiteral("changeAllButton")), Qt::Key_Space);
    QCOMPARE(spelling.answer().code, SpellAnswer::ChangeAll);
    QCOMPARE(int(spelling.answer().code), 1);
    QCOMPARE(spelling.answer().replacement, QStringLiteral("set"));

    const Thesaurus thesaurus;
    REQUIRE_TOOL(thesaurus.isAvailable(), "The en_US thesaurus (mythes-en-us)");
    ThesaurusDialog dialog(QStringLiteral("Quick"), thesaurus);
    dialog.show();
    auto* meanings = dialog.findChild<QListWidget*>(QStringLiteral("meaningList"));
    auto* synonyms = dialog.findChild<QListWidget*>(QStringLiteral("synonymList"));
    QVERIFY(meanings->count() > 1);
    QVERIFY(synonyms->count() > 0);
    synonyms->setFocus();
    QTest::keyClick(synonyms, Qt::Key_End);
    QCOMPARE(dialog.replacement(), synonyms->currentItem()->text());
    QVERIFY(!dialog.replacement().contains(QLatin1Char('(')));
}

QTEST_MAIN(TestEditingServices)
#include "tst_editingservices.moc"
