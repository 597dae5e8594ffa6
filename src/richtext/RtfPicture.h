// A "\pict" group of an RTF document: its kind, sizes and hex data, gathered as the reader
// meets them, and the image they make.
#pragma once

#include <QByteArray>
#include <QImage>
#include <QSizeF>
#include <string_view>

struct RtfPicture
{
    enum Kind
    {
        None,
        Png,
        Jpeg,
        Other // a metafile or bitmap kind we do not show
    };

    Kind kind = None;
    int width = 0;
    int height = 0;
    int goalWidth = 0; // twips
    int goalHeight = 0;
    int scaleX = 100; // percent
    int scaleY = 100;

    // Hex digits of the picture's data; anything else between them is ignored.
    void appendHex(std::string_view digits);
    // The PNG or JPEG image the data holds, null for other kinds and damaged data; the data
    // is let go. size is the image's shown size in pixels, from its goal size and scale.
    QImage takeImage(QSizeF* size);

private:
    QByteArray m_data;
    int m_nibble = -1;
};
