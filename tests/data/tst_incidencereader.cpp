#include "data/incidencereader.h"

#include "testfiles.h"

#include <QDir>
#include <QFile>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>

// Whether the text holds half of a surrogate pair without its other half.
static bool holdsUnpairedSurrogate(const QString &text)
{
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text.at(i).isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate())
            ++i;
        else if (text.at(i).isSurrogate())
            return true;
    }
    return false;
}

// Entries as one flat list: name, quantity, name, quantity, ...
static QStringList flatten(const IncidenceReading &reading)
{
    QStringList flat;
    for (qsizetype i = 0; i < reading.size(); ++i)
        flat << reading.names[i] << reading.quantities[i];
    return flat;
}

class TestIncidenceReader : public QObject
{
    Q_OBJECT

private slots:
    void readsItems_data();
    void readsItems();
    void decodesNames_data();
    void decodesNames();
    void fillsThreeParallelLists();
    void readsFixtureFiles_data();
    void readsFixtureFiles();
    void missingOrUnreadableFileFails();
    void readsDecimalFigures_data();
    void readsDecimalFigures();
    void readsShippedFiles_data();
    void readsShippedFiles();
    void shippedPatternsAreExamplesOrTheExampleLine();
    void errorReportNamesTheFailedFile();
    void shortensLongFieldsForTheList_data();
    void shortensLongFieldsForTheList();
    void replacesUnpairedSurrogates_data();
    void replacesUnpairedSurrogates();
};

