#include "data/incidencereader.h"

#include "core/rates.h"
#include "data/itemscanner.h"

#include <QFile>

IncidenceReading readIncidences(QStringView text)
{
    IncidenceReading reading;
    itemscan::ItemScanner scanner(text);
    while (!scanner.atEnd()) {
        const int line = scanner.line();
        QString name = scanner.next();
        if (scanner.atEnd()) {
            reading.failure = IncidenceFailure::LoneItem;
            reading.failureLine = line;
            break;
        }
        reading.names.append(std::move(name));
        reading.quantities.append(scanner.next());
    }
    return reading;
}

IncidenceReading readIncidences(const QByteArray &bytes)
{
    const DecodedText decoded = decodeText(bytes);
    IncidenceReading reading = readIncidences(QStringView(decoded.text));
    reading.encoding = decoded.encoding;
    return reading;
}

IncidenceReading readIncidenceFile(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        IncidenceReading reading;
        reading.failure = IncidenceFailure::CannotOpen;
        return reading;
    }
    const QByteArray bytes = file.readAll();
    const bool readError = file.error() != QFileDevice::NoError;
    file.close(); // closed before the caller reports, so the file can be opened again

    IncidenceReading reading = readIncidences(bytes);
    if (readError && !reading.failed())
        reading.failure = IncidenceFailure::ReadError;
    return reading;
}

QString incidenceListText(const QString &name, const QString &quantity)
{
    return name + QLatin1String("   ") + quantity;
}

QString shortenedForList(const QString &text)
{
    if (text.size() <= kListFieldLimit)
        return text;
    qsizetype kept = kListFieldLimit - 1;
    // Never half of a character written as a surrogate pair: the cut ends on no first half.
    while (kept > 0 && text.at(kept - 1).isHighSurrogate())
        --kept;
    return text.left(kept) + QChar(0x2026);
}

std::optional<double> IncidenceReading::figure(qsizetype i) const
{
    if (i < 0 || i >= quantities.size())
        return std::nullopt;
    return decimalMonthlyFigure(quantities.at(i));
}

QStringList IncidenceReading::listTexts() const
{
    QStringList texts;
    texts.reserve(names.size());
    for (qsizetype i = 0; i < names.size(); ++i)
        texts.append(
            incidenceListText(shortenedForList(names[i]), shortenedForList(quantities[i])));
    return texts;
}

QString incidenceFileErrorText(const QString &fileName)
{
    const QString lines[] = {
        QStringLiteral("Erro no acesso ao arquivo ") + fileName,
        QString(),
        QStringLiteral("1- Este arquivo deve estar localizado no mesmo diretório do programa."),
        QString(),
        QStringLiteral("2- Cada linha deste arquivo deve conter dois parametros separados por "
                       "vírgulas, ambos entre aspas:"),
        QStringLiteral("        \"Nome do Delito\",\"Quantidade mensal de ocorrências\""),
        QString(),
        QStringLiteral("          Exemplo de linha: \"Homicidios em São Paulo\",\"937\""),
        QString(),
        QStringLiteral("3- Não pode conter linhas em branco ou inválidas"),
        QString(),
        QStringLiteral("4- O arquivo encontra-se em formato texto, simples, sem tabulações"),
    };
    QString text;
    for (const QString &line : lines)
        text += line + u'\n';
    return text;
}
