#include "core/commandline.h"

#include "core/numbermask.h"
#include "core/rates.h"

#include <QCommandLineParser>
#include <QRegularExpression>

namespace {

const QString kProgram = QStringLiteral("quorvel-counter");

// Option names: the long ones are fixed, event scripts and the guide rely on them.
struct Names
{
    QCommandLineOption monthly{QStringList{QStringLiteral("m"), QStringLiteral("mensal")},
                               QString(), QStringLiteral("N")};
    QCommandLineOption entry{QStringList{QStringLiteral("e"), QStringLiteral("entrada")}, QString(),
                             QStringLiteral("NOME")};
    QCommandLineOption mode{QStringList{QStringLiteral("modo")}, QString(),
                            QStringLiteral("dia|mes|ano")};
    QCommandLineOption title{QStringList{QStringLiteral("t"), QStringLiteral("titulo")}, QString(),
                             QStringLiteral("TEXTO")};
    QCommandLineOption presentation{
        QStringList{QStringLiteral("a"), QStringLiteral("apresentacao")}};
    QCommandLineOption screen{QStringList{QStringLiteral("tela")}, QString(), QStringLiteral("N")};
    QCommandLineOption noSound{QStringList{QStringLiteral("s"), QStringLiteral("sem-som")}};
    QCommandLineOption reducedMotion{
        QStringList{QStringLiteral("r"), QStringLiteral("movimento-reduzido")}};
    QCommandLineOption picture{QStringList{QStringLiteral("imagem")}, QString(),
                               QStringLiteral("ARQUIVO.png")};
    QCommandLineOption pictureSize{QStringList{QStringLiteral("tamanho")}, QString(),
                                   QStringLiteral("LARGURAxALTURA")};
    QCommandLineOption page{QStringList{QStringLiteral("pagina")}, QString(),
                            QStringLiteral("ARQUIVO.html")};
    QCommandLineOption list{QStringList{QStringLiteral("listar")}};
    QCommandLineOption help{QStringList{QStringLiteral("h"), QStringLiteral("help")}};
    QCommandLineOption version{QStringList{QStringLiteral("v"), QStringLiteral("version")}};

    QList<QCommandLineOption> all() const
    {
        return {monthly,       entry,   mode,        title, presentation, screen, noSound,
                reducedMotion, picture, pictureSize, page,  list,         help,   version};
    }
    // The options that take a value, by any of their names.
    bool takesValue(const QString &name) const
    {
        for (const QCommandLineOption &option :
             {monthly, entry, mode, title, screen, picture, pictureSize, page}) {
            if (option.names().contains(name))
                return true;
        }
        return false;
    }
};

QString dashed(const QString &name)
{
    return (name.size() == 1 ? QStringLiteral("-") : QStringLiteral("--")) + name;
}

CommandLineResult failure(const QString &message)
{
    CommandLineResult result;
    result.action = CommandLineResult::Action::Fail;
    result.exitStatus = kCommandLineErrorStatus;
    result.text = kProgram + QStringLiteral(": ") + message + QStringLiteral("\nUse \"") +
                  kProgram + QStringLiteral(" --help\" para ver as opções.\n");
    return result;
}

// The parser's own errors are in English; the option they concern is quoted in them.
QString parserError(const QCommandLineParser &parser, const Names &names)
{
    const QStringList unknown = parser.unknownOptionNames();
    if (!unknown.isEmpty())
        return QStringLiteral("Opção desconhecida: ") + dashed(unknown.front());
    static const QRegularExpression quoted(QStringLiteral("'([^']*)'"));
    const QRegularExpressionMatch match = quoted.match(parser.errorText());
    if (!match.hasMatch())
        return QStringLiteral("Opção inválida: ") + parser.errorText();
    const QString written = match.captured(1); // as typed, "--mensal" or "-m"
    QString name = written;
    while (name.startsWith(u'-'))
        name.remove(0, 1);
    if (names.takesValue(name))
        return QStringLiteral("Falta o valor da opção ") + written;
    return QStringLiteral("A opção ") + written + QStringLiteral(" não aceita valor");
}

// The order --mensal and --entrada were given in, read from the arguments themselves (the
// parser keeps each option's values apart): true for an entry, false for a figure. The value
// after an option that takes one is skipped, so that "--titulo -m" is no figure.
QList<bool> choiceOrder(const QStringList &arguments, const Names &names)
{
    QList<bool> order;
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        const QString &argument = arguments.at(i);
        if (argument == u"--")
            break;
        if (!argument.startsWith(u'-') || argument.size() < 2)
            continue;
        const bool isLong = argument.startsWith(QLatin1String("--"));
        QString name = argument.mid(isLong ? 2 : 1);
        const bool valueJoined = isLong ? name.contains(u'=') : name.size() > 1;
        name = isLong ? name.section(u'=', 0, 0) : name.left(1);
        if (names.entry.names().contains(name))
            order.append(true);
        else if (names.monthly.names().contains(name))
            order.append(false);
        if (names.takesValue(name) && !valueJoined)
            ++i;
    }
    return order;
}

