#include "display/patternled.h"

#include "core/timers.h"

#include <QLabel>

namespace {

const QColor kLedOff(128, 0, 0);
const QColor kLedRed(255, 0, 0);
const QColor kLedGreen(0, 255, 0);

} // namespace

PatternLed::PatternLed(QLabel *led, QObject *parent)
    : QObject(parent), m_led(led), m_blinkTimer(namedTimer(this, QStringLiteral("Timer4"), 120))
{
    connect(m_blinkTimer, &QTimer::timeout, this, &PatternLed::blink);
}

void PatternLed::showOff()
{
    m_blinkTimer->stop();
    setPatternName(QString());
    setColor(kLedOff);
}

void PatternLed::showInUse(const QString &name)
{
    enable(m_blinkTimer);
    setPatternName(name); // the colour stays; its name says which pattern is in use
}

void PatternLed::showFound()
{
    setColor(kLedRed);
}

void PatternLed::setReducedMotion(bool on)
{
    m_reducedMotion = on;
    if (on && m_blinkTimer->isActive())
        blink();
}

QColor PatternLed::color() const
{
    return m_led->palette().color(QPalette::Window);
}

void PatternLed::blink()
{
    // Reduced motion: lit and steady (a 120 ms blink is about four flashes a second).
    const bool green = m_reducedMotion || m_EstadoLed == 0;
    setColor(green ? kLedGreen : kLedRed);
    m_EstadoLed = green ? 1 : 0;
}

void PatternLed::setColor(const QColor &color)
{
    QPalette p = m_led->palette();
    p.setColor(QPalette::Window, color);
    m_led->setPalette(p);
}

void PatternLed::setPatternName(const QString &name)
{
    const QString said =
        name.isEmpty() ? QStringLiteral("Indicador de distribuição: sem padrão ativo")
                       : QStringLiteral("Indicador de distribuição: padrão em uso (%1)").arg(name);
    if (m_led->accessibleName() != said) {
        m_led->setAccessibleName(said);
        m_led->setToolTip(name);
    }
}
