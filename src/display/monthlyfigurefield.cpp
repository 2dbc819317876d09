#include "display/monthlyfigurefield.h"

#include "core/numbermask.h"

#include <QAction>
#include <QKeyEvent>
#include <QLineEdit>

namespace {

bool isModifierKey(int key)
{
    return key == Qt::Key_Shift || key == Qt::Key_Control || key == Qt::Key_Alt ||
           key == Qt::Key_Meta || key == Qt::Key_AltGr;
}

// Keys that end or move typing, or call a command, never type into the field.
bool isCommandKey(int key)
{
    return (key >= Qt::Key_F1 && key <= Qt::Key_F35) || key == Qt::Key_Return ||
           key == Qt::Key_Enter;
}

} // namespace

MonthlyFigureField::MonthlyFigureField(QLineEdit *field, QObject *parent)
    : QObject(parent), m_field(field)
{
    connect(m_field, &QLineEdit::textChanged, this,
            [this](const QString &text) { emit figureTyped(readNumber(text)); });
    m_field->installEventFilter(this);
}

void MonthlyFigureField::refuse()
{
    emit keyRefused();
    m_field->clear();
}

bool MonthlyFigureField::isWindowShortcut(const QKeyEvent &press) const
{
    const QKeySequence typed(press.keyCombination());
    const QList<QAction *> actions = m_field->window()->actions();
    for (const QAction *action : actions) {
        if (action->isEnabled() && !action->shortcut().isEmpty() &&
            action->shortcut().matches(typed) == QKeySequence::ExactMatch)
            return true;
    }
    return false;
}

bool MonthlyFigureField::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != m_field)
        return QObject::eventFilter(watched, event);
    const QEvent::Type type = event->type();
    if (type == QEvent::ShortcutOverride) {
        const auto *press = static_cast<QKeyEvent *>(event);
        if (!isModifierKey(press->key()))
            m_heldModifier = 0;
        // The field would take some of the window's keys for its own editing (Ctrl+K
        // deletes to the end of the line): they stay the window's commands.
        if (isWindowShortcut(*press))
            return true;
    } else if (type == QEvent::KeyPress) {
        const auto *press = static_cast<QKeyEvent *>(event);
        const int key = press->key() | int(press->modifiers() & Qt::KeypadModifier);
        if (isModifierKey(key)) {
            m_heldModifier = key;
        } else {
            m_heldModifier = 0;
            // Digits of the main keyboard pass; focus keys are not typing.
            const bool passes = (key >= Qt::Key_0 && key <= Qt::Key_9) || key == Qt::Key_Tab ||
                                key == Qt::Key_Backtab || isCommandKey(key);
            if (!passes)
                refuse();
        }
    } else if (type == QEvent::KeyRelease) {
        const auto *release = static_cast<QKeyEvent *>(event);
        if (isModifierKey(release->key()) && release->key() == m_heldModifier &&
            !release->isAutoRepeat()) {
            m_heldModifier = 0;
            refuse();
        }
    }
    // The key still has its own effect on the field.
    return QObject::eventFilter(watched, event);
}
