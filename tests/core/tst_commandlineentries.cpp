// The real program's command line with the shipped data files: names found loosely,
// suggestions for the unknown, --listar, and a write the system refuses named by its cause.
#include "testfiles.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

class TestCommandLineEntries : public QObject
{
    Q_OBJECT

private slots:
    void realProgram_data();
    void realProgram();
};

void TestCommandLineEntries::realProgram_data()
{
    QTest::addColumn<QStringList>("arguments"); // "PICTURE" stands for a file in a new folder
    QTest::addColumn<int>("status");
    QTest::addColumn<QStringList>("out"); // lines standard output holds
    QTest::addColumn<QStringList>("err"); // lines standard error holds
    // A crime list of the user's own, which the program then reads; empty: none.
    QTest::addColumn<QByteArray>("userList");

    QTest::newRow("exact name") << QStringList{"--entrada", "Bahia", "--imagem", "PICTURE"} << 0
                                << QStringList() << QStringList() << QByteArray();
    QTest::newRow("lower case") << QStringList{"--entrada", "bahia", "--imagem", "PICTURE"} << 0
                                << QStringList() << QStringList() << QByteArray();
    QTest::newRow("without the accent")
        << QStringList{"-e", "Sao Paulo", "-e", "amapa", "--imagem", "PICTURE"} << 0
        << QStringList() << QStringList() << QByteArray();
    QTest::newRow("unknown, with close names")
        << QStringList{"--entrada", "Baia", "--imagem", "PICTURE"} << 2 << QStringList()
        << QStringList{"quorvel-counter: Entrada desconhecida: Baia",
                       "Nomes mais próximos:", "  Bahia",
                       "Use \"quorvel-counter --listar\" para ver todas as entradas."}
        << QByteArray();
    QTest::newRow("unknown in a comparison")
        << QStringList{"-e", "Bahia", "-e", "Marte"} << 2 << QStringList()
        << QStringList{"quorvel-counter: Entrada desconhecida: Marte"} << QByteArray();
    // Shipped figures (Quorvelhomicidios.txt, QuorvelParametros.txt, QuorvelFontes.txt).
    QTest::newRow("--listar") << QStringList{"--listar"} << 0
                              << QStringList{"Bahia\t503\tmortes violentas intencionais\tBahia\t"
                                             "2024\tAnuário Brasileiro de Segurança Pública "
                                             "2025 (FBSP)",
                                             "Homicidios em São Paulo\t937\t\tSão Paulo\t\t"}
                              << QStringList() << QByteArray();
    QTest::newRow("a picture into /proc")
        << QStringList{"--mensal", "5", "--imagem", "/proc/p.png"} << 1 << QStringList()
        << QStringList{"quorvel-counter: Não foi possível salvar a imagem em /proc/p.png: a "
                       "pasta /proc não aceita arquivos novos"}
        << QByteArray();
    // A list that ends in the middle of an entry: what was read is listed, the failure said.
    QTest::newRow("--listar, a list cut short")
        << QStringList{"--listar"} << 1 << QStringList{"Meu crime\t3\t\t\t\t"}
        << QStringList{"quorvel-counter: USER não pôde ser lido por inteiro; a lista está "
                       "incompleta."}
        << QByteArray("\"Meu crime\",\"3\"\r\n\"Sozinho\"");
}

void TestCommandLineEntries::realProgram()
{
    QFETCH(QStringList, arguments);
    QFETCH(int, status);
    QFETCH(QStringList, out);
    QFETCH(QStringList, err);
    QFETCH(QByteArray, userList);
    const QString program = QStringLiteral(QUORVEL_PROGRAM);
    QVERIFY2(QFile::exists(program), "build the program (target quorvel-counter) first");
    QTemporaryDir home;
    const QString picture = home.filePath(QStringLiteral("imagens/contagem.png"));
    QVERIFY(QDir().mkpath(QFileInfo(picture).path()));
    arguments.replaceInStrings(QStringLiteral("PICTURE"), picture);
    const QString userFile =
        home.filePath(QStringLiteral("dados/Quorvel Counter/QuorvelParametros.txt"));
    err.replaceInStrings(QStringLiteral("USER"), userFile);
    if (!userList.isEmpty()) {
        QVERIFY(QDir().mkpath(QFileInfo(userFile).path()));
        QVERIFY(writeBytes(userFile, userList));
    }

    const ProgramRun run = runProgram(arguments, home.filePath(QStringLiteral("dados")));
    const QStringList outLines = run.out.split(u'\n');
    const QStringList errLines = run.err.split(u'\n');
    QVERIFY2(run.status == status, qPrintable(run.err));
    for (const QString &line : out)
        QVERIFY2(outLines.contains(line), qPrintable(line));
    for (const QString &line : err)
        QVERIFY2(errLines.contains(line), qPrintable(errLines.join(u'\n')));
    if (arguments.contains(picture))
        QCOMPARE(QFileInfo::exists(picture), status == 0);
    if (arguments.contains(QStringLiteral("--listar"))) {
        // One entry a line, six fields each.
        for (const QString &line : outLines) {
            if (!line.isEmpty())
                QVERIFY2(line.count(u'\t') == 5, qPrintable(line));
        }
    }
}

QTEST_GUILESS_MAIN(TestCommandLineEntries)
#include "tst_commandlineentries.moc"
