// The command line: argument lists to the state of the windows, and the lines refused with
// status 2 and a message, in process and through the real program, which must then leave
// every file as it was.
#include "core/commandline.h"
#include "core/datadirectory.h"
#include "deadzonefixture.h"
#include "testfiles.h"
#include "windows/Apresentacao/apresentacao.h"
#include "windows/startoptions.h"

#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>

namespace {

const QDateTime kNoon(QDate(2026, 3, 10), QTime(12, 0));

QStringList withProgram(const QStringList &arguments)
{
    return QStringList{QStringLiteral("quorvel-counter")} + arguments;
}

void touch(const QString &path, const QByteArray &bytes = "\"Meu crime\",\"100\"\r\n")
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

} // namespace

class TestStartOptions : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void argumentsToWindows_data();
    void argumentsToWindows();
    void refusedInProcess_data();
    void refusedInProcess();
    void capacityOfTheChoice_data();
    void capacityOfTheChoice();
    void dataFileBeforeStart_data();
    void dataFileBeforeStart();
    void dataFileBeforeStartSeesRenewedCopies();
    void realProgramExitStatus_data();
    void realProgramExitStatus();
};

void TestStartOptions::initTestCase()
{
    QLocale::setDefault(QLocale(QLocale::Portuguese, QLocale::Brazil));
}

void TestStartOptions::argumentsToWindows_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("monthly"); // ParametroMes afterwards
    QTest::addColumn<QString>("entry");   // the chosen entry's name
    QTest::addColumn<int>("mode");        // Option1(mode) selected
    QTest::addColumn<bool>("counting");   // Timer3 running
    QTest::addColumn<bool>("presentation");
    QTest::addColumn<bool>("pattern"); // "Usar a distribuição ativada" selected
    QTest::addColumn<bool>("reduced");

    QTest::newRow("--mensal 90000") << QStringList{"--mensal", "90000"} << "90000"
                                    << "" << 0 << true << false << false << false;
    QTest::newRow("a screen at an event: figure, presentation, no sound")
        << QStringList{"--mensal", "90000", "--apresentacao", "--sem-som"} << "90000"
        << "" << 0 << true << true << false << false;
    QTest::newRow("an entry with its pattern")
        << QStringList{"--entrada", "Homicidios em São Paulo"} << "937"
        << "Homicidios em São Paulo" << 0 << true << false << true << false;
    QTest::newRow("a state, by the year, short options")
        << QStringList{"-e", "Alagoas", "--modo", "ano", "-a"} << "95,08"
        << "Alagoas" << 2 << true << true << false << false;
    // Typed without capitals or accents, the one entry of that name.
    QTest::newRow("a state in lower case") << QStringList{"-e", "bahia"} << "503"
                                           << "Bahia" << 0 << true << false << false << false;
    QTest::newRow("a crime without accents")
        << QStringList{"-e", "homicidios em sao paulo"} << "937"
        << "Homicidios em São Paulo" << 0 << true << false << true << false;
    QTest::newRow("the month, reduced motion")
        << QStringList{"--modo", "mes", "-m", "5", "--movimento-reduzido"} << "5"
        << "" << 1 << true << false << false << true;
    QTest::newRow("presentation alone: nothing counts yet")
        << QStringList{"--apresentacao"} << ""
        << "" << 0 << false << true << false << false;
    QTest::newRow("reduced motion alone") << QStringList{"-r"} << ""
                                          << "" << 0 << false << false << false << true;
}

