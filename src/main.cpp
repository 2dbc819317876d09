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
#include <QLoggingCategory>
#include <QStandardPaths>

#include <memory>

namespace {

// ---- Quiet audio ------------------------------------------------------------------------
// Without an audio device Qt Multimedia warns at start and at sound cues; the user can do
// nothing about it and the program just stays silent. Some of these warnings come through
// the default category, so they are dropped by their text. Setting QT_LOGGING_RULES shows
// them all again.
QtMessageHandler g_nextHandler = nullptr;

bool isAudioDeviceWarning(QtMsgType type, const QMessageLogContext &context, const QString &text)
{
    return type == QtWarningMsg && qstrcmp(context.category, "default") == 0 &&
           (text.startsWith(QLatin1String("PulseAudioService:")) ||
            text == QLatin1String("No audio device detected"));
}

void dropAudioDeviceWarnings(QtMsgType type, const QMessageLogContext &context,
                             const QString &text)
{
    if (!isAudioDeviceWarning(type, context, text))
        g_nextHandler(type, context, text);
}

void quietAudioWarnings()
{
    if (!qEnvironmentVariableIsEmpty("QT_LOGGING_RULES"))
        return;
    QLoggingCategory::setFilterRules(QStringLiteral("qt.multimedia*=false"));
    g_nextHandler = qInstallMessageHandler(dropAudioDeviceWarnings);
}
// -------------------------------------------------------------------------------------------

} // namespace

int main(int argc, char *argv[])
{
    ignoreFileSizeSignal(); // a save over a file-size limit fails with a message instead
    quietAudioWarnings();
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
