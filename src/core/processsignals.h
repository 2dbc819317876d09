#pragma once

// Signals whose default action would end the program where a clear message is wanted.
// A file-size limit on the process (ulimit -f, prlimit --fsize) sends SIGXFSZ to a write
// that passes it, and by default that ends the program in the middle of a save. Ignored,
// the write fails with EFBIG instead, the save reports its usual error and the old file
// stays whole. Call once at start, before any file is written.
void ignoreFileSizeSignal();
