#pragma once

#include <QLocale>
#include <QString>

#include <optional>

// Writes a value through a number mask such as "###0.00" or "##0.00#": "0" is a digit always
// written, "#" a digit written only when significant, "." the place of the locale's decimal
// separator. The value is rounded half away from zero at the mask's last place, on its
// decimal form at 15 significant digits (0.30 / 24 gives "0.013" with "##0.00#").
QString formatMask(double value, QStringView mask, const QLocale &locale = QLocale());

// The locale's general number form: up to 7 significant digits of a 32-bit value, no fixed
// number of decimals, no group separator (53.21 is "53,21" in Portuguese, 50 is "50").
QString formatGeneral(float value, const QLocale &locale = QLocale());

// A value as the status bar shows the running count: a point as decimal separator, a
// leading blank for a value that is not negative, up to 7 significant digits.
QString formatPanelNumber(float value);

// Reads a field's text as a number in the locale's form; nothing when it holds no number.
std::optional<double> readNumber(const QString &text, const QLocale &locale = QLocale());

// Reads the number a text begins with, taking the point as the only decimal separator and
// stopping at the first character that cannot continue it; 0 when it begins with none.
double readLeadingPointNumber(const QString &text);

// The value rounded to 15 significant digits, so that binary noise such as
// 1.9 * 100 = 189.99999999999997 does not decide a truncation.
double roundTo15Digits(double value);

// True for a text of the digits 0 to 9 only, at least one: no sign, separator or blank.
bool isDigitsOnly(QStringView text);
