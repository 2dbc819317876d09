#pragma once

#include <QObject>
#include <QString>

class QLabel;
class QTimer;

// The notices of a status bar panel: one that clears itself after three seconds, one that
// stays until the next, and the start's notices, put beside what the panel already says.
class StatusNotices : public QObject
{
    Q_OBJECT

public:
    StatusNotices(QLabel *panel, QObject *parent);

    // Shown for three seconds (RelogMensagem).
    void showBriefly(const QString &text);
    // Shown until the next notice.
    void show(const QString &text);
    // Beside any notice already there, until the next; nothing for an empty text.
    void add(const QString &text);
    QString text() const;

private:
    QLabel *m_panel;
    QTimer *m_clearTimer;
};