// A figure typed on the command line; empty when it is sound, otherwise why not.
QString readMonthly(const QString &text, std::optional<int> &monthly)
{
    if (!isDigitsOnly(QStringView(text).trimmed()))
        return QStringLiteral("O número mensal deve ser um número inteiro, sem sinal nem "
                              "separadores: \"%1\"")
            .arg(text);
    monthly = wholeMonthlyFigure(text);
    if (!monthly)
        return QStringLiteral("Número mensal grande demais: %1 (o máximo é %2)")
            .arg(text.trimmed())
            .arg(kMaxMonthlyFigure);
    return QString();
}

// Every --mensal and --entrada, in the order given; one alone also fills `monthly` or
// `entry`. Empty when they are sound, otherwise why not.
QString readChoices(const QStringList &arguments, const QCommandLineParser &parser,
                    const Names &names, StartOptions &options)
{
    const QStringList entries = parser.values(names.entry);
    const QStringList figures = parser.values(names.monthly);
    if (entries.size() + figures.size() > kMaxComparedCounters)
        return QStringLiteral("Uma comparação tem no máximo %1 contadores (foram dados %2)")
            .arg(kMaxComparedCounters)
            .arg(entries.size() + figures.size());
    QList<bool> order = choiceOrder(arguments, names);
    if (order.count(true) != entries.size() || order.count(false) != figures.size()) {
        // Written some way the reading above does not follow: the entries, then the figures.
        order = QList<bool>(entries.size(), true) + QList<bool>(figures.size(), false);
    }
    qsizetype nextEntry = 0;
    qsizetype nextFigure = 0;
    for (const bool isEntry : order) {
        if (isEntry) {
            const QString &name = entries.at(nextEntry++);
            if (name.isEmpty())
                return QStringLiteral("Falta o nome da entrada em --entrada");
            options.choices.append(CounterChoice::entry(name));
        } else {
            std::optional<int> monthly;
            if (const QString refusal = readMonthly(figures.at(nextFigure++), monthly);
                !refusal.isEmpty())
                return refusal;
            options.choices.append(CounterChoice::typed(*monthly));
        }
    }
    if (options.choices.size() == 1) {
        const CounterChoice &only = options.choices.front();
        if (only.isEntry())
            options.entry = only.entryName;
        else
            options.monthly = only.monthly;
    }
    return QString();
}

// --imagem and --tamanho; empty when they are sound (or not given).
QString readPictureOptions(const QCommandLineParser &parser, const Names &names,
                           StartOptions &options)
{
    if (parser.isSet(names.pictureSize)) {
        const std::optional<QSize> size = parsePictureSize(parser.value(names.pictureSize));
        // One arg() for all three: a "%2" typed in the value stays as typed.
        if (!size)
            return QStringLiteral("Tamanho inválido: \"%1\" (use LARGURAxALTURA, cada lado de "
                                  "%2 a %3, por exemplo 1920x1080)")
                .arg(parser.value(names.pictureSize), QString::number(kMinPictureSide),
                     QString::number(kMaxPictureSide));
        options.pictureSize = *size;
        if (!parser.isSet(names.picture))
            return QStringLiteral("A opção --tamanho só vale com --imagem");
    }
    if (!parser.isSet(names.picture))
        return QString();
    options.pictureFile = parser.value(names.picture);
    if (options.pictureFile->isEmpty())
        return QStringLiteral("Falta o nome do arquivo em --imagem");
    if (!pictureFormatFor(*options.pictureFile))
        return QStringLiteral("A imagem de --imagem precisa terminar em .png, .jpg ou .jpeg: "
                              "\"%1\"")
            .arg(*options.pictureFile);
    if (!options.startsCount())
        return QStringLiteral("A opção --imagem precisa de uma escolha: --entrada NOME ou "
                              "--mensal N");
    return QString();
}

// --pagina; empty when it is sound (or not given).
QString readPageOption(const QCommandLineParser &parser, const Names &names, StartOptions &options)
{
    if (!parser.isSet(names.page))
        return QString();
    options.pageFile = parser.value(names.page);
    if (options.pageFile->isEmpty())
        return QStringLiteral("Falta o nome do arquivo em --pagina");
    if (options.pictureFile)
        return QStringLiteral("As opções --pagina e --imagem não valem juntas");
    if (!options.startsCount())
        return QStringLiteral("A opção --pagina precisa de uma escolha: --entrada NOME ou "
                              "--mensal N");
    return QString();
}

} // namespace

