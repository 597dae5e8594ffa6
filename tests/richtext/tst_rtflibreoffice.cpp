// Interoperability with a real word processor and with pandoc. LibreOffice, run headless with a private profile,
// opens our RTF and saves it as RTF of its own, which must read back into the same document.
// LibreOffice writes every format again from what it understood, so nothing survives that it
// did not read. Files of other programs' kinds (headers, footnotes, text boxes, fragments) must
// lose no word that LibreOffice shows of them.
#include "DocumentDigest.h"
#include "RequiredTool.h"

#include "richtext/RtfReader.h"
#include "richtext/RtfWriter.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTextDocument>
#include <QtTest>

class TestRtfLibreOffice : public QObject
{
    Q_OBJECT
private slots:
    void formattingSurvivesLibreOffice();
    void pandocSeesListsAndOneTable();
    void noWordLibreOfficeShowsIsLost_data();
    void noWordLibreOfficeShowsIsLost();
};

namespace {

// Converts source with LibreOffice into dir/out as format ("rtf:Rich Text Format", "txt");
// the converted file's path, or empty when LibreOffice failed.
QString convert(const QString& soffice, const QTemporaryDir& dir, const QString& source, const QString& format)
{
    QProcess process;
    process.start(soffice, {QStringLiteral("-env:UserInstallation=") +
                                QUrl::fromLocalFile(dir.filePath(QStringLiteral("profile"))).toString(),
                            QStringLiteral("--headless"), QStringLiteral("--norestore"), QStringLiteral("--convert-to"),
                            format, QStringLiteral("--outdir"), dir.filePath(QStringLiteral("out")), source});
    if (!process.waitForFinished(120000))
        process.kill();
    if (process.exitCode() != 0)
        return QString();
    const QString extension = format.section(QLatin1Char(':'), 0, 0);
    return dir.filePath(QStringLiteral("out/") + QFileInfo(source).completeBaseName() + QLatin1Char('.') + extension);
}

QSet<QString> words(const QString& text)
{
    QSet<QString> found;
    static const QRegularExpression word(QStringLiteral("[A-Za-z]{2,}"));
    for (auto it = word.globalMatch(text); it.hasNext();)
        found.insert(it.next().captured().toLower());
    return found;
}

} // namespace

void TestRtfLibreOffice::formattingSurvivesLibreOffice()
{
    const QString soffice = QStandardPaths::findExecutable(QStringLiteral("soffice"));
    REQUIRE_TOOL(!soffice.isEmpty(), "LibreOffice (soffice)");
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    QTextDocument sample;
    DocumentDigest::buildFormattingSample(&sample);
    QFile source(dir.filePath(QStringLiteral("sample.rtf")));
    QVERIFY(source.open(QIODevice::WriteOnly) && source.write(RtfWriter::write(sample)) > 0);
    source.close();

    QProcess process;
    process.start(soffice, {QStringLiteral("-env:UserInstallation=") +
                                QUrl::fromLocalFile(dir.filePath(QStringLiteral("profile"))).toString(),
                            QStringLiteral("--headless"), QStringLiteral("--norestore"), QStringLiteral("--convert-to"),
                            QStringLiteral("rtf:Rich Text Format"), QStringLiteral("--outdir"),
                            dir.filePath(QStringLiteral("out")), source.fileName()});
    if (!process.waitForFinished(120000))
        process.kill();
    QCOMPARE(process.exitCode(), 0);

    QFile saved(dir.filePath(QStringLiteral("out/sample.rtf")));
    QVERIFY(saved.open(QIODevice::ReadOnly));
    const QByteArray rtf = saved.readAll();
    QVERIFY2(rtf.startsWith("{\\rtf1") && rtf != RtfWriter::write(sample), "not LibreOffice's own RTF");
    QTextDocument back;
    QVERIFY(RtfReader::read(rtf, &back));
    QCOMPARE(DocumentDigest::describe(back), DocumentDigest::describe(sample));
}

// pandoc reads the sample's lists as lists, the bulleted one inside the numbered one, and its
// table as one table of three rows. (pandoc 2.17 starts the outer list anew after a nested one,
// which it does with word processors' files too.)
void TestRtfLibreOffice::pandocSeesListsAndOneTable()
{
    const QString pandoc = QStandardPaths::findExecutable(QStringLiteral("pandoc"));
    REQUIRE_TOOL(!pandoc.isEmpty(), "pandoc");
    QTextDocument sample;
    DocumentDigest::buildFormattingSample(&sample);
    QProcess process;
    process.start(pandoc, {QStringLiteral("-f"), QStringLiteral("rtf"), QStringLiteral("-t"), QStringLiteral("json")});
    process.write(RtfWriter::write(sample));
    process.closeWriteChannel();
    QVERIFY(process.waitForFinished(60000));
    QCOMPARE(process.exitCode(), 0);
    const QJsonArray blocks =
        QJsonDocument::fromJson(process.readAllStandardOutput()).object().value("blocks").toArray();
    QStringList kinds;
    for (const QJsonValue& block : blocks)
        kinds.append(block.toObject().value("t").toString());
    QVERIFY2(kinds.contains(QStringLiteral("OrderedList")), qPrintable(kinds.join(QLatin1Char(' '))));
    QCOMPARE(kinds.count(QStringLiteral("Table")), 1);
    const QJsonArray firstItem =
        blocks[kinds.indexOf(QStringLiteral("OrderedList"))].toObject().value("c").toArray()[1].toArray()[0].toArray();
    QVERIFY(QJsonDocument(firstItem).toJson().contains("\"BulletList\""));
    // The table's body holds its rows.
    const QJsonArray table = blocks[kinds.indexOf(QStringLiteral("Table"))].toObject().value("c").toArray();
    QCOMPARE(table[4].toArray()[0].toArray()[3].toArray().size(), 3);
}

