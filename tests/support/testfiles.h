#pragma once

#include <QByteArray>
#include <QString>

// A whole file's bytes; empty when it cannot be read.
QByteArray readBytes(const QString &path);

// Writes `bytes` as the whole file; true when every byte was written.
bool writeBytes(const QString &path, const QByteArray &bytes);
