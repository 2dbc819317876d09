#include "data/textcodec.h"

#include <QStringDecoder>
#include <QStringEncoder>

namespace {

bool isValidUtf8(const QByteArray &bytes)
{
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString text = decoder.decode(bytes);
    return !decoder.hasError();
}

} // namespace

DecodedText decodeText(const QByteArray &bytes)
{
    if (isValidUtf8(bytes)) {
        QByteArray body = bytes;
        if (body.startsWith("\xEF\xBB\xBF"))
            body.remove(0, 3);
        return {QString::fromUtf8(body), TextEncoding::Utf8};
    }
    QStringDecoder decoder("windows-1252");
    if (!decoder.isValid()) // Qt without ICU: Latin-1 is the closest single-byte reading
        return {QString::fromLatin1(bytes), TextEncoding::Windows1252};
    return {decoder.decode(bytes), TextEncoding::Windows1252};
}

std::optional<QByteArray> encodeText(const QString &text, TextEncoding encoding)
{
    if (encoding == TextEncoding::Utf8)
        return text.toUtf8();
    QStringEncoder encoder("windows-1252", QStringEncoder::Flag::Stateless);
    if (!encoder.isValid()) {
        for (QChar c : text) {
            if (c.unicode() > 0xFF)
                return std::nullopt;
        }
        return text.toLatin1();
    }
    QByteArray bytes = encoder.encode(text);
    // ICU may substitute unmappable characters silently: only a round trip proves it.
    if (encoder.hasError() || QStringDecoder("windows-1252").decode(bytes) != QString(text))
        return std::nullopt;
    return bytes;
}
