#pragma once

#include "core/counterstate.h"
#include "core/odometerframe.h"
#include "display/twipsscale.h"

#include <QList>
#include <QPair>
#include <QPixmap>
#include <QWidget>

#include <array>
#include <memory>

class OdometerBox;
class PicClip;
class PictureBox;
class QLabel;
class QTimer;

// The odometer: five integer wheels in the housing Picture11, the comma Label5 and four
// decimal wheels in Picture6, their metal frame, and the jolt timers that shake the wheels.
// It shows what the display tick worked out (OdometerFrame::Step) and reads the count to
// assistive technology. Laid out in twips, it is drawn at any size: at the scale given, or
// fitted to its own size until one is given.
class OdometerView : public QWidget
{
    Q_OBJECT

public:
    using Face = OdometerFrame::Face;

    // The area the odometer takes on the main window, in twips.
    static constexpr QRect AreaTwips{600, 4320, 9190, 1120};
    // Every wheel's size, in twips.
    static constexpr QSize WheelTwips{1095, 975};

    explicit OdometerView(QWidget *parent = nullptr);
    ~OdometerView() override;

    // Draws the odometer at this factor from now on (1: 15 twips a pixel).
    void setScale(double factor);
    double scale() const { return m_twips.factor(); }

    // The first faces of the window's start-up: each decimal wheel shows the last cell of
    // its own strip, the integer wheels are blank.
    void showStartFaces();
    // The one jolt that the units and hundredths wheels give when the window comes up.
    void startJolts();
    // Gives a wheel a face; a face it already shows is not set again. A digit given to one of
    // the two fastest wheels is the digit it reads from now on.
    void setFace(int wheel, const Face &face);
    // The four decimal wheels drawn from the digits, and their jolts started.
    void showDecimals(const CounterState &digits);
    // One display tick: the faces and the jolts it enables. The digits say what the two
    // fastest wheels stand for while they spin.
    void apply(const OdometerFrame::Step &step, const CounterState &digits);
    // Every wheel blank: the reset look.
    void blank();

    // TILT OFF holds the gated jolts.
    void setTilt(bool on) { m_tiltOn = on; }
    bool tiltOn() const { return m_tiltOn; }

    // What the wheels read, e.g. "105,3720" (leading zeros blank; empty when all are).
    // A count always reads with its four decimals.
    QString text() const;
    // Whether any wheel shows more than the blank face: false after blank() until the next
    // display tick gives the wheels a count.
    bool showsCount() const;

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    void build();
    void buildFrame();
    QPixmap stripCell(const PicClip &strip, int cell) const;
    QPixmap blankPicture(bool decimal) const;
    std::array<PictureBox *, OdometerFrame::WheelCount> wheels() const;
    void showFace(int wheel, const Face &face, bool force);
    void redraw();
    void refreshAccessible();
    std::array<int, OdometerFrame::WheelCount> shownDigits() const;
    void joltTick(QTimer *timer, PictureBox *wheel, int drop, bool gated);
    void setWheelTop(PictureBox *wheel, int topTwips);

    TwipsScale m_twips;
    bool m_fixedScale = false;
    bool m_tiltOn = true;
    // The digits the two fastest wheels stand for, from the last step applied.
    int m_spinningDigit1 = 0;
    int m_spinningDigit0 = 0;

    OdometerBox *m_Picture11 = nullptr;
    OdometerBox *m_Picture6 = nullptr;
    QLabel *m_Label5 = nullptr;
    PictureBox *m_Neutro = nullptr;
    std::array<PictureBox *, OdometerFrame::WheelCount> m_wheels{};
    // Divider and end pieces of the frame, with their pictures.
    QList<QPair<PictureBox *, QString>> m_frameParts;

    QTimer *m_Relogcentena = nullptr;
    QTimer *m_RelogUnidade = nullptr;
    QTimer *m_RelogDezena = nullptr;
    QTimer *m_RelogUnidadeInteiro = nullptr;
    QTimer *m_RelogdezenaInteiro = nullptr;

    std::unique_ptr<PicClip> m_PicClip0;
    std::unique_ptr<PicClip> m_PicClip1;
    std::unique_ptr<PicClip> m_PicClip2;
    std::unique_ptr<PicClip> m_PicClip3;
    std::unique_ptr<PicClip> m_PicClip2Decimal;

    // The face each wheel was last given, so the wheels are drawn again at a new scale.
    std::array<Face, OdometerFrame::WheelCount> m_faces{};
    std::array<int, OdometerFrame::WheelCount> m_spokenDigits{};
};
