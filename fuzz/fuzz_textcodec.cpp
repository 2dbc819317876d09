// Text decoding of the hand-edited data files: any bytes decode, and what decodes encodes
// back to the same bytes in the encoding it was read in (a save must not change a byte of
// a pattern nobody touched). UTF-16 files are the exception: they are written back as UTF-8,
// and then the text must read back the same.

#include "data/textcodec.h"

#include <QByteArray>

#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {

void fail(const char *what)
{
    std::fprintf(stderr, "fuzz_textcodec: %s\n", what);
    std::abort();
}

// Half of a surrogate pair with no other half: no character, and no UTF-8 form.
bool holdsUnpairedSurrogate(const QString &text)
{
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate())
            ++i;
        else if (text[i].isSurrogate())
            return true;
    }
    return false;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    const DecodedText decoded = decodeText(bytes);
    if (holdsUnpairedSurrogate(decoded.text))
        fail("decoded text holds half of a surrogate pair");

    const std::optional<QByteArray> again = encodeText(decoded.text, decoded.encoding);
    if (!again)
        fail("decoded text does not encode back in its own encoding");

    if (bytes.startsWith("\xFF\xFE") || bytes.startsWith("\xFE\xFF")) {
        // UTF-16 is written back as UTF-8: the text, not the bytes, must come back.
        if (decoded.encoding != TextEncoding::Utf8)
            fail("UTF-16 text is not written back as UTF-8");
        if (decodeText(*again).text != decoded.text && !decoded.text.startsWith(QChar(0xFEFF)))
            fail("UTF-16 text written back as UTF-8 reads as another text");
        return 0;
    }

    QByteArray body = bytes;
    QByteArray back = *again;
    if (decoded.encoding == TextEncoding::Utf8) {
        // Byte-order marks at the start are no text: Qt's UTF-8 reading drops a second one
        // too. Only what follows them must come back unchanged.
        while (body.startsWith("\xEF\xBB\xBF"))
            body.remove(0, 3);
        while (back.startsWith("\xEF\xBB\xBF"))
            back.remove(0, 3);
    }
    if (back != body)
        fail("decoded text encodes back to other bytes");
    if (decodeText(*again).text != decoded.text && !decoded.text.startsWith(QChar(0xFEFF)))
        fail("decoding the encoded text gives another text");
    return 0;
}
