#include "display/pointerhider.h"

#include <QEvent>
#include <QTimer>
#include <QWidget>
#include <QWindow>

PointerHider::PointerHider(QWidget &widget) : QObject(&widget), m_widget(widget)
{
    m_idle = new QTimer(this);
    m_idle->setObjectName(QStringLiteral("RelogPonteiro"));
    m_idle->setSingleShot(true);
    m_idle->setInterval(kIdleMs);
    connect(m_idle, &QTimer::timeout, this, &PointerHider::hidePointer);
    // The widget's own events too: its native window may be made again (a move to another
    // screen), and then it is watched anew.
    m_widget.installEventFilter(this);
}

void PointerHider::start()
{
    m_active = true;
    watchWindow();
    showPointer();
    m_idle->start();
}

void PointerHider::stop()
{
    m_active = false;
    m_idle->stop();
    showPointer();
}

void PointerHider::watchWindow()
{
    QWindow *window = m_widget.window()->windowHandle();
    if (!window || window == m_watchedWindow)
        return;
    if (m_watchedWindow)
        m_watchedWindow->removeEventFilter(this);
    m_watchedWindow = window;
    window->installEventFilter(this);
    connect(window, &QObject::destroyed, this, [this, window] {
        if (m_watchedWindow == window)
            m_watchedWindow = nullptr;
    });
}

bool PointerHider::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == &m_widget) {
        if (event->type() == QEvent::Show || event->type() == QEvent::WinIdChange)
            watchWindow();
        return false;
    }
    if (m_active && watched == m_watchedWindow) {
        switch (event->type()) {
        case QEvent::MouseMove:
        case QEvent::MouseButtonPress:
        case QEvent::Wheel:
        case QEvent::Enter:
            showPointer();
            m_idle->start();
            break;
        default:
            break;
        }
    }
    return false;
}

void PointerHider::hidePointer()
{
    if (!m_active || m_hidden)
        return;
    m_hidden = true;
    m_widget.setCursor(Qt::BlankCursor);
}

void PointerHider::showPointer()
{
    if (!m_hidden)
        return;
    m_hidden = false;
    m_widget.unsetCursor();
}
