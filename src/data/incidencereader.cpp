#include "data/incidencereader.h"

#include <QFile>

namespace {

bool isBlank(QChar c)
{
    return c == u' ' || c == u'\t';
}

bool isLineEnd(QChar c)
{
    return c == u'\r' || c == u'\n';
}

// Walks the text item by item. Works on raw pointers: a file of 100,000 entries must read
// in a few milliseconds, so each item costs one string allocation and nothing more.
class ItemScanner
{
public:
    explicit ItemScanner(QStringView text) : m_pos(text.data()), m_end(text.data() + text.size()) {}

    bool atEnd() const { return m_pos == m_end; }
    int line() const { return m_line; }

    // Reads the item at the current place (the caller checks atEnd first) and the
    // separator behind it.
    QString next()
    {
        skipBlanks();
        if (m_pos == m_end)
            return QString(); // blanks alone on the last line: a blank line
        if (isLineEnd(*m_pos)) {
            skipLineEnd();
            return QString();
        }

        QString value;
        if (*m_pos == u'"') {
            const QChar *start = ++m_pos;
            while (m_pos != m_end && *m_pos != u'"' && !isLineEnd(*m_pos))
                ++m_pos;
            const QChar *stop = m_pos;
            if (m_pos != m_end && *m_pos == u'"') {
                ++m_pos;
            } else {
                // No closing quote on the line: the item ends with it.
                while (stop != start && isBlank(stop[-1]))
                    --stop;
            }
            value = QString(start, stop - start);
            while (m_pos != m_end && *m_pos != u',' && !isLineEnd(*m_pos))
                ++m_pos; // anything between the closing quote and the separator
        } else {
            const QChar *start = m_pos;
            while (m_pos != m_end && *m_pos != u',' && !isLineEnd(*m_pos))
                ++m_pos;
            const QChar *stop = m_pos;
            while (stop != start && isBlank(stop[-1]))
                --stop;
            value = QString(start, stop - start);
        }
        skipSeparator();
        return value;
    }

private:
    void skipBlanks()
    {
        while (m_pos != m_end && isBlank(*m_pos))
            ++m_pos;
    }

    void skipLineEnd()
    {
        if (*m_pos == u'\r' && m_pos + 1 != m_end && m_pos[1] == u'\n')
            ++m_pos;
        ++m_pos;
        ++m_line;
    }

    // After an item: a comma, a line end or the end of the text. A comma that closes its
    // line takes the line end with it, so that a trailing comma does not make an item.
    void skipSeparator()
    {
        if (m_pos == m_end)
            return;
        if (isLineEnd(*m_pos)) {
            skipLineEnd();
            return;
        }
        ++m_pos; // the comma
        skipBlanks();
        if (m_pos != m_end && isLineEnd(*m_pos))
            skipLineEnd();
    }

    const QChar *m_pos;
    const QChar *m_end;
    int m_line = 1;
};

} // namespace

IncidenceReading readIncidences(QStringView text)
{
    IncidenceReading reading;
    ItemScanner scanner(text);
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

QStringList IncidenceReading::listTexts() const
{
    QStringList texts;
    texts.reserve(names.size());
    for (qsizetype i = 0; i < names.size(); ++i)
        texts.append(incidenceListText(names[i], quantities[i]));
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
