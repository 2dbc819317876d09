#include "windows/Configurador/configurador.h"

#include "core/soundcues.h"
#include "display/picturebutton.h"
#include "display/riskchart.h"
#include "distribution/distributionmodel.h"
#include "recordingdesktop.h"
#include "soundrecorder.h"
#include "testfiles.h"
#include "windows/mensagem/mensagem.h"

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QSlider>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <memory>

namespace {

// The editor window over a file in a temporary directory.
struct Window
{
    explicit Window(const QByteArray &initial)
    {
        writeBytes(path(), initial);
        model = std::make_unique<DistributionModel>(path(), cues);
        model->setProgramDirectory(dir.path());
        window = std::make_unique<Configurador>(*model, cues);
        window->setDesktop(desktop);
    }
    QString path() const { return dir.filePath(QStringLiteral("QuorvelDistribuicao.txt")); }
    template <typename T> T *find(const QString &name) const
    {
        T *child = window->findChild<T *>(name);
        if (!child)
            qWarning() << "no control" << name;
        return child;
    }
    QLineEdit *cell(int i) const
    {
        return find<QLineEdit>(QStringLiteral("Quantidade(%1)").arg(i));
    }
    QLabel *percent(int i) const { return find<QLabel>(QStringLiteral("Percentual(%1)").arg(i)); }
    QString panel() const { return find<QLabel>("Panel1")->text(); }
    QAction *action(const QString &name) const { return find<QAction>(name); }
    bool show()
    {
        window->show();
        return QTest::qWaitForWindowExposed(window.get());
    }
    // Keys need the focus, which a bare X server without a window manager never gives.
    bool activate()
    {
        QApplication::setActiveWindow(window.get());
        return QTest::qWaitForWindowActive(window.get());
    }

    QTemporaryDir dir;
    SoundRecorder sound;
    SoundCues cues{sound, dir.path()};
    std::unique_ptr<DistributionModel> model;
    std::unique_ptr<Configurador> window;
    RecordingDesktop desktop;
    QStringList &opened = desktop.opened;
    bool &openSucceeds = desktop.openResult;
};

bool isRed(QLineEdit *edit)
{
    return edit->palette().color(QPalette::Base) == QColor(255, 0, 0);
}

} // namespace

class tst_Configurador : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void captions_data();
    void captions();
    void menus();
    void startsWithOneInterval();
    void label3ClickMovesSliderAndLaysOut();
    void typedPatternIsSavedAndListed();
    void listClickLoadsPattern();
    void chartShowsThePattern_data();
    void chartShowsThePattern();
    void chartHourMarksStandUnderTheirBars_data();
    void chartHourMarksStandUnderTheirBars();
    void clickOnSelectedPatternReloadsIt();
    void keysOfTheQuantityCells();
    void refusedSaveShowsMessageWindow();
    void redMarksAndClicks();
    void timer1ClearsPanel();
    void editaPadraoOpensFile();
    void sairHides();
    void handOverHides();
    void handOverChecksTheTable();
    void hoverFrames();
};

void tst_Configurador::initTestCase()
{
    QLocale::setDefault(QLocale(QLocale::Portuguese, QLocale::Brazil));
}

void tst_Configurador::captions_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("caption");
    QTest::newRow("Label1") << "Label1"
                            << "Tipo do delito";
    QTest::newRow("Label2") << "Label2"
                            << "Defina em quantos intervalos deseja a sua distribuição";
    QTest::newRow("Label3(0)") << "Label3(0)"
                               << " 1";
    QTest::newRow("Label3(4)") << "Label3(4)"
                               << "6";
    QTest::newRow("Label3(5)") << "Label3(5)"
                               << "12";
    QTest::newRow("Label4") << "Label4"
                            << "Especifique as quantidades de ocorrências por intervalo";
    QTest::newRow("Label5") << "Label5"
                            << "De";
    QTest::newRow("Label6") << "Label6"
                            << "Até";
    QTest::newRow("Label8") << "Label8"
                            << "Ocorrências";
    QTest::newRow("Label11") << "Label11"
                             << "Participação %";
    QTest::newRow("Label19") << "Label19"
                             << "0     2     4    6    8    10  12 14  16  18  20   22";
    QTest::newRow("Label9(0)") << "Label9(0)"
                               << "Verifica dados";
    QTest::newRow("Label10") << "Label10"
                             << "limpa";
    QTest::newRow("Label9(1)") << "Label9(1)"
                               << "confirma e salva";
    QTest::newRow("Label9(2)") << "Label9(2)"
                               << "Usar esta distribuição como padrão";
}

