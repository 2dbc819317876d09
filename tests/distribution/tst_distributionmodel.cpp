#include "distribution/distributionmodel.h"

#include "core/soundcues.h"
#include "distributioneditor.h"
#include "patternfiles.h"
#include "soundrecorder.h"
#include "testfiles.h"

#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <memory>
#include <sys/resource.h>

using Bars = std::array<double, 12>;
Q_DECLARE_METATYPE(Bars)

namespace {
// Two intervals: each half of the day's share spread over its six two-hour bands.
Bars halves(double first, double second)
{
    Bars bars{};
    for (int b = 0; b < 6; ++b) {
        bars[b] = first / 6;
        bars[b + 6] = second / 6;
    }
    return bars;
}
} // namespace

namespace {

const QString kNew = QStringLiteral("Alerta: Implantando um Padrão novo");
const QString kUpdate = QStringLiteral("Alerta: Atualizando um Padrão já existente");
const QString kWriteError = QStringLiteral("Erro na gravação do arquivo QuorvelDistribuicao.txt");
const QString kRefused = QStringLiteral("Existem erros na tabela editada. Gravação Cancelada");

using Editor = DistributionEditor;

} // namespace

class tst_DistributionModel : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void loadKeepsListAndTableAligned();
    void save_data();
    void save();
    void saveShowsValuesAsReadBack();
    void saveRefusedByCritica();
    void saveRefusesName_data();
    void saveRefusesName();
    void failedSaveKeepsFileAndTable();
    void interruptedSaveKeepsOldBytes();
    void unreadableFileIsNeverOverwritten();
    void manyPatternsRoundTrip();
    void externalChangesAreTakenIn();
    void critica_data();
    void critica();
    void selectingSameIndexLoadsAgain();
    void selectLoadsLayoutFromValueCount_data();
    void selectLoadsLayoutFromValueCount();
    void selectOutOfRangeClearsSelection();
    void refreshKeepsEditor();
    void layoutKeepsHiddenTextsUntilConfirmed();
    void quantityKeys_data();
    void quantityKeys();
    void timer1ClearsMessageAndMarks();
    void clickClearsMark();
    void clearButtonAndClearCells();
    void handOver_data();
    void handOver();
    void handOverRunsTheCheck_data();
    void handOverRunsTheCheck();
    void saveNoticeNamesFolder_data();
    void saveNoticeNamesFolder();
};

void tst_DistributionModel::initTestCase()
{
    QLocale::setDefault(QLocale(QLocale::Portuguese, QLocale::Brazil));
}

void tst_DistributionModel::loadKeepsListAndTableAligned()
{
    Editor editor(readBytes(QUORVEL_TEST_DATA "/distribuicao_manual.txt"));
    DistributionModel &model = *editor.model;
    const QStringList names{"Roubos", "Furtos", "Estupros",     "Latrocinios",
                            "Doze",   "Quinze", "Vazio no meio"};
    QCOMPARE(model.List1(), names);
    QCOMPARE(model.patternCount(), 7);
    QCOMPARE(model.TabelaPadroes().size(), 7);
    for (int i = 0; i < names.size(); ++i)
        QCOMPARE(model.TabelaPadroes()[i][0], model.patternName(i));
    QCOMPARE(model.currentIndex(), -1);
    QCOMPARE(model.currentText(), QString());

    model.selectPattern(1);
    QCOMPARE(model.currentText(), QStringLiteral("Furtos"));
    QCOMPARE(model.Tipo(), QStringLiteral("Furtos"));
    QCOMPARE(model.SL1(), 2);
    QCOMPARE(editor.cells(3), (QStringList{"1", "7", "3"}));
    QCOMPARE(editor.percentages(3), (QStringList{"9,09", "63,64", "27,27"}));
    QCOMPARE(model.ErroTabela(), qint16(0));
}

