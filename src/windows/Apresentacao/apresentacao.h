#pragma once

#include "core/counterstate.h"
#include "core/countsentence.h"
#include "core/odometerframe.h"
#include "core/presentationtally.h"
#include "distribution/livepage.h"
#include "windows/sharepicture.h"

#include <QList>
#include <QRect>
#include <QWidget>

class Clock;
class Counter;
class EventScreen;
class OdometerView;
class QLabel;
class QProgressBar;
class QScreen;
class QTimer;
class VictimAnnouncer;
class VictimScene;

// The presentation view: one counter at full screen for a classroom or an event, readable from
// the back of the room. It is a view of a Counter with its own odometer and scene, so that it
// can show beside the main window on another screen; it never counts by itself. Space asks to
// start or pause, Esc or F11 to leave: whoever opened it decides. F10 moves it to the next
// screen.
class Apresentacao : public QWidget, public PictureSource
{
    Q_OBJECT

public:
    Apresentacao(Counter &counter, Clock &clock, QWidget *parent = nullptr);
    ~Apresentacao() override;

    // What is counted, as the sentence names it.
    void setDescription(const CountDescription &what);
    // The source to cite ("Fonte: …, dados de 2024") and the published rate beside it
    // ("taxa de 40,6 por 100 mil habitantes em 2024"); either may be empty.
    void setSource(const QString &sourceLine, const QString &rateText);
    void setReducedMotion(bool on);
    // The kind of victim whose animation a new victim starts: -1 none, 0 angel, 1 car,
    // 2 police car.
    void setVictimKind(int kind);

    // Starts "desde que esta tela abriu" and shows the view at full screen, on a screen other
    // than `mainScreen` (the main window's) when there is one, or on the screen asked for.
    void open(const QScreen *mainScreen = nullptr);
    void closeView();
    bool isOpen() const { return m_open; }

    // The screen asked for, as Qt lists them from 0 (-1: any but the main window's), the
    // screensaver held off and the pointer hidden while open.
    EventScreen &eventScreen() const { return *m_eventScreen; }

    // Lays the view out for its present size (also on every resize).
    void arrange();

    // The texts on show, for checks.
    QString sentence() const;
    // The day's average pace; the present hour's by the pattern, empty without one.
    QString intervalText() const;
    QString hourPaceText() const;
    QString tallyText() const;
    QString sourceText() const;
    QString stateText() const;
    // The message in place of the wheels when the count is over capacity; empty otherwise.
    QString capacityText() const;
    // How many integer wheels are shown: as many as the count's whole part has digits.
    int shownIntegerWheels() const { return m_integerWheels; }
    OdometerView *odometer() const { return m_odometer; }
    // The box the wheels are shown in, centred on the view.
    QWidget *wheelBox() const { return m_Contador; }
    // In a square or upright picture, the count written in place of the wheels, and the
    // pixel size of its whole digits; null text otherwise.
    QLabel *countWritten() const { return m_ContagemTexto; }
    int writtenCountPixelSize() const { return m_countPixelSize; }

    // The parts that must fit the screen without overlapping, by objectName.
    QList<QWidget *> shownParts() const;

    // The picture to share (Ctrl+S saves it, Ctrl+C copies it): the view without its key
    // hints and tally, the wheels at rest, laid out for the picture's size.
    QWidget *pictureView() override { return this; }
    void preparePicture(const QSize &size, int captionHeight) override;
    void finishPicture() override;
    QStringList pictureSources() const override;
    // The page that counts in a browser what the view counts (Ctrl+Shift+S saves it).
    LivePage livePage() const;

signals:
    void startOrPauseRequested();
    void leaveRequested();
    // What became of a picture saved or copied ("Imagem salva em …").
    void pictureReported(const QString &text);

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    // A text label with the box it is given, its largest and smallest text heights in pixels.
    struct Caption
    {
        QLabel *label = nullptr;
        QRect box;
        int pixelSize = 12;
        int minimumPixelSize = 6;
        bool bold = false;
    };

    void build();
    void refresh();
    void fit(Caption &caption);
    void placeWheels();
    // Writes the count in place of the wheels; the height its two lines need.
    int writeCount();
    void arrangePicture();
    void onRecounted();
    void onReset();
    void onFrame();
    void onRunStateChanged();
    void onCapacityReached();
    void markVictimCalmly();
    void restFastWheels();
    QString runStateText() const;

    Counter &m_counter;
    Clock &m_clock;
    EventScreen *m_eventScreen = nullptr;
    bool m_open = false;
    bool m_reducedMotion = false;
    int m_victimKind = -1;
    CountDescription m_what;
    QString m_sourceLine;
    QString m_rateText;
    PresentationTally m_tally;
    // The view's own display tick and shown-digit memory: the main window keeps its own.
    OdometerFrame m_frame;
    CounterState m_shown;
    int m_integerWheels = 1;
    // The room the wheels have, set by arrange().
    QRect m_wheelArea;

    Caption m_Frase;
    Caption m_Intervalo;
    Caption m_IntervaloHora;
    Caption m_DesdeInicio;
    Caption m_LegendaProximaVitima;
    Caption m_Fonte;
    Caption m_Estado;
    Caption m_Hora;
    Caption m_Capacidade;
    QWidget *m_Contador = nullptr;
    OdometerView *m_odometer = nullptr;
    QLabel *m_Virgula = nullptr;
    QLabel *m_Pausado = nullptr;
    QLabel *m_ContagemTexto = nullptr;
    bool m_writtenCount = false;
    // While a picture is drawn, the height its caption takes at the foot; 0 on screen.
    int m_pictureCaptionHeight = 0;
    int m_countPixelSize = 0;
    QProgressBar *m_ProximaVitima = nullptr;
    VictimScene *m_scene = nullptr;
    VictimAnnouncer *m_announcer = nullptr;
    QTimer *m_RelogApresentacao = nullptr;
    QTimer *m_RelogMarca = nullptr;

    // The picture to share: the size preparePicture changed, put back by finishPicture.
    QSize m_sizeBeforePicture;
    // A notice in place of the key hints for a while ("Imagem salva em …").
    QString m_notice;
    QDateTime m_noticeUntil;
};
