// Markdown to RTF with the look of a printed document.
#pragma once

#include <QByteArray>
#include <QString>

namespace MarkdownDocument {

// Parses Markdown (GitHub dialect) with Qt's parser on a Times New Roman 12 pt base, so that
// headings, emphasis, lists, quotations and tables come out as a word processor would show
// them, and returns the document as RTF.
QByteArray toRtf(const QString& markdown);

} // namespace MarkdownDocument
