#include "display/victimannouncer.h"

#include <QAccessible>

VictimAnnouncer::VictimAnnouncer(QWidget *parent) : QLabel(parent)
{
    setObjectName(QStringLiteral("AnuncioVitima"));
    // Shown, so that it stays on the accessibility bus, but one pixel and empty on screen.
    setFixedSize(1, 1);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAccessibleName(QStringLiteral("Nenhuma vítima anunciada"));
    setAccessibleDescription(QStringLiteral("Aviso de nova vítima"));
}

QString VictimAnnouncer::text(const QString &count)
{
    return QStringLiteral("Nova vítima. Contagem: %1").arg(count);
}

void VictimAnnouncer::announce(const QString &count)
{
    announceText(text(count));
}

void VictimAnnouncer::announceText(const QString &name)
{
    ++m_announcements;
    // The name changes on every announcement, even at the same count, so it is heard again.
    setAccessibleName(accessibleName() == name ? name + u' ' : name);
    QAccessibleEvent nameChanged(this, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&nameChanged);
    QAccessibleEvent alert(this, QAccessible::Alert);
    QAccessible::updateAccessibility(&alert);
}
