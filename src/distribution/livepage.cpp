#include "distribution/livepage.h"

#include "core/counttext.h"
#include "core/intervaltext.h"
#include "core/rates.h"
#include "core/recount.h"
#include "core/sharepicturetext.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTimeZone>

#include <cmath>
#include <map>

namespace {

// Every number on the page is Brazilian, whatever the machine that makes it.
const QLocale kPortuguese(QLocale::Portuguese, QLocale::Brazil);

// Zones that keep Brasília's time all year.
const QStringList kBrasiliaZones = {
    QStringLiteral("America/Sao_Paulo"), QStringLiteral("America/Bahia"),
    QStringLiteral("America/Fortaleza"), QStringLiteral("America/Recife"),
    QStringLiteral("America/Belem"),     QStringLiteral("America/Maceio"),
    QStringLiteral("America/Araguaina"), QStringLiteral("America/Santarem"),
    QStringLiteral("Brazil/East")};

QString escaped(const QString &text)
{
    return text.toHtmlEscaped();
}

RecountInput recountInput(const LivePageCounter &counter, const QDateTime &at)
{
    RecountInput in;
    in.dailyRate = dailyRate(counter.monthly);
    in.mode = counter.mode;
    in.useDistribution = counter.pattern.has_value();
    if (counter.pattern)
        in.hourly = counter.pattern->table;
    in.now = at;
    return in;
}

QString averagePaceText(double dailyRate)
{
    if (!(dailyRate > 0))
        return intervalSentence(dailyRate, kPortuguese);
    return intervalSentence(dailyRate, kPortuguese) + QStringLiteral(", em média");
}

QString hourPaceText(double perDay, const QString &patternName)
{
    const QString pattern = QStringLiteral(", pelo padrão horário «%1»").arg(patternName);
    if (!(perDay > 0))
        return QStringLiteral("nesta hora, nenhuma prevista") + pattern;
    return QStringLiteral("nesta hora, uma a cada ") +
           formatDuration(86400.0 / perDay, kPortuguese) + pattern;
}

// "2026-12-11T08:15:04.250-03:00"
QString isoInstant(const QDateTime &at)
{
    const int offset = at.offsetFromUtc() / 60;
    const int magnitude = std::abs(offset);
    return QStringLiteral("%1%2%3:%4")
        .arg(at.toString(QStringLiteral("yyyy-MM-dd'T'HH:mm:ss.zzz")),
             offset < 0 ? QStringLiteral("-") : QStringLiteral("+"),
             QStringLiteral("%1").arg(magnitude / 60, 2, 10, QLatin1Char('0')),
             QStringLiteral("%1").arg(magnitude % 60, 2, 10, QLatin1Char('0')));
}

QString sourceText(const LivePageCounter &counter)
{
    if (counter.source.isEmpty() || counter.rate.isEmpty())
        return counter.source.isEmpty() ? counter.rate : counter.source;
    return counter.source + QStringLiteral(" · ") + counter.rate;
}

QString paragraph(const QString &className, const QString &text, bool hidden = false)
{
    return QStringLiteral("<p class=\"%1\"%2>%3</p>\n")
        .arg(className, hidden ? QStringLiteral(" hidden") : QString(), escaped(text));
}

// The counter as the page stands before its script runs: the count of the moment it was made.
QString counterMarkup(const LivePageCounter &counter, int index, bool single,
                      const QDateTime &madeAt)
{
    const RecountInput in = recountInput(counter, madeAt);
    const RecountResult result = recount(in, kPortuguese);
    const bool overCapacity = counter.stopsAtCapacity && result.overCapacity;
    const CountTextParts parts = countTextParts(result.shown, kPortuguese);

    const QString sentence = countSentence(counter.what, counter.mode, madeAt.date(), kPortuguese);
    const QString period = periodText(counter.mode, madeAt.date());
    const qsizetype at = sentence.indexOf(period);
    const QString sentenceMarkup = at < 0 ? escaped(sentence)
                                          : escaped(sentence.left(at)) +
                                                QStringLiteral("<span class=\"periodo\">") +
                                                escaped(period) + QStringLiteral("</span>") +
                                                escaped(sentence.mid(at + period.size()));
    const QString heading = single ? QStringLiteral("h1") : QStringLiteral("h2");

    QString html =
        QStringLiteral("<section class=\"contador\" aria-labelledby=\"frase-%1\">\n").arg(index);
    html += QStringLiteral("<%1 class=\"frase\" id=\"frase-%2\">%3</%1>\n")
                .arg(heading)
                .arg(index)
                .arg(sentenceMarkup);
    html +=
        QStringLiteral("<p class=\"contagem\"%1><span class=\"inteira\">%2</span>"
                       "<span class=\"decimais\">%3</span></p>\n")
            .arg(overCapacity ? QStringLiteral(" hidden") : QString(), parts.whole, parts.decimals);
    html += paragraph(QStringLiteral("capacidade"), kCapacityMessage, !overCapacity);
    html += paragraph(QStringLiteral("ritmo"), averagePaceText(in.dailyRate));
    if (counter.pattern)
        html += paragraph(QStringLiteral("ritmo-hora"),
                          hourPaceText(dailyPaceNow(in), counter.pattern->name));
    if (const QString source = sourceText(counter); !source.isEmpty())
        html += paragraph(QStringLiteral("fonte"), source);
    html += QStringLiteral("</section>\n");
    return html;
}

QJsonObject counterData(const LivePageCounter &counter)
{
    QJsonObject data;
    data[QStringLiteral("mensal")] = counter.monthly;
    data[QStringLiteral("modo")] = int(counter.mode);
    data[QStringLiteral("limite")] = counter.stopsAtCapacity;
    data[QStringLiteral("nome")] =
        counter.what.title.isEmpty() ? counter.what.entryName : counter.what.title;
    if (counter.pattern) {
        // The 32-bit shares as the program holds them, written so that they read back exactly.
        QJsonArray hours;
        for (const float share : counter.pattern->table.percentualHora)
            hours.append(double(share));
        data[QStringLiteral("horas")] = hours;
        data[QStringLiteral("intervalos")] = counter.pattern->table.intervalCount;
        data[QStringLiteral("padrao")] = counter.pattern->name;
    }
    return data;
}

QString pageTemplate()
{
    QFile file(QStringLiteral(":/livepage/livepage.html"));
    if (!file.open(QIODevice::ReadOnly))
        return QString();
    return QString::fromUtf8(file.readAll());
}

} // namespace

