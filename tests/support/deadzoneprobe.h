#pragma once

#include "windows/DeadZone/deadzone.h"

// What the odometer's tests reach inside the main window: the digits it shows from (set by
// hand to show a count without a clock that gives it) and the look of a reset.
struct DeadZoneProbe
{
    static CounterState &shownDigits(DeadZone &window) { return window.m_wheels->state(); }
    static void showResetLook(DeadZone &window) { window.showResetLook(); }
};
