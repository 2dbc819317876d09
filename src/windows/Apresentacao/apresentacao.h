#pragma once

#include "core/odometerframe.h"
#include "core/presentationtally.h"
#include "windows/sharepicture.h"

#include <QList>
#include <QRect>
#include <QWidget>

class Clock;
class DeadZone;
class OdometerView;
class QLabel;
class QProgressBar;
class QTimer;
class VictimAnnouncer;
class VictimScene;

// The presentation view: the count at full screen for a classroom or an event, readable from
// the back of the room. It shows the main window's own count (it borrows its odometer and
// follows its signals) and never counts by itself; Space is the play and wait control, Esc or
// F11 goes back to the main window.
class Apresentacao : public QWidget, public PictureSource
{
    Q_OBJECT

public:
    Apresentacao(DeadZone &main, Clock &clock, QWidget *parent = nullptr);
    ~Apresentacao() override;

    // Borrows the odometer, starts "desde o início" and shows the view at full screen.
    void open();
    // Hides the view; the main window takes its odometer back.
    void closeView();
    bool isOpen() const { return m_open; }

    // Lays the view out for its present size (also on every resize).
    void arrange();

    // The texts on show, for checks: what is counted, "uma vítima a cada ...", "desde o
    // início da apresentação: ...", the source line.
    QString sentence() const;
    QString intervalText() const;
    QString tallyText() const;
    QString sourceText() const;

    // The parts that must fit the screen without overlapping, by objectName.
    QList<QWidget *> shownParts() const;

    // The picture to share (Ctrl+S saves it, Ctrl+C copies it): the view without its key
    // hints and tally, laid out for the picture's size; when the view is not open it borrows
    // the odometer for the picture only.
    QWidget *pictureView() override { return this; }
    void preparePicture(const QSize &size, int captionHeight) override;
    void finishPicture() override;
    QStringList pictureSources() const override { return {m_source}; }

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    // A text label with the box it is given and its largest text height, in pixels.
    struct Caption
    {
        QLabel *label = nullptr;
        QRect box;
        int pixelSize = 12;
        bool bold = false;
    };

    void build();
    void refresh();
    void fit(Caption &caption);
    void onDisplayTick(const OdometerFrame::Step &step);
    void onRunStateChanged();
    void markVictimCalmly();
    QString whatIsCounted() const;
    QString periodText() const;
    QString runStateText() const;
    void readSource();

    DeadZone &m_main;
    Clock &m_clock;
    bool m_open = false;
    PresentationTally m_tally;
    QString m_source;
    QString m_sourceOf; // the entry m_source belongs to

    Caption m_Frase;
    Caption m_Intervalo;
    Caption m_DesdeInicio;
    Caption m_LegendaProximaVitima;
    Caption m_Fonte;
    Caption m_Estado;
    OdometerView *m_odometer = nullptr;
    QProgressBar *m_ProximaVitima = nullptr;
    VictimScene *m_scene = nullptr;
    VictimAnnouncer *m_announcer = nullptr;
    QTimer *m_RelogApresentacao = nullptr;
    QTimer *m_RelogMarca = nullptr;

    // The picture to share: what preparePicture changed, put back by finishPicture.
    bool m_pictureBorrowed = false;
    QSize m_sizeBeforePicture;
    // A notice in place of the key hints for a while ("Imagem salva em …").
    QString m_notice;
    QDateTime m_noticeUntil;
};
