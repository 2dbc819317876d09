// The odometer: nine picture wheels, their spin, jolts and rolling sound, and the
// new-victim step. What each tick shows is worked out by OdometerFrame; this applies it.
#include "windows/DeadZone/deadzone.h"

#include "core/clock.h"
#include "core/soundcues.h"
#include "core/timers.h"
#include "display/picclip.h"
#include "display/picturebox.h"
#include "display/svgpicture.h"

#include <QButtonGroup>
#include <QLabel>
#include <QProgressBar>
#include <QRadioButton>
#include <QSlider>
#include <QTimer>

#include <cmath>

namespace {

// A wheel's size in twips.
constexpr int kWheelWidth = 1095;
constexpr int kWheelHeight = 975;

} // namespace

QPixmap DeadZone::stripCell(int strip, int cell) const
{
    const PicClip *clips[4] = {m_PicClip0.get(), m_PicClip1.get(), m_PicClip2.get(),
                               m_PicClip3.get()};
    if (strip < 0 || strip > 3)
        return {};
    return clips[strip]->cell(cell, QSize(px(kWheelWidth), px(kWheelHeight)), devicePixelRatioF());
}

QPixmap DeadZone::FaceDigito(float digit) const
{
    return stripCell(2, PicClip::cellForDigit(int(digit)));
}

// The same faces in the decimal wheels' colour.
QPixmap DeadZone::FaceDigitoDecimal(float digit) const
{
    return m_PicClip2Decimal->cell(PicClip::cellForDigit(int(digit)),
                                   QSize(px(kWheelWidth), px(kWheelHeight)), devicePixelRatioF());
}

// The blank face is kept by Neutro at the window's present scale (renders are cached, so an
// unchanged scale gives the same picture and Neutro keeps it).
QPixmap DeadZone::neutroPicture() const
{
    Neutro->setPicture(svgPicture(QStringLiteral(":/pictures/neutro.svg"),
                                  QSize(px(kWheelWidth), px(kWheelHeight)), devicePixelRatioF()));
    return Neutro->picture();
}

QPixmap DeadZone::neutroDecimalPicture() const
{
    return svgPicture(QStringLiteral(":/pictures/neutro_decimal.svg"),
                      QSize(px(kWheelWidth), px(kWheelHeight)), devicePixelRatioF());
}

std::array<PictureBox *, OdometerFrame::WheelCount> DeadZone::odometerWheels() const
{
    return {Picture29, Picture17, Picture18, Picture19, Picture20,
            Picture3,  Picture2,  Picture1,  Picture0};
}

void DeadZone::showFace(int wheel, const OdometerFrame::Face &face, bool force)
{
    using Face = OdometerFrame::Face;
    // The count tick also turns Picture0, behind this record's back.
    if (face == m_wheelFaces[wheel] && !force && wheel != OdometerFrame::Picture0)
        return;
    const bool decimal = OdometerFrame::isDecimal(wheel);
    QPixmap picture;
    switch (face.kind) {
    case Face::Keep:
        return;
    case Face::Crisp:
        picture = decimal ? FaceDigitoDecimal(float(OdometerFrame::digitForCell(face.cell)))
                          : stripCell(2, face.cell);
        break;
    case Face::Spin:
        picture = stripCell(0, face.cell);
        break;
    case Face::Blank:
        picture = decimal ? neutroDecimalPicture() : neutroPicture();
        break;
    }
    m_wheelFaces[wheel] = face;
    odometerWheels()[wheel]->setPicture(picture);
}

void DeadZone::blankWheels()
{
    for (int w = 0; w < OdometerFrame::WheelCount; ++w)
        showFace(w, {OdometerFrame::Face::Blank, 0}, true);
    refreshOdometerAccessible();
}

void DeadZone::redrawOdometer()
{
    for (int w = 0; w < OdometerFrame::WheelCount; ++w)
        showFace(w, m_wheelFaces[w], true);
    for (const auto &[part, resource] : std::as_const(m_odometerFrameParts)) {
        const QRect g = m_twipsGeometry.value(part);
        part->setPicture(
            svgPicture(resource, QSize(px(g.width()), px(g.height())), devicePixelRatioF()));
    }
}

