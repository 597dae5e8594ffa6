// Turns the 8-bit bytes of an RTF file (\'hh and raw text) into Unicode, per code page.
#pragma once

#include <QByteArray>
#include <QString>

#include <map>
#include <memory>

class QStringDecoder;

class RtfCodePages
{
public:
    RtfCodePages();
    ~RtfCodePages();

    // The Windows code page a font's \fcharset stands for, or 0 for "the document's own".
    static int codePageOfCharset(int charset);

    // Appends bytes of the given code page to text. Code pages Qt does not know read as Windows-1252.
    void decode(const QByteArray& bytes, int codePage, QString* text);

private:
    QStringDecoder* decoderFor(int codePage);

    std::map<int, std::unique_ptr<QStringDecoder>> m_decoders;
};
