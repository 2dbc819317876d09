#pragma once

#include "core/soundcues.h"
#include "fakeclock.h"
#include "soundrecorder.h"
#include "windows/DeadZone/deadzone.h"

#include <QByteArray>
#include <QDateTime>
#include <QList>
#include <QStringList>
#include <QTemporaryDir>

#include <memory>
#include <utility>

class QTimer;

// The main window over a temporary data folder, with a settable clock and its cues recorded.
// The messages it would show and the files it would open in another program are recorded
// instead.
struct DeadZoneFixture
{
    // Data files put in the folder before the window is made: name and bytes.
    using DataFiles = QList<std::pair<QString, QByteArray>>;

    explicit DeadZoneFixture(const QDateTime &at = FakeClock().now(), const DataFiles &files = {});
    DeadZoneFixture(const DeadZoneFixture &) = delete;
    DeadZoneFixture &operator=(const DeadZoneFixture &) = delete;

    // The data files as shipped with the program.
    static DataFiles shippedData();

    // Replaces a data file of the window's folder.
    void writeDataFile(const QString &name, const QByteArray &bytes);

    // One tick of a timer, by hand, whether it runs or not.
    static void fire(QTimer *timer);
    // Types a monthly figure into ParametroMes, key by key.
    void typeMonthly(const QString &digits);
    // Presses play (Image2).
    void play();
    // Ten count ticks: the tenth recounts.
    void recount();
    // Deletes the window before the rest of the fixture, with the windows it owns.
    void destroyWindow() { m_window.reset(); }

    QTemporaryDir dir;
    FakeClock clock;
    SoundRecorder recorder;
    SoundCues cues;
    QStringList messages;
    QStringList opened;     // paths, as given to openInApplication
    bool openResult = true; // what openInApplication answers

private:
    QString folderWith(const DataFiles &files);
    std::unique_ptr<DeadZone> m_window;

public:
    DeadZone &window;
};
