// The command line: options for a screen that boots into a running count.
#include "core/commandline.h"
#include "core/rates.h"

#include <QTest>

Q_DECLARE_METATYPE(StartOptions)

namespace {

StartOptions options(std::optional<int> monthly = {}, std::optional<QString> entry = {},
                     std::optional<AccumulationMode> mode = {})
{
    StartOptions o;
    o.monthly = monthly;
    o.entry = entry;
    o.mode = mode;
    o.anyGiven = true;
    return o;
}

StartOptions withFlags(StartOptions o, bool presentation, bool noSound, bool reducedMotion)
{
    o.presentation = presentation;
    o.noSound = noSound;
    o.reducedMotion = reducedMotion;
    return o;
}

QString describe(const StartOptions &o)
{
    return QStringLiteral("mensal=%1 entrada=%2 modo=%3 apresentacao=%4 sem-som=%5 mov=%6 "
                          "alguma=%7")
               .arg(o.monthly ? QString::number(*o.monthly) : "-",
                    o.entry ? "[" + *o.entry + "]" : "-",
                    o.mode ? QString::number(int(*o.mode)) : "-", QString::number(o.presentation),
                    QString::number(o.noSound), QString::number(o.reducedMotion),
                    QString::number(o.anyGiven)) +
           (o.title ? QStringLiteral(" titulo=[") + *o.title + u']' : QString()) +
           (o.screen ? QStringLiteral(" tela=") + QString::number(*o.screen) : QString());
}

StartOptions onScreen(StartOptions o, int screen)
{
    o.screen = screen;
    return o;
}

StartOptions titled(StartOptions o, const QString &title)
{
    o.title = title;
    return o;
}

} // namespace

class TestCommandLine : public QObject
{
    Q_OBJECT

private slots:
    void acceptedArguments_data();
    void acceptedArguments();
    void refusedArguments_data();
    void refusedArguments();
    void comparisonChoices_data();
    void comparisonChoices();
    void helpAndVersionEndTheRun_data();
    void helpAndVersionEndTheRun();
    void monthlyFigureLimits_data();
    void monthlyFigureLimits();
};

void TestCommandLine::acceptedArguments_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<StartOptions>("expected");
    QTest::addColumn<bool>("startsCount");

    QTest::newRow("nothing: the splash as ever") << QStringList() << StartOptions() << false;
    QTest::newRow("figure") << QStringList{"--mensal", "937"} << options(937) << true;
    QTest::newRow("figure with =") << QStringList{"--mensal=937"} << options(937) << true;
    QTest::newRow("figure, short") << QStringList{"-m", "0"} << options(0) << true;
    QTest::newRow("entry with accents and spaces")
        << QStringList{"--entrada", "Homicídios dolosos no estado de São Paulo"}
        << options({}, "Homicídios dolosos no estado de São Paulo") << true;
    QTest::newRow("entry, short") << QStringList{"-e", "Bahia"} << options({}, "Bahia") << true;
    QTest::newRow("entry kept exactly")
        << QStringList{"--entrada= Bahia "} << options({}, " Bahia ") << true;
    QTest::newRow("mode alone: no count")
        << QStringList{"--modo", "ano"} << options({}, {}, AccumulationMode::Ano) << false;
    QTest::newRow("event screen") << QStringList{"--entrada",
                                                 "Brasil",
                                                 "--modo",
                                                 "mes",
                                                 "--apresentacao",
                                                 "--sem-som",
                                                 "--movimento-reduzido"}
                                  << withFlags(options({}, "Brasil", AccumulationMode::Mes), true,
                                               true, true)
                                  << true;
    QTest::newRow("short flags together")
        << QStringList{"-asr", "--mensal", "12", "--modo", "dia"}
        << withFlags(options(12, {}, AccumulationMode::Dia), true, true, true) << true;
    QTest::newRow("presentation alone")
        << QStringList{"--apresentacao"} << withFlags(options(), true, false, false) << false;
    QTest::newRow("title, trimmed")
        << QStringList{"--mensal", "937", "--titulo", " Furtos na escola "}
        << titled(options(937), "Furtos na escola") << true;
    QTest::newRow("title, short") << QStringList{"-t", "Minha cidade", "-e", "Bahia"}
                                  << titled(options({}, "Bahia"), "Minha cidade") << true;
    QTest::newRow("projector screen")
        << QStringList{"--apresentacao", "--tela", "2"}
        << onScreen(withFlags(options(), true, false, false), 2) << false;
    QTest::newRow("screen alone, for a later presentation")
        << QStringList{"--tela=1"} << onScreen(options(), 1) << false;
    QTest::newRow("screen with blanks and a leading zero")
        << QStringList{"--tela", " 03 "} << onScreen(options(), 3) << false;
}

