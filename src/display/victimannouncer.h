#pragma once

#include <QLabel>

// Tells assistive technology of a new victim, once, with the count: an object that draws
// nothing and whose accessible name changes only on announce(), which also sends an alert.
// The odometer's own name follows the count quietly; this is the one that speaks as news.
class VictimAnnouncer : public QLabel
{
    Q_OBJECT

public:
    explicit VictimAnnouncer(QWidget *parent = nullptr);

    // "Nova vítima. Contagem: 105,0012"
    void announce(const QString &count);
    // Any other news, said the same way: "Nova vítima em Bahia. Contagem: 6.356,0012".
    void announceText(const QString &text);
    // How many times announce() ran, for a window to check it spoke once.
    int announcements() const { return m_announcements; }

    static QString text(const QString &count);

private:
    int m_announcements = 0;
};