void tst_DistributionModel::save_data()
{
    QTest::addColumn<QByteArray>("initial");
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("position");
    QTest::addColumn<QStringList>("values");
    QTest::addColumn<QByteArray>("expected");
    QTest::addColumn<QString>("status");
    QTest::addColumn<int>("selected");

    const QByteArray abc = "\"A\",\"1\"\r\n\"B\",\"2\"\r\n\"C\",\"3\"\r\n";
    QTest::newRow("append") << QByteArray("\"A\",\"1\"\r\n") << "B" << 1 << QStringList{"3", "4"}
                            << QByteArray("\"A\",\"1\"\r\n\"B\",\"3\",\"4\"\r\n") << kNew << 1;
    QTest::newRow("update in place")
        << abc << "B" << 3 << QStringList{"10", "25", "40", "25"}
        << QByteArray("\"A\",\"1\"\r\n\"B\",\"10\",\"25\",\"40\",\"25\"\r\n\"C\",\"3\"\r\n")
        << kUpdate << 1;
    QTest::newRow("last of duplicates")
        << QByteArray("\"B\",\"1\"\r\n\"X\",\"2\"\r\n\"B\",\"3\"\r\n") << "B" << 0
        << QStringList{"9"} << QByteArray("\"B\",\"1\"\r\n\"X\",\"2\"\r\n\"B\",\"9\"\r\n")
        << kUpdate << 2;
    QTest::newRow("names compared exactly")
        << QByteArray("\"Roubos\",\"1\"\r\n") << "roubos" << 0 << QStringList{"2"}
        << QByteArray("\"Roubos\",\"1\"\r\n\"roubos\",\"2\"\r\n") << kNew << 1;
    QTest::newRow("trailing space is another name")
        << QByteArray("\"Roubos\",\"1\"\r\n") << "Roubos " << 0 << QStringList{"2"}
        << QByteArray("\"Roubos\",\"1\"\r\n\"Roubos \",\"2\"\r\n") << kNew << 1;
    QTest::newRow("hidden rows not saved")
        << QByteArray() << "Roubos" << 1 << QStringList{"1", "2", "3", "4", "5", "6"}
        << QByteArray("\"Roubos\",\"1\",\"2\"\r\n") << kNew << 0;
    QTest::newRow("twelve") << QByteArray() << "Doze" << 5
                            << QStringList{"1", "2", "3", "4",  "5",  "6",
                                           "7", "8", "9", "10", "11", "12"}
                            << QByteArray("\"Doze\",\"1\",\"2\",\"3\",\"4\",\"5\",\"6\",\"7\","
                                          "\"8\",\"9\",\"10\",\"11\",\"12\"\r\n")
                            << kNew << 0;
    QTest::newRow("hand-edited lines normalised, last 007 kept")
        << QByteArray("  \"A\" , \"007\",  \"2\"\n\"C\",\"3\",\"007\"\r\n\"so o nome\"\n") << "B"
        << 0 << QStringList{"5"}
        << QByteArray("\"A\",\"7\",\"2\"\r\n\"C\",\"3\",\"007\"\r\n\"B\",\"5\"\r\n") << kNew << 2;
    QTest::newRow("13 values lose the spare")
        << QByteArray("\"T\",\"1\",\"2\",\"3\",\"4\",\"5\",\"6\",\"7\",\"8\",\"9\",\"10\",\"11\","
                      "\"12\",\"13\"\r\n")
        << "B" << 0 << QStringList{"5"}
        << QByteArray("\"T\",\"1\",\"2\",\"3\",\"4\",\"5\",\"6\",\"7\",\"8\",\"9\",\"10\",\"11\","
                      "\"12\"\r\n\"B\",\"5\"\r\n")
        << kNew << 1;
    QTest::newRow("windows-1252 stays")
        << readBytes(QUORVEL_TEST_DATA "/distribuicao_1252.txt") << "Latrocínio" << 0
        << QStringList{"1"}
        << readBytes(QUORVEL_TEST_DATA "/distribuicao_1252.txt") + "\"Latroc\xEDnio\",\"1\"\r\n"
        << kNew << 2;
    const QByteArray utf8 = readBytes(QUORVEL_TEST_DATA "/distribuicao_utf8.txt");
    QTest::newRow("utf-8 stays") << utf8 << "Ωmega" << 0 << QStringList{"1"}
                                 << utf8 + QStringLiteral("\"Ωmega\",\"1\"\r\n").toUtf8() << kNew
                                 << 2;
    QTest::newRow("byte-order mark kept")
        << QByteArray("\xEF\xBB\xBF\"A\",\"1\"\r\n") << "São" << 0 << QStringList{"1"}
        << QByteArray("\xEF\xBB\xBF\"A\",\"1\"\r\n\"S\xC3\xA3o\",\"1\"\r\n") << kNew << 1;
    QTest::newRow("plain ascii file gets windows-1252")
        << QByteArray("\"A\",\"1\"\r\n") << "São" << 0 << QStringList{"1"}
        << QByteArray("\"A\",\"1\"\r\n\"S\xE3o\",\"1\"\r\n") << kNew << 1;
}

void tst_DistributionModel::save()
{
    QFETCH(QByteArray, initial);
    QFETCH(QString, name);
    QFETCH(int, position);
    QFETCH(QStringList, values);
    QFETCH(QByteArray, expected);
    QFETCH(QString, status);
    QFETCH(int, selected);

    Editor editor(initial);
    editor.type(name, position, values);
    editor.model->botao_Click(2);

    QCOMPARE(editor.bytes(), expected);
    QCOMPARE(editor.model->statusText(), status);
    QVERIFY(editor.model->Timer1().isActive());
    QCOMPARE(editor.sound.count(Cue::Happy), 1);
    QVERIFY(!editor.sound.contains(Cue::Abaixo));
    QCOMPARE(editor.model->currentIndex(), selected);
    QCOMPARE(editor.model->currentText(), name);
    QCOMPARE(editor.model->Tipo(), name);
    QCOMPARE(editor.model->patternCount(), editor.model->TabelaPadroes().size());

    // What was saved is found again after a restart.
    editor.load();
    QCOMPARE(editor.model->patternName(selected), name);
}

