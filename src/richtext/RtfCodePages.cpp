// Windows-1252 through our own table, every other code page through Qt's converters.
#include "richtext/RtfCodePages.h"

#include "base/CodePage.h"

#include <QStringDecoder>

RtfCodePages::RtfCodePages() = default;
RtfCodePages::~RtfCodePages() = default;

int RtfCodePages::codePageOfCharset(int charset)
{
    switch (charset) {
    case 77:
        return 10000;
    case 78:
        return 10001;
    case 79:
        return 10003;
    case 80:
        return 10008;
    case 81:
        return 10002;
    case 128:
        return 932;
    case 129:
        return 949;
    case 134:
        return 936;
    case 136:
        return 950;
    case 161:
        return 1253;
    case 162:
        return 1254;
    case 163:
        return 1258;
    case 177:
        return 1255;
    case 178:
        return 1256;
    case 186:
        return 1257;
    case 204:
        return 1251;
    case 222:
        return 874;
    case 238:
        return 1250;
    case 254:
        return 437;
    default:
        return 0;
    }
}

QStringDecoder* RtfCodePages::decoderFor(int codePage)
{
    auto found = m_decoders.find(codePage);
    if (found != m_decoders.end())
        return found->second.get();

    QByteArray name;
    switch (codePage) {
    case 437:
    case 850:
    case 852:
    case 866:
        name = "IBM" + QByteArray::number(codePage);
        break;
    case 932:
        name = "Shift_JIS";
        break;
    case 936:
        name = "GBK";
        break;
    case 949:
        name = "windows-949";
        break;
    case 950:
        name = "Big5";
        break;
    case 10000:
        name = "macintosh";
        break;
    // The Mac's East Asian code pages differ from these in a few vendor characters only; ICU,
    // which Qt decodes through, has no converters of their own.
    case 10001:
        name = "Shift_JIS";
        break;
    case 10002:
        name = "Big5";
        break;
    case 10003:
        name = "windows-949";
        break;
    case 10007:
        name = "x-mac-cyrillic";
        break;
    case 10008:
        name = "GBK";
        break;
    default:
        name = "windows-" + QByteArray::number(codePage);
        break;
    }
    auto decoder = std::make_unique<QStringDecoder>(name.constData());
    if (!decoder->isValid())
        decoder.reset();
    QStringDecoder* result = decoder.get();
    m_decoders.emplace(codePage, std::move(decoder));
    return result;
}

void RtfCodePages::decode(const QByteArray& bytes, int codePage, QString* text)
{
    if (codePage != 1252 && codePage > 0) {
        if (QStringDecoder* decoder = decoderFor(codePage)) {
            text->append(decoder->decode(bytes));
            // Bytes left over from an incomplete multi-byte character do not leak into the next run.
            decoder->resetState();
            return;
        }
    }
    for (char c : bytes)
        text->append(CodePage::toUnicode(static_cast<unsigned char>(c)));
}
