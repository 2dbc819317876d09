#include "data/textcodec.h"

#include <QStringDecoder>
#include <QStringEncoder>

namespace {

// A UTF-16 file may hold half of a character pair (a cut file, a careless program): such a
// unit is no character, and text with it cannot be written as UTF-8. It reads as U+FFFD.
QString withoutUnpairedSurrogates(QString text)
{
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (!c.isSurrogate())
            continue;
        if (c.isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate())
            ++i;
        else
            text[i] = QChar::ReplacementCharacter;
    }
    return text;
}

// Windows editors save "Unicode" text as UTF-16 with a byte-order mark.
std::optional<QString> decodeUtf16(const QByteArray &bytes)
{
    const bool little = bytes.startsWith("\xFF\xFE");
    const bool big = bytes.startsWith("\xFE\xFF");
    if (!little && !big)
        return std::nullopt;
    QStringDecoder decoder(little ? QStringDecoder::Utf16LE : QStringDecoder::Utf16BE);
    return withoutUnpairedSurrogates(decoder.decode(QByteArrayView(bytes).sliced(2)));
}

} // namespace

DecodedText decodeText(const QByteArray &bytes)
{
    // UTF-16 text is written back as UTF-8, which every editor reads.
    if (const std::optional<QString> utf16 = decodeUtf16(bytes))
        return {*utf16, TextEncoding::Utf8};
    if (QByteArrayView(bytes).isValidUtf8()) {
        QByteArray body = bytes;
        if (body.startsWith("\xEF\xBB\xBF"))
            body.remove(0, 3);
        return {withoutUnpairedSurrogates(QString::fromUtf8(body)), TextEncoding::Utf8};
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
