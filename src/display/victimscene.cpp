#include "display/victimscene.h"

#include "core/timers.h"
#include "display/picturebox.h"
#include "display/svgpicture.h"

#include <QEvent>
#include <QTimer>
#include <QWidget>

namespace {

PictureBox *image(QWidget *stage, const QString &name)
{
    auto *box = new PictureBox(stage);
    box->setObjectName(name);
    return box;
}

} // namespace

VictimScene::VictimScene(QWidget *stage) : QObject(stage), m_stage(stage)
{
    setObjectName(QStringLiteral("VictimScene"));
    m_anjoImage = image(stage, QStringLiteral("anjo"));
    m_autoImage = image(stage, QStringLiteral("auto"));
    m_PolcarLane = new QWidget(stage);
    m_PolcarLane->setObjectName(QStringLiteral("PolcarLane"));
    m_PolcarImage = image(m_PolcarLane, QStringLiteral("Polcar"));
    // The moving images fly over everything and never take the mouse.
    for (QWidget *moving :
         {static_cast<QWidget *>(m_anjoImage), static_cast<QWidget *>(m_autoImage), m_PolcarLane})
        moving->setAttribute(Qt::WA_TransparentForMouseEvents);
    stage->installEventFilter(this);
    // Never shown: they only hold the police car's two frames.
    m_Pol1 = image(stage, QStringLiteral("Pol1"));
    m_Pol2 = image(stage, QStringLiteral("Pol2"));
    m_twips.place(m_Pol1, 9240, 1800, 1500, 1005);
    m_twips.place(m_Pol2, 9120, 2400, 1500, 1005);
    m_Pol1->hide();
    m_Pol2->hide();

    m_relogAnjo = namedTimer(this, QStringLiteral("relogAnjo"), 50);
    m_RelogAuto = namedTimer(this, QStringLiteral("RelogAuto"), 10);
    m_RelogPolcar = namedTimer(this, QStringLiteral("RelogPolcar"), 20);
    connect(m_relogAnjo, &QTimer::timeout, this, &VictimScene::relogAnjo_Timer);
    connect(m_RelogAuto, &QTimer::timeout, this, &VictimScene::RelogAuto_Timer);
    connect(m_RelogPolcar, &QTimer::timeout, this, &VictimScene::RelogPolcar_Timer);

    setScale(1.0);
}

VictimScene::~VictimScene() = default;

QPixmap VictimScene::render(const QString &name, QSize twips) const
{
    return svgPicture(QStringLiteral(":/pictures/%1.svg").arg(name), m_twips.px(twips),
                      m_stage->devicePixelRatioF());
}

void VictimScene::setScale(double factor)
{
    m_twips.setFactor(factor);
    m_twips.apply();
    fitPolcarLane();
    moveScene(m_anjoImage, m_anjo.x(), m_anjo.y());
    moveScene(m_autoImage, m_auto.x(), m_auto.y());
    moveScene(m_PolcarImage, m_Polcar.x(), m_Polcar.y());
    m_anjoImage->setPicture(render(QStringLiteral("anjo"), m_anjo.size()));
    m_autoImage->setPicture(render(QStringLiteral("auto"), m_auto.size()));
    m_Pol1->setPicture(render(QStringLiteral("pol1"), m_twips.geometry(m_Pol1).size()));
    m_Pol2->setPicture(render(QStringLiteral("pol2"), m_twips.geometry(m_Pol2).size()));
    // The police car has no picture until its first run; then it keeps the frame it shows.
    if (!m_PolcarImage->picture().isNull())
        m_PolcarImage->setPicture(m_QuadroPolcar == 1 ? m_Pol1->picture() : m_Pol2->picture());
}

void VictimScene::raise()
{
    m_anjoImage->raise();
    m_autoImage->raise();
    m_PolcarLane->raise();
}

// The lane spans the stage's width, from its top down to the police car's ground line; at
// the stage's top left, the car's place in the lane is its place on the stage.
void VictimScene::fitPolcarLane()
{
    m_PolcarLane->setGeometry(0, 0, m_stage->width(),
                              m_twips.px(m_Polcar.top() + kPolcarDrawnHeight));
}