void TestIncidenceReader::readsItems_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QStringList>("expected");
    QTest::addColumn<int>("failureLine"); // 0: read to the end without failure

    const QStringList two = {"Roubos", "10", "Furtos", "20"};

    // Files as the format asks for them.
    QTest::newRow("empty file") << QByteArray() << QStringList() << 0;
    QTest::newRow("final line end")
        << QByteArray("\"Roubos\",\"10\"\r\n\"Furtos\",\"20\"\r\n") << two << 0;
    QTest::newRow("no final line end")
        << QByteArray("\"Roubos\",\"10\"\r\n\"Furtos\",\"20\"") << two << 0;
    QTest::newRow("example line") << QByteArray("\"Homicidios em S\xe3o Paulo\",\"937\"\r\n")
                                  << QStringList{"Homicidios em São Paulo", "937"} << 0;
    QTest::newRow("comma inside quotes")
        << QByteArray("\"Roubos, cidade\",\"10\"\r\n\"Furtos\",\"20\"\r\n")
        << QStringList{"Roubos, cidade", "10", "Furtos", "20"} << 0;
    QTest::newRow("spaces inside quotes kept")
        << QByteArray("\" Roubos  \",\" 10\"\r\n") << QStringList{" Roubos  ", " 10"} << 0;
    QTest::newRow("spaces in front skipped")
        << QByteArray("  \"Roubos\",   \"10\"\r\n") << QStringList{"Roubos", "10"} << 0;

    // Items, not lines: every two items make an entry.
    QTest::newRow("entry over two lines")
        << QByteArray("\"Roubos\"\r\n\"10\"\r\n\"Furtos\",\"20\"\r\n") << two << 0;
    QTest::newRow("third item lent to next entry")
        << QByteArray("\"Roubos\",\"10\",\"Furtos\"\r\n\"20\"\r\n") << two << 0;
    QTest::newRow("lone last item")
        << QByteArray("\"Roubos\",\"10\"\r\n\"Furtos\"\r\n") << QStringList{"Roubos", "10"} << 2;
    QTest::newRow("lone item without line end")
        << QByteArray("\"Roubos\",\"10\"\r\n\"Furtos\"") << QStringList{"Roubos", "10"} << 2;

    // Blank lines are items.
    QTest::newRow("blank line at end: all entries, then failure")
        << QByteArray("\"Roubos\",\"10\"\r\n\"Furtos\",\"20\"\r\n\r\n") << two << 3;
    QTest::newRow("blank line between: shifted pairing, then failure")
        << QByteArray("\"Roubos\",\"10\"\r\n\r\n\"Furtos\",\"20\"\r\n")
        << QStringList{"Roubos", "10", "", "Furtos"} << 3;
    QTest::newRow("two blank lines between: shifted, no failure")
        << QByteArray("\"Roubos\",\"10\"\r\n\r\n\r\n\"Furtos\",\"20\"\r\n")
        << QStringList{"Roubos", "10", "", "", "Furtos", "20"} << 0;
    QTest::newRow("only a line end") << QByteArray("\r\n") << QStringList() << 1;
    QTest::newRow("blanks alone on the last line")
        << QByteArray("\"Roubos\",\"10\"\r\n  \t") << QStringList{"Roubos", "10"} << 2;

    // Line ends of every kind.
    QTest::newRow("LF") << QByteArray("\"Roubos\",\"10\"\n\"Furtos\",\"20\"\n") << two << 0;
    QTest::newRow("CR") << QByteArray("\"Roubos\",\"10\"\r\"Furtos\",\"20\"\r") << two << 0;
    QTest::newRow("mixed") << QByteArray("\"Roubos\",\"10\"\r\"Furtos\",\"20\"\n") << two << 0;
    QTest::newRow("LF blank line at end")
        << QByteArray("\"Roubos\",\"10\"\n\"Furtos\",\"20\"\n\n") << two << 3;
    QTest::newRow("CR blank line between, twice")
        << QByteArray("\"Roubos\",\"10\"\r\r\r\"Furtos\",\"20\"\r")
        << QStringList{"Roubos", "10", "", "", "Furtos", "20"} << 0;

    // Hand-edited files.
    QTest::newRow("unquoted items") << QByteArray("Roubos, 10\r\nFurtos ,20  \r\n") << two << 0;
    QTest::newRow("unquoted quantity")
        << QByteArray("\"Roubos\", 10\r\n\"Furtos\",20\r\n") << two << 0;
    QTest::newRow("unquoted name with inner spaces") << QByteArray("  Roubos em geral  ,\"10\"\r\n")
                                                     << QStringList{"Roubos em geral", "10"} << 0;
    QTest::newRow("tabs around items")
        << QByteArray("\t\"Roubos\"\t,\t\"10\"\t\r\n\tFurtos\t,\t20\t\r\n") << two << 0;
    QTest::newRow("text after closing quote ignored")
        << QByteArray("\"Roubos\" x,\"10\"ocorrencias\r\n\"Furtos\",\"20\"\r\n") << two << 0;
    QTest::newRow("comma at end of line adds no item")
        << QByteArray("\"Roubos\",\"10\",\r\n\"Furtos\",\"20\", \r\n") << two << 0;
    QTest::newRow("empty item between commas") << QByteArray("\"Roubos\",,\"10\",\"Furtos\"\r\n")
                                               << QStringList{"Roubos", "", "10", "Furtos"} << 0;
    QTest::newRow("missing closing quote ends at line end")
        << QByteArray("\"Roubos, cidade  \r\n\"10\"\r\n\"Furtos\",\"20\"\r\n")
        << QStringList{"Roubos, cidade", "10", "Furtos", "20"} << 0;
}

void TestIncidenceReader::readsItems()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QStringList, expected);
    QFETCH(int, failureLine);

    const IncidenceReading reading = readIncidences(bytes);
    QCOMPARE(flatten(reading), expected);
    QCOMPARE(reading.failed(), failureLine != 0);
    QCOMPARE(reading.failure, failureLine ? IncidenceFailure::LoneItem : IncidenceFailure::None);
    QCOMPARE(reading.failureLine, failureLine);
}

void TestIncidenceReader::decodesNames_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("name");
    QTest::addColumn<TextEncoding>("encoding");

    QTest::newRow("Windows-1252") << QByteArray("\"Cear\xe1 e S\xe3o Paulo\",\"1\"\r\n")
                                  << QStringLiteral("Ceará e São Paulo")
                                  << TextEncoding::Windows1252;
    QTest::newRow("Windows-1252 only letters")
        << QByteArray("\"Goi\xe1s \x96 \x80\",\"1\"\r\n") << QStringLiteral("Goiás – €")
        << TextEncoding::Windows1252;
    QTest::newRow("UTF-8") << QByteArray("\"Cear\xc3\xa1 e S\xc3\xa3o Paulo\",\"1\"\n")
                           << QStringLiteral("Ceará e São Paulo") << TextEncoding::Utf8;
    QTest::newRow("UTF-8 with byte-order mark")
        << QByteArray("\xef\xbb\xbf\"S\xc3\xa3o Paulo\",\"1\"\n") << QStringLiteral("São Paulo")
        << TextEncoding::Utf8;
    QTest::newRow("plain ASCII") << QByteArray("\"Bahia\",\"1\"\r\n") << QStringLiteral("Bahia")
                                 << TextEncoding::Utf8;
}

