// Reads RTF into a QTextDocument.
#pragma once

#include <QByteArray>
#include <QString>

class QTextDocument;

namespace RtfReader {

// Replaces the document's content with the RTF's. A fragment without the "{\rtf" head (it
// starts with a control word) is read as a document. Returns false, leaving the document
// untouched, only when the bytes are not RTF at all;
// damaged RTF still gives the most readable document possible. Embedded objects are
// never run; pictures other than PNG and JPEG are left out. Headers, footers and the text of
// shapes are read where they stand, as paragraphs; footnotes keep a "[1]" mark in the text
// and follow the body, numbered, under "Notes". *damaged (if given) tells
// whether the RTF ended before its groups were closed, as a cut-off file does, or held the
// hex data of a picture or object outside its group, which is left out rather than shown.
bool read(const QByteArray& rtf, QTextDocument* document, QString* error = nullptr, bool* damaged = nullptr);

} // namespace RtfReader