void tst_Configurador::captions()
{
    QFETCH(QString, name);
    QFETCH(QString, caption);
    Window w("");
    QCOMPARE(w.window->windowTitle(), QStringLiteral("Configurador de Padrões"));
    QLabel *label = w.find<QLabel>(name);
    QVERIFY(label);
    QCOMPARE(label->text(), caption);
}

void tst_Configurador::menus()
{
    Window w("");
    const QList<std::pair<QString, QString>> actions = {
        {"openf", "Edita Padrão  "},
        {"refr", "Refresh Distribuição"},
        {"hom", "Homicidios"},
        {"rou", "Roubos"},
        {"gogo", "Sair"},
    };
    for (const auto &[name, text] : actions) {
        QVERIFY2(w.action(name), qPrintable(name));
        QCOMPARE(w.action(name)->text(), text);
    }
    QCOMPARE(w.find<QMenu>("arqarq")->title(), QStringLiteral("Arquivos      "));
    QCOMPARE(w.find<QMenu>("dist")->title(), QStringLiteral("Distribuição Horários         "));
    QVERIFY(w.action("hgjghj")->isSeparator());
    QVERIFY(w.action("hty")->isSeparator());
    QCOMPARE(w.find<QMenu>("arqarq")->actions(),
             (QList<QAction *>{w.action("openf"), w.action("hgjghj"), w.action("refr")}));
    QVERIFY(w.window->menuBar()->actions().contains(w.action("gogo")));
    for (const char *name : {"Tipo", "SL1", "List1", "StatusBar1", "MSChart3", "Picture1"})
        QVERIFY2(w.window->findChild<QWidget *>(name), name);
    for (int i = 0; i < 4; ++i)
        QVERIFY(w.find<PictureButton>(QStringLiteral("botao(%1)").arg(i)));
}

void tst_Configurador::startsWithOneInterval()
{
    Window w("\"A\",\"1\"\r\n\"B\",\"2\"\r\n");
    QCOMPARE(w.find<QSlider>("SL1")->value(), 0);
    QCOMPARE(w.find<QLabel>("Label7(0)")->text(), QStringLiteral("00:00"));
    QCOMPARE(w.find<QLabel>("Label7(1)")->text(), QStringLiteral("23:59"));
    QVERIFY(w.cell(0)->isVisibleTo(w.window.get()));
    for (int i = 1; i < 12; ++i) {
        QVERIFY(!w.cell(i)->isVisibleTo(w.window.get()));
        QVERIFY(!w.percent(i)->isVisibleTo(w.window.get()));
    }
    auto *list = w.find<QListWidget>("List1");
    QCOMPARE(list->count(), 2);
    QCOMPARE(list->item(1)->text(), QStringLiteral("B"));
    QCOMPARE(list->currentRow(), -1);
}

void tst_Configurador::label3ClickMovesSliderAndLaysOut()
{
    Window w("");
    QVERIFY(w.show());
    QTest::mouseClick(w.find<QLabel>("Label3(4)"), Qt::LeftButton);
    QCOMPARE(w.find<QSlider>("SL1")->value(), 4);
    for (int i = 0; i < 12; ++i)
        QCOMPARE(w.cell(i)->isVisible(), i < 6);
    QCOMPARE(w.find<QLabel>("Label7(6)")->text(), QStringLiteral("12:00"));
    QCOMPARE(w.find<QLabel>("Label7(11)")->text(), QStringLiteral("23:59"));

    w.find<QSlider>("SL1")->setValue(5); // as a drag does
    QCOMPARE(w.model->SL1(), 5);
    QVERIFY(w.cell(11)->isVisible());
    QCOMPARE(w.find<QLabel>("Label7(23)")->text(), QStringLiteral("23:59"));
}

