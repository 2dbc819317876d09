#pragma once

class QScreen;
class QWidget;

// Where a full-screen view goes, as indexes into the screens Qt lists (0 the first).
// `asked` when there is such a screen (-1: none asked), else the first screen that is not
// `mainScreen` (the projector beside the laptop), else `mainScreen` itself.
int viewScreenIndex(int screenCount, int mainScreen, int asked);
// The screen after `current`, back to the first after the last.
int nextScreenIndex(int screenCount, int current);

// Puts `window` at full screen on `screen` whether or not a window manager honours the
// request: the window is given the screen's geometry itself first (with no window manager
// nobody else would), moved there by hiding it if it is shown elsewhere (a window cannot
// change X screens while mapped), then asked for full screen, raised and activated so that
// its keys reach it.
void placeFullScreen(QWidget &window, QScreen *screen);