void TestCommandLine::acceptedArguments()
{
    QFETCH(QStringList, arguments);
    QFETCH(StartOptions, expected);
    QFETCH(bool, startsCount);

    const CommandLineResult result =
        parseCommandLine(QStringList{"/usr/bin/quorvel-counter"} + arguments, "1.0.0");
    QCOMPARE(result.action, CommandLineResult::Action::Run);
    QCOMPARE(result.exitStatus, 0);
    QVERIFY(result.text.isEmpty());
    QCOMPARE(describe(result.options), describe(expected));
    QCOMPARE(result.options.startsCount(), startsCount);
}

// --mensal and --entrada repeated and mixed: the counters in the order given. One alone is the
// single count of old, two to six a comparison.
void TestCommandLine::comparisonChoices_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QStringList>("choices");
    QTest::addColumn<bool>("comparison");

    QTest::newRow("one entry") << QStringList{"-e", "Bahia"} << QStringList{"entrada:Bahia"}
                               << false;
    QTest::newRow("figure and entry, mixed") << QStringList{"--mensal", "10", "--entrada", "Bahia"}
                                             << QStringList{"mensal:10", "entrada:Bahia"} << true;
    QTest::newRow("figure twice") << QStringList{"--mensal", "10", "-m", "20"}
                                  << QStringList{"mensal:10", "mensal:20"} << true;
    QTest::newRow("order kept across kinds and forms")
        << QStringList{"-e", "Bahia", "--mensal=937", "--modo", "ano", "--entrada=São Paulo",
                       "-m", "5",     "--entrada",    "Brasil"}
        << QStringList{"entrada:Bahia", "mensal:937", "entrada:São Paulo", "mensal:5",
                       "entrada:Brasil"}
        << true;
    QTest::newRow("a value that looks like an option is no choice")
        << QStringList{"--imagem", "-m.png", "-e", "Bahia", "-e", "Brasil"}
        << QStringList{"entrada:Bahia", "entrada:Brasil"} << true;
    QTest::newRow("six") << QStringList{"-m", "1", "-m", "2", "-m", "3",
                                        "-e", "A", "-e", "B", "-m", "6"}
                         << QStringList{"mensal:1",  "mensal:2",  "mensal:3",
                                        "entrada:A", "entrada:B", "mensal:6"}
                         << true;
}

void TestCommandLine::comparisonChoices()
{
    QFETCH(QStringList, arguments);
    QFETCH(QStringList, choices);
    QFETCH(bool, comparison);

    const CommandLineResult result =
        parseCommandLine(QStringList{"quorvel-counter"} + arguments, "1.0.0");
    QCOMPARE(result.action, CommandLineResult::Action::Run);
    QStringList given;
    for (const CounterChoice &choice : result.options.choices)
        given.append(choice.toSetting());
    QCOMPARE(given, choices);
    QCOMPARE(result.options.comparison(), comparison);
    QVERIFY(result.options.startsCount());
    // One alone is also the single count's figure or entry; a comparison fills neither.
    QCOMPARE(result.options.entry.has_value() || result.options.monthly.has_value(), !comparison);
}

