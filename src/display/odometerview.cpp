#include "display/odometerview.h"

#include "core/timers.h"
#include "display/odometerbox.h"
#include "display/picclip.h"
#include "display/picturebox.h"
#include "display/svgpicture.h"

#include <QLabel>
#include <QTimer>

#include <algorithm>

namespace {

// Where the housings and the comma stand inside the odometer's area, in twips.
constexpr QRect kIntegerHousing{0, 120, 4995, 950};
constexpr QRect kDecimalHousing{5160, 120, 4030, 950};
constexpr QRect kComma{4920, 0, 315, 1000};
// The frame: a divider over each joint between wheels, an end piece at each end.
constexpr int kDividerWidth = 210;
constexpr int kEndWidth = 315;
// Text height of the window's ordinary captions, in twips: the comma is drawn 3.2 times it.
constexpr int kFontTwips = 165;

QTimer *joltTimer(QObject *parent, const QString &name, int interval)
{
    auto *timer = new QTimer(parent);
    timer->setObjectName(name);
    timer->setInterval(interval);
    return timer;
}

} // namespace

OdometerView::OdometerView(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("OdometerView"));
    // Moves over the gaps between the housings reach the window below, as over its background.
    setMouseTracking(true);
    m_PicClip0 = std::make_unique<PicClip>(QStringLiteral(":/pictures/strip0.svg"));
    m_PicClip1 = std::make_unique<PicClip>(QStringLiteral(":/pictures/strip1.svg"));
    m_PicClip2 = std::make_unique<PicClip>(QStringLiteral(":/pictures/strip2.svg"));
    m_PicClip3 = std::make_unique<PicClip>(QStringLiteral(":/pictures/strip3.svg"));
    m_PicClip2Decimal = std::make_unique<PicClip>(QStringLiteral(":/pictures/strip2_decimal.svg"));

    m_Relogcentena = joltTimer(this, QStringLiteral("Relogcentena"), 199);
    m_RelogUnidade = joltTimer(this, QStringLiteral("RelogUnidade"), 476);
    m_RelogDezena = joltTimer(this, QStringLiteral("RelogDezena"), 300);
    m_RelogUnidadeInteiro = joltTimer(this, QStringLiteral("RelogUnidadeInteiro"), 400);
    m_RelogdezenaInteiro = joltTimer(this, QStringLiteral("RelogdezenaInteiro"), 637);

    m_twips.setOrigin(this, AreaTwips.topLeft());
    build();

    using W = OdometerFrame::Wheel;
    connect(m_RelogUnidade, &QTimer::timeout, this,
            [this] { joltTick(m_RelogUnidade, m_wheels[W::Picture3], 9, false); });
    connect(m_RelogDezena, &QTimer::timeout, this,
            [this] { joltTick(m_RelogDezena, m_wheels[W::Picture2], 9, true); });
    connect(m_Relogcentena, &QTimer::timeout, this,
            [this] { joltTick(m_Relogcentena, m_wheels[W::Picture1], 6, true); });
    connect(m_RelogUnidadeInteiro, &QTimer::timeout, this,
            [this] { joltTick(m_RelogUnidadeInteiro, m_wheels[W::Picture20], 8, true); });
    connect(m_RelogdezenaInteiro, &QTimer::timeout, this,
            [this] { joltTick(m_RelogdezenaInteiro, m_wheels[W::Picture19], 8, true); });
}

OdometerView::~OdometerView() = default;