void TestStartOptions::argumentsToWindows()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, monthly);
    QFETCH(QString, entry);
    QFETCH(int, mode);
    QFETCH(bool, counting);
    QFETCH(bool, presentation);
    QFETCH(bool, pattern);
    QFETCH(bool, reduced);

    const CommandLineResult parsed = parseCommandLine(withProgram(arguments), QStringLiteral("1"));
    QCOMPARE(parsed.action, CommandLineResult::Action::Run);
    QVERIFY(parsed.options.anyGiven);

    DeadZoneFixture f(kNoon, DeadZoneFixture::shippedData());
    const QDir dir(f.window.dataDirectory());
    StartOptions options = parsed.options;
    QCOMPARE(resolveStartEntries(options, dir.filePath(QStringLiteral("QuorvelParametros.txt")),
                                 dir.filePath(QStringLiteral("Quorvelhomicidios.txt"))),
             QString());
    applyStartOptions(f.window, options);

    QCOMPARE(f.child<QLineEdit>("ParametroMes")->text(), monthly);
    QCOMPARE(f.window.counter().choice().name(), entry);
    QVERIFY(f.child<QRadioButton>("Option1", mode)->isChecked());
    QCOMPARE(f.window.counting(), counting);
    QCOMPARE(f.window.inPresentation(), presentation);
    QCOMPARE(f.window.isVisible(), !presentation);
    if (presentation)
        QVERIFY(f.window.presentation()->isVisible());
    QCOMPARE(f.child<QRadioButton>("opcaoDistribuicao", 0)->isChecked(), pattern);
    QCOMPARE(f.window.reducedMotion(), reduced);
    QCOMPARE(f.child<QCheckBox>("MovimentoReduzido")->isChecked(), reduced);
    // The lists, read to find the entry, are closed again as after a double click.
    QVERIFY(f.child<QFrame>("PainelList1")->isHidden());
}

void TestStartOptions::refusedInProcess_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("message"); // the first line on standard error
    QTest::addColumn<QString>("hint");    // the last line

    const QString help = QStringLiteral("Use \"quorvel-counter --help\" para ver as opções.");
    const QString list =
        QStringLiteral("Use \"quorvel-counter --listar\" para ver todas as entradas.");
    QTest::newRow("unknown option") << QStringList{"--tela-cheia"}
                                    << "quorvel-counter: Opção desconhecida: --tela-cheia" << help;
    QTest::newRow("figure not whole")
        << QStringList{"--mensal", "12,5"}
        << "quorvel-counter: O número mensal deve ser um número inteiro, sem sinal nem "
           "separadores: \"12,5\""
        << help;
    QTest::newRow("unknown mode") << QStringList{"--modo", "semana"}
                                  << "quorvel-counter: Modo desconhecido: \"semana\" (use dia, "
                                     "mes ou ano)"
                                  << help;
    QTest::newRow("unknown entry") << QStringList{"--entrada", "Marte"}
                                   << "quorvel-counter: Entrada desconhecida: Marte" << list;
    // Case and accents are forgiven, a letter more is not.
    QTest::newRow("entry misspelt") << QStringList{"--entrada", "bahiaa"}
                                    << "quorvel-counter: Entrada desconhecida: bahiaa" << list;
}

void TestStartOptions::refusedInProcess()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, message);
    const CommandLineResult parsed = parseCommandLine(withProgram(arguments), QStringLiteral("1"));
    QString text = parsed.text;
    int status = parsed.exitStatus;
    if (parsed.action == CommandLineResult::Action::Run) {
        DeadZoneFixture f(kNoon, DeadZoneFixture::shippedData());
        const QDir dir(f.window.dataDirectory());
        StartOptions options = parsed.options;
        text = resolveStartEntries(options, dir.filePath(QStringLiteral("QuorvelParametros.txt")),
                                   dir.filePath(QStringLiteral("Quorvelhomicidios.txt")));
        status = text.isEmpty() ? 0 : kCommandLineErrorStatus;
    }
    QCOMPARE(status, 2);
    QCOMPARE(text.section(u'\n', 0, 0), message);
    QTEST(text.section(u'\n', -2, -2), "hint");
}

// A copy of the 2022 figures that the start will renew is not the one read for the entry;
// an edited copy, which the start keeps, is. Nothing in the user's folder changes here.
void TestStartOptions::dataFileBeforeStartSeesRenewedCopies()
{
    QTemporaryDir program;
    QTemporaryDir user;
    const QString name = QStringLiteral("Quorvelhomicidios.txt");
    for (const QString &file : dataFileNames())
        QVERIFY(QFile::copy(QStringLiteral(QUORVEL_ASSETS "/data/") + file,
                            QDir(program.path()).filePath(file)));
    const QString copy = QDir(user.path()).filePath(name);
    QVERIFY(QFile::copy(QStringLiteral(QUORVEL_TEST_DATA "/enviados_2022/") + name, copy));
    QCOMPARE(::dataFileBeforeStart(name, program.path(), false, user.path()),
             QDir(program.path()).filePath(name));

    QFile edited(copy);
    QVERIFY(edited.open(QIODevice::Append));
    edited.write("\"Minha cidade\",\"3\"\r\n");
    edited.close();
    QCOMPARE(::dataFileBeforeStart(name, program.path(), false, user.path()), copy);
    QCOMPARE(QDir(user.path()).entryList(QDir::Files | QDir::Hidden), QStringList{name});
}

