// The combined reference texts of one safeguard, as one document in the printer font with
// the safeguard's own name marked.
#pragma once

#include "printing/PrintSettings.h"

#include <QStringList>
#include <array>
#include <memory>

class QTextDocument;

namespace ReferencePrintout {

// The phrase marked in the texts of the safeguard at a 1-based catalog position; empty
// for a position without one.
QString searchPhrase(int position);

// The plain texts whose boxes are ticked, in order, separated by one blank line, in the
// printer font; the first occurrence of the position's phrase bold and underlined.
std::unique_ptr<QTextDocument> build(const QStringList& texts, const std::array<bool, 3>& ticked,
                                     const PrintSettings& settings, int position);

} // namespace ReferencePrintout
