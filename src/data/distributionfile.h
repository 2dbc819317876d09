#pragma once

#include "data/textcodec.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

// One row of the pattern table: column 0 the crime name, 1 to 12 the quantities in order of
// the day, 13 a spare that only an over-long line fills. Always kTableColumns strings.
using PatternRow = QStringList;

// What one reading of QuorvelDistribuicao.txt gave.
struct DistributionFileContent
{
    QList<PatternRow> rows;
    // The encoding to write back: what the file was read in. A file of plain ASCII (or an
    // empty or missing one) is taken as Windows-1252, the file's traditional code page.
    TextEncoding encoding = TextEncoding::Windows1252;
    bool byteOrderMark = false;
    // False when the file exists but could not be read.
    bool readable = true;
    bool exists = false;
    // The bytes read, to tell later whether someone changed the file in the meantime.
    QByteArray bytes;
};

// The distribution pattern file: one line per pattern, the quoted name and one quoted
// quantity per interval, joined by commas, no escaping.
namespace DistributionFile {

inline constexpr int kTableColumns = 14;
inline constexpr int kValueColumns = 12;

QString fileName();

// Strips up to nine double quotes from the end of a field, then up to nine from its start.
QString TiraAspas(QString field);

// The number a middle value field begins with, written back in plain decimal form: "007"
// gives "7", "abc" gives "0". A field of digits alone only loses its leading zeros.
QString normalizeValue(const QString &field);

// Parses one line into a table row; nothing for a line without any comma.
std::optional<PatternRow> Descompacta(const QString &line);

// Every pattern line of the text (any line end), in file order.
QList<PatternRow> parse(const QString &text);

DistributionFileContent read(const QString &path);

// What reading a file of these bytes gives, without the file: rows, encoding and marks.
DistributionFileContent fromBytes(const QByteArray &bytes);

// One line as the editor writes it (without its line end): the name in quotes, then
// the values of columns 1 to 12 up to the first empty one, each in quotes after a comma
// (a row without values gets one empty value, so that it keeps its line).
QString formatLine(const PatternRow &row);

// Whether a row is worth a line: a row with neither name nor values carries nothing.
bool isWritten(const PatternRow &row);

// The whole file's bytes, CR LF after every line; nothing when the encoding cannot hold
// some text of the table.
std::optional<QByteArray> compose(const QList<PatternRow> &rows, TextEncoding encoding,
                                  bool byteOrderMark);

// Why a name cannot be stored, as the status-bar message; empty when it can.
QString nameProblem(const QString &name, TextEncoding encoding);

// Replaces the file's content at once (the old file stays whole when anything fails).
bool write(const QString &path, const QByteArray &bytes);

PatternRow emptyRow();

} // namespace DistributionFile