// "Roubos em geral na cidade de São Paulo" counts 11110,33 a month, 370,34 a day: on 1 October
// at noon, 273,5 days of the year make about 101 000, over the odometer's 99.999,9999.
void TestStartOptions::capacityOfTheChoice_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QDateTime>("now");
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("message"); // the first line on standard error

    const QDateTime october(QDate(2026, 10, 1), QTime(12, 0));
    const QString roubos = QStringLiteral("Roubos em geral na cidade de São Paulo");
    QTest::newRow("Roubos, year mode, 1 October")
        << QStringList{"--entrada", roubos, "--modo", "ano"} << october << 2
        << "quorvel-counter: No modo ano a contagem passa de 99.999,9999, o máximo do "
           "odômetro. Cabem: dia e mês.";
    QTest::newRow("Roubos, year mode, in the view")
        << QStringList{"--entrada", roubos, "--modo", "ano", "--apresentacao"} << october << 2
        << "quorvel-counter: No modo ano a contagem passa de 99.999,9999, o máximo do "
           "odômetro. Cabem: dia e mês.";
    QTest::newRow("Roubos, month mode, 1 October")
        << QStringList{"--entrada", roubos, "--modo", "mes"} << october << 0 << "";
    // 1 March at noon: 59,5 days make about 22 000.
    QTest::newRow("Roubos, year mode, 1 March")
        << QStringList{"--entrada", roubos, "--modo", "ano"}
        << QDateTime(QDate(2026, 3, 1), QTime(12, 0)) << 0 << "";
    // 2 900 000 a month is 96 666 a day: by noon the day holds 48 333, the month far more.
    QTest::newRow("typed, month mode, 20th")
        << QStringList{"--mensal", "2900000", "--modo", "mes"}
        << QDateTime(QDate(2026, 3, 20), QTime(12, 0)) << 2
        << "quorvel-counter: No modo mês a contagem passa de 99.999,9999, o máximo do "
           "odômetro. Cabe: dia.";
    QTest::newRow("typed, day mode by default")
        << QStringList{"--mensal", "2900000"} << QDateTime(QDate(2026, 3, 20), QTime(12, 0)) << 0
        << "";
}

void TestStartOptions::capacityOfTheChoice()
{
    QFETCH(QStringList, arguments);
    QFETCH(QDateTime, now);
    QFETCH(int, status);
    QFETCH(QString, message);
    const CommandLineResult parsed = parseCommandLine(withProgram(arguments), QStringLiteral("1"));
    QCOMPARE(parsed.action, CommandLineResult::Action::Run);
    DeadZoneFixture f(now, DeadZoneFixture::shippedData());
    const QDir dir(f.window.dataDirectory());
    const QString parametros = dir.filePath(QStringLiteral("QuorvelParametros.txt"));
    const QString homicidios = dir.filePath(QStringLiteral("Quorvelhomicidios.txt"));
    StartOptions options = parsed.options;
    QCOMPARE(resolveStartEntries(options, parametros, homicidios), QString());
    const QString text = checkStartCapacity(options, parametros, homicidios, now);
    QCOMPARE(text.isEmpty() ? 0 : kCommandLineErrorStatus, status);
    QCOMPARE(text.section(u'\n', 0, 0), message);
    if (status != 0)
        QVERIFY(text.endsWith(QStringLiteral("--help\" para ver as opções.\n")));
}

void TestStartOptions::dataFileBeforeStart_data()
{
    QTest::addColumn<bool>("writable");       // the program's folder
    QTest::addColumn<QStringList>("userHas"); // files already in the user's folder
    QTest::addColumn<bool>("fromUser");       // QuorvelParametros.txt read there

    QTest::newRow("writable, user folder empty") << true << QStringList{} << false;
    QTest::newRow("writable, user folder chosen before")
        << true << QStringList{"QuorvelParametros.txt"} << true;
    QTest::newRow("chosen before, this file not there yet")
        << true << QStringList{"QuorvelDistribuicao.txt"} << false;
    QTest::newRow("read-only install, first run") << false << QStringList{} << false;
    QTest::newRow("read-only install, later run")
        << false << QStringList{"QuorvelParametros.txt"} << true;
}

