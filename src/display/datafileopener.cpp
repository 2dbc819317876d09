#include "display/datafileopener.h"

#include "display/desktopservices.h"

#include <QDir>
#include <QFileInfo>
#include <QWidget>

DataFileOpener::DataFileOpener(DesktopServices &desktop, QString dataDirectory, QWidget *window)
    : QObject(window), m_desktop(desktop), m_dataDirectory(std::move(dataDirectory)),
      m_window(window)
{
}

void DataFileOpener::open(const QString &name)
{
    const QString path = QDir(m_dataDirectory).filePath(name);
    if (!QFileInfo::exists(path)) {
        emit failed(QStringLiteral("Arquivo não encontrado: %1").arg(name));
        return;
    }
    // The desktop's opener answers when it has ended; the window goes on meanwhile.
    m_desktop.openInApplication(
        path, this, [this, name](const DesktopServices::OpenResult &result) {
            if (!result.opened)
                emit failed(QStringLiteral("Não foi possível abrir o arquivo %1 (%2)")
                                .arg(name, result.reason));
        });
}
