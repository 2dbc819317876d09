#include "core/datadirectory.h"

#include <QDir>
#include <QFile>

QStringList dataFileNames()
{
    return {QStringLiteral("QuorvelParametros.txt"), QStringLiteral("Quorvelhomicidios.txt"),
            QStringLiteral("QuorvelDistribuicao.txt"), QStringLiteral("QuorvelFontes.txt")};
}

QString chooseDataDirectory(const QString &programDirectory, bool programDirectoryWritable,
                            const QString &userDirectory)
{
    if (programDirectoryWritable || userDirectory.isEmpty())
        return programDirectory;
    const QDir user(userDirectory);
    if (!user.mkpath(QStringLiteral(".")))
        return programDirectory;
    const QDir program(programDirectory);
    for (const QString &name : dataFileNames()) {
        if (!user.exists(name))
            QFile::copy(program.filePath(name), user.filePath(name));
    }
    return userDirectory;
}
