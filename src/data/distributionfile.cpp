#include "data/distributionfile.h"

#include "core/numbermask.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace DistributionFile {

namespace {

constexpr int kMaxQuotes = 9;

bool isAscii(const QByteArray &bytes)
{
    for (char c : bytes) {
        if (static_cast<unsigned char>(c) >= 0x80)
            return false;
    }
    return true;
}

// Spaces and tabs around a field of a hand-edited line are not part of it.
QString fieldText(QStringView field)
{
    return TiraAspas(field.trimmed().toString());
}

} // namespace

QString fileName()
{
    return QStringLiteral("QuorvelDistribuicao.txt");
}

PatternRow emptyRow()
{
    PatternRow row;
    row.reserve(kTableColumns);
    for (int i = 0; i < kTableColumns; ++i)
        row << QString();
    return row;
}

QString TiraAspas(QString field)
{
    for (int i = 0; i < kMaxQuotes && field.endsWith(u'"'); ++i)
        field.chop(1);
    for (int i = 0; i < kMaxQuotes && field.startsWith(u'"'); ++i)
        field.remove(0, 1);
    return field;
}

QString normalizeValue(const QString &field)
{
    qsizetype start = 0;
    while (start < field.size() && (field[start] == u' ' || field[start] == u'\t'))
        ++start;
    const QStringView rest = QStringView(field).mid(start);
    if (isDigitsOnly(rest)) {
        // Exact for counts of any length: only the leading zeros go.
        qsizetype firstSignificant = 0;
        while (firstSignificant < rest.size() - 1 && rest[firstSignificant] == u'0')
            ++firstSignificant;
        return rest.mid(firstSignificant).toString();
    }
    double value = roundTo15Digits(readLeadingPointNumber(field));
    if (value == 0.0)
        value = 0.0; // no "-0"
    // The point, never a decimal comma: a comma would split the value in two in the file.
    return QString::number(value, 'f', QLocale::FloatingPointShortest);
}

std::optional<PatternRow> Descompacta(const QString &line)
{
    qsizetype comma = line.indexOf(u',');
    if (comma < 0)
        return std::nullopt;
    PatternRow row = emptyRow();
    row[0] = fieldText(QStringView(line).left(comma));
    QStringView remainder = QStringView(line).mid(comma + 1);
    for (int column = 1; column < kTableColumns; ++column) {
        comma = remainder.indexOf(u',');
        if (comma < 0) {
            row[column] = fieldText(remainder);
            break;
        }
        row[column] = normalizeValue(fieldText(remainder.left(comma)));
        remainder = remainder.mid(comma + 1);
    }
    return row;
}

QList<PatternRow> parse(const QString &text)
{
    // Lines end with CR LF, LF or CR alone.
    QList<PatternRow> rows;
    qsizetype start = 0;
    while (start <= text.size()) {
        qsizetype end = start;
        while (end < text.size() && text[end] != u'\r' && text[end] != u'\n')
            ++end;
        if (auto row = Descompacta(text.mid(start, end - start)))
            rows << *row;
        if (end < text.size() && text[end] == u'\r' && end + 1 < text.size() &&
            text[end + 1] == u'\n')
            ++end;
        start = end + 1;
    }
    return rows;
}

DistributionFileContent read(const QString &path)
{
    DistributionFileContent content;
    QFile file(path);
    content.exists = file.exists();
    if (!content.exists)
        return content;
    if (!file.open(QIODevice::ReadOnly)) {
        content.readable = false;
        return content;
    }
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        content.readable = false;
        return content;
    }
    return fromBytes(bytes);
}

DistributionFileContent fromBytes(const QByteArray &bytes)
{
    DistributionFileContent content;
    content.exists = true;
    content.bytes = bytes;
    const DecodedText decoded = decodeText(content.bytes);
    content.byteOrderMark = content.bytes.startsWith("\xEF\xBB\xBF");
    const bool plainAscii = !content.byteOrderMark && isAscii(content.bytes);
    content.encoding = decoded.encoding == TextEncoding::Utf8 && !plainAscii
                           ? TextEncoding::Utf8
                           : TextEncoding::Windows1252;
    content.rows = parse(decoded.text);
    return content;
}

QString formatLine(const PatternRow &row)
{
    QString line = u'"' + row.value(0) + u'"';
    for (int column = 1; column <= kValueColumns; ++column) {
        const QString value = row.value(column);
        if (value.isEmpty())
            break;
        line += QStringLiteral(",\"") + value + u'"';
    }
    // A name alone would read back as a line without a comma, which the reading skips.
    if (row.value(1).isEmpty())
        line += QStringLiteral(",\"\"");
    return line;
}

bool isWritten(const PatternRow &row)
{
    return !row.value(0).isEmpty() || !row.value(1).isEmpty();
}

std::optional<QByteArray> compose(const QList<PatternRow> &rows, TextEncoding encoding,
                                  bool byteOrderMark)
{
    QString text;
    for (const PatternRow &row : rows) {
        if (isWritten(row))
            text += formatLine(row) + QStringLiteral("\r\n");
    }
    std::optional<QByteArray> bytes = encodeText(text, encoding);
    if (bytes && encoding == TextEncoding::Utf8 && byteOrderMark)
        bytes->prepend("\xEF\xBB\xBF");
    return bytes;
}

QString nameProblem(const QString &name, TextEncoding encoding)
{
    if (name.contains(u',') || name.contains(u'"'))
        return QStringLiteral("Erro: O tipo de delito não pode conter vírgula nem aspas");
    if (name.contains(u'\r') || name.contains(u'\n') || !encodeText(name, encoding))
        return QStringLiteral("Erro: O tipo de delito contém caracteres que o arquivo não aceita");
    return {};
}

bool write(const QString &path, const QByteArray &bytes)
{
    // Unbuffered, and every step checked before the commit: a buffered QSaveFile commits a
    // file cut short by a full disk as if it were whole.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return false;
    if (file.write(bytes) != bytes.size() || !file.flush() ||
        file.error() != QFileDevice::NoError) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

} // namespace DistributionFile
