#include "core/localtimezone.h"

#include <cstdlib>
#include <ctime>

void pinLocalTimeZone()
{
    if (std::getenv("TZ") != nullptr)
        return;
    setenv("TZ", ":/etc/localtime", 0);
    tzset();
}
