// Text decoding of the hand-edited data files: any bytes decode, and what decodes encodes
// back to the same bytes in the encoding it was read in (a save must not change a byte of
// a pattern nobody touched).

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

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    const DecodedText decoded = decodeText(bytes);

    QByteArray body = bytes;
    if (decoded.encoding == TextEncoding::Utf8 && body.startsWith("\xEF\xBB\xBF"))
        body.remove(0, 3);

    const std::optional<QByteArray> again = encodeText(decoded.text, decoded.encoding);
    if (!again)
        fail("decoded text does not encode back in its own encoding");
    if (*again != body)
        fail("decoded text encodes back to other bytes");
    return 0;
}