void tst_Configurador::typedPatternIsSavedAndListed()
{
    Window w("\"Roubos\",\"10\",\"25\",\"40\",\"25\"\r\n");
    QVERIFY(w.show());
    QTest::keyClicks(w.find<QLineEdit>("Tipo"), QStringLiteral("Furtos"));
    QTest::mouseClick(w.find<QLabel>("Label3(2)"), Qt::LeftButton);
    QTest::keyClicks(w.cell(0), "1");
    QTest::keyClicks(w.cell(1), "1");
    QTest::keyClicks(w.cell(2), "2");
    QTest::mouseClick(w.find<PictureButton>("botao(2)"), Qt::LeftButton);

    QCOMPARE(
        readBytes(w.path()),
        QByteArray("\"Roubos\",\"10\",\"25\",\"40\",\"25\"\r\n\"Furtos\",\"1\",\"1\",\"2\"\r\n"));
    QCOMPARE(w.panel(), QStringLiteral("Alerta: Implantando um Padrão novo"));
    QVERIFY(w.sound.contains(Cue::Happy));
    auto *list = w.find<QListWidget>("List1");
    QCOMPARE(list->count(), 2);
    QCOMPARE(list->currentRow(), 1);
    QCOMPARE(list->currentItem()->text(), QStringLiteral("Furtos"));
    QCOMPARE(w.percent(0)->text(), QStringLiteral("25,00"));
    QCOMPARE(w.percent(2)->text(), QStringLiteral("50,00"));
    SpectrumChart *chart = w.window->chart();
    QCOMPARE(chart, w.find<SpectrumChart>("MSChart3"));
    // 25, 25 and 50 % over four two-hour bands each.
    const SpectrumChart::Values expected{6.25, 6.25, 6.25, 6.25, 6.25, 6.25,
                                         6.25, 6.25, 12.5, 12.5, 12.5, 12.5};
    QCOMPARE(chart->values(), expected);
}

void tst_Configurador::listClickLoadsPattern()
{
    Window w("\"Roubos\",\"10\",\"25\",\"40\",\"25\"\r\n\"Furtos\",\"1\",\"2\"\r\n");
    QVERIFY(w.show());
    auto *list = w.find<QListWidget>("List1");
    const QRect second = list->visualItemRect(list->item(1));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, second.center());
    QCOMPARE(w.model->currentIndex(), 1);
    QCOMPARE(w.find<QLineEdit>("Tipo")->text(), QStringLiteral("Furtos"));
    QCOMPARE(w.find<QSlider>("SL1")->value(), 1);
    QCOMPARE(w.cell(1)->text(), QStringLiteral("2"));
    QCOMPARE(w.percent(1)->text(), QStringLiteral("66,67"));
    QVERIFY(!w.cell(2)->isVisible());

    // Selected by the main window: the list follows.
    w.model->selectPattern(0);
    QCOMPARE(list->currentRow(), 0);
    QCOMPARE(w.cell(3)->text(), QStringLiteral("25"));
    QVERIFY(w.cell(3)->isVisible());

    // Refresh: the list is rebuilt with nothing selected, the cells stay.
    w.action("refr")->trigger();
    QCOMPARE(list->currentRow(), -1);
    QCOMPARE(w.cell(3)->text(), QStringLiteral("25"));
}

void tst_Configurador::chartShowsThePattern_data()
{
    QTest::addColumn<int>("row");
    QTest::addColumn<QList<double>>("bars");
    QTest::addColumn<QString>("firstBands");
    // Each bar is its two-hour band's share of the day: 10, 25, 40 and 25 % over three bands
    // each.
    QTest::newRow("4 intervals")
        << 0 << QList<double>{10 / 3.0, 10 / 3.0, 10 / 3.0, 25 / 3.0, 25 / 3.0, 25 / 3.0,
                              40 / 3.0, 40 / 3.0, 40 / 3.0, 25 / 3.0, 25 / 3.0, 25 / 3.0}
        << "00–02 h: 3,33%; 02–04 h: 3,33%; 04–06 h: 3,33%; 06–08 h: 8,33%";
    // 33,33 and 66,67 % over six bands each.
    QTest::newRow("2 intervals") << 1 << QList<double>{5.555,     5.555,     5.555,     5.555,
                                                       5.555,     5.555,     66.67 / 6, 66.67 / 6,
                                                       66.67 / 6, 66.67 / 6, 66.67 / 6, 66.67 / 6}
                                 << "00–02 h: 5,55%; 02–04 h: 5,55%";
    // 1 to 12 of 78: each interval its own band, as its percentage shows it.
    QTest::newRow("12 intervals")
        << 2
        << QList<double>{1.28, 2.56, 3.85, 5.13, 6.41, 7.69, 8.97, 10.26, 11.54, 12.82, 14.1, 15.38}
        << "00–02 h: 1,28%; 02–04 h: 2,56%; 04–06 h: 3,85%; 06–08 h: 5,13%";
}

