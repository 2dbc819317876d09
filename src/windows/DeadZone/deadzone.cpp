#include "windows/DeadZone/deadzone.h"

#include "core/clock.h"
#include "core/numbermask.h"
#include "core/soundcues.h"
#include "core/timers.h"
#include "display/odometerview.h"
#include "display/picturebox.h"
#include "display/picturebutton.h"
#include "display/svgpicture.h"
#include "display/victimscene.h"

#include <QApplication>
#include <QButtonGroup>
#include <QCloseEvent>
#include <QComboBox>
#include <QEvent>
#include <QFrame>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QProgressBar>
#include <QRadioButton>
#include <QSlider>
#include <QStatusBar>
#include <QTimer>

DeadZone::DeadZone(Clock &clock, SoundCues &sound, DesktopServices &desktop, QString dataDirectory,
                   QWidget *parent)
    : QWidget(parent), m_clock(clock), m_sound(sound), m_desktop(desktop),
      m_dataDirectory(std::move(dataDirectory))
{
    buildControls();
    connectControls();
    buildPresentationControls();
    buildPictureControls();
    Form_Load();
}

DeadZone::~DeadZone()
{
    dropPresentation();
    // The editor is a window of its own, not a child: it goes before the model it shows.
    closeSecondaryWindows();
}

bool DeadZone::counting() const
{
    return Timer3->isActive();
}

void DeadZone::connectControls()
{
    connect(ParametroMes, &QLineEdit::textChanged, this, &DeadZone::ParametroMes_Change);
    ParametroMes->installEventFilter(this);
    connect(ParametroDia, &QLineEdit::textChanged, this, &DeadZone::ParametroDia_Change);
    connect(ParametroHoje, &QLineEdit::textChanged, this, &DeadZone::ParametroHoje_Change);
    connect(Option1Group, &QButtonGroup::idToggled, this, [this](int id, bool on) {
        if (on)
            Option1_Click(id);
    });
    connect(opcaoDistribuicaoGroup, &QButtonGroup::idToggled, this, [this](int, bool on) {
        if (on)
            opcaoDistribuicao_Click();
    });
    connect(Option2, &QRadioButton::clicked, this, &DeadZone::Option2_Click);
    connect(Option3, &QRadioButton::clicked, this, &DeadZone::Option3_Click);
    connect(Option6Group, &QButtonGroup::idToggled, this, [this](int id, bool on) {
        if (on)
            Option6_Click(id);
    });

    connect(Timer3, &QTimer::timeout, this, &DeadZone::Timer3_Timer);
    connect(Timer1, &QTimer::timeout, this, &DeadZone::Timer1_Timer);
    connect(Timer2, &QTimer::timeout, this, &DeadZone::Timer2_Timer);
    connect(Timer4, &QTimer::timeout, this, &DeadZone::Timer4_Timer);
    connect(RelogMensagem, &QTimer::timeout, this, &DeadZone::RelogMensagem_Timer);

    connect(Image2, &PictureButton::clicked, this, &DeadZone::Image2_Click);
    connect(Image3, &PictureButton::clicked, this, &DeadZone::Image3_Click);
    for (PictureButton *button : {Image2, Image3}) {
        connect(button, &PictureButton::mousePressed, button,
                [button] { button->setBorderStyle(1); });
        connect(button, &PictureButton::mouseReleased, button,
                [button] { button->setBorderStyle(0); });
    }

    connect(List1, &QListWidget::itemDoubleClicked, this, &DeadZone::List1_DblClick);
    connect(Homicidios, &QComboBox::currentIndexChanged, this, &DeadZone::Homicidios_Click);

    for (int i = 0; i < 10; ++i) {
        PictureButton *button = botao[i];
        connect(button, &PictureButton::clicked, this, [this, i] { botao_Click(i); });
        connect(button, &PictureButton::mouseMoved, button,
                [button] { button->setBorderStyle(1); });
        connect(button, &PictureButton::mousePressed, button,
                [button] { button->setAppearance(0); });
        connect(button, &PictureButton::mouseReleased, button,
                [button] { button->setAppearance(1); });
    }
}