LivePageCounter livePageCounter(const Counter &counter, const DescribedCount &described)
{
    LivePageCounter page;
    page.what = described.what;
    page.source = described.source;
    page.rate = described.rate;
    page.monthly = counter.monthlyFigure().value_or(0);
    page.mode = counter.mode();
    if (counter.patternInUse())
        page.pattern = counter.pattern();
    page.stopsAtCapacity = counter.stopsAtCapacity();
    return page;
}

QString localTimeZoneId()
{
    const QByteArray id = QTimeZone::systemTimeZoneId();
    return id.isEmpty() ? QStringLiteral("UTC") : QString::fromUtf8(id);
}

QString timeZoneSpokenName(const QString &timeZoneId)
{
    if (kBrasiliaZones.contains(timeZoneId))
        return QStringLiteral("horário de Brasília");
    // The other Brazilian zones by the city they are known by.
    static const std::map<QString, QString> cities{
        {QStringLiteral("America/Manaus"), QStringLiteral("Manaus")},
        {QStringLiteral("America/Cuiaba"), QStringLiteral("Cuiabá")},
        {QStringLiteral("America/Campo_Grande"), QStringLiteral("Campo Grande")},
        {QStringLiteral("America/Porto_Velho"), QStringLiteral("Porto Velho")},
        {QStringLiteral("America/Boa_Vista"), QStringLiteral("Boa Vista")},
        {QStringLiteral("America/Rio_Branco"), QStringLiteral("Rio Branco")},
        {QStringLiteral("America/Eirunepe"), QStringLiteral("Eirunepé")},
        {QStringLiteral("America/Noronha"), QStringLiteral("Fernando de Noronha")}};
    if (const auto city = cities.find(timeZoneId); city != cities.end())
        return QStringLiteral("horário de ") + city->second;
    if (timeZoneId == u"UTC" || timeZoneId == u"Etc/UTC")
        return QStringLiteral("horário UTC");
    return QStringLiteral("fuso horário ") + timeZoneId;
}

