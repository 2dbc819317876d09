#pragma once

#include <QObject>

class QSocketNotifier;

// Signals whose default action would end the program where a clear message is wanted.
// A file-size limit on the process (ulimit -f, prlimit --fsize) sends SIGXFSZ to a write
// that passes it, and by default that ends the program in the middle of a save. Ignored,
// the write fails with EFBIG instead, the save reports its usual error and the old file
// stays whole. Call once at start, before any file is written.
void ignoreFileSizeSignal();

// SIGTERM (a session ending, `kill`, a kiosk script) and SIGINT (Ctrl+C in a terminal) would
// end the program at once, leaving the screensaver held off and the desktop dark no more.
// Caught here, they reach the event loop through a pipe the handler writes one byte to (the
// only safe thing a handler can do), and terminationRequested() is emitted there, so that the
// program ends as if closed: its views give back what they hold. One object per process.
class TerminationSignals : public QObject
{
    Q_OBJECT

public:
    explicit TerminationSignals(QObject *parent = nullptr);
    ~TerminationSignals() override;
    Q_DISABLE_COPY(TerminationSignals)

    // False when the pipe or a handler could not be set up: the default actions stay.
    bool isCatching() const { return m_notifier != nullptr; }

signals:
    // The signal number caught (SIGTERM or SIGINT).
    void terminationRequested(int signalNumber);

private:
    void readPipe();

    QSocketNotifier *m_notifier = nullptr;
};
