#pragma once

#include "core/counterstate.h"

#include <QLocale>
#include <QString>

#include <array>

// One display tick of the odometer worked out without a window: which face each of the nine
// wheels is given, the progress toward the next victim, which timers the tick enables or
// disables and whether a new victim is announced. The main window applies the step.
class OdometerFrame
{
public:
    // The nine wheels, the integer part from the ten-thousands, then the decimals.
    enum Wheel {
        Picture29,
        Picture17,
        Picture18,
        Picture19,
        Picture20,
        Picture3,
        Picture2,
        Picture1,
        Picture0,
    };
    static constexpr int WheelCount = 9;
    static bool isDecimal(int wheel) { return wheel >= Picture3; }

    // What a wheel is given: nothing (it keeps its face), a cell of the crisp digit strip,
    // a cell of the blank spinning strip, or the blank face.
    struct Face
    {
        enum Kind { Keep, Crisp, Spin, Blank };
        Kind kind = Keep;
        int cell = 0;

        static Face digit(int d) { return {Crisp, cellForDigit(d)}; }
        friend bool operator==(const Face &, const Face &) = default;
    };

    // The rolling sound's timer on this tick.
    enum class Rolling { Keep, Stop, Start };
    // The animation a new victim starts, by the kind of victim selected.
    enum class Animation { None, Anjo, Auto, Polcar };

    struct Step
    {
        int frame = 0;    // the roll frame the tick used (1..9, -1, 0)
        int progress = 0; // the bar's value, of 1000
        QString percent;  // the caption beside the bar
        std::array<Face, WheelCount> faces{};
        Rolling rolling = Rolling::Keep;
        bool tiltStopped = false; // TILT OFF: only the hundredths-wheel jolt is enabled
        bool wheelJolts = false;  // the tenths, hundredths and integer wheels' jolts
        bool newVictim = false;
        Animation animation = Animation::None;
    };

    // Works out the next tick from the digits and the shown-digit memory, which it updates.
    // victimKind: the index of the selected kind of victim, or -1 when none is selected.
    Step tick(CounterState &state, int victimKind, const QLocale &locale = QLocale());

    int QuadroRolagem() const { return m_QuadroRolagem; }

    // Reduced motion: the wheels show their digits at rest on every tick instead of the
    // spinning frames, and the jolts that shake them are not started. The count is the same.
    void setReducedMotion(bool on) { m_reducedMotion = on; }
    bool reducedMotion() const { return m_reducedMotion; }

    // The strips show 1, 2, ..., 9, 0: digit d is cell d - 1, and 0 the last cell.
    static int cellForDigit(int d) { return d >= 1 && d <= 9 ? d - 1 : 9; }
    static int digitForCell(int cell) { return cell >= 0 && cell <= 8 ? cell + 1 : 0; }

    // Progress toward the next victim: thousandths of an occurrence, 0 to 999.
    static int progress(const CounterState &state);
    // The same in percent with the fourth decimal, in the locale's general number form.
    static QString percentText(const CounterState &state, const QLocale &locale = QLocale());
    // Which of the ten-thousands, thousands, hundreds and tens wheels are leading zeros.
    static std::array<bool, 4> leadingZeros(const CounterState &state);

    // What nine wheels read, given the digit each one shows (-1: blank): "105,3720".
    // Blank wheels are left out (all-blank integer wheels read "0"); no digit at all, or
    // fewer than four decimals, gives an empty text.
    static QString text(const std::array<int, WheelCount> &shown,
                        const QLocale &locale = QLocale());

private:
    int m_QuadroRolagem = 0;
    bool m_reducedMotion = false;
    // The bar's caption is written again only when the decimals or the locale change.
    int m_percentOf = -1;
    QLocale m_percentLocale;
    QString m_percent;
    // Integer wheels (ten-thousands to tens) last given the blank face by a tick: a wheel
    // that stops being a leading zero without its own digit changing is drawn again.
    std::array<bool, 4> m_blank{};
};
