// Qt parses the Markdown; our writer emits the RTF. Only the fonts are adjusted in between.
#include "MarkdownDocument.h"

#include "richtext/RtfWriter.h"

#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

namespace {

const QString kBodyFont = QStringLiteral("Times New Roman");
const QString kCodeFont = QStringLiteral("Courier New");
constexpr double kBodyPoints = 12;
constexpr double kParagraphSpacing = 8; // pixels after each paragraph, about 6 points

// Qt marks code with the platform's fixed font, whose name means nothing on another machine.
void useNamedCodeFont(QTextDocument* document)
{
    QTextCursor cursor(document);
    for (QTextBlock block = document->begin(); block.isValid(); block = block.next()) {
        for (QTextBlock::iterator it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            if (!fragment.charFormat().fontFixedPitch())
                continue;
            QTextCharFormat code;
            code.setFontFamilies({kCodeFont});
            cursor.setPosition(fragment.position());
            cursor.setPosition(fragment.position() + fragment.length(), QTextCursor::KeepAnchor);
            cursor.mergeCharFormat(code);
        }
    }
}

// Paragraphs without spacing of their own get a little room after them, as in a letter.
void spaceParagraphs(QTextDocument* document)
{
    QTextCursor cursor(document);
    for (QTextBlock block = document->begin(); block.isValid(); block = block.next()) {
        if (block.blockFormat().bottomMargin() > 0 || block.textList())
            continue;
        QTextBlockFormat spacing;
        spacing.setBottomMargin(kParagraphSpacing);
        cursor.setPosition(block.position());
        cursor.mergeBlockFormat(spacing);
    }
}

} // namespace

namespace MarkdownDocument {

QByteArray toRtf(const QString& markdown)
{
    QTextDocument document;
    document.setDefaultFont(QFont(kBodyFont, kBodyPoints));
    document.setMarkdown(markdown, QTextDocument::MarkdownDialectGitHub);
    useNamedCodeFont(&document);
    spaceParagraphs(&document);
    return RtfWriter::write(document);
}

} // namespace MarkdownDocument
