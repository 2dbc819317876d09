#pragma once

#include <QDateTime>

// Source of the present local date and time. The program counts from it; tests set it.
class Clock
{
public:
    virtual ~Clock() = default;
    virtual QDateTime now() const = 0;
};

// The real wall clock, local time with milliseconds.
class SystemClock final : public Clock
{
public:
    QDateTime now() const override { return QDateTime::currentDateTime(); }
};
