#pragma once

#include <QLocale>
#include <QString>

// A span of time in the largest unit that fits, with the next unit when it is not 0, for
// reading aloud from a screen: "0,21 s", "8,6 s", "2 s", "29 s", "1 min 32 s", "3 h 10 min",
// "2 dias", "1 dia 6 h". Below 10 s it keeps one decimal (two below 1 s, "menos de 0,01 s"
// under that), since "1 s" for 1.4 s would say a third less than is meant; from 10 s on it is
// rounded to whole seconds, minutes or hours, whichever is the smaller unit shown. Numbers
// and the decimal separator follow the locale.
QString formatDuration(double seconds, const QLocale &locale = QLocale());

// The mean time between two occurrences at a rate a day, as formatDuration writes it ("46 min
// 7 s" for 31.23 a day); empty for a rate of 0 or one that is not a positive number.
QString meanIntervalText(double perDay, const QLocale &locale = QLocale());

// The mean time between two victims at a rate in occurrences per day:
// "uma vítima a cada 46 min 7 s" for 31.23 a day, and for a rate of 0 (or one that is not a
// positive number) "nenhuma vítima prevista neste ritmo". With an hourly pattern in use, pass
// the current hour's rate as a daily figure (dailyPaceNow in core/recount.h).
QString intervalSentence(double perDay, const QLocale &locale = QLocale());
