#include "core/presentationtally.h"

#include "core/intervaltext.h"
#include "core/numbermask.h"

#include <cmath>

void PresentationTally::start(const QDateTime &now, std::optional<double> count)
{
    m_started = now;
    m_total = 0;
    m_last.reset();
    if (count)
        addCount(*count);
}

void PresentationTally::addCount(double count)
{
    if (!isStarted() || !std::isfinite(count) || count < 0)
        return;
    if (m_last) {
        // A fall is a restart from 0: all of the new count was counted since.
        m_total += count >= *m_last ? count - *m_last : count;
    }
    m_last = count;
}

void PresentationTally::rebase()
{
    m_last.reset();
}

QString PresentationTally::occurrencesText(const QLocale &locale) const
{
    return formatMask(m_total, u"####0.0000", locale);
}

qint64 PresentationTally::elapsedSeconds(const QDateTime &now) const
{
    if (!isStarted())
        return 0;
    return std::max<qint64>(0, m_started.msecsTo(now) / 1000);
}

QString PresentationTally::elapsedText(const QDateTime &now, const QLocale &locale) const
{
    return formatDuration(double(elapsedSeconds(now)), locale);
}

QString PresentationTally::text(const QDateTime &now, const QLocale &locale) const
{
    return QStringLiteral("desde o início da apresentação: ") + occurrencesText(locale) +
           QStringLiteral(" (há ") + elapsedText(now, locale) + u')';
}

QString PresentationTally::roundedText(const QDateTime &now, const QLocale &locale) const
{
    const qint64 minutes = elapsedSeconds(now) / 60;
    const QString ago = minutes < 60 ? QStringLiteral("%1 min").arg(minutes)
                        : minutes % 60 == 0
                            ? QStringLiteral("%1 h").arg(minutes / 60)
                            : QStringLiteral("%1 h %2 min").arg(minutes / 60).arg(minutes % 60);
    return QStringLiteral("desde que esta tela abriu (há %1): %2")
        .arg(ago, locale.toString(m_total, 'f', 1));
}
