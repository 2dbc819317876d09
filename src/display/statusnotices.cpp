#include "display/statusnotices.h"

#include "core/timers.h"

#include <QLabel>

StatusNotices::StatusNotices(QLabel *panel, QObject *parent)
    : QObject(parent), m_panel(panel),
      m_clearTimer(namedTimer(this, QStringLiteral("RelogMensagem"), 3000))
{
    connect(m_clearTimer, &QTimer::timeout, this, [this] {
        m_panel->clear();
        m_clearTimer->stop();
    });
}

void StatusNotices::showBriefly(const QString &text)
{
    m_panel->setText(text);
    enable(m_clearTimer);
}

void StatusNotices::show(const QString &text)
{
    m_panel->setText(text);
}

void StatusNotices::add(const QString &text)
{
    if (text.isEmpty())
        return;
    const QString before = m_panel->text();
    m_panel->setText(before.isEmpty() ? text : before + QStringLiteral(" · ") + text);
}

QString StatusNotices::text() const
{
    return m_panel->text();
}