void tst_Configurador::chartShowsThePattern()
{
    QFETCH(int, row);
    QFETCH(QList<double>, bars);
    QFETCH(QString, firstBands);
    Window w("\"Roubos\",\"10\",\"25\",\"40\",\"25\"\r\n\"Furtos\",\"1\",\"2\"\r\n"
             "\"Doze\",\"1\",\"2\",\"3\",\"4\",\"5\",\"6\",\"7\",\"8\",\"9\",\"10\",\"11\","
             "\"12\"\r\n");
    auto *chart = w.find<SpectrumChart>("MSChart3");
    QVERIFY(chart);
    QCOMPARE(chart->values(), SpectrumChart::Values{});
    w.model->selectPattern(row);
    for (int b = 0; b < 12; ++b)
        QVERIFY2(qAbs(chart->values()[b] - bars[b]) < 1e-9,
                 qPrintable(QStringLiteral("bar %1: %2").arg(b).arg(chart->values()[b])));
    QVERIFY2(chart->accessibleDescription().startsWith(firstBands),
             qPrintable(chart->accessibleDescription()));
}

void tst_Configurador::chartHourMarksStandUnderTheirBars_data()
{
    QTest::addColumn<QSize>("size");
    QTest::addColumn<int>("chartWidth");             // at least
    QTest::newRow("smallest") << QSize(1, 1) << 260; // the layout's minimum
    QTest::newRow("large") << QSize(1400, 1000) << 400;
}

void tst_Configurador::chartHourMarksStandUnderTheirBars()
{
    QFETCH(QSize, size);
    QFETCH(int, chartWidth);
    Window w("\"Roubos\",\"10\",\"25\",\"40\",\"25\"\r\n");
    QVERIFY(w.show());
    w.window->resize(size.expandedTo(w.window->minimumSizeHint()));
    w.window->layout()->activate();
    w.window->centralWidget()->layout()->activate();
    w.model->selectPattern(0);
    auto *chart = w.find<SpectrumChart>("MSChart3");
    QVERIFY2(chart->width() >= chartWidth, qPrintable(QString::number(chart->width())));
    QVERIFY(!w.find<QLabel>("Label19")->isVisible()); // the chart draws the marks itself
    for (int band = 0; band < SpectrumChart::kBands; ++band) {
        const QRect bar = chart->barRect(band);
        const QRect mark = chart->hourMarkRect(band);
        QVERIFY2(mark.left() >= bar.left() && mark.right() <= bar.right(),
                 qPrintable(QStringLiteral("band %1").arg(band)));
        QCOMPARE(chart->hourMarks().at(band), QString::number(2 * band));
    }
}

void tst_Configurador::clickOnSelectedPatternReloadsIt()
{
    Window w("\"Roubos\",\"10\",\"25\"\r\n\"Ruim\",\"1\",\"x\"\r\n");
    QVERIFY(w.show());
    auto *list = w.find<QListWidget>("List1");
    const QPoint first = list->visualItemRect(list->item(0)).center();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, first);
    QCOMPARE(w.cell(1)->text(), QStringLiteral("25"));

    // Edits in the cells are thrown away by a click on the name again, once the question
    // about them is answered "Descartar"; "Cancelar" keeps them.
    w.cell(1)->setText(QStringLiteral("99"));
    w.find<QLineEdit>("Tipo")->setText(QStringLiteral("Roubos novos"));
    QCOMPARE(w.model->Quantidade(1), QStringLiteral("99"));
    w.desktop.saveAnswer = DesktopServices::SaveAnswer::Cancel;
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, first);
    QCOMPARE(w.desktop.questions, QStringList{QStringLiteral("Salvar as alterações do padrão?")});
    QCOMPARE(w.model->Quantidade(1), QStringLiteral("99"));
    w.desktop.saveAnswer = DesktopServices::SaveAnswer::Discard;
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, first);
    QCOMPARE(w.desktop.questions.size(), 2);
    QCOMPARE(w.model->currentIndex(), 0);
    QCOMPARE(w.cell(1)->text(), QStringLiteral("25"));
    QCOMPARE(w.model->Quantidade(1), QStringLiteral("25"));
    QCOMPARE(w.find<QLineEdit>("Tipo")->text(), QStringLiteral("Roubos"));
    QCOMPARE(w.percent(1)->text(), QStringLiteral("71,43"));

    // A click on another name loads it once: one check, one error cue.
    w.sound.clear();
    const QPoint second = list->visualItemRect(list->item(1)).center();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, second);
    QCOMPARE(w.model->currentIndex(), 1);
    QCOMPARE(w.sound.count(Cue::Abaixo), 1);
    QCOMPARE(w.panel(), QStringLiteral("Erro: Dados não numéricos no intervalo 2"));
}

