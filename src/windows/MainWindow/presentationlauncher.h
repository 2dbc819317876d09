#pragma once

#include <QByteArray>
#include <QImage>
#include <QObject>
#include <QSize>

class Apresentacao;
class Clock;
class Counter;
class QWidget;
struct DescribedCount;

// Opens and closes the full-screen presentation view of a window's counter: the view is made
// on first use, on a screen other than the window's when there is one (else the window hides
// while it shows), and the window comes back when it is left (Esc or F11).
// The view's other requests (Space, a picture's report) are passed on to the window.
class PresentationLauncher : public QObject
{
    Q_OBJECT

public:
    PresentationLauncher(Counter &counter, Clock &clock, QWidget *window);
    ~PresentationLauncher() override;

    // The view, made on first use.
    Apresentacao &view();
    // The view if it was made, or null.
    Apresentacao *viewIfMade() const { return m_view; }

    void open(bool reducedMotion, int victimKind);
    void close();
    bool isOpen() const;
    // Closes and deletes the view, before the counter it shows goes away.
    void drop();

    // What is counted and where its figure comes from; nothing before the view is made.
    void describe(const DescribedCount &described);
    void setReducedMotion(bool on);
    void setVictimKind(int kind);

    // The view's picture to share: at the open view's size, otherwise at `size` (a full HD
    // screen when none is given).
    QImage picture(const QSize &size = QSize());

signals:
    void startOrPauseRequested();
    void pictureReported(const QString &text);

private:
    Counter &m_counter;
    Clock &m_clock;
    QWidget *m_window;
    Apresentacao *m_view = nullptr;
    // Where the window stood when the view opened: a window shown again may otherwise be
    // placed anew by the window manager (centred).
    QByteArray m_windowGeometry;
};
