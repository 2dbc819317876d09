#pragma once

#include "core/counter.h"
#include "core/countsentence.h"
#include "data/countdescription.h"

#include <QByteArray>
#include <QDateTime>
#include <QList>
#include <QString>

#include <optional>

// A page that counts by itself in any browser: one HTML file with its style and script inside,
// which asks nothing of any network or file. The script works the count out from the visitor's
// clock with the program's rule, in the time zone of the place where the page was made; the
// page as written (read without script) shows the count of the moment it was made.

// One counter of a page: what it counts and how, and what is said of it.
struct LivePageCounter
{
    CountDescription what;
    QString source; // "Fonte: …, dados de 2024"; empty for a typed figure
    QString rate;   // "taxa de 40,6 por 100 mil habitantes em 2024"; may be empty
    double monthly = 0;
    AccumulationMode mode = AccumulationMode::Dia;
    // The hourly pattern the count is weighted by, when one is in use.
    std::optional<HourlyPattern> pattern;
    // A single counter stops at the odometer's capacity, as the presentation view does; the
    // counters of a comparison count past it.
    bool stopsAtCapacity = true;
};

// What a counter is counting now, as its view describes it.
LivePageCounter livePageCounter(const Counter &counter, const DescribedCount &described);

struct LivePage
{
    QList<LivePageCounter> counters; // one, or two to six compared
    QDateTime madeAt;                // local time of the place the page is made in
    QString timeZoneId;              // its IANA name, "America/Sao_Paulo"
};

// The IANA name of the local time zone, "UTC" when the system does not say.
QString localTimeZoneId();

// How the page names the time it counts in: "horário de Brasília" for the zones that keep
// Brasília's time, the city for Brazil's other zones ("horário de Manaus"), otherwise the
// zone's own name ("fuso horário Europe/Lisbon").
QString timeZoneSpokenName(const QString &timeZoneId);

// "quorvel-AAAA-MM-DD.html": the file name offered for a page made that day.
QString defaultPageFileName(const QDate &day);

// The whole page, UTF-8.
QByteArray livePageHtml(const LivePage &page);

// The largest page of one counter, in bytes: small enough for any website and any phone.
inline constexpr qsizetype kMaxSingleCounterPageBytes = 64 * 1024;
