#pragma once

#include <QTimer>

// Enables a timer the way the counter's timers expect: a timer that already runs keeps
// its countdown (QTimer::start() would restart it, and a timer re-enabled every 25 ms
// would then never fire).
inline void enable(QTimer *timer)
{
    if (!timer->isActive())
        timer->start();
}

inline void enable(QTimer &timer)
{
    enable(&timer);
}

// A timer of `parent` with an objectName (tests and the accessibility tree find it by name)
// and an interval in milliseconds; not started.
inline QTimer *namedTimer(QObject *parent, const QString &name, int interval)
{
    auto *timer = new QTimer(parent);
    timer->setObjectName(name);
    timer->setInterval(interval);
    return timer;
}