void TestIncidenceReader::decodesNames()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, name);
    QFETCH(TextEncoding, encoding);

    const IncidenceReading reading = readIncidences(bytes);
    QVERIFY(!reading.failed());
    QCOMPARE(reading.names, QStringList{name});
    QCOMPARE(reading.encoding, encoding);
}

void TestIncidenceReader::fillsThreeParallelLists()
{
    const IncidenceReading reading = readIncidences(
        QByteArray("\"Homicidios em S\xe3o Paulo\",\"937\"\r\n\"Roubos, cidade\",\"11110\"\r\n"));
    QCOMPARE(reading.listTexts(),
             QStringList({"Homicidios em São Paulo   937", "Roubos, cidade   11110"}));
    QCOMPARE(reading.quantities, QStringList({"937", "11110"}));
    QCOMPARE(reading.names, QStringList({"Homicidios em São Paulo", "Roubos, cidade"}));
}

void TestIncidenceReader::readsFixtureFiles_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QStringList>("expected");
    QTest::addColumn<IncidenceFailure>("failure");

    const QStringList valid = {"Homicidios em São Paulo",
                               "937",
                               "Roubos, cidade de São Paulo",
                               "11110",
                               "Latrocínios",
                               "4"};
    QTest::newRow("Windows-1252, CR LF")
        << "incidencia_valida_1252.txt" << valid << IncidenceFailure::None;
    QTest::newRow("UTF-8, LF") << "incidencia_valida_utf8.txt" << valid << IncidenceFailure::None;
    QTest::newRow("blank line at end")
        << "incidencia_branco_no_fim.txt"
        << QStringList{"Homicidios em São Paulo", "937", "Latrocínios", "4"}
        << IncidenceFailure::LoneItem;
    QTest::newRow("blank line between")
        << "incidencia_branco_no_meio.txt"
        << QStringList{"Homicidios em São Paulo", "937", "", "Latrocínios"}
        << IncidenceFailure::LoneItem;
}

void TestIncidenceReader::readsFixtureFiles()
{
    QFETCH(QString, file);
    QFETCH(QStringList, expected);
    QFETCH(IncidenceFailure, failure);

    const IncidenceReading reading = readIncidenceFile(QDir(QUORVEL_TEST_DATA).filePath(file));
    QCOMPARE(flatten(reading), expected);
    QCOMPARE(reading.failure, failure);
}

void TestIncidenceReader::missingOrUnreadableFileFails()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());

    const IncidenceReading missing = readIncidenceFile(dir.filePath("QuorvelParametros.txt"));
    QCOMPARE(missing.failure, IncidenceFailure::CannotOpen);
    QVERIFY(missing.names.isEmpty() && missing.quantities.isEmpty());

    const IncidenceReading directory = readIncidenceFile(dir.path());
    QVERIFY(directory.failed());
    QVERIFY(directory.names.isEmpty());

    // The reader lets go of the file: it can be replaced and read again at once.
    const QString path = dir.filePath("Quorvelhomicidios.txt");
    QVERIFY(writeBytes(path, "\"Bahia\",\"555\"\r\n\r\n"));
    QCOMPARE(readIncidenceFile(path).failure, IncidenceFailure::LoneItem);
    QVERIFY(QFile::remove(path));
    QVERIFY(writeBytes(path, "\"Bahia\",\"555\"\r\n"));
    const IncidenceReading again = readIncidenceFile(path);
    QVERIFY(!again.failed());
    QCOMPARE(flatten(again), QStringList({"Bahia", "555"}));
}

