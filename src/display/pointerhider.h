#pragma once

#include <QObject>

class QTimer;
class QWidget;

// Over a full-screen view the mouse pointer would stay on the figures the room is reading:
// after kIdleMs without movement it becomes blank over that widget (and only there), and it
// shows again as soon as the mouse moves. Moves are watched on the widget's window, which
// sees them whatever child is under the pointer and whether or not it tracks the mouse.
class PointerHider : public QObject
{
    Q_OBJECT

public:
    static constexpr int kIdleMs = 3000;

    explicit PointerHider(QWidget &widget);
    Q_DISABLE_COPY(PointerHider)

    // Starts watching with the pointer shown (the view has just opened).
    void start();
    // Stops watching and shows the pointer again (the view closes).
    void stop();
    bool pointerHidden() const { return m_hidden; }
    // The idle timer, for tests to fire by hand.
    QTimer *idleTimer() const { return m_idle; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void watchWindow();
    void hidePointer();
    void showPointer();

    QWidget &m_widget;
    QTimer *m_idle = nullptr;
    QObject *m_watchedWindow = nullptr;
    bool m_active = false;
    bool m_hidden = false;
};
