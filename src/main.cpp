#include "core/clock.h"
#include "core/commandline.h"
#include "core/datadirectory.h"
#include "core/graphicalsession.h"
#include "core/localtimezone.h"
#include "core/processsignals.h"
#include "core/soundcues.h"
#include "data/sourcesreader.h"
#include "display/qtdesktopservices.h"
#include "display/qtsoundoutput.h"
#include "display/qttranslations.h"
#include "display/svgpicture.h"
#include "distribution/commandlinepage.h"
#include "windows/DeadZone/deadzone.h"
#include "windows/commandlinepicture.h"
#include "windows/frmSplash/frmsplash.h"
#include "windows/startoptions.h"

#include <QApplication>
#include <QFileInfo>
#include <QLoggingCategory>
#include <QStandardPaths>

#include <cstdio>

#include <memory>
#include <optional>

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

void dropAudioDeviceWarnings(QtMsgType type, const QMessageLogContext &context, const QString &text)
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

// ---- A quiet scheduled job ------------------------------------------------------------------
// A job run by cron has no desktop session, and Qt notes at start that the session's runtime
// folder is not set; cron would mail that note every day, and a picture needs no such folder.
QtMessageHandler g_beforePictureFilter = nullptr;

void dropSessionWarnings(QtMsgType type, const QMessageLogContext &context, const QString &text)
{
    if (type == QtWarningMsg && text.startsWith(QLatin1String("QStandardPaths: XDG_RUNTIME_DIR")))
        return;
    if (g_beforePictureFilter)
        g_beforePictureFilter(type, context, text);
}
// -------------------------------------------------------------------------------------------

// Text for a terminal, in its own encoding.
void write(FILE *stream, const QString &text)
{
    std::fputs(text.toLocal8Bit().constData(), stream);
    std::fflush(stream);
}

} // namespace

