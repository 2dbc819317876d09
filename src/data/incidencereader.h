#pragma once

#include "data/textcodec.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QStringView>

#include <optional>

// Why the reading of an incidence file stopped early.
enum class IncidenceFailure {
    None,       // read to its end
    CannotOpen, // missing or unreadable file
    ReadError,  // the file opened but could not be read to its end
    LoneItem,   // the text ends after the first item of an entry (a blank line at the end)
};

// The entries of an incidence file, in file order, as the two parallel lists the window
// keeps: entry i is names[i] with quantities[i], both as written. After a failure they still
// hold every entry read before it: the caller lists them and then reports the failure.
struct IncidenceReading
{
    QStringList names;
    QStringList quantities;
    IncidenceFailure failure = IncidenceFailure::None;
    int failureLine = 0; // line (from 1) where the lone item stands; 0 without one
    TextEncoding encoding = TextEncoding::Windows1252;

    bool failed() const { return failure != IncidenceFailure::None; }
    qsizetype size() const { return names.size(); }
    // The monthly figure of entry i, with its decimals (decimalMonthlyFigure in core/rates.h);
    // nothing when its quantity is not one or there is no such entry.
    std::optional<double> figure(qsizetype i) const;

    // The texts of the visible list: name, three spaces, quantity, each field shortened for
    // the list (the names and quantities themselves stay whole).
    QStringList listTexts() const;
};

// Reads incidence items from decoded text. Items are separated by commas or line ends
// (CR LF, LF or CR); spaces and tabs in front of an item are skipped; a quoted item runs to
// the next quote (a comma inside is part of it; a quote left open ends with its line) and
// whatever follows the closing quote up to the next separator is ignored; an unquoted item
// is its text without surrounding spaces and tabs; an empty line, or one of blanks only, is
// one empty item; a comma at the end of a line adds no item. Every two items make an entry,
// whatever lines they stand on; the text may end between entries but not after the first
// item of one (LoneItem).
IncidenceReading readIncidences(QStringView text);

// The bytes of a file: valid UTF-8 reads as UTF-8, anything else as Windows-1252.
IncidenceReading readIncidences(const QByteArray &bytes);

// A missing or unreadable file is a failure with no entries.
IncidenceReading readIncidenceFile(const QString &path);

// The text an entry shows in the visible lists: name, three spaces, quantity.
QString incidenceListText(const QString &name, const QString &quantity);

// The longest field a list shows whole: measuring and drawing megabytes of text on every
// pointer pass would block the window.
inline constexpr qsizetype kListFieldLimit = 200;
// The text cut to kListFieldLimit characters, the last of them an ellipsis.
QString shortenedForList(const QString &text);

// The report shown when an incidence file cannot be read: twelve lines, each ended by a
// line break, the first naming the file that failed.
QString incidenceFileErrorText(const QString &fileName);