void tst_DistributionModel::saveShowsValuesAsReadBack()
{
    Editor editor;
    editor.type("A", 2, {"007", "010", "007"});
    editor.model->botao_Click(2);
    QCOMPARE(editor.bytes(), QByteArray("\"A\",\"007\",\"010\",\"007\"\r\n"));
    QCOMPARE(editor.cells(3), (QStringList{"7", "10", "007"}));
    QCOMPARE(editor.percentages(3), (QStringList{"29,17", "41,67", "29,17"}));
}

void tst_DistributionModel::saveRefusedByCritica()
{
    const QByteArray initial = "\"A\",\"1\"\r\n";
    Editor editor(initial);
    QSignalSpy message(editor.model.get(), &DistributionModel::messageRequested);
    editor.type("B", 1, {"1", "x"});
    editor.model->Salva_padrao();
    QCOMPARE(editor.model->ErroTabela(), qint16(1));
    QCOMPARE(message.size(), 1);
    QCOMPARE(message.at(0).at(0).toString(), kRefused);
    QCOMPARE(editor.bytes(), initial);
    QVERIFY(!editor.sound.contains(Cue::Happy));
    QCOMPARE(editor.model->TabelaPadroes().size(), 1);
}

void tst_DistributionModel::saveRefusesName_data()
{
    QTest::addColumn<QByteArray>("initial");
    QTest::addColumn<QString>("name");
    QTest::addRow("comma") << QByteArray("\"A\",\"1\"\r\n") << "Roubos, Furtos";
    QTest::addRow("quote") << QByteArray("\"A\",\"1\"\r\n") << "Roubos \"leves\"";
    QTest::addRow("not in windows-1252")
        << readBytes(QUORVEL_TEST_DATA "/distribuicao_1252.txt") << "Ωmega";
    QTest::addRow("new file is windows-1252") << QByteArray() << "Ωmega";
}

void tst_DistributionModel::saveRefusesName()
{
    QFETCH(QByteArray, initial);
    QFETCH(QString, name);
    Editor editor(initial);
    editor.type(name, 0, {"5"});
    editor.model->botao_Click(2);
    QCOMPARE(editor.bytes(), initial);
    QVERIFY(editor.model->statusText().startsWith("Erro: O tipo de delito"));
    QVERIFY(editor.model->tipoMarked());
    QVERIFY(editor.sound.contains(Cue::Abaixo));
    QVERIFY(!editor.sound.contains(Cue::Happy));
    QVERIFY(editor.model->Timer1().isActive());
}

void tst_DistributionModel::failedSaveKeepsFileAndTable()
{
    // The file's directory cannot exist: its parent is a regular file.
    Editor editor;
    const QString blocked = editor.dir.filePath("arquivo/QuorvelDistribuicao.txt");
    QVERIFY(writeBytes(editor.dir.filePath("arquivo"), "x"));
    editor.load(blocked);
    QCOMPARE(editor.model->patternCount(), 0);
    editor.type("Roubos", 0, {"5"});
    editor.model->botao_Click(2);
    QCOMPARE(editor.model->statusText(), kWriteError);
    QVERIFY(editor.sound.contains(Cue::Abaixo));
    QVERIFY(!editor.sound.contains(Cue::Happy));
    QVERIFY(editor.model->TabelaPadroes().isEmpty());
    QCOMPARE(editor.model->patternCount(), 0);
    QCOMPARE(readBytes(editor.dir.filePath("arquivo")), QByteArray("x"));
}

void tst_DistributionModel::interruptedSaveKeepsOldBytes()
{
    // Cut the write short with the file-size limit, which binds root too.
    const QByteArray initial = manyPatterns(3);
    Editor editor(initial);
    editor.type("Novo", 0, {"5"});

    rlimit saved{};
    QVERIFY(getrlimit(RLIMIT_FSIZE, &saved) == 0);
    const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = saved;
    small.rlim_cur = initial.size() / 2;
    QVERIFY(setrlimit(RLIMIT_FSIZE, &small) == 0);
    editor.model->botao_Click(2);
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, previousHandler);

    QCOMPARE(editor.bytes(), initial);
    QCOMPARE(editor.model->statusText(), kWriteError);
    QVERIFY(!editor.sound.contains(Cue::Happy));
    QCOMPARE(editor.model->TabelaPadroes().size(), 3); // no row for the unsaved pattern
    QCOMPARE(editor.model->patternCount(), 3);
    QCOMPARE(QDir(editor.dir.path()).entryList(QDir::Files),
             QStringList{"QuorvelDistribuicao.txt"});
}

