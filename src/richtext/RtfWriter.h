// Writes a QTextDocument as RTF that word processors open with the same formatting.
#pragma once

#include <QByteArray>

class QTextDocument;
class QTextDocumentFragment;

namespace RtfWriter {

// "{\rtf1\ansi\ansicpg1252\deff0" with font and colour tables built from the document;
// characters outside Windows-1252 as \uN?. Every paragraph ends with \par. Lists are
// real RTF lists (\listtable, \ls, \ilvl) with each item's mark also given as \listtext.
QByteArray write(const QTextDocument& document);
QByteArray write(const QTextDocumentFragment& fragment);

} // namespace RtfWriter
