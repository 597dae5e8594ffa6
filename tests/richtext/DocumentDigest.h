// A readable description of a document's structure and formatting, for comparing documents
// by what they contain rather than by the bytes of their RTF.
#pragma once

#include <QStringList>

class QTextDocument;

namespace DocumentDigest {

// One line per paragraph: table cell (if any), alignment, indents, spacing, then each run of
// equally formatted characters with its effective font, size, styles and colours. Adjacent
// fragments with the same effective formatting are merged.
QStringList describe(const QTextDocument& document);

// The formatting sample documents are checked with: Arial 10 by default; a bold 16 pt
// centred heading "Security officer checklist"; a paragraph of "italic", "underlined",
// "struck", "small times" (Times New Roman 8 pt) and "red" (#c00000) separated by plain
// blanks; a right-aligned 12 pt "right aligned"; raised and lowered text mid-paragraph; a
// numbered list with a bulleted list inside it; a table with merged cells across and down.
void buildFormattingSample(QTextDocument* document);

} // namespace DocumentDigest
