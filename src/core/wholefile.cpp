#include "core/wholefile.h"

#include <QFileInfo>
#include <QSaveFile>

#include <cerrno>

namespace {

// The system's reason for the last failed call, in the program's language; Qt's own texts
// are in English.
QString systemReason(int error, const QString &fallback)
{
    switch (error) {
    case ENOENT:
    case ENOTDIR:
        return QStringLiteral("a pasta não existe");
    case EACCES:
    case EPERM:
        return QStringLiteral("sem permissão para gravar nessa pasta");
    case EROFS:
        return QStringLiteral("o disco só permite leitura");
    case ENOSPC:
    case EDQUOT:
        return QStringLiteral("não há espaço no disco");
    case EFBIG:
        return QStringLiteral("o arquivo passaria do tamanho máximo permitido");
    case EISDIR:
        return QStringLiteral("já existe uma pasta com esse nome");
    default:
        break;
    }
    return fallback.isEmpty() ? QStringLiteral("erro de gravação") : fallback;
}

} // namespace

QString writeWholeFile(const QString &path, const QByteArray &bytes)
{
    const QFileInfo target(path);
    if (path.isEmpty())
        return QStringLiteral("falta o nome do arquivo");
    if (target.isDir())
        return QStringLiteral("já existe uma pasta com esse nome");
    const QFileInfo folder(target.absolutePath());
    if (!folder.isDir())
        return QStringLiteral("a pasta %1 não existe").arg(folder.filePath());

    // Unbuffered, and every step checked before the commit: a buffered QSaveFile would
    // commit a file cut short by a full disk as if it were whole.
    QSaveFile file(path);
    errno = 0;
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        const int error = errno;
        // The folder is there, yet the system says no such file: a folder of the system's
        // own (/proc) that takes no new files.
        if (error == ENOENT || error == ENOTDIR)
            return QStringLiteral("a pasta %1 não aceita arquivos novos").arg(folder.filePath());
        return systemReason(error, file.errorString());
    }
    errno = 0;
    if (file.write(bytes) != bytes.size() || !file.flush() ||
        file.error() != QFileDevice::NoError) {
        const int error = errno;
        const QString text = file.errorString();
        file.cancelWriting();
        return systemReason(error, text);
    }
    errno = 0;
    if (!file.commit())
        return systemReason(errno, file.errorString());
    return QString();
}
