#pragma once

#include <functional>

class EventScreen;
class QScreen;
class QWidget;

// The presentation button with more than one screen: a small menu of the screens Qt lists
// ("Tela 2: HDMI-1, 1920×1080"), the one the view would open on checked; choosing one asks
// for that screen and calls `open`. With one screen `open` is called at once, as before.
// The menu (objectName "MenuTelas") pops up below `anchor` and deletes itself when closed.
void offerViewScreens(QWidget *anchor, const QScreen *mainScreen, EventScreen &screen,
                      const std::function<void()> &open);
