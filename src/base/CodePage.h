// The program's 8-bit code page: Windows-1252, byte for byte.
#pragma once

#include <QByteArray>
#include <QString>

namespace CodePage {

// The Unicode character of a Windows-1252 byte. The five bytes that code page
// leaves undefined (0x81, 0x8D, 0x8F, 0x90, 0x9D) map to the C1 controls of the
// same value, so that every byte survives a round trip.
QChar toUnicode(unsigned char byte);
QString toUnicode(const QByteArray& bytes);

// The Windows-1252 byte of a character, or false when the code page has none.
bool fromUnicode(QChar ch, unsigned char* byte);
// Characters outside the code page become '?'.
QByteArray fromUnicode(const QString& text);

} // namespace CodePage