void tst_DistributionModel::unreadableFileIsNeverOverwritten()
{
    Editor editor(QByteArray(), false);
    QVERIFY(QDir(editor.dir.path()).mkdir("QuorvelDistribuicao.txt"));
    QVERIFY(writeBytes(editor.path() + "/dentro.txt", "guardado"));
    editor.load();
    QCOMPARE(editor.model->patternCount(), 0);
    QCOMPARE(editor.model->statusText(), QString()); // no message at load
    editor.type("Roubos", 0, {"5"});
    editor.model->botao_Click(2);
    QCOMPARE(editor.model->statusText(), kWriteError);
    QCOMPARE(readBytes(editor.path() + "/dentro.txt"), QByteArray("guardado"));
}

void tst_DistributionModel::manyPatternsRoundTrip()
{
    const QByteArray initial = manyPatterns(150);
    Editor editor(initial);
    QCOMPARE(editor.model->patternCount(), 150);

    editor.type("Novo", 0, {"5"});
    editor.model->botao_Click(2);
    QCOMPARE(editor.bytes(), initial + "\"Novo\",\"5\"\r\n");
    QCOMPARE(editor.model->currentIndex(), 150);
    QCOMPARE(editor.model->statusText(), kNew);

    editor.type("Padrao 120", 0, {"9"});
    editor.model->botao_Click(2);
    QByteArray expected = initial + "\"Novo\",\"5\"\r\n";
    expected.replace("\"Padrao 120\",\"120\",\"121\"", "\"Padrao 120\",\"9\"");
    QCOMPARE(editor.bytes(), expected);
    QCOMPARE(editor.model->currentIndex(), 120);
    QCOMPARE(editor.model->patternCount(), 151);
}

void tst_DistributionModel::externalChangesAreTakenIn()
{
    Editor editor("\"A\",\"1\"\r\n");
    // Someone edits the file while the editor is open ("Edita Padrão").
    QVERIFY(writeBytes(editor.path(), "\"A\",\"1\"\r\n\"Z\",\"5\"\r\n"));
    editor.type("B", 0, {"2"});
    editor.model->botao_Click(2);
    QCOMPARE(editor.bytes(), QByteArray("\"A\",\"1\"\r\n\"Z\",\"5\"\r\n\"B\",\"2\"\r\n"));
    QCOMPARE(editor.model->currentIndex(), 2);
}

void tst_DistributionModel::critica_data()
{
    QTest::addColumn<QString>("tipo");
    QTest::addColumn<int>("position");
    QTest::addColumn<QStringList>("values");
    QTest::addColumn<int>("erro");
    QTest::addColumn<QString>("status");
    QTest::addColumn<int>("marked"); // -2 Tipo, -1 nothing, else the cell
    QTest::addColumn<QStringList>("percentages");
    QTest::addColumn<Bars>("bars");

    QTest::newRow("empty Tipo first")
        << "" << 3 << QStringList{"1", "", "x"} << 1 << "Erro: Especifique um tipo de delito" << -2
        << QStringList{"", "", "", ""} << Bars{};
    QTest::newRow("first faulty row named")
        << "R" << 3 << QStringList{"1", "2", "", "x"} << 1
        << QStringLiteral("Erro: Dados não numéricos no intervalo %1").arg(3) << 2
        << QStringList{"", "", "", ""} << Bars{};
    QTest::newRow("12a") << "R" << 0 << QStringList{"12a"} << 1
                         << "Erro: Dados não numéricos no intervalo 1" << 0 << QStringList{""}
                         << Bars{};
    QTest::newRow("space before 12")
        << "R" << 1 << QStringList{"3", " 12"} << 1 << "Erro: Dados não numéricos no intervalo 2"
        << 1 << QStringList{"", ""} << Bars{};
    QTest::newRow("1 1 2") << "R" << 2 << QStringList{"1", "1", "2"} << 0 << "" << -1
                           << QStringList{"25,00", "25,00", "50,00"}
                           << Bars{6.25, 6.25, 6.25, 6.25, 6.25, 6.25,
                                   6.25, 6.25, 12.5, 12.5, 12.5, 12.5};
    QTest::newRow("1 2") << "R" << 1 << QStringList{"1", "2"} << 0 << "" << -1
                         << QStringList{"33,33", "66,67"} << halves(33.33, 66.67);
    QTest::newRow("one interval") << "R" << 0 << QStringList{"37"} << 0 << "" << -1
                                  << QStringList{"100,00"} << halves(50, 50);
    QTest::newRow("rows beyond the count ignored")
        << "R" << 1 << QStringList{"1", "3", "abc", ""} << 0 << "" << -1
        << QStringList{"25,00", "75,00", "", ""} << halves(25, 75);
    QTest::newRow("all zero: no percentages")
        << "R" << 1 << QStringList{"0", "0"} << 0 << "" << -1 << QStringList{"", ""} << Bars{};
    QTest::newRow("beyond single precision")
        << "R" << 1 << QStringList{"16777217", "16777217"} << 0 << "" << -1
        << QStringList{"50,00", "50,00"} << halves(50, 50);
}