QString modeOptionText(AccumulationMode mode)
{
    switch (mode) {
    case AccumulationMode::Mes:
        return QStringLiteral("mes");
    case AccumulationMode::Ano:
        return QStringLiteral("ano");
    case AccumulationMode::Dia:
        break;
    }
    return QStringLiteral("dia");
}

std::optional<AccumulationMode> modeFromOptionText(const QString &text)
{
    for (const AccumulationMode mode :
         {AccumulationMode::Dia, AccumulationMode::Mes, AccumulationMode::Ano}) {
        if (text == modeOptionText(mode))
            return mode;
    }
    return std::nullopt;
}

QString commandLineHelp()
{
    return QStringLiteral(
               "Uso: %1 [opções]\n"
               "\n"
               "Contador de violência para o ensino: a partir de um número mensal de\n"
               "ocorrências de um crime, mostra quantas aconteceram, estatisticamente, hoje,\n"
               "neste mês ou neste ano. Os números não são um registro oficial.\n"
               "\n"
               "Opções:\n"
               "  -m, --mensal N          conta a partir de N ocorrências por mês (número\n"
               "                          inteiro de 0 a %2) e começa a contagem\n"
               "  -e, --entrada NOME      conta a partir da entrada NOME de\n"
               "                          QuorvelParametros.txt ou Quorvelhomicidios.txt e\n"
               "                          começa a contagem; ativa o padrão horário de mesmo\n"
               "                          nome, se houver. Vale o nome exato; sem ele, a única\n"
               "                          entrada de mesmo nome sem contar maiúsculas e\n"
               "                          acentos (\"bahia\", \"Sao Paulo\")\n"
               "      --modo dia|mes|ano  acumula as ocorrências do dia (o normal), do mês ou\n"
               "                          do ano\n"
               "  -t, --titulo TEXTO      nomeia o que é contado na apresentação no lugar do\n"
               "                          nome da entrada ou do número digitado\n"
               "  -a, --apresentacao      abre a apresentação em tela cheia\n"
               "      --tela N            a apresentação abre na tela N (1 é a primeira); sem\n"
               "                          esta opção, numa tela que não é a da janela\n"
               "                          principal, se houver mais de uma (o projetor);\n"
               "                          uma tela que não existe termina com o código 2\n"
               "  -s, --sem-som           sem sons\n"
               "  -r, --movimento-reduzido\n"
               "                          sem animações nem piscadas: as rodas mudam sem\n"
               "                          girar\n"
               "      --imagem ARQUIVO.png\n"
               "                          salva a imagem da contagem deste instante (a\n"
               "                          apresentação, com data e fonte) em ARQUIVO.png e\n"
               "                          termina, sem abrir janela nem tocar som; exige\n"
               "                          --entrada ou --mensal (várias: a comparação);\n"
               "                          .jpg ou .jpeg grava em JPEG, outro final é erro\n"
               "      --tamanho LARGURAxALTURA\n"
               "                          o tamanho da imagem em pixels, cada lado de %3 a\n"
               "                          %4 (o normal é %5x%6)\n"
               "      --pagina ARQUIVO.html\n"
               "                          salva em ARQUIVO.html uma página que conta sozinha\n"
               "                          em qualquer navegador, no fuso horário deste\n"
               "                          computador, e termina, sem abrir janela; exige\n"
               "                          --entrada ou --mensal (várias: a comparação)\n"
               "      --listar            mostra todas as entradas, uma por linha, com os\n"
               "                          campos separados por tabulação: nome, número\n"
               "                          mensal, indicador, local, ano e fonte; e termina\n"
               "                          (com o código 1 se um arquivo de números não pôde\n"
               "                          ser lido por inteiro)\n"
               "  -h, --help              mostra esta ajuda e termina\n"
               "  -v, --version           mostra a versão e termina\n"
               "\n"
               "Com qualquer opção o programa abre sem a tela de abertura. Com --mensal ou\n"
               "--entrada a contagem começa de imediato, como se o botão de iniciar fosse\n"
               "pressionado.\n"
               "\n"
               "Comparação: --mensal e --entrada podem ser repetidas e misturadas; de 2 a %7\n"
               "delas abrem a comparação em tela cheia, um contador para cada uma, na ordem\n"
               "dada, todos no mesmo modo e já contando. Por exemplo:\n"
               "  %1 -e Bahia -e \"São Paulo\" -e Brasil --modo ano\n"
               "\n"
               "Diante de uma opção desconhecida, de um número que não é inteiro ou de uma\n"
               "entrada que não existe, ou de uma contagem que já passa da capacidade do\n"
               "odômetro no modo pedido, o programa escreve o erro na saída de erro e termina\n"
               "com o código 2, sem abrir janela nem alterar arquivo; para uma entrada que não\n"
               "existe, sugere até cinco nomes próximos. Sem sessão gráfica (nenhuma tela) e\n"
               "sem --imagem ou --pagina, o programa diz que precisa de uma e termina com o\n"
               "código 1, sem alterar arquivo. Se a imagem de --imagem ou a página de --pagina\n"
               "não pode ser gravada (pasta que não existe, sem permissão, disco cheio), o\n"
               "programa diz o motivo e termina com o código 1, sem deixar arquivo pela\n"
               "metade; um arquivo que já existia é substituído por inteiro.\n"
               "\n"
               "Exemplo, para uma tarefa diária (cron):\n"
               "  %1 --entrada Bahia --modo ano --imagem ~/bahia.png\n"
               "  %1 --entrada Bahia --modo ano --pagina ~/site/bahia.html\n")
        .arg(kProgram)
        .arg(kMaxMonthlyFigure)
        .arg(kMinPictureSide)
        .arg(kMaxPictureSide)
        .arg(kDefaultPictureSize.width())
        .arg(kDefaultPictureSize.height())
        .arg(kMaxComparedCounters);
}

