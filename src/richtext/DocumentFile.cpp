#include "richtext/DocumentFile.h"

#include "base/AtomicFile.h"
#include "base/CodePage.h"
#include "base/DataFolder.h"
#include "richtext/RtfReader.h"
#include "richtext/RtfWriter.h"

#include <QDir>
#include <QTextDocument>

namespace DocumentFile {

Source read(const QString& name, QTextDocument* document, QString* error)
{
    QByteArray bytes;
    const QString path = QDir::isAbsolutePath(name) ? name : DataFolder::path(name);
    switch (readFileWithin(path, FileLimits::kDocument, &bytes, error)) {
    case ReadOutcome::Missing:
        if (error)
            *error = QStringLiteral("The document %1 does not exist yet.").arg(name);
        return Source::Missing;
    case ReadOutcome::Refused:
        return Source::Refused;
    case ReadOutcome::Read:
        break;
    }
    return show(bytes, document);
}

Source show(const QByteArray& bytes, QTextDocument* document)
{
    bool damaged = false;
    if (RtfReader::read(bytes, document, nullptr, &damaged))
        return damaged ? Source::DamagedRtf : Source::Rtf;
    // Notes written with another editor: shown as they are, in the program's code page.
    QString text = CodePage::toUnicode(bytes);
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(QLatin1Char('\r'), QLatin1Char('\n'));
    document->setPlainText(text);
    document->setModified(false);
    return Source::PlainText;
}

bool write(const QString& name, const QTextDocument& document, QString* error)
{
    const QString path = QDir::isAbsolutePath(name) ? name : DataFolder::writePath(name);
    return writeFileAtomically(path, RtfWriter::write(document), error);
}

} // namespace DocumentFile