void OdometerView::build()
{
    m_Picture11 = new OdometerBox(this);
    m_Picture11->setObjectName(QStringLiteral("Picture11"));
    m_Picture6 = new OdometerBox(this);
    m_Picture6->setObjectName(QStringLiteral("Picture6"));
    m_twips.place(m_Picture11, kIntegerHousing);
    m_twips.place(m_Picture6, kDecimalHousing);
    m_Picture11->setAccessibleName(QStringLiteral("Contagem: em branco"));
    m_Picture11->setAccessibleDescription(QStringLiteral("Odômetro da contagem acumulada"));
    m_Picture6->setAccessibleName(QStringLiteral("Casas decimais da contagem"));

    // The comma stands in the gap between the housings.
    m_Label5 = new QLabel(QStringLiteral(","), this);
    m_Label5->setObjectName(QStringLiteral("Label5"));
    m_Label5->setAlignment(Qt::AlignHCenter | Qt::AlignBottom);
    m_Label5->setAccessibleName(QStringLiteral("vírgula"));
    m_twips.setFontScale(m_Label5, 3.2, true);
    m_twips.place(m_Label5, kComma);
    // Under the housings: it overlaps the integer housing's edge, and a label above the
    // wheels would be laid out again whenever a wheel next to it moves.
    m_Label5->stackUnder(m_Picture11);

    struct WheelPlace
    {
        OdometerBox *housing;
        const char *name;
        int left;
    };
    // In the order of OdometerFrame's wheels.
    const WheelPlace places[OdometerFrame::WheelCount] = {
        {m_Picture11, "Picture29", 0},    {m_Picture11, "Picture17", 960},
        {m_Picture11, "Picture18", 1920}, {m_Picture11, "Picture19", 2910},
        {m_Picture11, "Picture20", 3885}, {m_Picture6, "Picture3", 0},
        {m_Picture6, "Picture2", 960},    {m_Picture6, "Picture1", 1950},
        {m_Picture6, "Picture0", 2920},
    };
    // Never shown: it holds the blank face that blanks a wheel.
    m_Neutro = new PictureBox(this);
    m_Neutro->setObjectName(QStringLiteral("Neutro"));
    m_twips.place(m_Neutro,
                  QRect(QPoint(-2 * WheelTwips.width(), -2 * WheelTwips.height()), WheelTwips));
    m_Neutro->hide();
    for (int w = 0; w < OdometerFrame::WheelCount; ++w) {
        auto *wheel = new PictureBox(places[w].housing);
        wheel->setObjectName(QString::fromLatin1(places[w].name));
        // Every face is an opaque picture: nothing behind a wheel needs drawing.
        wheel->setAttribute(Qt::WA_OpaquePaintEvent);
        m_twips.place(wheel, QRect(QPoint(places[w].left, 0), WheelTwips));
        m_wheels[w] = wheel;
    }

    // The metal frame over the drums: an end piece at each end of a housing and a divider
    // over each joint between neighbouring wheels (the wheels overlap a little there).
    const QString divider = QStringLiteral(":/pictures/divider.svg");
    const QString endpiece = QStringLiteral(":/pictures/endpiece.svg");
    auto addPart = [this](OdometerBox *box, const QString &resource, int left, int width) {
        auto *part = new PictureBox(box);
        part->setObjectName(box->objectName() + QStringLiteral("Moldura") +
                            QString::number(m_frameParts.size()));
        part->setAttribute(Qt::WA_TransparentForMouseEvents);
        m_twips.place(part, left, 0, width, m_twips.geometry(box).height());
        part->raise();
        m_frameParts.append({part, resource});
    };
    for (OdometerBox *box : {m_Picture11, m_Picture6}) {
        int last = -1;
        for (const WheelPlace &w : places) {
            if (w.housing != box)
                continue;
            if (last >= 0) {
                const int joint = (w.left + last + WheelTwips.width()) / 2;
                addPart(box, divider, joint - kDividerWidth / 2, kDividerWidth);
            }
            last = w.left;
        }
        const int width = m_twips.geometry(box).width();
        addPart(box, endpiece, 0, kEndWidth);
        addPart(box, endpiece, width - kEndWidth, kEndWidth);
        connect(box, &OdometerBox::resized, this, &OdometerView::redraw);
    }

    m_faces.fill({Face::Blank, 0});
    m_spokenDigits.fill(-2);
    m_twips.apply(this, kFontTwips);
    redraw();
}

void OdometerView::setScale(double factor)
{
    m_fixedScale = true;
    if (!(factor > 0) || qFuzzyCompare(factor, m_twips.factor()))
        return;
    m_twips.setFactor(factor);
    m_twips.apply(this, kFontTwips);
    redraw();
}