void DeadZone::Form_Load()
{
    m_odometerView->showStartFaces();

    loadPictures();
    teclasOff();

    Timer1->setInterval(qRound(Timer2->interval() / 4.0));
    m_sound.SomDesligado = 1;
    if (const auto m = readNumber(ParametroMes->text()))
        ParametroDia->setText(QString::number(*m / 30.0));

    place(PainelList1, m_twips.geometry(PainelList1).x(), 720,
          m_twips.geometry(PainelList1).width(), m_twips.geometry(PainelList1).height());
    place(PainelFerramentas, m_twips.geometry(PainelFerramentas).x(), 660,
          m_twips.geometry(PainelFerramentas).width(),
          m_twips.geometry(PainelFerramentas).height());
    LimpaGrafico();

    Timer3->stop();
    Ajuste();
    Timer3->stop();

    m_state.forgetShownDigits();
    setLed(QColor(128, 0, 0));
    // The jolt timers stored enabled give one jolt when the window comes up.
    m_odometerView->startJolts();
    enable(Timer2);
    checkSoundOutput();
}

// Renders the window's pictures at its present scale; the faces keep showing what they showed.
void DeadZone::loadPictures()
{
    const qreal dpr = devicePixelRatioF();
    const QSize face(px(640), px(600));
    m_playon = svgPicture(QStringLiteral(":/pictures/playon.svg"), face, dpr);
    m_playoff = svgPicture(QStringLiteral(":/pictures/playoff.svg"), face, dpr);
    m_waitOn = svgPicture(QStringLiteral(":/pictures/waiton.svg"), face, dpr);
    m_WaitOff = svgPicture(QStringLiteral(":/pictures/waitoff.svg"), face, dpr);
    showRunFaces(m_runState == RunState::Running, m_runState == RunState::Waiting);
    const auto render = [this, dpr](const QString &name, int width, int height) {
        return svgPicture(QStringLiteral(":/pictures/%1.svg").arg(name),
                          QSize(px(width), px(height)), dpr);
    };
    Picture22->setPicture(render(QStringLiteral("cover"), 9270, 1030));
    Image6->setPicture(render(QStringLiteral("tilt"), 1300, 420));
    Image8->setPicture(render(QStringLiteral("som"), 1300, 420));
    for (int i = 0; i < 10; ++i) {
        const QRect g = m_twips.geometry(botao[i]);
        botao[i]->setPicture(render(QStringLiteral("botao%1").arg(i), g.width(), g.height()));
    }
}

void DeadZone::Inicializa()
{
    Percent->setText(QStringLiteral("0"));
    Pg1->setValue(0);
    // No figure of the previous count stays beside the blank wheels.
    ParametroHoje->clear();
    st1Panel[1]->clear();
    m_odometerView->blank();
    m_state.forgetShownDigits();
    opcaoDistribuicao[0]->setEnabled(false);
    // A pattern greyed out is no longer counted with: "Não usar" is the reset's selection.
    opcaoDistribuicao[1]->setChecked(true);
    PercentualDinamico->clear();
    Timer4->stop();
    setLed(QColor(128, 0, 0));
    teclasOff();
    LimpaGrafico();
    sl2->setMaximum(24);
    sl2->setValue(0);
    emit counterReset();
}

void DeadZone::Form_Unload()
{
    // The whole program ends with the main window; no file is written.
    QApplication::closeAllWindows();
    QCoreApplication::quit();
}

void DeadZone::closeEvent(QCloseEvent *event)
{
    event->accept();
    Form_Unload();
}

void DeadZone::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    const double scale = TwipsScale::fitting(ClientTwips, size());
    if (scale > 0 && qAbs(scale - m_twips.factor()) > 0.01) {
        m_twips.setFactor(scale);
        applyScale();
        loadPictures();
    }
}

void DeadZone::mouseMoveEvent(QMouseEvent *event)
{
    hoverOff();
    QWidget::mouseMoveEvent(event);
}

bool DeadZone::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == ParametroMes && event->type() == QEvent::KeyPress) {
        // The handler runs first, then the key still has its own effect on the field.
        ParametroMes_KeyDown(
            static_cast<QKeyEvent *>(event)->key() |
            int(static_cast<QKeyEvent *>(event)->modifiers() & Qt::KeypadModifier));
        return false;
    }
    if (watched == List1 && event->type() == QEvent::KeyPress) {
        // Enter and Space choose the entry, as a double click does.
        const int key = static_cast<QKeyEvent *>(event)->key();
        if ((key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Space) &&
            List1->currentItem()) {
            List1_DblClick();
            return true;
        }
    }
    if (event->type() == QEvent::MouseMove &&
        (watched == static_cast<QObject *>(Frame1) || watched == Label9 || watched == List1 ||
         watched == List1->viewport() || watched == PainelFerramentas || watched == Picture42 ||
         watched == Picture8)) {
        hoverOff();
    }
    if (event->type() == QEvent::MouseButtonRelease && watched == Picture8)
        botao[0]->setAppearance(1);
    return QWidget::eventFilter(watched, event);
}
