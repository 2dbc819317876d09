#pragma once

#include "core/counterstate.h"
#include "core/odometerframe.h"

#include <QObject>
#include <QString>

class OdometerView;
class QButtonGroup;
class QLabel;
class QProgressBar;
class QRadioButton;
class QTimer;
class SoundCues;
class VictimAnnouncer;
class VictimScene;

// A window's odometer as the count moves it: each frame tick's step, worked out by
// OdometerFrame from the count's digits, shown on the wheels, the next-victim bar and its
// percent; the rolling sound (Timer2) while wheels roll; and at a new victim the animation of
// the kind chosen or, with reduced motion, a calm mark on the bar's caption, and the count
// said to assistive technology.
class CountOdometer : public QObject
{
    Q_OBJECT

public:
    struct Parts
    {
        OdometerView *wheels = nullptr;
        VictimScene *scene = nullptr;
        QProgressBar *bar = nullptr;
        QLabel *percent = nullptr;
        QLabel *barCaption = nullptr;
        // The kind of victim (Option4) and the first rolling sound (Option5(0)).
        QButtonGroup *victimKinds = nullptr;
        QRadioButton *firstRollingSound = nullptr;
        VictimAnnouncer *announcer = nullptr;
    };

    CountOdometer(const Parts &parts, SoundCues &sound, QObject *parent);

    // The digits of the last count and what the wheels last showed.
    CounterState &state() { return m_state; }
    const CounterState &state() const { return m_state; }
    // The display tick's roll frame (1..9, -1, 0).
    int rollFrame() const { return m_frame.QuadroRolagem(); }
    QString text() const;

    // The start's look: the decimals shown, every wheel drawn by the first count.
    void showStart();
    // One frame tick.
    void showFrame();
    void setDigits(const std::array<float, 9> &digits);
    // The fastest wheel spins a step between recounts.
    void turnFastestWheel(int step);
    // A pause: the fast wheels rest on the last count's digits, the animation parks.
    void rest();
    // No count: the wheels blank, the bar empty.
    void showNoCount();
    void setTilt(bool on);
    void setReducedMotion(bool on);

signals:
    void frameShown(const OdometerFrame::Step &step);
    // A new victim, with the count the odometer reads ("105,0012").
    void victimAnnounced(const QString &count);

private:
    void playRollingSound();
    void markVictimCalmly();

    Parts m_parts;
    SoundCues &m_sound;
    CounterState m_state;
    OdometerFrame m_frame;
    bool m_reducedMotion = false;
    QTimer *m_rollingSound;
    QTimer *m_calmMark;
};