// A quantity may carry two decimals after a comma or a point, so that a yearly count / 12 is
// kept; anything else is no figure (the entry is listed, and refused when chosen).
void TestIncidenceReader::readsDecimalFigures_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QStringList>("quantities"); // as written, whatever the figure
    QTest::addColumn<QList<double>>("figures");  // -1: no figure

    QTest::newRow("comma") << QByteArray("\"Feminic\xed"
                                         "dios na Bahia\",\"9,25\"\r\n")
                           << QStringList{"9,25"} << QList<double>{9.25};
    QTest::newRow("point") << QByteArray("\"Brasil\",\"3677.25\"\r\n") << QStringList{"3677.25"}
                           << QList<double>{3677.25};
    QTest::newRow("one decimal, blanks inside the quotes")
        << QByteArray("\"Latroc\xednios\",\" 3,5 \"\r\n") << QStringList{" 3,5 "}
        << QList<double>{3.5};
    QTest::newRow("under one a month")
        << QByteArray("\"Sergipe\",\"0,83\"\r\n") << QStringList{"0,83"} << QList<double>{0.83};
    QTest::newRow("negative") << QByteArray("\"Bahia\",\"-9,25\"\r\n\"Acre\",\"-1\"\r\n")
                              << QStringList{"-9,25", "-1"} << QList<double>{-1, -1};
    QTest::newRow("too many decimals")
        << QByteArray("\"Sergipe\",\"0,833\"\r\n\"Acre\",\"0.6667\"\r\n")
        << QStringList{"0,833", "0.6667"} << QList<double>{-1, -1};
    QTest::newRow("at and over the limit")
        << QByteArray("\"A\",\"2999970\"\r\n\"B\",\"2999970,01\"\r\n\"C\",\"99999999,5\"\r\n")
        << QStringList{"2999970", "2999970,01", "99999999,5"} << QList<double>{2999970, -1, -1};
    QTest::newRow("separators that are no decimals")
        << QByteArray("\"A\",\"1.234,5\"\r\n\"B\",\"9,\"\r\n\"C\",\",5\"\r\n\"D\",\"9 ,25\"\r\n")
        << QStringList{"1.234,5", "9,", ",5", "9 ,25"} << QList<double>{-1, -1, -1, -1};
    // The form every file had before: whole figures read as they always did.
    QTest::newRow("old whole-number file unchanged")
        << QByteArray("\"Homicidios em S\xe3o Paulo\",\"937\"\r\n\"Roubos\",\"0011110\"\r\n"
                      "\"Furtos\",\"muitos\"\r\n")
        << QStringList{"937", "0011110", "muitos"} << QList<double>{937, 11110, -1};
}

void TestIncidenceReader::readsDecimalFigures()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QStringList, quantities);
    QFETCH(QList<double>, figures);

    const IncidenceReading reading = readIncidences(bytes);
    QVERIFY(!reading.failed());
    QCOMPARE(reading.quantities, quantities);
    for (qsizetype i = 0; i < figures.size(); ++i) {
        const std::optional<double> figure = reading.figure(i);
        QCOMPARE(figure.has_value(), figures[i] >= 0);
        if (figure)
            QCOMPARE(*figure, figures[i]);
    }
    QVERIFY(!reading.figure(figures.size()));
    QVERIFY(!reading.figure(-1));
}

void TestIncidenceReader::readsShippedFiles_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<int>("count");
    QTest::addColumn<QStringList>("first");
    QTest::addColumn<QStringList>("last");

    // 50 police killings a year in Tocantins, 179 deaths in Acre, 44127 in Brazil, / 12.
    QTest::newRow("crimes") << "QuorvelParametros.txt" << 49
                            << QStringList{"Homicidios em São Paulo", "937"}
                            << QStringList{"Mortes por intervenção policial no Tocantins", "4,17"};
    QTest::newRow("homicides by state")
        << "Quorvelhomicidios.txt" << 28 << QStringList{"Acre", "14,92"}
        << QStringList{"Brasil", "3677,25"};
}

