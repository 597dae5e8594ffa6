// RichTextBox: files, selection, search, formatting, locking and the events callers rely on.
#include "DocumentDigest.h"
#include "TestFolder.h"

#include "richtext/DocumentFile.h"
#include "richtext/RichTextBox.h"

#include <QSignalSpy>
#include <QTextBlock>
#include <QtTest>

class TestRichTextBox : public QObject
{
    Q_OBJECT
private slots:
    void loadTellsWhatTheFileHeld_data();
    void loadTellsWhatTheFileHeld();
    void saveAndLoadKeepFormatting();
    void selectionStartLengthAndText();
    void findIsCaseInsensitiveFromTheStart();
    void alignmentOfSelectedParagraphs();
    void lockedKeepsUserOut();
    void contentChangedForProgramChanges();
    void typingTabsAndStyleShortcuts();
    void selectionRtfHoldsOnlyTheSelection();
};

namespace {

void typeFormattedDocument(RichTextBox* box)
{
    box->setText(QStringLiteral("Heading\nbold italic underline strike\nsmall big red\nright"));
    auto select = [box](const QString& word) { QVERIFY(box->find(word)); };
    select(QStringLiteral("Heading"));
    box->setSelFontSize(18);
    box->setSelBold(true);
    box->setSelAlignment(Qt::AlignHCenter);
    select(QStringLiteral("bold"));
    box->setSelBold(true);
    select(QStringLiteral("italic"));
    box->setSelItalic(true);
    select(QStringLiteral("underline"));
    box->setSelUnderline(true);
    select(QStringLiteral("strike"));
    box->setSelStrikeThru(true);
    select(QStringLiteral("small"));
    box->setSelFontName(QStringLiteral("Times New Roman"));
    box->setSelFontSize(8);
    select(QStringLiteral("big"));
    box->setSelFontSize(24);
    select(QStringLiteral("red"));
    box->setSelColor(QColor(200, 0, 0));
    select(QStringLiteral("right"));
    box->setSelAlignment(Qt::AlignRight);
}

} // namespace

void TestRichTextBox::loadTellsWhatTheFileHeld_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<int>("source");
    QTest::addColumn<QString>("shown");
    QTest::newRow("rtf, name in another case")
        << QByteArray("{\\rtf1\\ansi{\\fonttbl{\\f0 Arial;}}\\f0 {\\b Loaded} text\\par}")
        << int(DocumentFile::Source::Rtf) << "Loaded text";
    QTest::newRow("cut off") << QByteArray("{\\rtf1\\ansi Half a par") << int(DocumentFile::Source::DamagedRtf)
                             << "Half a par";
    QTest::newRow("plain windows-1252") << QByteArray("Caf\xe9 notes\r\nsecond line")
                                        << int(DocumentFile::Source::PlainText)
                                        << QString::fromUtf8("Café notes\nsecond line");
    QTest::newRow("missing") << QByteArray() << int(DocumentFile::Source::Missing) << "kept text";
}

void TestRichTextBox::loadTellsWhatTheFileHeld()
{
    QFETCH(QByteArray, bytes);
    QFETCH(int, source);
    QFETCH(QString, shown);
    TestFolder folder(false);
    if (source != int(DocumentFile::Source::Missing))
        folder.write(QStringLiteral("Doc1.Dat"), bytes);
    QTextDocument document;
    document.setPlainText(QStringLiteral("kept text"));
    QCOMPARE(int(DocumentFile::read(QStringLiteral("doc1.dat"), &document)), source);
    QCOMPARE(document.toPlainText(), shown);
}

