#include "data/distributionfile.h"

#include "testfiles.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <sys/resource.h>
#include <unistd.h>

using namespace DistributionFile;

namespace {

// The used columns of a row: name and values up to the last non-empty column.
QStringList used(const PatternRow &row)
{
    QStringList columns = row;
    while (columns.size() > 1 && columns.last().isEmpty())
        columns.removeLast();
    return columns;
}

PatternRow row(const QStringList &columns)
{
    PatternRow r = emptyRow();
    for (int i = 0; i < columns.size(); ++i)
        r[i] = columns[i];
    return r;
}

} // namespace

class tst_DistributionFile : public QObject
{
    Q_OBJECT

private slots:
    void tiraAspas_data();
    void tiraAspas();
    void normalizeValue_data();
    void normalizeValue();
    void descompacta_data();
    void descompacta();
    void parseSkipsCommaLessLinesAndTakesAnyLineEnd();
    void readsHandEditedFixture();
    void readDetectsEncoding_data();
    void readDetectsEncoding();
    void missingOrUnreadableFileReadsEmpty();
    void composeWritesCrLfAndEveryRow();
    void composeRoundTrip_data();
    void composeRoundTrip();
    void composeRefusesWhatTheEncodingCannotHold();
    void nameProblem_data();
    void nameProblem();
    void writeReplacesWholeFile();
    void failedWriteKeepsOldFile();
    void writeIntoUnwritableDirectoryKeepsOldFile();
};

void tst_DistributionFile::tiraAspas_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("expected");
    QTest::newRow("quoted") << "\"Roubos\""
                            << "Roubos";
    QTest::newRow("bare") << "Roubos"
                          << "Roubos";
    QTest::newRow("doubled") << "\"\"Roubos\"\""
                             << "Roubos";
    QTest::newRow("inner quote stays") << "\"Ro\"bos\""
                                       << "Ro\"bos";
    QTest::newRow("nine at each end") << QString(9, u'"') + "x" + QString(9, u'"') << "x";
    QTest::newRow("tenth stays") << QString(10, u'"') + "x" + QString(10, u'"') << "\"x\"";
    QTest::newRow("only quotes") << "\"\""
                                 << "";
    QTest::newRow("space inside kept") << "\" 12\""
                                       << " 12";
    QTest::newRow("end only") << "12\""
                              << "12";
}

void tst_DistributionFile::tiraAspas()
{
    QFETCH(QString, field);
    QFETCH(QString, expected);
    QCOMPARE(TiraAspas(field), expected);
}

void tst_DistributionFile::normalizeValue_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("expected");
    QTest::newRow("leading zeros") << "007"
                                   << "7";
    QTest::newRow("zero") << "0"
                          << "0";
    QTest::newRow("zeros") << "000"
                           << "0";
    QTest::newRow("plain") << "125"
                           << "125";
    QTest::newRow("huge count exact") << "123456789012345678901234"
                                      << "123456789012345678901234";
    QTest::newRow("leading space") << " 12"
                                   << "12";
    QTest::newRow("trailing junk") << "12a"
                                   << "12";
    QTest::newRow("no number") << "abc"
                               << "0";
    QTest::newRow("empty") << ""
                           << "0";
    QTest::newRow("sign") << "-5"
                          << "-5";
    QTest::newRow("minus zero") << "-0"
                                << "0";
    // A comma would split the value in two in the file: the point stays.
    QTest::newRow("decimal point") << "1.50"
                                   << "1.5";
    QTest::newRow("decimal comma stops") << "1,5"
                                         << "1";
}

void tst_DistributionFile::normalizeValue()
{
    QFETCH(QString, field);
    QFETCH(QString, expected);
    QLocale::setDefault(QLocale(QLocale::Portuguese, QLocale::Brazil));
    QCOMPARE(DistributionFile::normalizeValue(field), expected);
    QLocale::setDefault(QLocale::c());
}

