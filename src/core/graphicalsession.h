#pragma once

#include <QString>

// Whether a window can be shown, judged from the environment before Qt is asked (Qt ends the
// program with an English message when it finds no display). The platform as
// QT_QPA_PLATFORM names it, possibly a list "wayland;xcb": xcb needs DISPLAY, wayland
// WAYLAND_DISPLAY, none named either of them; any other platform (offscreen, eglfs,
// linuxfb, vnc) needs no desktop session and is left to Qt.
bool graphicalSessionExpected(const QString &platform, const QString &display,
                              const QString &waylandDisplay);

// The same from this process's environment.
bool graphicalSessionExpected();

// The whole text for standard error when a window is needed and there is no session: what is
// missing and how to make the picture of a count instead.
QString noGraphicalSessionText();