// Formatting set through the sel* properties changes the selection only, is saved as RTF,
// and reads back the same.
void TestRichTextBox::saveAndLoadKeepFormatting()
{
    TestFolder folder(false);
    RichTextBox box;
    typeFormattedDocument(&box);
    const QStringList typed = DocumentDigest::describe(*box.document());
    QCOMPARE(typed,
             (QStringList{
                 "center li=0 ri=0 fi=0 sb=0 sa=0 | [Arial 18 b] \"Heading\"",
                 "left li=0 ri=0 fi=0 sb=0 sa=0 | [Arial 10 b] \"bold\" [Arial 10] \" \" [Arial 10 i] \"italic\" "
                 "[Arial 10] \" \" [Arial 10 u] \"underline\" [Arial 10] \" \" [Arial 10 s] \"strike\"",
                 "left li=0 ri=0 fi=0 sb=0 sa=0 | [Times New Roman 8] \"small\" [Arial 10] \" \" [Arial 24] \"big\" "
                 "[Arial 10] \" \" [Arial 10 fg=#c80000] \"red\"",
                 "right li=0 ri=0 fi=0 sb=0 sa=0 | [Arial 10] \"right\""}));
    QString error;
    QVERIFY2(DocumentFile::write(QStringLiteral("Saved.Dat"), *box.document(), &error), qPrintable(error));
    QVERIFY(folder.read(QStringLiteral("Saved.Dat")).startsWith("{\\rtf1\\ansi\\ansicpg1252\\deff0"));

    RichTextBox other;
    QCOMPARE(DocumentFile::read(QStringLiteral("Saved.Dat"), other.document()), DocumentFile::Source::Rtf);
    QCOMPARE(DocumentDigest::describe(*other.document()), typed);
    QVERIFY(other.find(QStringLiteral("heading")));
    QVERIFY(other.selBold() && !other.selItalic() && !other.selUnderline() && !other.selStrikeThru());
    QCOMPARE(other.selAlignment(), Qt::AlignHCenter);
    QCOMPARE(other.selFontSize(), 18.0);
    QVERIFY(other.find(QStringLiteral("red")));
    QCOMPARE(other.selColor(), QColor(200, 0, 0));
    QCOMPARE(other.selFontName(), QStringLiteral("Arial"));
    QVERIFY(other.find(QStringLiteral("strike")));
    QVERIFY(other.selStrikeThru() && !other.selBold());
    other.setSelStrikeThru(false);
    QVERIFY(!other.selStrikeThru());
}

void TestRichTextBox::selectionStartLengthAndText()
{
    RichTextBox box;
    box.setText(QStringLiteral("alpha\nbeta gamma"));
    box.setSelStart(6);
    QCOMPARE(box.selStart(), 6);
    QCOMPARE(box.selLength(), 0);
    box.setSelLength(4);
    QCOMPARE(box.selText(), QStringLiteral("beta"));
    box.setSelText(QStringLiteral("BETA"));
    QCOMPARE(box.text(), QStringLiteral("alpha\nBETA gamma"));
    QCOMPARE(box.selStart(), 10);
    QCOMPARE(box.selLength(), 0);

    box.setSelStart(3);
    box.setSelLength(5);
    QCOMPARE(box.selText(), QStringLiteral("ha\nBE"));
    box.setSelStart(1000);
    QCOMPARE(box.selStart(), box.text().size());
    box.setSelStart(-5);
    QCOMPARE(box.selStart(), 0);
    box.setSelLength(1000);
    QCOMPARE(box.selLength(), box.text().size());
}

void TestRichTextBox::findIsCaseInsensitiveFromTheStart()
{
    RichTextBox box;
    box.setText(QStringLiteral("Risk analysis\nrisk management"));
    box.setSelStart(20);
    QVERIFY(box.find(QStringLiteral("RISK")));
    QCOMPARE(box.selStart(), 0);
    QCOMPARE(box.selLength(), 4);
    QCOMPARE(box.selText(), QStringLiteral("Risk"));
    QVERIFY(box.find(QStringLiteral("management")));
    QCOMPARE(box.selStart(), 19);
    QVERIFY(!box.find(QStringLiteral("contingency")));
    QCOMPARE(box.selStart(), 19);
    QVERIFY(!box.find(QString()));
}

void TestRichTextBox::alignmentOfSelectedParagraphs()
{
    RichTextBox box;
    box.setText(QStringLiteral("one\ntwo\nthree"));
    box.setSelStart(1);
    box.setSelLength(5); // from "one" into "two"
    box.setSelAlignment(Qt::AlignHCenter);
    QCOMPARE(box.selAlignment(), Qt::AlignHCenter);
    QTextBlock block = box.document()->begin();
    QCOMPARE(block.blockFormat().alignment(), Qt::AlignHCenter);
    QCOMPARE(block.next().blockFormat().alignment(), Qt::AlignHCenter);
    QCOMPARE(block.next().next().blockFormat().alignment(), Qt::AlignLeft);
    box.setSelAlignment(Qt::AlignLeft);
    QCOMPARE(box.selAlignment(), Qt::AlignLeft);
}

