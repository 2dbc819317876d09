#pragma once

#include <QDateTime>
#include <QLocale>
#include <QString>

#include <optional>

// "desde o início da apresentação: N": what the count has risen by since a presentation
// opened, and how long ago that was.
//
// It adds up the rises between the counts the recounts deliver, instead of subtracting the
// count at the opening, so that a count that restarts from 0 (at midnight in the day mode, on
// the first of the month or of the year) goes on adding from 0 and never goes below 0. A fall
// is taken as such a restart: the new count is what was counted since it (the instants
// between the last recount before the restart and the restart itself, at most one recount
// apart, are not seen). A pause needs nothing: the count follows the clock, so the first
// recount after a pause rises by what happened meanwhile, and the elapsed time is the wall
// time since the opening, pauses included; both keep the one pace.
class PresentationTally
{
public:
    // The presentation opens at `now`; `count` is the count on the odometer then, if one is
    // shown. Starting again forgets everything before.
    void start(const QDateTime &now, std::optional<double> count = std::nullopt);
    bool isStarted() const { return m_started.isValid(); }

    // The count of each recount while the presentation is open. Before start it is ignored.
    void addCount(double count);

    // The rate or the mode changed and the counter was reset: the next count is the new
    // starting point, and its jump from the old count is not counted. What was counted stays.
    void rebase();

    // Occurrences counted since the opening, 0 before any rise.
    double occurrences() const { return m_total; }
    // The same with four decimals, "####0.0000" ("3,1416").
    QString occurrencesText(const QLocale &locale = QLocale()) const;

    // Whole seconds since the opening (0 before start or if the clock was set back).
    qint64 elapsedSeconds(const QDateTime &now) const;
    // "12 min 5 s", "1 h 5 min" (core/intervaltext.h).
    QString elapsedText(const QDateTime &now, const QLocale &locale = QLocale()) const;

    // "desde o início da apresentação: 3,1416 (há 12 min 5 s)"
    QString text(const QDateTime &now, const QLocale &locale = QLocale()) const;
    // What a class reads from afar, in whole minutes and one decimal:
    // "desde que esta tela abriu (há 12 min): 0,2", "(há 1 h 5 min)".
    QString roundedText(const QDateTime &now, const QLocale &locale = QLocale()) const;

private:
    QDateTime m_started;
    std::optional<double> m_last;
    double m_total = 0;
};
