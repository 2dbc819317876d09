#pragma once

#include "core/clock.h"

// A clock that tells the time the test set.
class FakeClock final : public Clock
{
public:
    explicit FakeClock(QDateTime at = QDateTime(QDate(2026, 3, 10), QTime(12, 0)))
        : m_now(std::move(at))
    {
    }
    QDateTime now() const override { return m_now; }
    void set(const QDateTime &at) { m_now = at; }
    void set(QDate date, QTime time) { m_now = QDateTime(date, time); }
    void advanceMs(qint64 ms) { m_now = m_now.addMSecs(ms); }

private:
    QDateTime m_now;
};