void TestStartOptions::dataFileBeforeStart()
{
    QFETCH(bool, writable);
    QFETCH(QStringList, userHas);
    QFETCH(bool, fromUser);
    QTemporaryDir program;
    QTemporaryDir userRoot;
    const QString user = userRoot.filePath(QStringLiteral("Quorvel Counter"));
    if (!userHas.isEmpty())
        QVERIFY(QDir().mkpath(user));
    for (const QString &name : userHas)
        touch(QDir(user).filePath(name));
    const QString name = QStringLiteral("QuorvelParametros.txt");
    QCOMPARE(::dataFileBeforeStart(name, program.path(), writable, user),
             QDir(fromUser ? user : program.path()).filePath(name));
    // Nothing made or copied.
    QCOMPARE(QDir(user).exists(), !userHas.isEmpty());
    if (QDir(user).exists())
        QCOMPARE(QDir(user).entryList(QDir::Files).size(), userHas.size());
}

void TestStartOptions::realProgramExitStatus_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("out"); // the start of standard output
    QTest::addColumn<QString>("err"); // the first line of standard error

    QTest::newRow("--help") << QStringList{"--help"} << 0 << "Uso: quorvel-counter [opções]"
                            << "";
    QTest::newRow("--version") << QStringList{"--version"} << 0 << "Quorvel Counter "
                               << "";
    QTest::newRow("unknown option") << QStringList{"--som"} << 2 << ""
                                    << "quorvel-counter: Opção desconhecida: --som";
    QTest::newRow("figure with a sign") << QStringList{"--mensal", "-5"} << 2 << ""
                                        << "quorvel-counter: O número mensal deve ser um número "
                                           "inteiro, sem sinal nem separadores: \"-5\"";
    QTest::newRow("seven counters")
        << QStringList{"-m", "1", "-m", "2", "-m", "3", "-m", "4", "-m", "5", "-m", "6", "-m", "7"}
        << 2 << ""
        << "quorvel-counter: Uma comparação tem no máximo 6 contadores (foram dados 7)";
    QTest::newRow("unknown entry in a comparison")
        << QStringList{"-m", "5", "-e", "Bahia", "-e", "Nenhures", "--apresentacao"} << 2 << ""
        << "quorvel-counter: Entrada desconhecida: Nenhures";
    QTest::newRow("unknown entry, read from the user's folder")
        << QStringList{"--entrada", "Homicidios em São Paulo", "--apresentacao"} << 2 << ""
        << "quorvel-counter: Entrada desconhecida: Homicidios em São Paulo";
}

// The user's folder holds one file of its own (chosen before), so a run that went on would
// copy the other data files into it: a refused run must not. Its crime list has only
// "Meu crime", so the example line of the shipped list is unknown there.
void TestStartOptions::realProgramExitStatus()
{
    QFETCH(QStringList, arguments);
    QFETCH(int, status);
    QFETCH(QString, out);
    QFETCH(QString, err);
    const QString program = QStringLiteral(QUORVEL_PROGRAM);
    QVERIFY2(QFile::exists(program), "build the program (target quorvel-counter) first");

    QTemporaryDir home;
    const QString user = home.filePath(QStringLiteral("Quorvel Counter"));
    QVERIFY(QDir().mkpath(user));
    touch(QDir(user).filePath(QStringLiteral("QuorvelParametros.txt")));

    const ProgramRun run = runProgram(arguments, home.path());
    QCOMPARE(run.status, status);
    const QString &stdOut = run.out;
    const QStringList errLines = run.err.split(u'\n').filter(QStringLiteral("quorvel-counter"));
    QVERIFY2(out.isEmpty() ? stdOut.isEmpty() : stdOut.startsWith(out), qPrintable(stdOut));
    if (err.isEmpty())
        QVERIFY(errLines.isEmpty());
    else
        QCOMPARE(errLines.value(0), err);
    QCOMPARE(QDir(user).entryList(QDir::Files), QStringList{"QuorvelParametros.txt"});
}

QTEST_MAIN(TestStartOptions)
#include "tst_startoptions.moc"