void tst_DistributionModel::critica()
{
    QFETCH(QString, tipo);
    QFETCH(int, position);
    QFETCH(QStringList, values);
    QFETCH(int, erro);
    QFETCH(QString, status);
    QFETCH(int, marked);
    QFETCH(QStringList, percentages);
    QFETCH(Bars, bars);

    Editor editor;
    editor.type(tipo, position, values);
    editor.model->botao_Click(0);
    QCOMPARE(int(editor.model->ErroTabela()), erro);
    QCOMPARE(editor.model->statusText(), status);
    QCOMPARE(editor.sound.contains(Cue::Abaixo), erro == 1);
    QCOMPARE(editor.model->tipoMarked(), marked == -2);
    for (int i = 0; i < 12; ++i)
        QCOMPARE(editor.model->quantidadeMarked(i), i == marked);
    QCOMPARE(editor.percentages(int(percentages.size())), percentages);
    for (int b = 0; b < 12; ++b)
        QVERIFY2(qAbs(editor.model->chartValues()[b] - bars[b]) < 1e-9,
                 qPrintable(QString::number(b)));
    QCOMPARE(editor.model->Timer1().isActive(), true); // on since load, and after a message
}

void tst_DistributionModel::selectingSameIndexLoadsAgain()
{
    Editor editor("\"A\",\"1\",\"3\"\r\n\"B\",\"2\"\r\n");
    QSignalSpy chart(editor.model.get(), &DistributionModel::chartChanged);
    editor.model->selectPattern(0);
    editor.model->setQuantidade(0, "99");
    editor.model->setTipo("outro");
    editor.model->selectPattern(0);
    QCOMPARE(editor.model->Tipo(), QStringLiteral("A"));
    QCOMPARE(editor.cells(2), (QStringList{"1", "3"}));
    QCOMPARE(editor.percentages(2), (QStringList{"25,00", "75,00"}));
    QCOMPARE(chart.size(), 2);
}

void tst_DistributionModel::selectLoadsLayoutFromValueCount_data()
{
    QTest::addColumn<QByteArray>("line");
    QTest::addColumn<int>("position");
    QTest::addColumn<int>("erro");
    QTest::addColumn<QString>("status");
    QTest::newRow("5 values show 6 rows, interval 6 empty")
        << QByteArray("\"C\",\"1\",\"2\",\"3\",\"4\",\"5\"") << 4 << 1
        << "Erro: Dados não numéricos no intervalo 6";
    QTest::newRow("12 values") << QByteArray("\"C\",\"1\",\"2\",\"3\",\"4\",\"5\",\"6\",\"7\","
                                             "\"8\",\"9\",\"10\",\"11\",\"12\"")
                               << 5 << 0 << "";
    // Counts without a layout leave the slider where it was (at 4 intervals here).
    const QByteArray eight = "\"C\",\"1\",\"2\",\"3\",\"4\",\"5\",\"6\",\"7\",\"8\"";
    QTest::newRow("8 values") << eight << 3 << 0 << "";
    QTest::newRow("no values") << QByteArray("\"C\",") << 3 << 1
                               << "Erro: Dados não numéricos no intervalo 1";
}

void tst_DistributionModel::selectLoadsLayoutFromValueCount()
{
    QFETCH(QByteArray, line);
    QFETCH(int, position);
    QFETCH(int, erro);
    QFETCH(QString, status);
    Editor editor(
        "\"Doze\",\"1\",\"2\",\"3\",\"4\",\"5\",\"6\",\"7\",\"8\",\"9\",\"10\",\"11\",\"12\""
        "\r\n\"Quatro\",\"1\",\"2\",\"3\",\"4\"\r\n" +
        line + "\r\n");
    editor.model->selectPattern(0);
    editor.model->selectPattern(1); // 4 after 12: cells 4..11 empty and hidden
    QCOMPARE(editor.model->SL1(), 3);
    for (int i = 4; i < 12; ++i) {
        QVERIFY(editor.model->Quantidade(i).isEmpty());
        QVERIFY(!editor.model->rowVisible(i));
    }
    editor.sound.clear();
    editor.model->selectPattern(2);
    QCOMPARE(editor.model->SL1(), position);
    const int count = editor.model->intervalCount();
    for (int row = 0; row < 12; ++row)
        QCOMPARE(editor.model->rowVisible(row), row < count);
    QCOMPARE(editor.model->Label7(2 * count - 1), QStringLiteral("23:59"));
    QCOMPARE(int(editor.model->ErroTabela()), erro);
    QCOMPARE(editor.model->statusText(), status);
    QCOMPARE(editor.sound.contains(Cue::Abaixo), erro == 1);
    if (erro == 1)
        QVERIFY(editor.model->quantidadeMarked(status.back().digitValue() - 1));
}

