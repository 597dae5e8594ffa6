#include "richtext/RtfPicture.h"

#include "base/HINFO1.h"
#include "richtext/RtfTokenizer.h"

#include <utility>

void RtfPicture::appendHex(std::string_view digits)
{
    for (char c : digits) {
        const int h = RtfTokenizer::hexValue(c);
        if (h < 0)
            continue;
        if (m_nibble < 0) {
            m_nibble = h;
        } else {
            m_data.append(static_cast<char>(m_nibble * 16 + h));
            m_nibble = -1;
        }
    }
}

QImage RtfPicture::takeImage(QSizeF* size)
{
    const QByteArray data = std::exchange(m_data, QByteArray());
    if (kind != Png && kind != Jpeg)
        return QImage();
    // Data that does not even start like its format is not handed to the image decoders.
    const bool plausible = kind == Png ? data.startsWith("\x89PNG\r\n\x1a\n") : data.startsWith("\xff\xd8\xff");
    const QImage image = plausible ? QImage::fromData(data, kind == Png ? "PNG" : "JPEG") : QImage();
    if (image.isNull())
        return image;
    constexpr double kTwipsPerPixel = HINFO1::kTwipsPerPixel;
    const double shownWidth = goalWidth > 0 ? goalWidth / kTwipsPerPixel : image.width();
    const double shownHeight = goalHeight > 0 ? goalHeight / kTwipsPerPixel : image.height();
    *size = QSizeF(shownWidth * scaleX / 100.0, shownHeight * scaleY / 100.0);
    return image;
}