void TestCommandLine::refusedArguments_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("message");

    QTest::newRow("unknown option")
        << QStringList{"--tela-cheia"} << "Opção desconhecida: --tela-cheia";
    QTest::newRow("unknown short option") << QStringList{"-x"} << "Opção desconhecida: -x";
    QTest::newRow("figure missing") << QStringList{"--mensal"} << "Falta o valor da opção --mensal";
    QTest::newRow("entry missing, short") << QStringList{"-e"} << "Falta o valor da opção -e";
    QTest::newRow("value for a switch")
        << QStringList{"--sem-som=sim"} << "A opção --sem-som não aceita valor";
    QTest::newRow("stray argument") << QStringList{"937"} << "Argumento inesperado: 937";
    QTest::newRow("blank title") << QStringList{"--titulo", "  "}
                                 << "Falta o texto do título em --titulo";
    QTest::newRow("title twice") << QStringList{"-t", "A", "--titulo", "B"}
                                 << "A opção --titulo foi dada mais de uma vez";
    QTest::newRow("decimal figure")
        << QStringList{"--mensal", "12,5"}
        << "O número mensal deve ser um número inteiro, sem sinal nem separadores: \"12,5\"";
    QTest::newRow("negative figure")
        << QStringList{"--mensal", "-5"}
        << "O número mensal deve ser um número inteiro, sem sinal nem separadores: \"-5\"";
    QTest::newRow("grouped figure")
        << QStringList{"--mensal", "1.000"}
        << "O número mensal deve ser um número inteiro, sem sinal nem separadores: \"1.000\"";
    QTest::newRow("empty figure")
        << QStringList{"--mensal="}
        << "O número mensal deve ser um número inteiro, sem sinal nem separadores: \"\"";
    QTest::newRow("figure too large")
        << QStringList{"--mensal", "2999971"}
        << "Número mensal grande demais: 2999971 (o máximo é 2999970)";
    QTest::newRow("figure far too large")
        << QStringList{"--mensal", "99999999999999999999"}
        << "Número mensal grande demais: 99999999999999999999 (o máximo é 2999970)";
    QTest::newRow("seven counters")
        << QStringList{"-m", "1", "-m", "2", "-m", "3", "-m", "4", "-e", "A", "-e", "B", "-e", "C"}
        << "Uma comparação tem no máximo 6 contadores (foram dados 7)";
    QTest::newRow("bad figure among entries")
        << QStringList{"-e", "Bahia", "--mensal", "1.000", "-e", "Brasil"}
        << "O número mensal deve ser um número inteiro, sem sinal nem separadores: \"1.000\"";
    QTest::newRow("empty entry in a comparison")
        << QStringList{"-e", "Bahia", "--entrada="} << "Falta o nome da entrada em --entrada";
    QTest::newRow("title for a comparison")
        << QStringList{"-e", "Bahia", "-e", "Brasil", "--titulo", "Dois"}
        << "A opção --titulo vale para um contador só, não para uma comparação";
    QTest::newRow("mode twice") << QStringList{"--modo", "dia", "--modo", "ano"}
                                << "A opção --modo foi dada mais de uma vez";
    QTest::newRow("empty entry") << QStringList{"--entrada", ""}
                                 << "Falta o nome da entrada em --entrada";
    QTest::newRow("unknown mode") << QStringList{"--modo", "semana"}
                                  << "Modo desconhecido: \"semana\" (use dia, mes ou ano)";
    QTest::newRow("mode with accent")
        << QStringList{"--modo", "mês"} << "Modo desconhecido: \"mês\" (use dia, mes ou ano)";
    QTest::newRow("mode in capitals")
        << QStringList{"--modo", "Dia"} << "Modo desconhecido: \"Dia\" (use dia, mes ou ano)";
    QTest::newRow("screen 0: they count from 1")
        << QStringList{"--tela", "0"} << "A tela deve ser um número inteiro a partir de 1: \"0\"";
    QTest::newRow("negative screen")
        << QStringList{"--tela=-1"} << "A tela deve ser um número inteiro a partir de 1: \"-1\"";
    QTest::newRow("screen in words") << QStringList{"--tela", "dois"}
                                     << "A tela deve ser um número inteiro a partir de 1: \"dois\"";
    QTest::newRow("screen past 32 bits")
        << QStringList{"--tela", "4294967297"}
        << "A tela deve ser um número inteiro a partir de 1: \"4294967297\"";
    QTest::newRow("screen missing") << QStringList{"--tela"} << "Falta o valor da opção --tela";
    QTest::newRow("screen twice") << QStringList{"--tela", "1", "--tela", "2"}
                                  << "A opção --tela foi dada mais de uma vez";
    QTest::newRow("page without a choice")
        << QStringList{"--pagina", "p.html", "--modo", "ano"}
        << "A opção --pagina precisa de uma escolha: --entrada NOME ou --mensal N";
    QTest::newRow("page and picture together")
        << QStringList{"-m", "937", "--imagem", "p.png", "--pagina", "p.html"}
        << "As opções --pagina e --imagem não valem juntas";
    QTest::newRow("page twice") << QStringList{"-m",     "937",      "--pagina",
                                               "a.html", "--pagina", "b.html"}
                                << "A opção --pagina foi dada mais de uma vez";
    QTest::newRow("page with no name")
        << QStringList{"-m", "937", "--pagina="} << "Falta o nome do arquivo em --pagina";
}

