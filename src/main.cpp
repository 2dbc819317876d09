#include "core/clock.h"
#include "core/soundcues.h"
#include "display/qtsoundoutput.h"
#include "windows/DeadZone/deadzone.h"
#include "windows/frmSplash/frmsplash.h"

#include <QApplication>

#include <memory>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Quorvel Counter"));
    QApplication::setApplicationVersion(QStringLiteral(QUORVEL_VERSION));
    QApplication::setDesktopFileName(QStringLiteral("org.quorvel.Counter"));

    // The data files and the sound cues lie beside the program.
    const QString directory = QCoreApplication::applicationDirPath();
    SystemClock clock;
    QtSoundOutput output;
    SoundCues sound(output, directory);

    std::unique_ptr<DeadZone> mainWindow;
    auto *splash = new frmSplash([&] {
        if (!mainWindow)
            mainWindow = std::make_unique<DeadZone>(clock, sound, directory);
        mainWindow->show();
    });
    splash->show();
    const int result = app.exec();
    mainWindow.reset();
    return result;
}
