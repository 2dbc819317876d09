// Test helpers are header-only; this file gives the support library a translation unit.
#include "fakeclock.h"
#include "soundrecorder.h"
