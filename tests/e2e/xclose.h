#pragma once

// Asks a top-level X window to close, as a window manager does when the user clicks its
// close button (a WM_DELETE_WINDOW message). False when the display cannot be opened.
bool requestWindowClose(unsigned long window);
