// A document file on disk and the QTextDocument that shows it: reading a file in whatever
// form it comes (the program's RTF, RTF cut off, plain notes) and writing a document back as
// RTF through the one atomic write. Screens never touch a document's file themselves.
#pragma once

#include <QString>

class QTextDocument;

namespace DocumentFile {

// What read() found in a file.
enum class Source
{
    Rtf,
    DamagedRtf, // cut off: what could be read is shown
    PlainText,  // not RTF: shown as Windows-1252 text
    Missing,
    Refused // not a regular file, a link, too large or unreadable: see *error
};
inline bool isShown(Source source)
{
    return source <= Source::PlainText;
}

// name is a bare file name in the program folder (found as DataFolder finds it) or an absolute
// path. A missing or refused file leaves document as it was; every other file replaces its
// content.
Source read(const QString& name, QTextDocument* document, QString* error = nullptr);
// The same for a file's bytes already in hand (a version from the history): Rtf, DamagedRtf
// or PlainText.
Source show(const QByteArray& bytes, QTextDocument* document);
// Writes the whole document as RTF, replacing the file atomically (a bare name goes to the
// writable root). On failure the file on disk is unchanged and *error says why.
bool write(const QString& name, const QTextDocument& document, QString* error = nullptr);

} // namespace DocumentFile