void TestIncidenceReader::readsShippedFiles()
{
    QFETCH(QString, file);
    QFETCH(int, count);
    QFETCH(QStringList, first);
    QFETCH(QStringList, last);

    QFile raw(QDir(QUORVEL_ASSETS).filePath("data/" + file));
    QVERIFY(raw.open(QIODevice::ReadOnly));
    const QByteArray bytes = raw.readAll();
    // The documented format: Windows-1252 bytes, every line ended by CR LF.
    QVERIFY(bytes.endsWith("\r\n"));
    QCOMPARE(bytes.count("\r\n"), count);
    QCOMPARE(bytes.count('\n'), count);

    const IncidenceReading reading = readIncidences(bytes);
    QVERIFY(!reading.failed());
    QCOMPARE(reading.encoding, TextEncoding::Windows1252);
    QCOMPARE(reading.size(), count);
    QCOMPARE(reading.quantities.size(), count);
    QCOMPARE(flatten(reading).mid(0, 2), first);
    QCOMPARE(flatten(reading).mid(2 * count - 2), last);
    for (qsizetype i = 0; i < count; ++i) {
        QVERIFY2(reading.figure(i).value_or(0) > 0, qPrintable(reading.names[i]));
        QVERIFY2(!reading.names[i].contains(u','), qPrintable(reading.names[i]));
    }
}

// Each shipped pattern is an example by its name ("Exemplo: …", chosen in the editor) or the
// program's own example line, a shipped entry; with a whole quantity for each of 1, 2, 3, 4, 6
// or 12 intervals.
void TestIncidenceReader::shippedPatternsAreExamplesOrTheExampleLine()
{
    const QDir data(QDir(QUORVEL_ASSETS).filePath("data"));
    QStringList names = readIncidenceFile(data.filePath("QuorvelParametros.txt")).names;
    names += readIncidenceFile(data.filePath("Quorvelhomicidios.txt")).names;

    QFile file(data.filePath("QuorvelDistribuicao.txt"));
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    QVERIFY(bytes.endsWith("\r\n"));
    const QString text = decodeText(bytes).text;
    QSet<int> counts;
    for (const QString &line : text.split(QStringLiteral("\r\n"), Qt::SkipEmptyParts)) {
        const QStringList fields = line.split(u',');
        for (const QString &field : fields)
            QVERIFY2(field.size() >= 2 && field.startsWith(u'"') && field.endsWith(u'"'),
                     qPrintable(line));
        const QString name = fields[0].mid(1, fields[0].size() - 2);
        QVERIFY2(name.startsWith(QStringLiteral("Exemplo: ")) ||
                     name == QStringLiteral("Homicidios em São Paulo"),
                 qPrintable(name));
        QVERIFY2(names.contains(name) != name.startsWith(QStringLiteral("Exemplo: ")),
                 qPrintable(name));
        const int n = int(fields.size()) - 1;
        QVERIFY2(QList<int>({1, 2, 3, 4, 6, 12}).contains(n), qPrintable(line));
        counts.insert(n);
        for (qsizetype k = 1; k < fields.size(); ++k) {
            bool whole = false;
            QVERIFY(fields[k].mid(1, fields[k].size() - 2).toUInt(&whole) <= 100000 && whole);
        }
    }
    QVERIFY(counts.contains(4) && counts.contains(6) && counts.contains(12));
}

void TestIncidenceReader::errorReportNamesTheFailedFile()
{
    const QString text = incidenceFileErrorText(QStringLiteral("Quorvelhomicidios.txt"));
    QVERIFY(text.endsWith(u'\n'));
    const QStringList lines = text.chopped(1).split(u'\n');
    const QStringList expected = {
        "Erro no acesso ao arquivo Quorvelhomicidios.txt",
        "",
        "1- Este arquivo deve estar localizado no mesmo diretório do programa.",
        "",
        "2- Cada linha deste arquivo deve conter dois parametros separados por vírgulas, "
        "ambos entre aspas:",
        "        \"Nome do Delito\",\"Quantidade mensal de ocorrências\"",
        "",
        "          Exemplo de linha: \"Homicidios em São Paulo\",\"937\"",
        "",
        "3- Não pode conter linhas em branco ou inválidas",
        "",
        "4- O arquivo encontra-se em formato texto, simples, sem tabulações",
    };
    QCOMPARE(lines, expected);
    QVERIFY(incidenceFileErrorText(QStringLiteral("QuorvelParametros.txt"))
                .startsWith("Erro no acesso ao arquivo QuorvelParametros.txt\n\n1- "));
}