bool VictimScene::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_stage && event->type() == QEvent::Resize)
        fitPolcarLane();
    return QObject::eventFilter(watched, event);
}

int VictimScene::windowWidthTwips() const
{
    return m_twips.twips(m_stage->window()->frameGeometry().width());
}

int VictimScene::windowHeightTwips() const
{
    return m_twips.twips(m_stage->window()->frameGeometry().height());
}

void VictimScene::start(OdometerFrame::Animation animation)
{
    switch (animation) {
    case OdometerFrame::Animation::Anjo:
        enable(m_relogAnjo);
        break;
    case OdometerFrame::Animation::Auto:
        enable(m_RelogAuto);
        break;
    case OdometerFrame::Animation::Polcar:
        enable(m_RelogPolcar);
        break;
    case OdometerFrame::Animation::None:
        break;
    }
}

void VictimScene::pause()
{
    m_RelogPolcar->stop();
    m_relogAnjo->stop();
    m_RelogAuto->stop();
    moveScene(m_anjoImage, m_anjo.x(), m_anjo.height() + windowHeightTwips());
    m_autoImage->hide();
    moveScene(m_autoImage, m_auto.x() + 30, m_auto.y() + 10);
    m_PolcarImage->hide();
    moveScene(m_PolcarImage, m_Polcar.x() - 30, m_Polcar.y());
}

QRect &VictimScene::model(const PictureBox *image)
{
    return image == m_anjoImage ? m_anjo : image == m_autoImage ? m_auto : m_Polcar;
}

// Positions are kept in twips; the image is drawn at the present scale, its picture rendered
// again when the scale changed its size.
void VictimScene::moveScene(PictureBox *image, int left, int top)
{
    QRect &twips = model(image);
    twips.moveTo(left, top);
    const QSize size = m_twips.px(twips.size());
    const bool resized = image->size() != size;
    image->setGeometry(m_twips.px(left), m_twips.px(top), size.width(), size.height());
    if (!resized)
        return;
    if (image == m_anjoImage)
        image->setPicture(render(QStringLiteral("anjo"), twips.size()));
    else if (image == m_autoImage)
        image->setPicture(render(QStringLiteral("auto"), twips.size()));
    else if (!image->picture().isNull())
        image->setPicture(render(
            m_QuadroPolcar == 1 ? QStringLiteral("pol1") : QStringLiteral("pol2"), twips.size()));
}

void VictimScene::relogAnjo_Timer()
{
    moveScene(m_anjoImage, m_anjo.x(), m_anjo.y() - 100);
    if (m_anjo.y() < -1000) {
        moveScene(m_anjoImage, m_anjo.x(), m_anjo.height() + windowHeightTwips());
        m_relogAnjo->stop();
    }
}

// The moving images are drawn once the tick is over, never half-moved, so they are only
// shown again (after a pause hid them), not hidden for each move.
void VictimScene::RelogAuto_Timer()
{
    moveScene(m_autoImage, m_auto.x() + 30, m_auto.y() + 10);
    m_autoImage->show();
    if (m_auto.x() > windowWidthTwips() + 400) {
        moveScene(m_autoImage, 1760, 840);
        m_RelogAuto->stop();
    }
}

void VictimScene::RelogPolcar_Timer()
{
    moveScene(m_PolcarImage, m_Polcar.x() - 30, m_Polcar.y());
    m_PolcarImage->show();
    if (m_QuadroPolcar == 0) {
        m_QuadroPolcar = 1;
        m_PolcarImage->setPicture(m_Pol1->picture());
    } else if (m_QuadroPolcar == 1) {
        m_QuadroPolcar = 0;
        m_PolcarImage->setPicture(m_Pol2->picture());
    }
    if (m_Polcar.x() < 2740) {
        moveScene(m_PolcarImage, windowWidthTwips() + 600, m_Polcar.y());
        m_RelogPolcar->stop();
    }
}
