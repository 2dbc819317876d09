#include "core/odometerframe.h"

#include "core/numbermask.h"

OdometerFrame::Step OdometerFrame::tick(CounterState &s, int victimKind, const QLocale &locale)
{
    Step step;
    ++m_QuadroRolagem;
    if (m_QuadroRolagem == 10)
        m_QuadroRolagem = -1;
    step.frame = m_QuadroRolagem;
    step.progress = progress(s);
    const int decimals = int(s.DigitoDecimal1 * 1000 + s.DigitoDecimal2 * 100 +
                             s.DigitoDecimal3 * 10 + s.DigitoDecimal4);
    if (decimals != m_percentOf || locale != m_percentLocale) {
        m_percent = percentText(s, locale);
        m_percentOf = decimals;
        m_percentLocale = locale;
    }
    step.percent = m_percent;

    // The two fastest wheels: three frames of digits at rest, four of spin, the rest held.
    const int frame = m_QuadroRolagem;
    if (m_reducedMotion) {
        // The digits the two fastest wheels stand for, every frame: no spin, no flicker.
        step.faces[Picture1] = Face::digit(int(s.DigitoDecimal3));
        step.faces[Picture0] = Face::digit(int(s.DigitoDecimal4));
        if (frame >= 1 && frame <= 4)
            step.rolling = Rolling::Stop;
        else if (frame >= 5 && frame <= 8)
            step.rolling = Rolling::Start;
    } else if (frame >= 1 && frame <= 4) {
        step.faces[Picture1] = Face::digit(int(s.DigitoDecimal3));
        if (s.DigitoDecimal4 == 0)
            step.faces[Picture0] = Face::digit(0);
        step.rolling = Rolling::Stop;
    } else if (frame >= 5 && frame <= 8) {
        step.faces[Picture1] = {Face::Spin, frame};
        step.faces[Picture0] = {Face::Crisp, frame};
        step.rolling = Rolling::Start;
    }

    if (s.TiltDesligado == 1) {
        step.tiltStopped = true;
        return step;
    }

    step.faces[Picture2] = Face::digit(int(s.DigitoDecimal2));
    step.faces[Picture3] = Face::digit(int(s.DigitoDecimal1));
    step.wheelJolts = !m_reducedMotion;

    if (s.ExibidoUnidade != qint16(s.DigitoUnidade)) {
        step.newVictim = true;
        step.progress = 0;
        step.percent = QStringLiteral("0");
        static constexpr Animation kinds[] = {Animation::Anjo, Animation::Auto, Animation::Polcar};
        if (victimKind >= 0 && victimKind <= 2)
            step.animation = kinds[victimKind];
        s.ExibidoUnidade = qint16(s.DigitoUnidade);
        step.faces[Picture20] = Face::digit(int(s.DigitoUnidade));
    }

    struct Place
    {
        qint16 &shown;
        float digit;
        Wheel wheel;
        int blankIndex;
    };
    const Place places[] = {{s.ExibidoDezena, s.DigitoDezena, Picture19, 3},
                            {s.ExibidoCentena, s.DigitoCentena, Picture18, 2},
                            {s.ExibidoMilhar, s.DigitoMilhar, Picture17, 1},
                            {s.ExibidoDezenaMilhar, s.DigitoDezenaMilhar, Picture29, 0}};
    const std::array<bool, 4> blanks = leadingZeros(s);
    for (const Place &p : places) {
        bool draw = m_blank[p.blankIndex];
        if (p.shown != qint16(p.digit)) {
            p.shown = qint16(p.digit);
            draw = true;
        }
        if (blanks[p.blankIndex])
            step.faces[p.wheel] = {Face::Blank, 0};
        else if (draw)
            step.faces[p.wheel] = Face::digit(int(p.digit));
        m_blank[p.blankIndex] = blanks[p.blankIndex];
    }
    return step;
}

int OdometerFrame::progress(const CounterState &s)
{
    return int(float(s.DigitoDecimal1 * 100 + s.DigitoDecimal2 * 10 + s.DigitoDecimal3));
}

QString OdometerFrame::percentText(const CounterState &s, const QLocale &locale)
{
    const float hundredths = float(s.DigitoDecimal1 * 1000 + s.DigitoDecimal2 * 100 +
                                   s.DigitoDecimal3 * 10 + s.DigitoDecimal4);
    return formatGeneral(hundredths / 100.0f, locale);
}

std::array<bool, 4> OdometerFrame::leadingZeros(const CounterState &s)
{
    std::array<bool, 4> blank{};
    blank[0] = s.DigitoDezenaMilhar == 0;
    blank[1] = blank[0] && s.DigitoMilhar == 0;
    blank[2] = blank[1] && s.DigitoCentena == 0;
    blank[3] = blank[2] && s.DigitoDezena == 0;
    return blank;
}

QString OdometerFrame::text(const std::array<int, WheelCount> &shown, const QLocale &locale)
{
    QString integer;
    QString decimals;
    for (int w = 0; w < WheelCount; ++w) {
        if (shown[w] < 0 || shown[w] > 9)
            continue;
        (isDecimal(w) ? decimals : integer) += QChar(u'0' + shown[w]);
    }
    if (decimals.isEmpty())
        return integer;
    // A count reads with its four decimals or not at all: wheels still blank from a reset
    // show no count yet.
    if (decimals.size() != 4)
        return {};
    // Before the first count the integer wheels are all blank: the count is below one.
    return (integer.isEmpty() ? QStringLiteral("0") : integer) + locale.decimalPoint() + decimals;
}