void OdometerView::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    if (m_fixedScale)
        return;
    const double factor = TwipsScale::fitting(AreaTwips.size(), size());
    if (factor > 0 && !qFuzzyCompare(factor, m_twips.factor())) {
        m_twips.setFactor(factor);
        m_twips.apply(this, kFontTwips);
        redraw();
    }
}

QPixmap OdometerView::stripCell(const PicClip &strip, int cell) const
{
    return strip.cell(cell, m_twips.px(WheelTwips), devicePixelRatioF());
}

// The blank face is kept by Neutro at the present scale (renders are cached, so an unchanged
// scale gives the same picture and Neutro keeps it).
QPixmap OdometerView::blankPicture(bool decimal) const
{
    const QSize size = m_twips.px(WheelTwips);
    if (decimal)
        return svgPicture(QStringLiteral(":/pictures/neutro_decimal.svg"), size,
                          devicePixelRatioF());
    m_Neutro->setPicture(
        svgPicture(QStringLiteral(":/pictures/neutro.svg"), size, devicePixelRatioF()));
    return m_Neutro->picture();
}

std::array<PictureBox *, OdometerFrame::WheelCount> OdometerView::wheels() const
{
    return m_wheels;
}

void OdometerView::showStartFaces()
{
    using W = OdometerFrame::Wheel;
    m_wheels[W::Picture0]->setPicture(stripCell(*m_PicClip0, 9));
    m_wheels[W::Picture1]->setPicture(stripCell(*m_PicClip1, 9));
    m_wheels[W::Picture2]->setPicture(stripCell(*m_PicClip2, 9));
    m_wheels[W::Picture3]->setPicture(stripCell(*m_PicClip3, 9));
    for (int w : {W::Picture17, W::Picture18, W::Picture19, W::Picture20, W::Picture29})
        m_wheels[w]->setPicture(blankPicture(false));
}

void OdometerView::startJolts()
{
    enable(m_RelogUnidade);
    enable(m_Relogcentena);
}

void OdometerView::setFace(int wheel, const Face &face)
{
    if (face.kind == Face::Crisp && wheel == OdometerFrame::Picture1)
        m_spinningDigit1 = OdometerFrame::digitForCell(face.cell);
    else if (face.kind == Face::Crisp && wheel == OdometerFrame::Picture0)
        m_spinningDigit0 = OdometerFrame::digitForCell(face.cell);
    showFace(wheel, face, false);
    refreshAccessible();
}

void OdometerView::showFace(int wheel, const Face &face, bool force)
{
    if (wheel < 0 || wheel >= OdometerFrame::WheelCount)
        return;
    if (face == m_faces[wheel] && !force)
        return;
    const bool decimal = OdometerFrame::isDecimal(wheel);
    QPixmap picture;
    switch (face.kind) {
    case Face::Keep:
        return;
    case Face::Crisp:
        picture = stripCell(decimal ? *m_PicClip2Decimal : *m_PicClip2, face.cell);
        break;
    case Face::Spin:
        picture = stripCell(*m_PicClip0, face.cell);
        break;
    case Face::Blank:
        picture = blankPicture(decimal);
        break;
    }
    m_faces[wheel] = face;
    m_wheels[wheel]->setPicture(picture);
}

void OdometerView::showDecimals(const CounterState &digits)
{
    using W = OdometerFrame::Wheel;
    m_spinningDigit1 = int(digits.DigitoDecimal3);
    m_spinningDigit0 = int(digits.DigitoDecimal4);
    setFace(W::Picture1, Face::digit(int(digits.DigitoDecimal3)));
    setFace(W::Picture0, Face::digit(int(digits.DigitoDecimal4)));
    enable(m_Relogcentena);
    setFace(W::Picture2, Face::digit(int(digits.DigitoDecimal2)));
    enable(m_RelogDezena);
    setFace(W::Picture3, Face::digit(int(digits.DigitoDecimal1)));
    enable(m_RelogUnidade);
    refreshAccessible();
}

