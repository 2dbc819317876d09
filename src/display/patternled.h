#pragma once

#include <QColor>
#include <QObject>
#include <QString>

class QLabel;
class QTimer;

// The LED of the hourly pattern: dark while no pattern is counted with; lit and blinking red
// and green (Timer4, 120 ms) while one is, its name said to screen readers and in the tooltip;
// red at once when a pattern is found or handed over. With reduced motion it stays green.
class PatternLed : public QObject
{
    Q_OBJECT

public:
    PatternLed(QLabel *led, QObject *parent);

    // Dark: no pattern in use.
    void showOff();
    // The pattern of this name is counted with: the blinking goes on (or starts).
    void showInUse(const QString &name);
    // A pattern was just found or handed over.
    void showFound();
    void setReducedMotion(bool on);
    QColor color() const;

private:
    void blink();
    void setColor(const QColor &color);
    void setPatternName(const QString &name);

    QLabel *m_led;
    QTimer *m_blinkTimer;
    // The colour of the next blink: 0 green, 1 red.
    int m_EstadoLed = 0;
    bool m_reducedMotion = false;
};
