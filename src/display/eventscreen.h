#pragma once

#include <QDBusConnection>
#include <QObject>

class PointerHider;
class QScreen;
class QWidget;
class ScreenSaverInhibitor;

// What a full-screen view needs at an event, beside its own drawing: it opens on the screen
// asked for or on one that is not the main window's (the projector), F10 moves it on, the
// screensaver is held off while it is shown and the pointer hides over it when idle. Each
// full-screen view owns one and calls open(), close() and moveToNextScreen().
class EventScreen : public QObject
{
    Q_OBJECT

public:
    explicit EventScreen(QWidget &view, const QDBusConnection &bus = QDBusConnection::sessionBus());
    Q_DISABLE_COPY(EventScreen)

    // The screen asked for, as Qt lists them from 0; -1 (the default) for the first screen
    // that is not the main window's.
    void setAskedScreen(int index) { m_asked = index; }
    int askedScreen() const { return m_asked; }

    // Shows the view at full screen, on a screen other than `mainScreen` when there is one.
    void open(const QScreen *mainScreen);
    void close();
    // To the next screen Qt lists (F10); the view stays there when opened again.
    void moveToNextScreen();

    PointerHider &pointer() const { return *m_pointer; }
    ScreenSaverInhibitor &screenSaver() const { return *m_screenSaver; }

private:
    QWidget &m_view;
    PointerHider *m_pointer = nullptr;
    ScreenSaverInhibitor *m_screenSaver = nullptr;
    int m_asked = -1;
    bool m_open = false;
};