void tst_DistributionFile::descompacta_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("one value") << "\"Roubos\",\"10\"" << QStringList{"Roubos", "10"};
    QTest::newRow("four values") << "\"Roubos\",\"10\",\"25\",\"40\",\"25\""
                                 << QStringList{"Roubos", "10", "25", "40", "25"};
    QTest::newRow("007 in the middle") << "\"A\",\"007\",\"1\"" << QStringList{"A", "7", "1"};
    QTest::newRow("007 at the end") << "\"A\",\"1\",\"007\"" << QStringList{"A", "1", "007"};
    QStringList twelve{"Doze"};
    QString twelveLine = "\"Doze\"";
    for (int i = 1; i <= 12; ++i) {
        twelve << (i == 12 ? "012" : QString::number(i));
        twelveLine += QStringLiteral(",\"%1\"").arg(i == 12 ? "012" : QString::number(i));
    }
    QTest::newRow("twelve, last kept as written") << twelveLine << twelve;
    QString fifteenLine = "\"Q\"";
    QStringList thirteen{"Q"};
    for (int i = 1; i <= 15; ++i) {
        fifteenLine += QStringLiteral(",\"0%1\"").arg(i);
        if (i <= 13)
            thirteen << (i < 13 ? QString::number(i) : QStringLiteral("13"));
    }
    QTest::newRow("beyond thirteen ignored") << fifteenLine << thirteen;
    QTest::newRow("spaces around fields")
        << "  \"Roubos\" , \"10\",  \"20\"  " << QStringList{"Roubos", "10", "20"};
    QTest::newRow("space inside quotes kept in name")
        << "\"Roubos \",\"1\"" << QStringList{"Roubos ", "1"};
    QTest::newRow("doubled quotes")
        << "\"\"Roubos\"\",\"\"5\"\",\"\"6\"\"" << QStringList{"Roubos", "5", "6"};
    QTest::newRow("unquoted") << "Roubos,5,6" << QStringList{"Roubos", "5", "6"};
    QTest::newRow("empty middle reads 0")
        << "\"A\",\"1\",\"\",\"3\"" << QStringList{"A", "1", "0", "3"};
    QTest::newRow("trailing comma") << "\"A\",\"1\"," << QStringList{"A", "1"};
    QTest::newRow("name alone with comma") << "\"A\"," << QStringList{"A"};
    QTest::newRow("no comma") << "\"Roubos\"" << QStringList();
    QTest::newRow("blank") << "" << QStringList();
}

void tst_DistributionFile::descompacta()
{
    QFETCH(QString, line);
    QFETCH(QStringList, expected);
    const std::optional<PatternRow> parsed = Descompacta(line);
    if (expected.isEmpty()) {
        QVERIFY(!parsed);
        return;
    }
    QVERIFY(parsed);
    QCOMPARE(parsed->size(), kTableColumns);
    QCOMPARE(used(*parsed), expected);
}

void tst_DistributionFile::parseSkipsCommaLessLinesAndTakesAnyLineEnd()
{
    const QString text = "\"A\",\"1\"\r\n\r\n\"B\",\"2\"\n\"sozinho\"\r\"C\",\"3\"\r\n";
    const QList<PatternRow> rows = parse(text);
    QCOMPARE(rows.size(), 3);
    QCOMPARE(used(rows[0]), (QStringList{"A", "1"}));
    QCOMPARE(used(rows[1]), (QStringList{"B", "2"}));
    QCOMPARE(used(rows[2]), (QStringList{"C", "3"}));
}

void tst_DistributionFile::readsHandEditedFixture()
{
    const DistributionFileContent content =
        read(QStringLiteral(QUORVEL_TEST_DATA "/distribuicao_manual.txt"));
    QVERIFY(content.exists);
    QVERIFY(content.readable);
    QCOMPARE(content.encoding, TextEncoding::Windows1252); // plain ASCII
    QCOMPARE(content.rows.size(), 7);
    QCOMPARE(used(content.rows[0]), (QStringList{"Roubos", "10", "20"}));
    QCOMPARE(used(content.rows[1]), (QStringList{"Furtos", "1", "7", "3"}));
    QCOMPARE(used(content.rows[2]), (QStringList{"Estupros", "5", "6", "7", "8", "9"}));
    QCOMPARE(used(content.rows[3]), (QStringList{"Latrocinios", "1", "2"}));
    QCOMPARE(content.rows[4].value(1), QStringLiteral("1"));
    QCOMPARE(content.rows[4].value(12), QStringLiteral("012"));
    QCOMPARE(content.rows[5].value(13), QStringLiteral("13"));
    QCOMPARE(used(content.rows[6]), (QStringList{"Vazio no meio", "1", "0", "3"}));
}

void tst_DistributionFile::readDetectsEncoding_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("encoding");
    QTest::addColumn<bool>("bom");
    const QString name = QStringLiteral("Homicídios em São Paulo");
    QTest::newRow("utf-8") << readBytes(QUORVEL_TEST_DATA "/distribuicao_utf8.txt") << name
                           << int(TextEncoding::Utf8) << false;
    QTest::newRow("windows-1252") << readBytes(QUORVEL_TEST_DATA "/distribuicao_1252.txt") << name
                                  << int(TextEncoding::Windows1252) << false;
    QTest::newRow("utf-8 with mark") << QByteArray("\xEF\xBB\xBF\"Roubos\",\"1\"\r\n") << "Roubos"
                                     << int(TextEncoding::Utf8) << true;
    QTest::newRow("ascii") << QByteArray("\"Roubos\",\"1\"\r\n") << "Roubos"
                           << int(TextEncoding::Windows1252) << false;
}

