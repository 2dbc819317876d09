#pragma once

#include <QStandardPaths>
#include <QString>

// The folder a save dialog opens in: `preferred` when it is an existing folder, otherwise
// `home`. A desktop without a pictures or documents folder still names one, and a dialog
// opened on a missing folder shows the program's own folder instead.
QString existingFolderOrHome(const QString &preferred, const QString &home);

// The user's folder of that kind (pictures, documents) when it exists, otherwise the home
// folder.
QString saveFolder(QStandardPaths::StandardLocation location);
