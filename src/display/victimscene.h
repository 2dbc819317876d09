#pragma once

#include "core/odometerframe.h"
#include "display/twipsscale.h"

#include <QObject>
#include <QRect>

class PictureBox;
class QTimer;
class QWidget;

// The new-victim animations over a window (the stage): the angel `anjo` rising, the car
// `auto` driving off to the right, the police car `Polcar` driving in from the right with the
// two frames held by `Pol1` and `Pol2`. Each is a timer that moves its image a fixed step in
// twips and parks it at a bound measured on the stage's window, so the scene follows the
// window's size and scale.
//
// The police car drives in a lane of its own, a see-through strip of the stage that ends at
// the ground line of its pictures: the car's box reaches three pixels lower, over the
// odometer's top, and without the lane each 20 ms step repainted the odometer's frames and
// wheels beneath for rows the pictures leave empty.
class VictimScene : public QObject
{
    Q_OBJECT

public:
    explicit VictimScene(QWidget *stage);
    ~VictimScene() override;

    // Places and draws the images again at this factor (1: 15 twips a pixel).
    void setScale(double factor);
    double scale() const { return m_twips.factor(); }

    // Starts the animation of a kind; one that runs already goes on where it is.
    void start(OdometerFrame::Animation animation);
    // The pause: every animation stops, the angel parks below the window, the cars hide.
    void pause();
    // The moving images over everything else on the stage.
    void raise();

    // Where the images stand, in twips.
    QRect anjoTwips() const { return m_anjo; }
    QRect autoTwips() const { return m_auto; }
    QRect PolcarTwips() const { return m_Polcar; }
    // The window's outer size in twips, as the animations measure it.
    int windowWidthTwips() const;
    int windowHeightTwips() const;

private:
    void relogAnjo_Timer();
    void RelogAuto_Timer();
    void RelogPolcar_Timer();
    // Moves an image to a position in twips; its picture is drawn again when its size changed.
    void moveScene(PictureBox *image, int left, int top);
    QRect &model(const PictureBox *image);
    void fitPolcarLane();
    bool eventFilter(QObject *watched, QEvent *event) override;
    QPixmap render(const QString &name, QSize twips) const;

    QWidget *m_stage;
    TwipsScale m_twips;
    PictureBox *m_anjoImage = nullptr;
    PictureBox *m_autoImage = nullptr;
    QWidget *m_PolcarLane = nullptr;
    PictureBox *m_PolcarImage = nullptr;
    PictureBox *m_Pol1 = nullptr;
    PictureBox *m_Pol2 = nullptr;
    QTimer *m_relogAnjo = nullptr;
    QTimer *m_RelogAuto = nullptr;
    QTimer *m_RelogPolcar = nullptr;

    // Positions in twips (the model); the images are placed from them.
    QRect m_anjo{8400, 6000, 1410, 2085};
    QRect m_auto{1755, 960, 1500, 750};
    QRect m_Polcar{8760, 3480, 1500, 1005};
    // How much of the police car's height its pictures draw (their ground line), in twips.
    static constexpr int kPolcarDrawnHeight = 960;
    // Which police-car frame comes next.
    qint16 m_QuadroPolcar = 0;
};