void tst_DistributionFile::readDetectsEncoding()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, name);
    QFETCH(int, encoding);
    QFETCH(bool, bom);
    QTemporaryDir dir;
    const QString path = dir.filePath(fileName());
    QVERIFY(writeBytes(path, bytes));
    const DistributionFileContent content = read(path);
    QCOMPARE(content.rows.value(0).value(0), name);
    QCOMPARE(int(content.encoding), encoding);
    QCOMPARE(content.byteOrderMark, bom);
    QCOMPARE(content.bytes, bytes);
    // Written back unchanged, in the encoding read.
    QCOMPARE(compose(content.rows, content.encoding, content.byteOrderMark).value_or("?"), bytes);
    // The same bytes read from memory give the same.
    const DistributionFileContent inMemory = fromBytes(bytes);
    QCOMPARE(inMemory.rows, content.rows);
    QCOMPARE(inMemory.encoding, content.encoding);
    QCOMPARE(inMemory.byteOrderMark, content.byteOrderMark);
    QVERIFY(inMemory.exists && inMemory.readable);
}

void tst_DistributionFile::missingOrUnreadableFileReadsEmpty()
{
    QTemporaryDir dir;
    DistributionFileContent missing = read(dir.filePath(fileName()));
    QVERIFY(!missing.exists);
    QVERIFY(missing.rows.isEmpty());
    QCOMPARE(missing.encoding, TextEncoding::Windows1252);

    QVERIFY(QDir(dir.path()).mkdir(fileName())); // a directory where the file should be
    DistributionFileContent unreadable = read(dir.filePath(fileName()));
    QVERIFY(unreadable.exists);
    QVERIFY(!unreadable.readable);
    QVERIFY(unreadable.rows.isEmpty());
}

void tst_DistributionFile::composeWritesCrLfAndEveryRow()
{
    QList<PatternRow> rows;
    for (int i = 0; i < 150; ++i)
        rows << row({QStringLiteral("P%1").arg(i), "1", "2"});
    rows << row({"", ""});        // nothing in it: no line
    rows << row({"", "4", "5"});  // values without a name keep their line
    rows << row({"Sem valores"}); // a name alone keeps its line
    const QByteArray bytes = compose(rows, TextEncoding::Windows1252, false).value();
    const QList<QByteArray> lines = bytes.split('\n');
    QCOMPARE(lines.size(), 153); // 152 lines and the empty tail
    QCOMPARE(lines[0], QByteArray("\"P0\",\"1\",\"2\"\r"));
    QCOMPARE(lines[149], QByteArray("\"P149\",\"1\",\"2\"\r"));
    QCOMPARE(lines[150], QByteArray("\"\",\"4\",\"5\"\r"));
    QCOMPARE(lines[151], QByteArray("\"Sem valores\",\"\"\r"));
    QVERIFY(lines[152].isEmpty());
    QCOMPARE(parse(QString::fromLatin1(bytes)).size(), 152);
}

void tst_DistributionFile::composeRoundTrip_data()
{
    QTest::addColumn<QStringList>("columns");
    QTest::addColumn<QByteArray>("line");
    for (int n : {1, 2, 3, 4, 6, 12}) {
        QStringList columns{QStringLiteral("Padrão %1").arg(n)};
        QByteArray line = "\"Padr\xE3o " + QByteArray::number(n) + "\"";
        for (int i = 0; i < n; ++i) {
            columns << QString::number(i * 7);
            line += ",\"" + QByteArray::number(i * 7) + "\"";
        }
        QTest::addRow("%d values", n) << columns << line + "\r\n";
    }
    // Columns past the first empty one and the spare column 13 are not written.
    QTest::newRow("stops at first empty")
        << QStringList{"A", "1", "", "3"} << QByteArray("\"A\",\"1\"\r\n");
    QStringList thirteen{"T"};
    for (int i = 1; i <= 13; ++i)
        thirteen << QString::number(i);
    QByteArray twelve = "\"T\"";
    for (int i = 1; i <= 12; ++i)
        twelve += ",\"" + QByteArray::number(i) + "\"";
    QTest::newRow("spare column") << thirteen << twelve + "\r\n";
}

