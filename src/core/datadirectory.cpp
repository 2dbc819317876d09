#include "core/datadirectory.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

QStringList dataFileNames()
{
    return {QStringLiteral("QuorvelParametros.txt"), QStringLiteral("Quorvelhomicidios.txt"),
            QStringLiteral("QuorvelDistribuicao.txt"), QStringLiteral("QuorvelFontes.txt")};
}

namespace {

bool holdsDataFile(const QDir &directory)
{
    for (const QString &name : dataFileNames()) {
        if (directory.exists(name))
            return true;
    }
    return false;
}

} // namespace

bool prefersUserDirectory(bool programDirectoryWritable, const QString &userDirectory)
{
    if (userDirectory.isEmpty())
        return false;
    const QDir user(userDirectory);
    const bool chosenBefore = user.exists() && holdsDataFile(user);
    return chosenBefore || !programDirectoryWritable;
}

QString chooseDataDirectory(const QString &programDirectory, bool programDirectoryWritable,
                            const QString &userDirectory)
{
    if (!prefersUserDirectory(programDirectoryWritable, userDirectory))
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

bool isApartFromProgram(const QString &dataDirectory, const QString &programDirectory)
{
    // Links resolved where the directories exist, so one directory has one name.
    const auto plainPath = [](const QString &path) {
        const QFileInfo info(path);
        const QString canonical = info.canonicalFilePath();
        return canonical.isEmpty() ? QDir::cleanPath(info.absoluteFilePath()) : canonical;
    };
    return plainPath(dataDirectory) != plainPath(programDirectory);
}
