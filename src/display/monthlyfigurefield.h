#pragma once

#include <QObject>

#include <optional>

class QLineEdit;

// The monthly field, the one field whose text becomes a number. Digits of the main keyboard
// and the focus keys pass; any other key (the keypad's digits too) is refused and empties the
// field, then still has its own effect on it. Every change gives the figure typed, or none for
// an emptied field.
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
    QLineEdit *m_field;
};