void TestRichTextBox::lockedKeepsUserOut()
{
    RichTextBox box;
    box.setText(QStringLiteral("fixed"));
    box.setLocked(true);
    QVERIFY(box.isLocked());
    box.setSelStart(5);
    QTest::keyClicks(&box, QStringLiteral("typed"));
    QTest::keyClick(&box, Qt::Key_Backspace);
    QCOMPARE(box.text(), QStringLiteral("fixed"));
    // The program still changes a locked box.
    box.setSelText(QStringLiteral(" by program"));
    QCOMPARE(box.text(), QStringLiteral("fixed by program"));
    QVERIFY(box.find(QStringLiteral("fixed")));
    box.setSelBold(true);
    QVERIFY(box.selBold());
    box.setText(QStringLiteral("replaced"));
    QCOMPARE(box.text(), QStringLiteral("replaced"));
    box.setLocked(false);
    box.setSelStart(8);
    QTest::keyClicks(&box, QStringLiteral("!"));
    QCOMPARE(box.text(), QStringLiteral("replaced!"));
}

void TestRichTextBox::contentChangedForProgramChanges()
{
    RichTextBox box;
    QSignalSpy changed(&box, &RichTextBox::contentChanged);
    auto reports = [&changed](const std::function<void()>& change) {
        changed.clear();
        change();
        return !changed.isEmpty();
    };
    QVERIFY(reports([&] { box.setText(QStringLiteral("a")); }));
    QVERIFY(reports([&] { box.setSelText(QStringLiteral("b")); }));
    QVERIFY(reports([&] { box.loadRtf("{\\rtf1 loaded}"); }));
    QVERIFY(reports([&] { box.selectAll(), box.setSelBold(true); }));
    QVERIFY(reports([&] { QTest::keyClicks(&box, QStringLiteral("x")); }));
}

// Tab types a tab rather than moving on to the next box; Ctrl+B, Ctrl+I and Ctrl+U switch
// the style of what is typed next.
void TestRichTextBox::typingTabsAndStyleShortcuts()
{
    QWidget window;
    RichTextBox box(&window);
    RichTextBox next(&window);
    window.show();
    box.setFocus();
    QTest::keyClick(&box, Qt::Key_Tab);
    QTest::keyClicks(&box, QStringLiteral("a"));
    QTest::keyClick(&box, Qt::Key_B, Qt::ControlModifier);
    QTest::keyClicks(&box, QStringLiteral("b"));
    QTest::keyClick(&box, Qt::Key_B, Qt::ControlModifier);
    QTest::keyClick(&box, Qt::Key_I, Qt::ControlModifier);
    QTest::keyClick(&box, Qt::Key_U, Qt::ControlModifier);
    QTest::keyClicks(&box, QStringLiteral("c"));
    QCOMPARE(box.text(), QStringLiteral("\tabc"));
    auto formatAt = [&box](int position) {
        QTextCursor cursor(box.document());
        cursor.setPosition(position + 1);
        return cursor.charFormat();
    };
    QVERIFY(formatAt(1).fontWeight() < QFont::Bold);
    QVERIFY(formatAt(2).fontWeight() >= QFont::Bold);
    QVERIFY(formatAt(3).fontWeight() < QFont::Bold);
    QVERIFY(formatAt(3).fontItalic() && formatAt(3).fontUnderline());

    // A locked box takes no shortcut either.
    box.selectAll();
    box.setLocked(true);
    QTest::keyClick(&box, Qt::Key_B, Qt::ControlModifier);
    QVERIFY(formatAt(1).fontWeight() < QFont::Bold);
}

void TestRichTextBox::selectionRtfHoldsOnlyTheSelection()
{
    RichTextBox box;
    box.setText(QStringLiteral("keep this part"));
    QVERIFY(box.find(QStringLiteral("this")));
    box.setSelItalic(true);
    const QByteArray selection = box.selectionRtf();
    QVERIFY(selection.contains("\\plain\\f0\\fs20\\i this"));
    QVERIFY(!selection.contains("keep"));
    const QByteArray whole = box.documentRtf();
    QVERIFY(whole.contains("keep"));
    QVERIFY(whole.contains("part"));
}

QTEST_MAIN(TestRichTextBox)
#include "tst_richtextbox.moc"