// Small files of our own making, each with what Word and LibreOffice write that a workbook
// editor has no place for; wanted are words our reader must show, wherever it puts them.
void TestRtfLibreOffice::noWordLibreOfficeShowsIsLost_data()
{
    QTest::addColumn<QByteArray>("rtf");
    QTest::addColumn<QStringList>("wanted");
    QTest::newRow("header and footer")
        << QByteArray("{\\rtf1\\ansi{\\header \\pard Riverside policy manual\\par}{\\footer \\pard Confidential "
                      "draft}\\pard Workforce members sign the policy.\\par}")
        << QStringList{"riverside", "confidential", "workforce"};
    QTest::newRow("footnote")
        << QByteArray("{\\rtf1\\ansi\\pard Backups are encrypted{\\super\\chftn}{\\footnote\\pard\\plain{\\super"
                      "\\chftn} See the contingency plan appendix.} before they leave.\\par}")
        << QStringList{"contingency", "appendix", "before"};
    QTest::newRow("text box")
        << QByteArray(
               "{\\rtf1\\ansi\\pard Before the box.\\par{\\shp{\\*\\shpinst\\shpleft0\\shptop0{\\sp{\\sn "
               "shapeType}{\\sv 202}}{\\shptxt\\pard Emergency contacts inside\\par}}{\\shprslt{\\*\\do\\dobxcolumn"
               "{\\dptxbx{\\pard Emergency contacts inside\\par}}}}}\\pard After the box.\\par}")
        << QStringList{"emergency", "contacts", "after"};
    QTest::newRow("merged cells")
        << QByteArray("{\\rtf1\\ansi\\trowd\\cellx6000\\pard\\intbl Workstation inventory\\cell\\row\\trowd\\clvmgf"
                      "\\cellx3000\\cellx6000\\pard\\intbl Reception\\cell Laptop\\cell\\row\\trowd\\clvmrg\\cellx3000"
                      "\\cellx6000\\pard\\intbl\\cell Printer\\cell\\row\\pard Checked monthly.\\par}")
        << QStringList{"inventory", "reception", "printer", "monthly"};
    QTest::newRow("word processor list")
        << QByteArray(
               "{\\rtf1\\ansi{\\*\\listtable{\\list{\\listlevel\\levelnfc0{\\leveltext\\'02\\'00.;}}\\listid5}}"
               "{\\*\\listoverridetable{\\listoverride\\listid5\\ls1}}{\\listtext 1.\\tab}\\pard\\ls1\\li720\\fi-360 "
               "Encrypt laptops\\par{\\listtext 2.\\tab}\\pard\\ls1\\li720\\fi-360 Wipe old drives\\par}")
        << QStringList{"encrypt", "wipe", "drives"};
    QTest::newRow("nested table")
        << QByteArray("{\\rtf1\\ansi\\trowd\\cellx4000\\cellx8000\\pard\\intbl\\itap2 Server\\nestcell Locked\\nestcell"
                      "{\\*\\nesttableprops\\trowd\\cellx2000\\cellx4000\\nestrow}{\\nonesttables Server Locked\\par}"
                      "\\pard\\intbl\\itap1\\cell Closet\\cell\\row\\pard Done.\\par}")
        << QStringList{"server", "locked", "closet", "done"};
    QTest::newRow("raised text")
        << QByteArray("{\\rtf1\\ansi\\pard E = mc\\plain\\super 2\\plain  is raised, more words\\par}")
        << QStringList{"raised", "more", "words"};
}

void TestRtfLibreOffice::noWordLibreOfficeShowsIsLost()
{
    QFETCH(QByteArray, rtf);
    QFETCH(QStringList, wanted);
    const QString soffice = QStandardPaths::findExecutable(QStringLiteral("soffice"));
    REQUIRE_TOOL(!soffice.isEmpty(), "LibreOffice (soffice)");
    QTemporaryDir dir;
    QFile source(dir.filePath(QStringLiteral("fixture.rtf")));
    QVERIFY(source.open(QIODevice::WriteOnly) && source.write(rtf) == rtf.size());
    source.close();
    QFile text(convert(soffice, dir, source.fileName(), QStringLiteral("txt")));
    QVERIFY(text.open(QIODevice::ReadOnly));
    QTextDocument ours;
    QVERIFY(RtfReader::read(rtf, &ours));
    const QSet<QString> read = words(ours.toPlainText());
    const QSet<QString> shownByLibreOffice = words(QString::fromUtf8(text.readAll()));
    QVERIFY2(read.contains(shownByLibreOffice), qPrintable(ours.toPlainText()));
    for (const QString& word : wanted)
        QVERIFY2(read.contains(word), qPrintable(word + QStringLiteral(" is missing from: ") + ours.toPlainText()));
}

QTEST_MAIN(TestRtfLibreOffice)
#include "tst_rtflibreoffice.moc"
