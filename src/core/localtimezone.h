#pragma once

// Names the system's time-zone file in TZ when TZ is unset. Unset, the C library looks at
// /etc/localtime on disk at every local-time conversion (a stat call each time, dozens a
// second while the count runs); named, it reads the zone once. Call it first thing in main(),
// before any thread starts. A TZ the user set is left alone.
void pinLocalTimeZone();