void tst_DistributionFile::composeRoundTrip()
{
    QFETCH(QStringList, columns);
    QFETCH(QByteArray, line);
    const QByteArray bytes = compose({row(columns)}, TextEncoding::Windows1252, false).value();
    QCOMPARE(bytes, line);
    const QList<PatternRow> back = parse(decodeText(bytes).text);
    QCOMPARE(back.size(), 1);
    QCOMPARE(back[0][0], columns[0]);
}

void tst_DistributionFile::composeRefusesWhatTheEncodingCannotHold()
{
    const QList<PatternRow> rows{row({QStringLiteral("Ωmega"), "1"})};
    QVERIFY(!compose(rows, TextEncoding::Windows1252, false));
    QCOMPARE(compose(rows, TextEncoding::Utf8, false).value(),
             QStringLiteral("\"Ωmega\",\"1\"\r\n").toUtf8());
    QCOMPARE(compose(rows, TextEncoding::Utf8, true).value(),
             "\xEF\xBB\xBF" + QStringLiteral("\"Ωmega\",\"1\"\r\n").toUtf8());
}

void tst_DistributionFile::nameProblem_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("encoding");
    QTest::addColumn<bool>("refused");
    const int cp1252 = int(TextEncoding::Windows1252);
    const int utf8 = int(TextEncoding::Utf8);
    QTest::newRow("plain") << "Roubos" << cp1252 << false;
    QTest::newRow("accents in 1252") << "Homicídios em São Paulo" << cp1252 << false;
    QTest::newRow("trailing space") << "Roubos " << cp1252 << false;
    QTest::newRow("comma") << "Roubos, Furtos" << cp1252 << true;
    QTest::newRow("quote") << "Roubos \"a\"" << utf8 << true;
    QTest::newRow("greek in 1252") << "Ωmega" << cp1252 << true;
    QTest::newRow("greek in utf-8") << "Ωmega" << utf8 << false;
    QTest::newRow("line break") << "Rou\nbos" << utf8 << true;
}

void tst_DistributionFile::nameProblem()
{
    QFETCH(QString, name);
    QFETCH(int, encoding);
    QFETCH(bool, refused);
    QCOMPARE(!DistributionFile::nameProblem(name, TextEncoding(encoding)).isEmpty(), refused);
}

void tst_DistributionFile::writeReplacesWholeFile()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(fileName());
    QVERIFY(writeBytes(path, QByteArray(5000, 'x')));
    QVERIFY(write(path, "\"A\",\"1\"\r\n"));
    QCOMPARE(readBytes(path), QByteArray("\"A\",\"1\"\r\n"));
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{fileName()});
}

void tst_DistributionFile::failedWriteKeepsOldFile()
{
    // A write cut short (here by the file-size limit, which binds root too) must leave the
    // previous file whole and no stray temporary file.
    QTemporaryDir dir;
    const QString path = dir.filePath(fileName());
    const QByteArray old = "\"Antigo\",\"1\",\"2\"\r\n";
    QVERIFY(writeBytes(path, old));

    rlimit saved{};
    QVERIFY(getrlimit(RLIMIT_FSIZE, &saved) == 0);
    const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = saved;
    small.rlim_cur = 64;
    QVERIFY(setrlimit(RLIMIT_FSIZE, &small) == 0);
    const bool written = write(path, QByteArray(4096, 'y'));
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, previousHandler);

    QVERIFY(!written);
    QCOMPARE(readBytes(path), old);
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{fileName()});

    // Where the parent of the file is a regular file nothing can be written.
    QVERIFY(!write(dir.filePath(fileName() + "/x.txt"), old));
}

void tst_DistributionFile::writeIntoUnwritableDirectoryKeepsOldFile()
{
    if (geteuid() == 0)
        QSKIP("permissions do not bind root; the size-limit case covers the failure");
    QTemporaryDir dir;
    const QString sub = dir.filePath("ro");
    QVERIFY(QDir().mkdir(sub));
    const QString path = sub + '/' + fileName();
    const QByteArray old = "\"Antigo\",\"1\"\r\n";
    QVERIFY(writeBytes(path, old));
    QVERIFY(QFile::setPermissions(sub, QFile::ReadOwner | QFile::ExeOwner));
    const bool written = write(path, "\"Novo\",\"1\"\r\n");
    QFile::setPermissions(sub, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    QVERIFY(!written);
    QCOMPARE(readBytes(path), old);
}

QTEST_GUILESS_MAIN(tst_DistributionFile)
#include "tst_distributionfile.moc"
