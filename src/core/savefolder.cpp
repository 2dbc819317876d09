#include "core/savefolder.h"

#include <QDir>
#include <QFileInfo>

QString existingFolderOrHome(const QString &preferred, const QString &home)
{
    if (!preferred.isEmpty() && QFileInfo(preferred).isDir())
        return preferred;
    return home;
}

QString saveFolder(QStandardPaths::StandardLocation location)
{
    return existingFolderOrHome(QStandardPaths::writableLocation(location), QDir::homePath());
}
