#pragma once

#include "data/textcodec.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>
#include <QStringView>

// One entry of an incidence file: a name and its monthly quantity, both as written.
struct IncidenceEntry
{
    QString name;
    QString quantity;
};

// Why the reading of an incidence file stopped early.
enum class IncidenceFailure {
    None,       // read to its end
    CannotOpen, // missing or unreadable file
    ReadError,  // the file opened but could not be read to its end
    LoneItem,   // the text ends after the first item of an entry (a blank line at the end)
};

// The entries of an incidence file, in file order. After a failure it still holds every
// entry read before it: the caller lists them and then reports the failure.
struct IncidenceReading
{
    QList<IncidenceEntry> entries;
    IncidenceFailure failure = IncidenceFailure::None;
    int failureLine = 0; // line (from 1) where the lone item stands; 0 without one
    TextEncoding encoding = TextEncoding::Windows1252;

    bool failed() const { return failure != IncidenceFailure::None; }
};

// Reads incidence items from decoded text. Items are separated by commas or line ends
// (CR LF, LF or CR); spaces and tabs in front of an item are skipped; a quoted item runs to
// the next quote (a comma inside is part of it) and whatever follows its closing quote up
// to the next separator is ignored; an unquoted item is its text without surrounding
// spaces and tabs; an empty line is one empty item; a comma at the end of a line adds no
// item. Every two items make an entry, whatever lines they stand on.
IncidenceReading readIncidences(QStringView text);

// The bytes of a file: valid UTF-8 reads as UTF-8, anything else as Windows-1252.
IncidenceReading readIncidences(const QByteArray &bytes);

// A missing or unreadable file is a failure with no entries.
IncidenceReading readIncidenceFile(const QString &path);

// The text an entry shows in the visible lists: name, three spaces, quantity.
QString incidenceListText(const IncidenceEntry &entry);

// The three parallel lists in one pass each: shown texts, quantities, names.
QStringList incidenceListTexts(const QList<IncidenceEntry> &entries);
QStringList incidenceQuantities(const QList<IncidenceEntry> &entries);
QStringList incidenceNames(const QList<IncidenceEntry> &entries);

// The report shown when an incidence file cannot be read: twelve lines, each ended by a
// line break, the first naming the file that failed.
QString incidenceFileErrorText(const QString &fileName);