void tst_DistributionModel::selectOutOfRangeClearsSelection()
{
    Editor editor("\"A\",\"1\"\r\n");
    editor.model->selectPattern(0);
    editor.model->selectPattern(5);
    QCOMPARE(editor.model->currentIndex(), -1);
    QCOMPARE(editor.model->currentText(), QString());
    QCOMPARE(editor.model->Tipo(), QStringLiteral("A")); // nothing loaded
}

void tst_DistributionModel::refreshKeepsEditor()
{
    Editor editor("\"A\",\"1\",\"2\"\r\n");
    editor.model->selectPattern(0);
    QVERIFY(writeBytes(editor.path(), "\"X\",\"7\"\r\n\"Y\",\"8\"\r\n"));
    editor.model->abrearquivo();
    QCOMPARE(editor.model->List1(), (QStringList{"X", "Y"}));
    QCOMPARE(editor.model->currentIndex(), -1);
    QCOMPARE(editor.model->Tipo(), QStringLiteral("A"));
    QCOMPARE(editor.model->SL1(), 1);
    QCOMPARE(editor.cells(2), (QStringList{"1", "2"}));
    QCOMPARE(editor.percentages(2), (QStringList{"33,33", "66,67"}));
}

void tst_DistributionModel::layoutKeepsHiddenTextsUntilConfirmed()
{
    Editor editor;
    DistributionModel &model = *editor.model;
    QCOMPARE(model.SL1(), 0);
    QCOMPARE(model.Label7(0), QStringLiteral("00:00"));
    QCOMPARE(model.Label7(1), QStringLiteral("23:59"));
    QVERIFY(model.rowVisible(0));
    QVERIFY(!model.rowVisible(1));

    QStringList twelve;
    for (int i = 1; i <= 12; ++i)
        twelve << QString::number(i);
    editor.type("R", 5, twelve);
    model.Critica();
    model.Label3_Click(3);
    QCOMPARE(model.SL1(), 3);
    QCOMPARE(model.Label7(7), QStringLiteral("23:59"));
    QVERIFY(!model.rowVisible(4));
    QCOMPARE(model.Quantidade(11), QStringLiteral("12"));
    QVERIFY(!model.Percentual(11).isEmpty());

    model.Label3_Click(3); // same position: laid out again, nothing changes
    QCOMPARE(model.SL1(), 3);
    model.setSL1(5);
    QVERIFY(model.rowVisible(11));
    QCOMPARE(model.Quantidade(11), QStringLiteral("12"));

    model.setSL1(3);
    model.Confirma_Tamanho_menu();
    QCOMPARE(model.Quantidade(3), QStringLiteral("4"));
    for (int i = 4; i < 12; ++i) {
        QVERIFY(model.Quantidade(i).isEmpty());
        QVERIFY(model.Percentual(i).isEmpty());
    }
}

void tst_DistributionModel::quantityKeys_data()
{
    QTest::addColumn<int>("position");
    QTest::addColumn<int>("index");
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("focus");
    QTest::addColumn<QString>("text"); // the cell's text after the rule, before the key
    QTest::addColumn<bool>("abaixo");
    QTest::addColumn<QString>("status");
    const QString digitsOnly = QStringLiteral("Erro: Apenas dados numéricos neste campo");
    QTest::newRow("down moves") << 3 << 1 << 40 << 2 << "12" << false << "";
    QTest::newRow("enter moves") << 3 << 0 << 13 << 1 << "12" << false << "";
    QTest::newRow("down in last row") << 3 << 3 << 40 << -1 << "12" << true << "";
    QTest::newRow("enter in only row") << 0 << 0 << 13 << -1 << "12" << true << "";
    QTest::newRow("up moves") << 3 << 2 << 38 << 1 << "12" << false << "";
    QTest::newRow("up in first row") << 3 << 0 << 38 << -1 << "12" << true << "";
    QTest::newRow("escape empties") << 3 << 1 << 27 << -1 << "" << false << "";
    QTest::newRow("digit") << 3 << 1 << int('7') << -1 << "12" << false << "";
    QTest::newRow("letter") << 3 << 1 << int('A') << -1 << "" << true << digitsOnly;
    QTest::newRow("backspace") << 3 << 1 << 8 << -1 << "" << true << digitsOnly;
    QTest::newRow("keypad 5") << 3 << 1 << 101 << -1 << "" << true << digitsOnly;
    QTest::newRow("shift") << 3 << 1 << 16 << -1 << "" << true << digitsOnly;
}

