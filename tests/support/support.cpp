// The header-only helpers, compiled once here so that each is known to stand on its own.
#include "countdigits.h"
#include "fakeclock.h"
#include "soundrecorder.h"
