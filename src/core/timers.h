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