void tst_DistributionModel::quantityKeys()
{
    QFETCH(int, position);
    QFETCH(int, index);
    QFETCH(int, key);
    QFETCH(int, focus);
    QFETCH(QString, text);
    QFETCH(bool, abaixo);
    QFETCH(QString, status);
    Editor editor;
    editor.model->setSL1(position);
    editor.model->setQuantidade(index, "12");
    QCOMPARE(editor.model->Quantidade_KeyDown(index, key), focus);
    QCOMPARE(editor.model->Quantidade(index), text);
    QCOMPARE(editor.sound.contains(Cue::Abaixo), abaixo);
    QCOMPARE(editor.model->statusText(), status);
}

void tst_DistributionModel::timer1ClearsMessageAndMarks()
{
    Editor editor;
    QVERIFY(editor.model->Timer1().isActive()); // on from the load
    QCOMPARE(editor.model->Timer1().interval(), 3000);
    editor.type("R", 1, {"1", "x"});
    editor.model->Critica();
    QVERIFY(editor.model->quantidadeMarked(1));
    editor.model->setTipo("");
    editor.model->Critica();
    QVERIFY(editor.model->tipoMarked());
    QVERIFY(!editor.model->statusText().isEmpty());

    editor.model->Timer1_Timer();
    QCOMPARE(editor.model->statusText(), QString());
    QVERIFY(!editor.model->tipoMarked());
    QVERIFY(!editor.model->quantidadeMarked(1));
    QVERIFY(!editor.model->Timer1().isActive());
}

void tst_DistributionModel::clickClearsMark()
{
    Editor editor;
    editor.type("R", 1, {"", "x"});
    editor.model->Critica();
    QVERIFY(editor.model->quantidadeMarked(0));
    editor.model->Quantidade_Click(1);
    QVERIFY(editor.model->quantidadeMarked(0));
    editor.model->Quantidade_Click(0);
    QVERIFY(!editor.model->quantidadeMarked(0));
    editor.model->setTipo("");
    editor.model->Critica();
    editor.model->Tipo_Click();
    QVERIFY(!editor.model->tipoMarked());
}

void tst_DistributionModel::clearButtonAndClearCells()
{
    Editor editor("\"A\",\"1\",\"3\"\r\n");
    editor.model->selectPattern(0);
    editor.model->botao_Click(1);
    QCOMPARE(editor.model->Tipo(), QString());
    QCOMPARE(editor.cells(2), (QStringList{"", ""}));
    QCOMPARE(editor.percentages(2), (QStringList{"", ""}));
    QCOMPARE(editor.model->SL1(), 1);
    QCOMPARE(editor.model->currentIndex(), 0);
    // The chart is not touched: 25 % over the six bands of the first half of the day.
    QVERIFY(qAbs(editor.model->chartValues()[0] - 25.0 / 6) < 1e-9);

    editor.model->selectPattern(0);
    editor.model->clearCells();
    QCOMPARE(editor.model->Tipo(), QString());
    QCOMPARE(editor.cells(2), (QStringList{"", ""}));
    QCOMPARE(editor.model->SL1(), 1);
    QCOMPARE(editor.model->currentIndex(), 0);
}

void tst_DistributionModel::handOver_data()
{
    QTest::addColumn<bool>("hooks");
    QTest::addColumn<bool>("counting");
    QTest::addColumn<bool>("monthly");
    QTest::addColumn<bool>("activated");
    QTest::addColumn<QString>("status");
    const QString running = QStringLiteral("Erro: Existe uma pesquisa em processamento - Encerre, "
                                           "e solicite novamente a distribuição");
    const QString missing = QStringLiteral("Erro: Informações insuficientes. Escolha uma "
                                           "Incidência ou digite um valor para ocorrência/mês");
    QTest::newRow("counting") << true << true << true << false << running;
    QTest::newRow("no monthly quantity") << true << false << false << false << missing;
    QTest::newRow("handed over") << true << false << true << true << "";
    QTest::newRow("no main window yet") << false << false << false << false << missing;
}

