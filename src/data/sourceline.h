#pragma once

#include <QLocale>
#include <QString>
#include <QStringView>

#include <optional>

// Where the figure of one incidence entry comes from, as its line in QuorvelFontes.txt says.
struct EntrySource
{
    QString place;  // what the figure covers: "Bahia", "cidade de São Paulo", "Brasil"
    QString source; // who published it: "Anuário Brasileiro de Segurança Pública 2025 (FBSP)"
    QString year;   // the year the figure covers, as written: "2024"
    QString note;   // anything a reader must know to cite it (may be empty)
    // The published rate per 100,000 people of ratePopulation for that year, when the line
    // gives one.
    std::optional<double> ratePer100k;
    // What the figure counts, as a sentence uses it: "mortes violentas intencionais",
    // "roubos de veículos"; empty when the line does not say.
    QString indicator;
    // Whose rate it is, as the rate's text says it: "mulheres" for a feminicide rate; empty for
    // the inhabitants of the place, as most rates are.
    QString population;
};

// The texts every view shows of a source. Plain functions of the record, no widgets: the main
// window, the presentation view and the comparison view call them and show the result as is.

// The source on one line, for a header or a caption:
// "Fonte: Anuário Brasileiro de Segurança Pública 2025 (FBSP), dados de 2024".
// Without a year, "Fonte: <source>"; without a source, the note alone (the program's own
// example line says there that it is no published figure).
QString sourceLine(const EntrySource &source);

// "taxa de 40,6 por 100 mil habitantes em 2024", the number with the locale's decimal
// separator and at least one decimal (as published: "15,0"); "… habitantes" without a year;
// "… por 100 mil mulheres …" when the line names that population. Empty when the line gives
// no rate.
QString rateText(const EntrySource &source, const QLocale &locale = QLocale());

// The source line followed by the rate, when there is one:
// "Fonte: Anuário … 2025 (FBSP), dados de 2024; taxa de 40,6 por 100 mil habitantes em 2024".
// Without a rate it is sourceLine() alone. The main window's caption under the chosen entry.
QString sourceLineWithRate(const EntrySource &source, const QLocale &locale = QLocale());

// Everything about the source, one fact a line, for a tooltip: the source line, the rate
// ("Taxa de …"), then "Local: <place>" and the note when they are given and not already on
// the source line.
QString sourceDetails(const EntrySource &source, const QLocale &locale = QLocale());

// A rate as the sources file writes it: digits with at most one decimal comma or point
// ("40,6", "40.6", "8"), blanks around allowed. Nothing for anything else (empty, "n/d",
// "1.234,5", a sign, an exponent), so that a line with a bad rate still counts without one.
std::optional<double> parseRate(QStringView text);
