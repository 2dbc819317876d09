#pragma once

#include <QByteArray>

// A pattern file of `count` patterns "Padrao i" with the values i, i + 1 and, when `third` is
// not empty, a third value.
inline QByteArray manyPatterns(int count, const QByteArray &third = QByteArray())
{
    QByteArray bytes;
    for (int i = 0; i < count; ++i) {
        bytes += "\"Padrao " + QByteArray::number(i) + "\",\"" + QByteArray::number(i) + "\",\"" +
                 QByteArray::number(i + 1) + "\"";
        if (!third.isEmpty())
            bytes += ",\"" + third + "\"";
        bytes += "\r\n";
    }
    return bytes;
}
