#pragma once

#include <QByteArray>
#include <QString>

// Writes bytes as the whole new content of a file, or leaves the disk as it was: written
// beside it under a temporary name and put in its place only once every byte is down
// (QSaveFile). An existing file is replaced whole; after a failure it is unchanged and no
// part of the new one is left behind. Returns an empty text on success, otherwise the reason
// in Portuguese ("a pasta não existe", "não há espaço no disco", …).
QString writeWholeFile(const QString &path, const QByteArray &bytes);