QString commandLineVersion(const QString &version)
{
    return QStringLiteral("Quorvel Counter ") + version + u'\n';
}

CommandLineResult parseCommandLine(const QStringList &arguments, const QString &version)
{
    const Names names;
    QCommandLineParser parser;
    parser.addOptions(names.all());
    if (!parser.parse(arguments.isEmpty() ? QStringList{kProgram} : arguments))
        return failure(parserError(parser, names));

    if (parser.isSet(names.help))
        return {CommandLineResult::Action::Print, {}, commandLineHelp(), 0};
    if (parser.isSet(names.version))
        return {CommandLineResult::Action::Print, {}, commandLineVersion(version), 0};
    if (parser.isSet(names.list))
        return {CommandLineResult::Action::ListEntries, {}, QString(), 0};

    if (!parser.positionalArguments().isEmpty())
        return failure(QStringLiteral("Argumento inesperado: ") +
                       parser.positionalArguments().front());
    for (const QCommandLineOption *option :
         {&names.mode, &names.title, &names.picture, &names.pictureSize, &names.page}) {
        if (parser.values(*option).size() > 1)
            return failure(QStringLiteral("A opção ") + dashed(option->names().constLast()) +
                           QStringLiteral(" foi dada mais de uma vez"));
    }

    CommandLineResult result;
    StartOptions &options = result.options;
    options.anyGiven = !parser.optionNames().isEmpty();
    options.presentation = parser.isSet(names.presentation);
    options.noSound = parser.isSet(names.noSound);
    options.reducedMotion = parser.isSet(names.reducedMotion);

    if (const QString refusal = readChoices(arguments, parser, names, options); !refusal.isEmpty())
        return failure(refusal);
    if (parser.isSet(names.title)) {
        if (options.comparison())
            return failure(QStringLiteral("A opção --titulo vale para um contador só, não para "
                                          "uma comparação"));
        options.title = parser.value(names.title).trimmed();
        if (options.title->isEmpty())
            return failure(QStringLiteral("Falta o texto do título em --titulo"));
    }
    if (parser.isSet(names.mode)) {
        options.mode = modeFromOptionText(parser.value(names.mode));
        if (!options.mode)
            return failure(QStringLiteral("Modo desconhecido: \"%1\" (use dia, mes ou ano)")
                               .arg(parser.value(names.mode)));
    }
    if (parser.values(names.screen).size() > 1)
        return failure(QStringLiteral("A opção --tela foi dada mais de uma vez"));
    if (parser.isSet(names.screen)) {
        const QString text = parser.value(names.screen).trimmed();
        bool whole = false;
        const int number = isDigitsOnly(QStringView(text)) ? text.toInt(&whole) : 0;
        if (!whole || number < 1)
            return failure(QStringLiteral("A tela deve ser um número inteiro a partir de 1: "
                                          "\"%1\"")
                               .arg(parser.value(names.screen)));
        options.screen = number;
    }
    if (const QString refusal = readPictureOptions(parser, names, options); !refusal.isEmpty())
        return failure(refusal);
    if (const QString refusal = readPageOption(parser, names, options); !refusal.isEmpty())
        return failure(refusal);
    return result;
}
