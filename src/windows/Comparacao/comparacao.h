#pragma once

#include "core/counterstate.h"
#include "distribution/choicesetup.h"
#include "distribution/livepage.h"
#include "windows/sharepicture.h"

#include <QList>
#include <QWidget>

class Clock;
class ComparedCounter;
class EventScreen;
class Counter;
class QLabel;
class QScreen;

// The comparison view: two to six counters side by side, each of its own choice, all in one
// mode on one clock, so that their figures move together. Counters of text, not wheels: they
// have no capacity and count on past 99.999,9999. Full screen for a class or in a window;
// Space starts and pauses them all, Esc or F11 asks to leave.
class Comparacao : public QWidget, public PictureSource
{
    Q_OBJECT

public:
    explicit Comparacao(Clock &clock, QWidget *parent = nullptr);
    ~Comparacao() override;

    // One counter for each choice, in order, stopped, all in this mode.
    void setChoices(const QList<PreparedChoice> &choices, AccumulationMode mode);
    int counterCount() const { return int(m_panels.size()); }
    ComparedCounter *panel(int index) const { return m_panels.value(index); }
    // The page that counts in a browser what the view counts (Ctrl+Shift+S saves it).
    LivePage livePage() const;
    Counter &counter(int index) const;

    // Every counter at once: started (and its count shown at once), paused, or either.
    void startAll();
    void pauseAll();
    void startOrPauseAll();
    bool isCounting() const;

    void setReducedMotion(bool on);
    // Shown full screen on a screen other than `mainScreen` (the main window's) when there
    // is one, or on the screen asked for; closeView() hides it and stops the counters.
    void open(const QScreen *mainScreen = nullptr);
    void closeView();
    bool isOpen() const { return m_open; }
    // The screen, the screensaver and the pointer at an event; F10 moves the view on.
    EventScreen &eventScreen() const { return *m_eventScreen; }

    // Lays the counters out for the present size: the grid that gives the counts the largest
    // size, every text fitted in its box.
    void arrange();
    // The size of the counts' whole digits, in pixels, for the checks of readability.
    int countPixelSize() const { return m_countPixelSize; }
    QString stateText() const;

    // The picture to share: the counters without the key hints, at the picture's size.
    QWidget *pictureView() override { return this; }
    void preparePicture(const QSize &size, int captionHeight) override;
    void finishPicture() override;
    QStringList pictureSources() const override;

signals:
    void leaveRequested();
    // What became of a picture saved or copied (Ctrl+S, Ctrl+C): "Imagem salva em …".
    void pictureReported(const QString &text);

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void showState();
    void arrangeIn(const QSize &size, int footerHeight);

    Clock &m_clock;
    QList<Counter *> m_counters;
    QList<ComparedCounter *> m_panels;
    QList<PreparedChoice> m_choices;
    bool m_open = false;
    bool m_reducedMotion = false;
    bool m_picture = false;
    int m_pictureFooter = 0;
    int m_countPixelSize = 48;
    QLabel *m_state = nullptr;
    EventScreen *m_eventScreen = nullptr;
    QSize m_sizeBeforePicture;
    QString m_notice;
};
