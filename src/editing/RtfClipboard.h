// Putting a whole document on the system clipboard as rich text, and nothing else.
#pragma once

#include <QByteArray>

namespace RtfClipboard {

// The MIME type under which the toolkit offers the "Rich Text Format" clipboard format.
constexpr const char* kMimeType = "text/rtf";

// Replaces the clipboard's content with rtf, single-byte RTF text, as its one format.
void copy(const QByteArray& rtf);

} // namespace RtfClipboard
