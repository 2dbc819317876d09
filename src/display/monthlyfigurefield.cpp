#include "display/monthlyfigurefield.h"

#include "core/numbermask.h"

#include <QKeyEvent>
#include <QLineEdit>

MonthlyFigureField::MonthlyFigureField(QLineEdit *field, QObject *parent)
    : QObject(parent), m_field(field)
{
    connect(m_field, &QLineEdit::textChanged, this,
            [this](const QString &text) { emit figureTyped(readNumber(text)); });
    m_field->installEventFilter(this);
}

bool MonthlyFigureField::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_field && event->type() == QEvent::KeyPress) {
        const auto *press = static_cast<QKeyEvent *>(event);
        const int key = press->key() | int(press->modifiers() & Qt::KeypadModifier);
        // Digits of the main keyboard pass; focus keys are not typing.
        const bool passes =
            (key >= Qt::Key_0 && key <= Qt::Key_9) || key == Qt::Key_Tab || key == Qt::Key_Backtab;
        if (!passes) {
            emit keyRefused();
            m_field->clear();
        }
    }
    // The key still has its own effect on the field.
    return QObject::eventFilter(watched, event);
}
