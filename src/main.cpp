#include "core/clock.h"
#include "core/datadirectory.h"
#include "core/processsignals.h"
#include "core/soundcues.h"
#include "display/qtdesktopservices.h"
#include "display/qtsoundoutput.h"
#include "windows/DeadZone/deadzone.h"
#include "windows/frmSplash/frmsplash.h"

#include <QApplication>
#include <QFileInfo>
#include <QStandardPaths>

#include <memory>

int main(int argc, char *argv[])
{
    ignoreFileSizeSignal(); // a save over a file-size limit fails with a message instead
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Quorvel Counter"));
    QApplication::setApplicationVersion(QStringLiteral(QUORVEL_VERSION));
    QApplication::setDesktopFileName(QStringLiteral("org.quorvel.Counter"));

    // The sound cues lie beside the program, and so do the data files unless the user may
    // not write there: then the patterns are saved in the user's own copy.
    const QString directory = QCoreApplication::applicationDirPath();
    const QString dataDirectory =
        chooseDataDirectory(directory, QFileInfo(directory).isWritable(),
                            QStandardPaths::writableLocation(QStandardPaths::AppDataLocation));
    SystemClock clock;
    QtSoundOutput output;
    SoundCues sound(output, directory);
    QtDesktopServices desktop;

    std::unique_ptr<DeadZone> mainWindow;
    auto *splash = new frmSplash([&] {
        if (!mainWindow)
            mainWindow = std::make_unique<DeadZone>(clock, sound, desktop, dataDirectory);
        mainWindow->show();
    });
    splash->show();
    const int result = app.exec();
    mainWindow.reset();
    return result;
}
