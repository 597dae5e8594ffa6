// Interoperability with a real word processor: LibreOffice, run headless with a private profile,
// opens our RTF and saves it as RTF of its own, which must read back into the same document.
// LibreOffice writes every format again from what it understood, so nothing survives that it
// did not read.
#include "DocumentDigest.h"
#include "RequiredTool.h"

#include "richtext/RtfReader.h"
#include "richtext/RtfWriter.h"

#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTextDocument>
#include <QtTest>

class TestRtfLibreOffice : public QObject
{
    Q_OBJECT
private slots:
    void formattingSurvivesLibreOffice();
};

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

QTEST_MAIN(TestRtfLibreOffice)
#include "tst_rtflibreoffice.moc"