void tst_DistributionModel::handOver()
{
    QFETCH(bool, hooks);
    QFETCH(bool, counting);
    QFETCH(bool, monthly);
    QFETCH(bool, activated);
    QFETCH(QString, status);
    Editor editor("\"A\",\"1\"\r\n");
    editor.model->selectPattern(0);
    editor.model->Timer1_Timer();
    int activations = 0;
    if (hooks) {
        editor.model->setActivation([&] { return counting; }, [&] { return monthly; },
                                    [&] { ++activations; });
    }
    QSignalSpy hide(editor.model.get(), &DistributionModel::hideRequested);
    editor.model->botao_Click(3);
    QCOMPARE(activations, activated ? 1 : 0);
    QCOMPARE(hide.size(), activated ? 1 : 0);
    QCOMPARE(editor.model->statusText(), status);
    QCOMPARE(editor.sound.contains(Cue::Abaixo), !activated);
    QCOMPARE(editor.model->Percentual(0), QStringLiteral("100,00")); // handed over as it stood
}

void tst_DistributionModel::handOverRunsTheCheck_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QStringList>("values");
    QTest::addColumn<QString>("status");
    QTest::addColumn<QStringList>("percentages");
    const QString none;
    QTest::newRow("typed, never checked")
        << "B" << QStringList{"1", "3"} << none << QStringList{"25,00", "75,00"};
    QTest::newRow("a cell that is no number")
        << "B" << QStringList{"1", "x"} << "Erro: Dados não numéricos no intervalo 2"
        << QStringList{"50,00", "50,00"};
    QTest::newRow("an empty cell")
        << "B" << QStringList{"", "3"} << "Erro: Dados não numéricos no intervalo 1"
        << QStringList{"50,00", "50,00"};
    QTest::newRow("no name") << "" << QStringList{"1", "3"} << "Erro: Especifique um tipo de delito"
                             << QStringList{"50,00", "50,00"};
    QTest::newRow("every quantity 0")
        << "B" << QStringList{"0", "0"}
        << "Erro: Todas as quantidades são 0 - não há distribuição para usar"
        << QStringList{"", ""};
}

void tst_DistributionModel::handOverRunsTheCheck()
{
    QFETCH(QString, name);
    QFETCH(QStringList, values);
    QFETCH(QString, status);
    QFETCH(QStringList, percentages);
    Editor editor("\"A\",\"1\",\"1\"\r\n");
    editor.model->selectPattern(0);
    editor.model->Timer1_Timer();
    QStringList handedOver;
    editor.model->setActivation([] { return false; }, [] { return true; },
                                [&] { handedOver = editor.percentages(2); });
    QSignalSpy hide(editor.model.get(), &DistributionModel::hideRequested);
    editor.type(name, 1, values);
    editor.sound.clear();

    editor.model->botao_Click(3);
    const bool accepted = status.isEmpty();
    QCOMPARE(editor.model->statusText(), status);
    QCOMPARE(editor.percentages(2), percentages);
    QCOMPARE(handedOver, accepted ? percentages : QStringList());
    QCOMPARE(hide.size(), accepted ? 1 : 0);
    QCOMPARE(editor.sound.count(Cue::Abaixo), accepted ? 0 : 1);
    QCOMPARE(editor.model->ErroTabela(),
             qint16(status.startsWith("Erro: Dados") || status.startsWith("Erro: Especifique")));
}

void tst_DistributionModel::saveNoticeNamesFolder_data()
{
    QTest::addColumn<bool>("besideProgram");
    QTest::addColumn<QString>("initial");
    QTest::addColumn<QString>("notice");
    QTest::newRow("new, beside the program") << true << "" << kNew;
    QTest::newRow("new, in the user's folder") << false << "" << kNew;
    QTest::newRow("update, in the user's folder") << false << "\"A\",\"2\"\r\n" << kUpdate;
}

void tst_DistributionModel::saveNoticeNamesFolder()
{
    QFETCH(bool, besideProgram);
    QFETCH(QString, initial);
    QFETCH(QString, notice);
    Editor editor(initial.toLatin1());
    QTemporaryDir program;
    if (!besideProgram)
        editor.model->setProgramDirectory(program.path());
    editor.type("A", 0, {"5"});
    editor.model->botao_Click(2);
    QCOMPARE(editor.bytes(), QByteArray("\"A\",\"5\"\r\n"));
    const QString folder = QDir::toNativeSeparators(editor.dir.path());
    QCOMPARE(editor.model->statusText(),
             besideProgram ? notice : notice + " (gravado em " + folder + ")");

    // A save that fails says so, whatever the folder.
    QVERIFY(QFile::remove(editor.path()));
    QVERIFY(QDir(editor.dir.path()).mkdir(DistributionFile::fileName()));
    editor.model->botao_Click(2);
    QCOMPARE(editor.model->statusText(), kWriteError);
}

QTEST_GUILESS_MAIN(tst_DistributionModel)
#include "tst_distributionmodel.moc"