void tst_Configurador::keysOfTheQuantityCells()
{
    Window w("");
    QVERIFY(w.show());
    if (!w.activate())
        QSKIP("the window cannot get the keyboard focus here");
    w.model->setSL1(3);
    QLineEdit *cell = w.cell(1);
    cell->setFocus();
    QTest::keyClicks(cell, "12");
    QCOMPARE(cell->text(), QStringLiteral("12"));

    QTest::keyClick(cell, Qt::Key_Backspace);
    QCOMPARE(cell->text(), QString());
    QCOMPARE(w.panel(), QStringLiteral("Erro: Apenas dados numéricos neste campo"));
    QVERIFY(w.sound.contains(Cue::Abaixo));

    QTest::keyClicks(cell, "12");
    QTest::keyClick(cell, Qt::Key_5, Qt::KeypadModifier);
    QCOMPARE(cell->text(), QStringLiteral("5"));
    QTest::keyClick(cell, Qt::Key_A);
    QCOMPARE(cell->text(), QStringLiteral("a"));
    QTest::keyClick(cell, Qt::Key_Escape);
    QCOMPARE(cell->text(), QString());
    QVERIFY(w.window->isVisible()); // Escape does not close the editor

    QTest::keyClick(cell, Qt::Key_Down);
    QCOMPARE(QApplication::focusWidget(), w.cell(2));
    QTest::keyClick(w.cell(2), Qt::Key_Return);
    QCOMPARE(QApplication::focusWidget(), w.cell(3));
    w.sound.clear();
    QTest::keyClick(w.cell(3), Qt::Key_Enter);
    QCOMPARE(QApplication::focusWidget(), w.cell(3)); // last shown row
    QVERIFY(w.sound.contains(Cue::Abaixo));
    QTest::keyClick(w.cell(3), Qt::Key_Up);
    QCOMPARE(QApplication::focusWidget(), w.cell(2));
}

void tst_Configurador::refusedSaveShowsMessageWindow()
{
    const QByteArray initial = "\"A\",\"1\"\r\n";
    Window w(initial);
    QVERIFY(w.show());
    QTest::mouseClick(w.find<PictureButton>("botao(2)"), Qt::LeftButton);
    QVERIFY(mensagemWindow().isVisible());
    QCOMPARE(mensagemWindow().qn()->text(),
             QStringLiteral("Existem erros na tabela editada. Gravação Cancelada"));
    QCOMPARE(readBytes(w.path()), initial);
    mensagemWindow().hide();
}

void tst_Configurador::redMarksAndClicks()
{
    Window w("");
    QVERIFY(w.show());
    QLineEdit *tipo = w.find<QLineEdit>("Tipo");
    QVERIFY(!isRed(tipo));
    QTest::mouseClick(w.find<PictureButton>("botao(0)"), Qt::LeftButton);
    QVERIFY(isRed(tipo));
    QCOMPARE(w.panel(), QStringLiteral("Erro: Especifique um tipo de delito"));
    QTest::mouseClick(tipo, Qt::LeftButton);
    QVERIFY(!isRed(tipo));

    QTest::keyClicks(tipo, "R");
    QTest::mouseClick(w.find<PictureButton>("botao(0)"), Qt::LeftButton);
    QVERIFY(isRed(w.cell(0)));
    QTest::mouseClick(w.cell(0), Qt::LeftButton);
    QVERIFY(!isRed(w.cell(0)));
}

void tst_Configurador::timer1ClearsPanel()
{
    Window w("");
    QVERIFY(w.show());
    QTest::mouseClick(w.find<PictureButton>("botao(0)"), Qt::LeftButton);
    QVERIFY(!w.panel().isEmpty());
    QVERIFY(isRed(w.find<QLineEdit>("Tipo")));
    // The real 3-second timer: a generous limit for a busy machine.
    QTRY_VERIFY_WITH_TIMEOUT(w.panel().isEmpty(), 20000);
    QVERIFY(!isRed(w.find<QLineEdit>("Tipo")));
}

