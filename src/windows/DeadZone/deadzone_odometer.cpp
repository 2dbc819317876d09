// The odometer: nine picture wheels, their spin, jolts and rolling sound, and the
// new-victim step.
#include "windows/DeadZone/deadzone.h"

#include "core/clock.h"
#include "core/numbermask.h"
#include "core/soundcues.h"
#include "core/timers.h"
#include "display/picclip.h"
#include "display/picturebox.h"
#include "display/svgpicture.h"

#include <QLabel>
#include <QProgressBar>
#include <QRadioButton>
#include <QSlider>
#include <QTimer>

QPixmap DeadZone::stripCell(int strip, int cell) const
{
    const PicClip *clips[4] = {m_PicClip0.get(), m_PicClip1.get(), m_PicClip2.get(),
                               m_PicClip3.get()};
    if (strip < 0 || strip > 3)
        return {};
    return clips[strip]->cell(cell, QSize(px(1095), px(975)), devicePixelRatioF());
}

QPixmap DeadZone::FaceDigito(float digit) const
{
    return stripCell(2, PicClip::cellForDigit(int(digit)));
}

QPixmap DeadZone::neutroPicture() const
{
    return svgPicture(QStringLiteral(":/pictures/neutro.svg"), QSize(px(1095), px(975)),
                      devicePixelRatioF());
}

void DeadZone::Ajuste()
{
    Picture1->setPicture(FaceDigito(m_state.DigitoDecimal3));
    Picture0->setPicture(FaceDigito(m_state.DigitoDecimal4));
    enable(Timer2);
    enable(Relogcentena);
    Picture2->setPicture(FaceDigito(m_state.DigitoDecimal2));
    enable(RelogDezena);
    Picture3->setPicture(FaceDigito(m_state.DigitoDecimal1));
    enable(RelogUnidade);
}

void DeadZone::Timer1_Timer()
{
    CounterState &s = m_state;
    ++m_QuadroRolagem;
    sl2->setMaximum(24);
    sl2->setValue(m_clock.now().time().hour());
    if (m_QuadroRolagem == 10)
        m_QuadroRolagem = -1;

    Pg1->setMaximum(1000);
    Pg1->setValue(int(float(s.DigitoDecimal1 * 100 + s.DigitoDecimal2 * 10 + s.DigitoDecimal3)));
    const float percent = float(s.DigitoDecimal1 * 1000 + s.DigitoDecimal2 * 100
                                + s.DigitoDecimal3 * 10 + s.DigitoDecimal4)
                          / 100.0f;
    Percent->setText(formatGeneral(percent));

    if (m_QuadroRolagem >= 1 && m_QuadroRolagem <= 4) {
        Picture1->setPicture(FaceDigito(s.DigitoDecimal3));
        if (s.DigitoDecimal4 == 0)
            Picture0->setPicture(FaceDigito(0));
        Timer2->stop();
    } else if (m_QuadroRolagem >= 5 && m_QuadroRolagem <= 8) {
        Picture1->setPicture(stripCell(0, m_QuadroRolagem));
        Picture0->setPicture(stripCell(2, m_QuadroRolagem));
        enable(Timer2);
    }

    if (s.TiltDesligado == 1) {
        enable(Relogcentena);
        return;
    }

    Picture2->setPicture(FaceDigito(s.DigitoDecimal2));
    enable(RelogDezena);
    Picture3->setPicture(FaceDigito(s.DigitoDecimal1));
    enable(RelogUnidade);
    enable(RelogUnidadeInteiro);
    enable(RelogdezenaInteiro);

    if (s.ExibidoUnidade != qint16(s.DigitoUnidade)) {
        Pg1->setValue(0);
        Percent->setText(QStringLiteral("0"));
        if (Option4[0]->isChecked())
            enable(relogAnjo);
        if (Option4[1]->isChecked())
            enable(RelogAuto);
        if (Option4[2]->isChecked())
            enable(RelogPolcar);
        s.ExibidoUnidade = qint16(s.DigitoUnidade);
        Picture20->setPicture(FaceDigito(s.DigitoUnidade));
    }

    struct Wheel
    {
        qint16 &shown;
        float digit;
        PictureBox *picture;
    };
    const Wheel wheels[] = {{s.ExibidoDezena, s.DigitoDezena, Picture19},
                            {s.ExibidoCentena, s.DigitoCentena, Picture18},
                            {s.ExibidoMilhar, s.DigitoMilhar, Picture17},
                            {s.ExibidoDezenaMilhar, s.DigitoDezenaMilhar, Picture29}};
    for (const Wheel &w : wheels) {
        if (w.shown != qint16(w.digit)) {
            w.shown = qint16(w.digit);
            w.picture->setPicture(FaceDigito(w.digit));
        }
    }

    // Leading zeros are blank; the units wheel always shows its digit.
    if (s.DigitoDezenaMilhar == 0)
        Picture29->setPicture(neutroPicture());
    if (s.DigitoMilhar == 0 && s.DigitoDezenaMilhar == 0)
        Picture17->setPicture(neutroPicture());
    if (s.DigitoCentena == 0 && s.DigitoMilhar == 0 && s.DigitoDezenaMilhar == 0)
        Picture18->setPicture(neutroPicture());
    if (s.DigitoDezena == 0 && s.DigitoCentena == 0 && s.DigitoMilhar == 0
        && s.DigitoDezenaMilhar == 0)
        Picture19->setPicture(neutroPicture());
}

void DeadZone::Timer2_Timer()
{
    if (Option5[0]->isChecked())
        m_sound.TocaRot2();
    else
        m_sound.TocaGaveta();
}

void DeadZone::setWheelTop(PictureBox *wheel, int topTwips)
{
    QRect g = m_twipsGeometry.value(wheel);
    g.moveTop(topTwips);
    place(wheel, g.x(), g.y(), g.width(), g.height());
}

void DeadZone::joltTick(QTimer *timer, PictureBox *wheel, int drop, bool gated)
{
    if (gated && m_state.TiltDesligado == 1)
        return;
    if (m_twipsGeometry.value(wheel).y() == 0) {
        setWheelTop(wheel, drop);
    } else {
        setWheelTop(wheel, 0);
        timer->stop();
    }
}

QString DeadZone::odometerText() const
{
    const CounterState &s = m_state;
    const float integerDigits[5] = {s.DigitoDezenaMilhar, s.DigitoMilhar, s.DigitoCentena,
                                    s.DigitoDezena, s.DigitoUnidade};
    QString text;
    bool leading = true;
    for (int i = 0; i < 5; ++i) {
        if (leading && i < 4 && integerDigits[i] == 0)
            continue;
        leading = false;
        text += QString::number(int(integerDigits[i]));
    }
    text += QLocale().decimalPoint();
    for (float d : {s.DigitoDecimal1, s.DigitoDecimal2, s.DigitoDecimal3, s.DigitoDecimal4})
        text += QString::number(int(d));
    return text;
}
