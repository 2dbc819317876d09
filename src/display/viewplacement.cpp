#include "display/viewplacement.h"

#include <QScreen>
#include <QWidget>

int viewScreenIndex(int screenCount, int mainScreen, int asked)
{
    if (asked >= 0 && asked < screenCount)
        return asked;
    for (int index = 0; index < screenCount; ++index) {
        if (index != mainScreen)
            return index;
    }
    return mainScreen >= 0 && mainScreen < screenCount ? mainScreen : 0;
}

int nextScreenIndex(int screenCount, int current)
{
    if (screenCount <= 0)
        return 0;
    return (current + 1) % screenCount;
}

void placeFullScreen(QWidget &window, QScreen *screen)
{
    if (!screen)
        return;
    if (window.isVisible() && window.screen() != screen)
        window.hide();
    if (!window.isVisible()) {
        window.setWindowState(window.windowState() & ~Qt::WindowFullScreen);
        window.setScreen(screen);
    }
    window.setGeometry(screen->geometry());
    window.showFullScreen();
    window.raise();
    window.activateWindow();
    window.setFocus();
}
