#include "data/sourceline.h"

#include <QStringList>

#include <cmath>

QString sourceLine(const EntrySource &source)
{
    if (source.source.isEmpty())
        return source.note;
    QString line = QStringLiteral("Fonte: ") + source.source;
    if (!source.year.isEmpty())
        line += QStringLiteral(", dados de ") + source.year;
    return line;
}

QString rateText(const EntrySource &source, const QLocale &locale)
{
    if (!source.ratePer100k)
        return QString();
    // The shortest text that reads back as the same number, never fewer than one decimal.
    QString number = locale.toString(*source.ratePer100k, 'f', QLocale::FloatingPointShortest);
    if (!number.contains(locale.decimalPoint()))
        number = locale.toString(*source.ratePer100k, 'f', 1);
    const QString population =
        source.population.isEmpty() ? QStringLiteral("habitantes") : source.population;
    QString text = QStringLiteral("taxa de %1 por 100 mil %2").arg(number, population);
    if (!source.year.isEmpty())
        text += QStringLiteral(" em ") + source.year;
    return text;
}

QString sourceLineWithRate(const EntrySource &source, const QLocale &locale)
{
    const QString line = sourceLine(source);
    const QString rate = rateText(source, locale);
    if (rate.isEmpty())
        return line;
    if (line.isEmpty())
        return rate;
    return line + QStringLiteral("; ") + rate;
}

QString sourceDetails(const EntrySource &source, const QLocale &locale)
{
    QStringList lines;
    const QString first = sourceLine(source);
    if (!first.isEmpty())
        lines.append(first);
    QString rate = rateText(source, locale);
    if (!rate.isEmpty()) {
        rate[0] = rate[0].toUpper();
        lines.append(rate);
    }
    if (!source.place.isEmpty())
        lines.append(QStringLiteral("Local: ") + source.place);
    if (!source.source.isEmpty() && !source.note.isEmpty())
        lines.append(source.note);
    return lines.join(u'\n');
}

std::optional<double> parseRate(QStringView text)
{
    text = text.trimmed();
    qsizetype digits = 0;
    qsizetype separators = 0;
    qsizetype separatorAt = -1;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c >= u'0' && c <= u'9') {
            ++digits;
        } else if (c == u',' || c == u'.') {
            ++separators;
            separatorAt = i;
        } else {
            return std::nullopt;
        }
    }
    // Digits on both sides of the one separator there may be.
    if (digits == 0 || separators > 1 || separatorAt == 0 || separatorAt == text.size() - 1)
        return std::nullopt;
    QString plain = text.toString();
    plain.replace(u',', u'.');
    bool ok = false;
    const double value = QLocale::c().toDouble(plain, &ok);
    if (!ok || !std::isfinite(value))
        return std::nullopt;
    return value;
}
