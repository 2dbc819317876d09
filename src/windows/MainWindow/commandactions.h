#pragma once

class QAbstractButton;
class QAction;
class QWidget;

// The main window's commands, each an action with its objectName, text, shortcut and status
// tip, shared by the buttons that trigger it, the window's keys and the tests (which trigger
// actions by name).
enum class Command {
    Lists,
    Editor,
    Tools,
    Presentation,
    Start,
    Pause,
    Reset,
    About,
    OpenIncidences,
    OpenStates,
    Exit,
    Compare
};

// A new action of `window` for the command; its shortcut works anywhere in the window.
QAction *addCommandAction(QWidget *window, Command command);
// The button says the action's text to a screen reader and triggers it.
void triggerWith(QAction *action, QAbstractButton *button);
