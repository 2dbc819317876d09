#pragma once

#include <QByteArray>
#include <QByteArrayList>
#include <QString>

// The SHA-256 (lower-case hex) of every version of a data file the program has shipped,
// oldest first; the last one is the file shipped now. Empty for a name it never shipped.
// A user's copy equal to one of them was never edited and may be replaced by a newer one.
// Whoever changes a file in assets/data/ adds its new checksum here (a test checks it).
QByteArrayList shippedVersions(const QString &fileName);

// The SHA-256 of the bytes, in lower-case hex, as the table above writes it.
QByteArray fileChecksum(const QByteArray &bytes);
