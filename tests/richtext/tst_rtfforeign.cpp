// RTF as other writers produce it: a current RichEdit (WordPad) and the old RichEdit 1.0 control.
#include "richtext/RtfReader.h"

#include <QFile>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QtTest>

namespace {

QTextDocument* readFixture(const QString& name, QTextDocument* document)
{
    QFile file(QStringLiteral(TESSALY_TEST_DATA "/rtf/") + name);
    if (!file.open(QIODevice::ReadOnly) || !RtfReader::read(file.readAll(), document))
        return nullptr;
    return document;
}

// The format of the first character of the first occurrence of text.
QTextCharFormat formatOf(QTextDocument* document, const QString& text)
{
    QTextCursor found = document->find(text);
    if (found.isNull())
        return QTextCharFormat();
    QTextCursor inside(document);
    inside.setPosition(found.selectionStart() + 1);
    return inside.charFormat();
}

} // namespace

class TestRtfForeign : public QObject
{
    Q_OBJECT
private slots:
    void richEdit20();
    void richEdit10();
};

void TestRtfForeign::richEdit20()
{
    QTextDocument document;
    QVERIFY(readFixture(QStringLiteral("foreign-richedit20.rtf"), &document));
    QCOMPARE(document.blockCount(), 3);
    QCOMPARE(document.begin().text(), QStringLiteral("Plain bold italic under gone red"));
    QVERIFY(formatOf(&document, QStringLiteral("bold")).fontWeight() >= QFont::Bold);
    QVERIFY(formatOf(&document, QStringLiteral("Plain")).fontWeight() < QFont::Bold);
    QVERIFY(formatOf(&document, QStringLiteral("italic")).fontItalic());
    QVERIFY(formatOf(&document, QStringLiteral("under")).fontUnderline());
    QVERIFY(formatOf(&document, QStringLiteral("gone")).fontStrikeOut());
    QCOMPARE(formatOf(&document, QStringLiteral("red")).foreground().color(), QColor(255, 0, 0));
    QCOMPARE(formatOf(&document, QStringLiteral("Plain")).fontPointSize(), 11.0);
    const QTextBlock centred = document.begin().next();
    QCOMPARE(centred.blockFormat().alignment() & Qt::AlignHorizontal_Mask, Qt::AlignHCenter);
    QCOMPARE(formatOf(&document, QStringLiteral("Centered")).fontFamilies().toStringList().value(0),
             QStringLiteral("Times New Roman"));
    QCOMPARE(formatOf(&document, QStringLiteral("Centered")).fontPointSize(), 14.0);
    QCOMPARE(centred.next().blockFormat().alignment() & Qt::AlignHorizontal_Mask, Qt::AlignRight);
    QCOMPARE(centred.next().text(), QString::fromUtf8("Right side caf\u00E9 \u20AC"));
}

void TestRtfForeign::richEdit10()
{
    QTextDocument document;
    QVERIFY(readFixture(QStringLiteral("foreign-richedit10.rtf"), &document));
    QCOMPARE(document.begin().text().trimmed(), QStringLiteral("Policy owner: Office Manager"));
    QVERIFY(formatOf(&document, QStringLiteral("Office Manager")).fontWeight() >= QFont::Bold);
    QVERIFY(formatOf(&document, QStringLiteral("Policy")).fontWeight() < QFont::Bold);
    QCOMPARE(formatOf(&document, QStringLiteral("Policy")).fontPointSize(), 8.5);
    const QTextBlock second = document.begin().next();
    QCOMPARE(second.text().trimmed(), QStringLiteral("Reviewed yearly"));
    QCOMPARE(second.blockFormat().alignment() & Qt::AlignHorizontal_Mask, Qt::AlignHCenter);
    const QTextCharFormat reviewed = formatOf(&document, QStringLiteral("Reviewed"));
    QVERIFY(reviewed.fontItalic());
    QCOMPARE(reviewed.foreground().color(), QColor(0, 0, 255));
    QCOMPARE(reviewed.fontFamilies().toStringList().value(0), QStringLiteral("Times New Roman"));
}

QTEST_GUILESS_MAIN(TestRtfForeign)
#include "tst_rtfforeign.moc"
