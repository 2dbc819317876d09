#pragma once

#include <QLocale>
#include <QString>

#include <optional>

// The figures derived from a monthly number of occurrences, as the fields show them
// (30 days a month, 365 a year, 24 hours a day).
struct RateFigures
{
    double daily = 0;      // truncated to hundredths
    QString ParametroDia;  // "###0.00"
    QString Parametrohora; // the daily text read back, / 24, "##0.00#"
    QString Label8;        // yearly figure, "###0.0", not truncated
};

// The largest monthly figure whose count of one day fits the odometer (99999 a day): a larger
// one would pass the odometer's capacity before the day is out, in any mode.
inline constexpr int kMaxMonthlyFigure = 2999970;

// A monthly figure given as text outside the window (command line, an incidence entry): the
// digits 0 to 9 only, blanks around it allowed, at most kMaxMonthlyFigure; nothing otherwise.
std::optional<int> wholeMonthlyFigure(QStringView text);

// A monthly figure as an incidence file gives it: digits with at most two decimals after one
// comma or point ("937", "9,25", "3677.25"), blanks around it allowed, at most
// kMaxMonthlyFigure; nothing otherwise (a sign, a third decimal, "1.234,5"). A yearly count
// divided by 12 is kept to the hundredth, so that 10 a year is not counted as 12.
std::optional<double> decimalMonthlyFigure(QStringView text);

// A monthly figure in Brazilian form, with its decimals only when it has some and no group
// separator: "9,25", "3677,3", "937". The form every window shows an entry's figure in.
QString monthlyFigureText(double monthly);

// Daily rate: the monthly number / 30, truncated (not rounded) to hundredths, as the daily
// field shows it ("###0.00") and the count runs at. Its 24th part is the hourly average.
double dailyRate(double monthly);

RateFigures deriveRates(double monthly, const QLocale &locale = QLocale());