void TestCommandLine::refusedArguments()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, message);

    const CommandLineResult result =
        parseCommandLine(QStringList{"quorvel-counter"} + arguments, "1.0.0");
    QCOMPARE(result.action, CommandLineResult::Action::Fail);
    QCOMPARE(result.exitStatus, 2);
    QCOMPARE(result.exitStatus, kCommandLineErrorStatus);
    const QStringList lines = result.text.split(u'\n');
    QCOMPARE(lines.value(0), "quorvel-counter: " + message);
    QCOMPARE(lines.value(1), "Use \"quorvel-counter --help\" para ver as opções.");
    QVERIFY(result.text.endsWith(u'\n'));
}

void TestCommandLine::helpAndVersionEndTheRun_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("text");

    QTest::newRow("--help") << QStringList{"--help"} << commandLineHelp();
    QTest::newRow("-h, other options ignored")
        << QStringList{"-h", "--mensal", "abc"} << commandLineHelp();
    QTest::newRow("--version") << QStringList{"--version"} << "Quorvel Counter 1.0.0\n";
    QTest::newRow("-v") << QStringList{"-v"} << "Quorvel Counter 1.0.0\n";
}

void TestCommandLine::helpAndVersionEndTheRun()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, text);

    const CommandLineResult result =
        parseCommandLine(QStringList{"quorvel-counter"} + arguments, "1.0.0");
    QCOMPARE(result.action, CommandLineResult::Action::Print);
    QCOMPARE(result.exitStatus, 0);
    QCOMPARE(result.text, text);

    // The help names every option the guide and event scripts rely on, within 80 columns.
    const QString help = commandLineHelp();
    QVERIFY(help.startsWith("Uso: quorvel-counter [opções]\n"));
    for (const char *option :
         {"--mensal N", "--entrada NOME", "--modo dia|mes|ano", "--apresentacao", "--sem-som",
          "--movimento-reduzido", "--titulo TEXTO", "--help", "--version", "código 2", "2999970"})
        QVERIFY2(help.contains(QString::fromUtf8(option)), option);
    for (const QString &line : help.split(u'\n'))
        QVERIFY2(line.size() <= 80, qPrintable(line));
}

void TestCommandLine::monthlyFigureLimits_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("figure"); // -1: refused

    QTest::newRow("0") << "0" << 0;
    QTest::newRow("leading zeros") << "0000000000937" << 937;
    QTest::newRow("blanks around") << " 937 " << 937;
    QTest::newRow("the largest") << "2999970" << kMaxMonthlyFigure;
    QTest::newRow("one more") << "2999971" << -1;
    QTest::newRow("past 32 bits") << "4294967297" << -1;
    QTest::newRow("sign") << "+5" << -1;
    QTest::newRow("inner blank") << "9 37" << -1;
    QTest::newRow("Arabic-Indic digits") << "\u0663" << -1;
    QTest::newRow("empty") << "" << -1;
}

void TestCommandLine::monthlyFigureLimits()
{
    QFETCH(QString, text);
    QFETCH(int, figure);
    QCOMPARE(wholeMonthlyFigure(text).value_or(-1), figure);
}

QTEST_GUILESS_MAIN(TestCommandLine)
#include "tst_commandline.moc"