void DeadZone::Ajuste()
{
    using Face = OdometerFrame::Face;
    const CounterState &s = m_state;
    showFace(OdometerFrame::Picture1, Face::digit(int(s.DigitoDecimal3)));
    showFace(OdometerFrame::Picture0, Face::digit(int(s.DigitoDecimal4)));
    enable(Timer2);
    enable(Relogcentena);
    showFace(OdometerFrame::Picture2, Face::digit(int(s.DigitoDecimal2)));
    enable(RelogDezena);
    showFace(OdometerFrame::Picture3, Face::digit(int(s.DigitoDecimal1)));
    enable(RelogUnidade);
    refreshOdometerAccessible();
}

void DeadZone::Timer1_Timer()
{
    sl2->setMaximum(24);
    sl2->setValue(m_clock.now().time().hour());

    const OdometerFrame::Step step = m_odometer.tick(m_state, Option4Group->checkedId());
    Pg1->setMaximum(1000);
    Pg1->setValue(step.progress);
    Percent->setText(step.percent);
    for (int w = 0; w < OdometerFrame::WheelCount; ++w)
        showFace(w, step.faces[w]);

    if (step.rolling == OdometerFrame::Rolling::Stop)
        Timer2->stop();
    else if (step.rolling == OdometerFrame::Rolling::Start)
        enable(Timer2);
    if (step.tiltStopped)
        enable(Relogcentena);
    if (step.wheelJolts) {
        enable(RelogDezena);
        enable(RelogUnidade);
        enable(RelogUnidadeInteiro);
        enable(RelogdezenaInteiro);
    }
    switch (step.animation) {
    case OdometerFrame::Animation::Anjo:
        enable(relogAnjo);
        break;
    case OdometerFrame::Animation::Auto:
        enable(RelogAuto);
        break;
    case OdometerFrame::Animation::Polcar:
        enable(RelogPolcar);
        break;
    case OdometerFrame::Animation::None:
        break;
    }
    refreshOdometerAccessible();
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
    // A drop of a few twips is less than a pixel at the usual scale: it shows as one at least.
    if (topTwips > 0 && wheel->y() < 1)
        wheel->move(wheel->x(), 1);
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

std::array<int, OdometerFrame::WheelCount> DeadZone::shownDigits() const
{
    using Face = OdometerFrame::Face;
    const CounterState &s = m_state;
    // The two fast wheels show motion toward their digits between rests: read the digits.
    const float moving[OdometerFrame::WheelCount] = {
        0, 0, 0, 0, 0, 0, 0, s.DigitoDecimal3, s.DigitoDecimal4};
    std::array<int, OdometerFrame::WheelCount> shown{};
    for (int w = 0; w < OdometerFrame::WheelCount; ++w) {
        const Face &face = m_wheelFaces[w];
        if (face.kind == Face::Blank)
            shown[w] = -1;
        else if (w == OdometerFrame::Picture1 || w == OdometerFrame::Picture0)
            shown[w] = int(moving[w]);
        else
            shown[w] = face.kind == Face::Crisp ? OdometerFrame::digitForCell(face.cell) : -1;
    }
    return shown;
}

QString DeadZone::odometerText() const
{
    return OdometerFrame::text(shownDigits());
}

void DeadZone::refreshOdometerAccessible()
{
    // The wheels change 40 times a second, what they read about every two seconds.
    const std::array<int, OdometerFrame::WheelCount> shown = shownDigits();
    if (shown == m_spokenDigits)
        return;
    m_spokenDigits = shown;
    const QString text = OdometerFrame::text(shown);
    const QString name =
        QStringLiteral("Contagem: %1").arg(text.isEmpty() ? QStringLiteral("em branco") : text);
    Picture11->setAccessibleName(name);
    Picture6->setAccessibleDescription(name);
}
