#include "core/clock.h"
#include "core/soundcues.h"
#include "display/qtsoundoutput.h"
#include "windows/DeadZone/deadzone.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Quorvel Counter"));
    QApplication::setApplicationVersion(QStringLiteral(QUORVEL_VERSION));
    QApplication::setDesktopFileName(QStringLiteral("org.quorvel.Counter"));

    const QString directory = QCoreApplication::applicationDirPath();
    SystemClock clock;
    QtSoundOutput output;
    SoundCues sound(output, directory);

    DeadZone window(clock, sound, directory);
    window.show();
    return app.exec();
}
