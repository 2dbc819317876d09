#pragma once

#include "core/counter.h"
#include "core/soundcues.h"
#include "deadzoneprobe.h"
#include "fakeclock.h"
#include "recordingdesktop.h"
#include "soundrecorder.h"
#include "windows/DeadZone/deadzone.h"

#include <QAnyStringView>
#include <QByteArray>
#include <QDateTime>
#include <QList>
#include <QStringList>
#include <QTemporaryDir>

#include <memory>
#include <utility>

class OdometerView;
class QTimer;
class VictimScene;

// The main window over a temporary data folder, with a settable clock and its cues recorded.
// The messages it would show and the files it would open in another program are recorded
// instead. Its controls are found by objectName: child<QLineEdit>("ParametroMes"),
// child<PictureButton>("botao", 3) for "botao(3)", timer("frameTimer").
struct DeadZoneFixture
{
    // Data files put in the folder before the window is made: name and bytes.
    using DataFiles = QList<std::pair<QString, QByteArray>>;

    explicit DeadZoneFixture(const QDateTime &at = FakeClock().now(), const DataFiles &files = {});
    DeadZoneFixture(const DeadZoneFixture &) = delete;
    DeadZoneFixture &operator=(const DeadZoneFixture &) = delete;

    // The data files as shipped with the program.
    static DataFiles shippedData();
    // The same, with patterns named after entries (those of the first release, as a user who
    // saved patterns for "Roubos em geral…" or "Bahia" has them): the lookup finds them.
    static DataFiles shippedDataWithEntryPatterns();

    // Replaces a data file of the window's folder.
    void writeDataFile(const QString &name, const QByteArray &bytes);

    // The window's control of that objectName and type; the test program stops with the
    // name when there is none.
    template <typename T> T *child(QAnyStringView name) const
    {
        return found<T>(window.findChild<T *>(name.toString()), name.toString());
    }
    // An element of a control array: child<QRadioButton>("Option4", 2) is "Option4(2)".
    template <typename T> T *child(QAnyStringView name, int index) const
    {
        return child<T>(QStringLiteral("%1(%2)").arg(name.toString()).arg(index));
    }
    QTimer *timer(QAnyStringView name) const;
    // The counter's 200 ms tick and 25 ms frame tick.
    QTimer *tickTimer() const { return window.counter().tickTimer(); }
    QTimer *frameTimer() const { return window.counter().frameTimer(); }
    // The digits the odometer shows from, and what its wheels last showed: set by hand to
    // show a count without the clock.
    CounterState &shownDigits() { return DeadZoneProbe::shownDigits(window); }
    // The look of a reset (a new figure, choice or mode), without touching the counter.
    void showResetLook() { DeadZoneProbe::showResetLook(window); }
    // The odometer and the new-victim animations of the window.
    OdometerView &odometer() const;
    VictimScene &scene() const;

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
    RecordingDesktop desktop;
    QStringList &messages = desktop.messages;
    QStringList &opened = desktop.opened; // paths, as given to openInApplication
    bool &openResult = desktop.openResult;

private:
    QString folderWith(const DataFiles &files);
    template <typename T> static T *found(T *child, const QString &name)
    {
        if (!child)
            missing(name);
        return child;
    }
    [[noreturn]] static void missing(const QString &name);
    std::unique_ptr<DeadZone> m_window;

public:
    DeadZone &window;
};
