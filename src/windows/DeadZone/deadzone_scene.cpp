// The new-victim animations, the notice clearer and the distribution LED.
#include "windows/DeadZone/deadzone.h"

#include "display/picturebox.h"
#include "display/svgpicture.h"

#include <QLabel>
#include <QStatusBar>
#include <QTimer>

namespace {

QPixmap sceneFrame(const QString &name, QSize size, qreal dpr)
{
    return svgPicture(QStringLiteral(":/pictures/%1.svg").arg(name), size, dpr);
}

} // namespace

// Positions are kept in twips; the image is drawn at the window's scale, its picture
// rendered again when the scale changed its size.
void DeadZone::moveScene(QWidget *image, int left, int top)
{
    if (!image)
        return;
    QRect *model = image == anjo ? &anjoTwips : image == autoCar ? &autoTwips : &PolcarTwips;
    model->moveTo(left, top);
    const QSize size(px(model->width()), px(model->height()));
    const bool resized = image->size() != size;
    image->setGeometry(px(left), px(top), size.width(), size.height());
    if (!resized)
        return;
    auto *picture = static_cast<PictureBox *>(image);
    const qreal dpr = devicePixelRatioF();
    if (image == anjo)
        picture->setPicture(sceneFrame(QStringLiteral("anjo"), size, dpr));
    else if (image == autoCar)
        picture->setPicture(sceneFrame(QStringLiteral("auto"), size, dpr));
    else if (!picture->picture().isNull())
        picture->setPicture(sceneFrame(
            m_QuadroPolcar == 1 ? QStringLiteral("pol1") : QStringLiteral("pol2"), size, dpr));
}

void DeadZone::relogAnjo_Timer()
{
    moveScene(anjo, anjoTwips.x(), anjoTwips.y() - 100);
    if (anjoTwips.y() < -1000) {
        moveScene(anjo, anjoTwips.x(), anjoTwips.height() + windowHeightTwips());
        relogAnjo->stop();
    }
}

// The moving images are drawn once the tick is over, never half-moved, so they are only
// shown again (after a pause hid them), not hidden for each move.
void DeadZone::RelogAuto_Timer()
{
    moveScene(autoCar, autoTwips.x() + 30, autoTwips.y() + 10);
    autoCar->show();
    if (autoTwips.x() > windowWidthTwips() + 400) {
        moveScene(autoCar, 1760, 840);
        RelogAuto->stop();
    }
}

void DeadZone::RelogPolcar_Timer()
{
    moveScene(Polcar, PolcarTwips.x() - 30, PolcarTwips.y());
    Polcar->show();
    if (m_QuadroPolcar == 0) {
        m_QuadroPolcar = 1;
        Polcar->setPicture(Pol1->picture());
    } else if (m_QuadroPolcar == 1) {
        m_QuadroPolcar = 0;
        Polcar->setPicture(Pol2->picture());
    }
    if (PolcarTwips.x() < 2740) {
        moveScene(Polcar, windowWidthTwips() + 600, PolcarTwips.y());
        RelogPolcar->stop();
    }
}

void DeadZone::RelogMensagem_Timer()
{
    st1Panel[0]->clear();
    RelogMensagem->stop();
}

void DeadZone::Timer4_Timer()
{
    if (m_EstadoLed == 0) {
        setLed(QColor(0, 255, 0));
        m_EstadoLed = 1;
    } else if (m_EstadoLed == 1) {
        setLed(QColor(255, 0, 0));
        m_EstadoLed = 0;
    }
}