void OdometerView::apply(const OdometerFrame::Step &step, const CounterState &digits)
{
    m_spinningDigit1 = int(digits.DigitoDecimal3);
    m_spinningDigit0 = int(digits.DigitoDecimal4);
    // The spin shows passing digits on the fourth-decimal wheel: they are not what it reads.
    for (int w = 0; w < OdometerFrame::WheelCount; ++w)
        showFace(w, step.faces[w], false);
    if (step.tiltStopped)
        enable(m_Relogcentena);
    if (step.wheelJolts) {
        enable(m_RelogDezena);
        enable(m_RelogUnidade);
        enable(m_RelogUnidadeInteiro);
        enable(m_RelogdezenaInteiro);
    }
    refreshAccessible();
}

void OdometerView::blank()
{
    for (int w = 0; w < OdometerFrame::WheelCount; ++w)
        showFace(w, {Face::Blank, 0}, true);
    refreshAccessible();
}

void OdometerView::redraw()
{
    for (int w = 0; w < OdometerFrame::WheelCount; ++w)
        showFace(w, m_faces[w], true);
    for (const auto &[part, resource] : std::as_const(m_frameParts))
        part->setPicture(
            svgPicture(resource, m_twips.px(m_twips.geometry(part).size()), devicePixelRatioF()));
}

void OdometerView::setWheelTop(PictureBox *wheel, int topTwips)
{
    QRect g = m_twips.geometry(wheel);
    g.moveTop(topTwips);
    m_twips.place(wheel, g);
    // A drop of a few twips is less than a pixel at the usual scale: it shows as one at least.
    if (topTwips > 0 && wheel->y() < 1)
        wheel->move(wheel->x(), 1);
}

void OdometerView::joltTick(QTimer *timer, PictureBox *wheel, int drop, bool gated)
{
    if (gated && !m_tiltOn)
        return;
    if (m_twips.geometry(wheel).y() == 0) {
        setWheelTop(wheel, drop);
    } else {
        setWheelTop(wheel, 0);
        timer->stop();
    }
}

std::array<int, OdometerFrame::WheelCount> OdometerView::shownDigits() const
{
    std::array<int, OdometerFrame::WheelCount> shown{};
    bool anyDigit = false;
    for (int w = 0; w < OdometerFrame::WheelCount; ++w) {
        const Face &face = m_faces[w];
        shown[w] = face.kind == Face::Crisp ? OdometerFrame::digitForCell(face.cell) : -1;
        if (w != OdometerFrame::Picture1 && w != OdometerFrame::Picture0)
            anyDigit = anyDigit || shown[w] >= 0;
    }
    // The two fast wheels show motion toward their digits between rests: read the digits,
    // also while one still shows the blank face of a reset under a count already shown.
    if (m_faces[OdometerFrame::Picture1].kind != Face::Blank || anyDigit)
        shown[OdometerFrame::Picture1] = m_spinningDigit1;
    if (m_faces[OdometerFrame::Picture0].kind != Face::Blank || anyDigit)
        shown[OdometerFrame::Picture0] = m_spinningDigit0;
    return shown;
}

bool OdometerView::showsCount() const
{
    return std::any_of(m_faces.cbegin(), m_faces.cend(),
                       [](const Face &face) { return face.kind != Face::Blank; });
}

QString OdometerView::text() const
{
    return OdometerFrame::text(shownDigits());
}

void OdometerView::refreshAccessible()
{
    // The wheels change 40 times a second, what they read about every two seconds.
    const std::array<int, OdometerFrame::WheelCount> shown = shownDigits();
    if (shown == m_spokenDigits)
        return;
    m_spokenDigits = shown;
    const QString text = OdometerFrame::text(shown);
    const QString name =
        QStringLiteral("Contagem: %1").arg(text.isEmpty() ? QStringLiteral("em branco") : text);
    m_Picture11->setAccessibleName(name);
    m_Picture6->setAccessibleDescription(name);
}
