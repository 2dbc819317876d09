#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

// The data files are single-byte Windows-1252 by tradition; Linux editors write UTF-8.
enum class TextEncoding { Windows1252, Utf8 };

struct DecodedText
{
    QString text;
    TextEncoding encoding = TextEncoding::Windows1252;
};

// Valid UTF-8 (a leading byte-order mark is dropped) reads as UTF-8, anything else as
// Windows-1252. UTF-16 with a byte-order mark reads as what it is, and counts as UTF-8 for
// writing back. The text never holds half of a surrogate pair: an unpaired one reads as
// U+FFFD.
DecodedText decodeText(const QByteArray &bytes);

// The bytes of text in the given encoding, or nothing when the encoding cannot hold
// every character (a name that Windows-1252 has no byte for).
std::optional<QByteArray> encodeText(const QString &text, TextEncoding encoding);
