// The three read-only reference texts of every safeguard: where each comes from and how it is laid out.
#pragma once

#include "catalog/SafeguardCatalog.h"

#include <QString>
#include <QStringList>

class QTextDocument;

namespace ReferenceTexts {

// The sample entry shows the reference texts of Password Management.
constexpr int kSampleEntryNumber = 14;

// False for the Implementation specification pane of the two Overview entries (42, 45)
// and for numbers outside 0-46.
bool isAvailable(int number, WorksheetPane pane);

// The RTF document in the program folder shown instead of a built-in text, or empty when
// the pane's text is built in.
QString referenceFile(int number, WorksheetPane pane);

// "Implementation Specification:", "References in Rule:", "Additional Information:".
QString headingLine(WorksheetPane pane);

// True when the entry's specification is marked "(A)".
bool isAddressable(int number);

// The explanation that opens the Additional Information text of an Addressable entry.
QStringList addressableBlock();

// The phrase shown bold and underlined in the pane's built-in text; empty when the pane
// has no built-in text.
QString keyTerm(int number, WorksheetPane pane);

// The pane's body paragraphs as supplied with the program, joined by CR LF; empty when
// none is supplied.
QString body(int number, WorksheetPane pane);

// True when the pane is available, is not replaced by a reference file and its body is supplied.
bool hasBuiltInText(int number, WorksheetPane pane);

// The whole plain text: heading line, an empty line, for an Addressable entry's Additional
// Information the explanation block and an empty line, then the body; lines end with CR LF.
// Empty when hasBuiltInText is false.
QString builtInText(int number, WorksheetPane pane);

// Makes every occurrence of term bold and underlined, searching from the start without
// regard to letter case and going on after each match. Everything else is left as it was.
void emphasiseKeyTerm(QTextDocument* document, const QString& term);

// Replaces the document's content with the built-in text and emphasises its key term.
// Returns false, leaving the document untouched, when the pane has no built-in text.
bool buildDocument(QTextDocument* document, int number, WorksheetPane pane);

} // namespace ReferenceTexts