QString defaultPageFileName(const QDate &day)
{
    return QStringLiteral("quorvel-%1.html").arg(day.toString(QStringLiteral("yyyy-MM-dd")));
}

QByteArray livePageHtml(const LivePage &page)
{
    const bool single = page.counters.size() == 1;
    const QString zoneName = timeZoneSpokenName(page.timeZoneId);

    QString body;
    if (!single)
        body += QStringLiteral("<h1 class=\"titulo\">Estimativas comparadas</h1>\n");
    body += QStringLiteral("<div class=\"contadores\">\n");
    for (int i = 0; i < page.counters.size(); ++i)
        body += counterMarkup(page.counters.at(i), i, single, page.madeAt);
    body += QStringLiteral("</div>\n");

    const QString made = QStringLiteral("%1 às %2")
                             .arg(page.madeAt.date().toString(QStringLiteral("dd/MM/yyyy")),
                                  page.madeAt.time().toString(QStringLiteral("HH:mm:ss")));
    QJsonObject data;
    data[QStringLiteral("zona")] = page.timeZoneId;
    data[QStringLiteral("nomeZona")] = zoneName;
    QJsonArray counters;
    for (const LivePageCounter &counter : page.counters)
        counters.append(counterData(counter));
    data[QStringLiteral("contadores")] = counters;
    // Nothing in the data may close the script element it stands in.
    const QString json = QString::fromUtf8(QJsonDocument(data).toJson(QJsonDocument::Compact))
                             .replace(u'<', QStringLiteral("\\u003c"));

    const QString title =
        single ? countSentence(page.counters.front().what, page.counters.front().mode,
                               page.madeAt.date(), kPortuguese)
               : QStringLiteral("Estimativas comparadas");
    const std::map<QString, QString> fields{
        {QStringLiteral("titulo"), escaped(title + QStringLiteral(" — ") + pictureProgramText())},
        {QStringLiteral("classe"), single ? QStringLiteral("um") : QStringLiteral("comparacao")},
        {QStringLiteral("corpo"), body},
        {QStringLiteral("instante"), isoInstant(page.madeAt)},
        {QStringLiteral("contagemDe"), escaped(made)},
        {QStringLiteral("zona"), escaped(zoneName)},
        {QStringLiteral("feitaEm"),
         escaped(QStringLiteral("%1 (%2)").arg(made.left(made.size() - 3), zoneName))},
        {QStringLiteral("programa"), escaped(pictureProgramText())},
        {QStringLiteral("dados"), json}};
    // One pass: a title that happens to read "{{dados}}" stays a title.
    const QString form = pageTemplate();
    QString html;
    qsizetype from = 0;
    while (true) {
        const qsizetype open = form.indexOf(QLatin1String("{{"), from);
        const qsizetype close = open < 0 ? -1 : form.indexOf(QLatin1String("}}"), open);
        if (close < 0)
            break;
        html += QStringView(form).mid(from, open - from);
        const auto field = fields.find(form.mid(open + 2, close - open - 2));
        html += field == fields.end() ? form.mid(open, close + 2 - open) : field->second;
        from = close + 2;
    }
    html += QStringView(form).mid(from);
    return html.toUtf8();
}