int main(int argc, char *argv[])
{
    pinLocalTimeZone();
    ignoreFileSizeSignal(); // a save over a file-size limit fails with a message instead

    // The command line first, before any window or file: --help and --version print and a
    // refused line ends with status 2, with no display needed and nothing touched.
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));
    const CommandLineResult command = parseCommandLine(arguments, QStringLiteral(QUORVEL_VERSION));
    if (command.action == CommandLineResult::Action::Print) {
        write(stdout, command.text);
        return 0;
    }
    if (command.action == CommandLineResult::Action::Fail) {
        write(stderr, command.text);
        return command.exitStatus;
    }
    StartOptions options = command.options;

    // Where the data files are read from is known before the application object: every
    // check that needs no window runs before a display is looked for.
    QCoreApplication::setApplicationName(QStringLiteral("Quorvel Counter"));
    const QString directory = programDirectoryBeforeStart(QString::fromLocal8Bit(argv[0]));
    const bool writable = QFileInfo(directory).isWritable();
    const QString userDirectory = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    const auto dataFile = [&](const QString &name) {
        return dataFileBeforeStart(name, directory, writable, userDirectory);
    };
    const QString parametrosFile = dataFile(QStringLiteral("QuorvelParametros.txt"));
    const QString homicidiosFile = dataFile(QStringLiteral("Quorvelhomicidios.txt"));

    if (command.action == CommandLineResult::Action::ListEntries) {
        const StartEntryListing listed =
            startEntryListing(parametrosFile, homicidiosFile, dataFile(sourcesFileName()));
        write(stdout, listed.listing);
        if (listed.problems.isEmpty())
            return 0;
        write(stderr, listed.problems);
        return kDataReadErrorStatus;
    }
    // An entry named on the command line is looked up, and made the entry's own name, before
    // the data folder is set up.
    if (const QString entryError = resolveStartEntries(options, parametrosFile, homicidiosFile);
        !entryError.isEmpty()) {
        write(stderr, entryError);
        return kCommandLineErrorStatus;
    }
    // A count that would start over the odometer's capacity is refused as well.
    if (const QString capacityError =
            checkStartCapacity(options, parametrosFile, homicidiosFile, SystemClock().now());
        !capacityError.isEmpty()) {
        write(stderr, capacityError);
        return kCommandLineErrorStatus;
    }
    // Without a graphical session Qt would end the program with its own English advice.
    if (options.opensWindow() && !graphicalSessionExpected()) {
        write(stderr, noGraphicalSessionText());
        return kNoDisplayStatus;
    }

    // A picture from the command line (a scheduled job, often with no display at all) is
    // always drawn offscreen at one pixel a pixel; the platform is chosen before the
    // application object, which would otherwise look for a display. A page needs none either.
    const bool writesFile = options.pictureFile || options.pageFile;
    if (writesFile) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        qputenv("QT_ENABLE_HIGHDPI_SCALING", "0");
        qunsetenv("QT_SCALE_FACTOR");
        qunsetenv("QT_SCREEN_SCALE_FACTORS");
    }

    quietAudioWarnings();
    if (writesFile)
        g_beforePictureFilter = qInstallMessageHandler(dropSessionWarnings);
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Quorvel Counter"));
    QApplication::setApplicationVersion(QStringLiteral(QUORVEL_VERSION));
    QApplication::setDesktopFileName(QStringLiteral("org.quorvel.Counter"));
    installQtPortuguese(app);
    // The pictures are pixmaps: none may outlive the application object.
    QObject::connect(&app, &QCoreApplication::aboutToQuit, &clearSvgPictureCache);
    // The screen asked for exists only with the display, known now.
    const QString screenError = checkStartScreen(options, int(QGuiApplication::screens().size()));
    if (!screenError.isEmpty()) {
        write(stderr, screenError);
        return kCommandLineErrorStatus;
    }

    const DataDirectoryChoice data = prepareDataDirectory(directory, writable, userDirectory);
    const QString &dataDirectory = data.directory;
    // Said once: the next start finds these versions remembered.
    const QString dataNotice = newerShippedNotice(data.newerShipped, directory);
    SystemClock clock;
    if (options.pictureFile) {
        const PictureRun run = writeStartPicture(options, clock, dataDirectory);
        if (run.exitStatus != 0)
            write(stderr, run.message);
        return run.exitStatus;
    }
    if (options.pageFile) {
        const PageRun run = writeStartPage(options, clock, dataDirectory);
        if (run.exitStatus != 0)
            write(stderr, run.message);
        return run.exitStatus;
    }
    // Ended by the session or a script, the program closes as if asked: what its views hold
    // (the screensaver held off) is given back on the way out. Not for a picture, which has
    // no event loop to hear it: there the signal ends the run at once, as before.
    TerminationSignals termination;
    QObject::connect(&termination, &TerminationSignals::terminationRequested, &app,
                     &QCoreApplication::quit);
    // Without sound the audio system is never asked for its devices: a machine with no sound
    // server (a kiosk, a test under a virtual X server) has nothing to answer with.
    std::optional<QtSoundOutput> speakers;
    SilentSoundOutput silence;
    if (!options.noSound)
        speakers.emplace();
    SoundOutput &output = speakers ? static_cast<SoundOutput &>(*speakers) : silence;
    SoundCues sound(output, directory);
    QtDesktopServices desktop;

    std::unique_ptr<DeadZone> mainWindow;
    if (options.anyGiven) {
        // Any option: straight to the main window or the presentation, no splash.
        mainWindow = std::make_unique<DeadZone>(clock, sound, desktop, dataDirectory);
        mainWindow->showStartNotice(dataNotice);
        applyStartOptions(*mainWindow, options);
    } else {
        auto *splash = new frmSplash([&] {
            if (!mainWindow) {
                mainWindow = std::make_unique<DeadZone>(clock, sound, desktop, dataDirectory);
                mainWindow->showStartNotice(dataNotice);
            }
            mainWindow->show();
        });
        splash->show();
    }
    const int result = app.exec();
    mainWindow.reset();
    return result;
}