void tst_Configurador::editaPadraoOpensFile()
{
    Window w("\"A\",\"1\"\r\n");
    w.action("openf")->trigger();
    QCOMPARE(w.opened, QStringList{w.path()});
    QCOMPARE(w.panel(), QString());
    QCOMPARE(w.model->patternCount(), 1);

    w.openSucceeds = false;
    w.action("openf")->trigger();
    QCOMPARE(w.panel(), QStringLiteral("Erro: Não foi possível abrir o arquivo "
                                       "QuorvelDistribuicao.txt (no application)"));
    QVERIFY(w.sound.contains(Cue::Abaixo));

    QFile::remove(w.path());
    w.openSucceeds = true;
    w.opened.clear();
    w.action("openf")->trigger();
    QVERIFY(w.opened.isEmpty());
    QVERIFY(w.panel().contains("não foi encontrado"));
}

void tst_Configurador::sairHides()
{
    Window w("\"A\",\"1\"\r\n");
    QVERIFY(w.show());
    w.model->selectPattern(0);
    w.action("gogo")->trigger();
    QVERIFY(!w.window->isVisible());
    QCOMPARE(w.model->Percentual(0), QStringLiteral("100,00")); // the state stays
}

void tst_Configurador::handOverHides()
{
    Window w("\"A\",\"1\"\r\n");
    int activations = 0;
    w.model->setActivation([] { return false; }, [] { return true; }, [&] { ++activations; });
    QVERIFY(w.show());
    w.model->selectPattern(0);
    QTest::mouseClick(w.find<PictureButton>("botao(3)"), Qt::LeftButton);
    QCOMPARE(activations, 1);
    QVERIFY(!w.window->isVisible());
}

void tst_Configurador::handOverChecksTheTable()
{
    Window w("\"A\",\"1\",\"3\"\r\n");
    int activations = 0;
    w.model->setActivation([] { return false; }, [] { return true; }, [&] { ++activations; });
    QVERIFY(w.show());
    w.model->selectPattern(0);
    QCOMPARE(w.percent(0)->text(), QStringLiteral("25,00"));
    auto *hand = w.find<PictureButton>("botao(3)");

    // Every quantity 0: the check leaves no share of the pattern before on the labels, and
    // such a table is not handed over.
    w.cell(0)->setText(QStringLiteral("0"));
    w.cell(1)->setText(QStringLiteral("0"));
    QTest::mouseClick(w.find<PictureButton>("botao(0)"), Qt::LeftButton);
    QCOMPARE(w.percent(0)->text(), QString());
    QCOMPARE(w.percent(1)->text(), QString());
    QTest::mouseClick(hand, Qt::LeftButton);
    QCOMPARE(activations, 0);
    QVERIFY(w.window->isVisible());
    QCOMPARE(w.panel(),
             QStringLiteral("Erro: Todas as quantidades são 0 - não há distribuição para usar"));

    // "limpa" and quantities typed without "Verifica dados": the check runs first and
    // refuses for the missing name.
    QTest::mouseClick(w.find<PictureButton>("botao(1)"), Qt::LeftButton);
    QTest::keyClicks(w.cell(0), "1");
    QTest::keyClicks(w.cell(1), "3");
    QTest::mouseClick(hand, Qt::LeftButton);
    QCOMPARE(activations, 0);
    QCOMPARE(w.panel(), QStringLiteral("Erro: Especifique um tipo de delito"));
    QVERIFY(isRed(w.find<QLineEdit>("Tipo")));
    QCOMPARE(w.percent(0)->text(), QString());

    // Named: checked, its shares computed, then handed over.
    QTest::keyClicks(w.find<QLineEdit>("Tipo"), QStringLiteral("B"));
    QTest::mouseClick(hand, Qt::LeftButton);
    QCOMPARE(activations, 1);
    QCOMPARE(w.percent(0)->text(), QStringLiteral("25,00"));
    QCOMPARE(w.percent(1)->text(), QStringLiteral("75,00"));
    QVERIFY(!w.window->isVisible());
}

void tst_Configurador::hoverFrames()
{
    Window w("");
    QVERIFY(w.show());
    auto *button = w.find<PictureButton>("botao(1)");
    QTest::mouseMove(button, button->rect().center());
    QTRY_COMPARE(button->borderStyle(), 1);
    QTest::mousePress(button, Qt::LeftButton);
    QCOMPARE(button->appearance(), 0);
    QTest::mouseRelease(button, Qt::LeftButton);
    QCOMPARE(button->appearance(), 1);
    auto *list = w.find<QListWidget>("List1");
    QTest::mouseMove(list->viewport(), list->viewport()->rect().center());
    QTRY_COMPARE(button->borderStyle(), 0);
}

QTEST_MAIN(tst_Configurador)
#include "tst_configurador.moc"
