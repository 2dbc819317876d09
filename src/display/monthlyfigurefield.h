#pragma once

#include <QObject>

#include <optional>

class QKeyEvent;
class QLineEdit;

// The monthly field, the one field whose text becomes a number. Digits of the main keyboard
// and the focus keys pass; any other typed key (the keypad's digits too) is refused and
// empties the field, then still has its own effect on it. The window's commands are not
// typing: a shortcut of one of the window's actions, a function key, Enter and a modifier
// held for a shortcut leave the field as it is. A modifier pressed and released alone is
// refused on its release. Every change gives the figure typed, or none for an emptied field.
class MonthlyFigureField : public QObject
{
    Q_OBJECT

public:
    MonthlyFigureField(QLineEdit *field, QObject *parent);

signals:
    // Before the field is emptied.
    void keyRefused();
    void figureTyped(std::optional<double> monthly);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void refuse();
    // A key combination one of the window's actions answers to.
    bool isWindowShortcut(const QKeyEvent &press) const;

    QLineEdit *m_field;
    // The modifier pressed last with no other key since: refused if released alone.
    int m_heldModifier = 0;
};
