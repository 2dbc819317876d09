#include "display/datafileopener.h"

#include "core/soundcues.h"
#include "display/desktopservices.h"
#include "display/statusnotices.h"

#include <QDir>
#include <QFileInfo>
#include <QWidget>

DataFileOpener::DataFileOpener(DesktopServices &desktop, SoundCues &sound, StatusNotices &notices,
                               QString dataDirectory, QWidget *window)
    : QObject(window), m_desktop(desktop), m_sound(sound), m_notices(notices),
      m_dataDirectory(std::move(dataDirectory))
{
}

void DataFileOpener::open(const QString &name)
{
    const QString path = QDir(m_dataDirectory).filePath(name);
    if (!QFileInfo::exists(path)) {
        fail(QStringLiteral("Arquivo não encontrado: %1").arg(name));
        return;
    }
    // The desktop's opener answers when it has ended; the window goes on meanwhile.
    m_desktop.openInApplication(
        path, this, [this, name](const DesktopServices::OpenResult &result) {
            if (!result.opened)
                fail(QStringLiteral("Não foi possível abrir o arquivo %1 (%2)")
                         .arg(name, result.reason));
        });
}

void DataFileOpener::fail(const QString &notice)
{
    m_sound.TocaAbaixo();
    m_notices.showBriefly(notice);
}