void TestIncidenceReader::shortensLongFieldsForTheList_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("shown");
    const QString limit(kListFieldLimit, QLatin1Char('a'));
    const QString ellipsis(QChar(0x2026));
    const QString clef = QStringLiteral("\U0001D11E"); // one character, two UTF-16 units
    QTest::newRow("short") << QStringLiteral("Roubos") << QStringLiteral("Roubos");
    QTest::newRow("at the limit") << limit << limit;
    QTest::newRow("one over") << limit + QLatin1Char('b')
                              << limit.left(kListFieldLimit - 1) + ellipsis;
    // A character of two units standing across the cut goes whole.
    const QString across = QString(kListFieldLimit - 2, QLatin1Char('a')) + clef + limit;
    QTest::newRow("pair across the cut")
        << across << QString(kListFieldLimit - 2, QLatin1Char('a')) + ellipsis;
    // Text not from a file may still hold first halves alone: the cut ends on none of them.
    const QString high(2, QChar(0xD8D8));
    QTest::newRow("lone first halves before the cut")
        << QString(kListFieldLimit - 3, QLatin1Char('a')) + high + limit
        << QString(kListFieldLimit - 3, QLatin1Char('a')) + ellipsis;
}

// UTF-16 text as a Windows editor saves it: little-endian units after a byte-order mark.
static QByteArray utf16le(std::initializer_list<char16_t> units)
{
    QByteArray bytes("\xFF\xFE");
    for (char16_t unit : units)
        bytes.append(char(unit & 0xFF)).append(char(unit >> 8));
    return bytes;
}

void TestIncidenceReader::replacesUnpairedSurrogates_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("firstName");
    QTest::addColumn<int>("replacedInFirstEntry"); // U+FFFD in its name and quantity

    const QString fffd(QChar::ReplacementCharacter);
    QTest::newRow("lone first half in a name")
        << utf16le({u'"', u'A', 0xD800, u'B', u'"', u',', u'"', u'1', u'"'}) << "A" + fffd + "B"
        << 1;
    QTest::newRow("lone second half in a quantity")
        << utf16le({u'"', u'A', u'"', u',', u'"', 0xDC00, u'1', u'"'}) << "A" << 1;
    QTest::newRow("two first halves")
        << utf16le({u'"', 0xD8D8, 0xD8D8, u'"', u',', u'"', u'1', u'"'}) << fffd + fffd << 2;
    QTest::newRow("whole pair kept")
        << utf16le({u'"', 0xD834, 0xDD1E, u'"', u',', u'"', u'1', u'"'})
        << QStringLiteral("\U0001D11E") << 0;
    // Found by fuzzing: a cut UTF-16 file. The first entry is "R" and an unquoted quantity of
    // 824 units up to the first line end, 70 of them first halves without a second half.
    QFile file(QDir(QUORVEL_TEST_DATA).filePath("incidencia_surrogates_soltos.bin"));
    QVERIFY(file.open(QIODevice::ReadOnly));
    QTest::newRow("fuzz finding: UTF-16 full of lone halves") << file.readAll() << "R" << 70;
}

void TestIncidenceReader::replacesUnpairedSurrogates()
{
    QFETCH(QByteArray, bytes);
    QFETCH(int, replacedInFirstEntry);

    const IncidenceReading reading = readIncidences(bytes);
    QVERIFY(reading.size() >= 1);
    QTEST(reading.names.first(), "firstName");
    QCOMPARE(reading.names.first().count(QChar::ReplacementCharacter) +
                 reading.quantities.first().count(QChar::ReplacementCharacter),
             replacedInFirstEntry);
    QCOMPARE(reading.encoding, TextEncoding::Utf8);
    for (const QStringList &texts : {reading.names, reading.quantities, reading.listTexts()}) {
        for (const QString &text : texts)
            QVERIFY2(!holdsUnpairedSurrogate(text), qPrintable(text.left(40)));
    }
}

void TestIncidenceReader::shortensLongFieldsForTheList()
{
    QFETCH(QString, text);
    QFETCH(QString, shown);
    QCOMPARE(shortenedForList(text), shown);
    QVERIFY(shortenedForList(text).size() <= kListFieldLimit);
}

QTEST_GUILESS_MAIN(TestIncidenceReader)
#include "tst_incidencereader.moc"
