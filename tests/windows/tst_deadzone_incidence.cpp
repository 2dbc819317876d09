// Choosing an incidence on the main window: the lists from the data files, the error
// report, the choice, and the lookup of a stored hourly distribution with its activation.
#include "core/soundcues.h"
#include "deadzonefixture.h"
#include "display/noticelabel.h"
#include "display/picturebutton.h"
#include "distribution/distributionmodel.h"
#include "windows/Configurador/configurador.h"

#include <QAction>
#include <QComboBox>
#include <QFile>
#include <QFontMetrics>
#include <QFrame>
#include <QHelpEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QRadioButton>
#include <QSlider>
#include <QStatusBar>
#include <QTest>
#include <QTimer>
#include <QToolTip>

namespace {

const QByteArray kParametros = "\"Homicidios em São Paulo\",\"937\"\r\n"
                               "\"Roubos\",\"240\"\r\n"
                               "\"Furtos\",\"480\"\r\n";
const QByteArray kHomicidios = "\"Bahia\",\"555\"\r\n\"São Paulo\",\"311\"\r\n";
const QByteArray kPadroes = "\"Roubos\",\"10\",\"20\",\"40\",\"30\"\r\n"
                            "\"Furtos\",\"1\",\"1\",\"1\",\"1\",\"1\",\"1\"\r\n"
                            "\"São Paulo\",\"25\",\"75\"\r\n";

struct Fixture : DeadZoneFixture
{
    Fixture()
        : DeadZoneFixture(QDateTime(QDate(2026, 3, 10), QTime(13, 20)),
                          {{"QuorvelParametros.txt", kParametros},
                           {"Quorvelhomicidios.txt", kHomicidios},
                           {"QuorvelDistribuicao.txt", kPadroes}})
    {
    }
    void chooseCrime(int row)
    {
        child<QListWidget>("List1")->setCurrentRow(row);
        emit child<QListWidget>("List1")->itemDoubleClicked(child<QListWidget>("List1")->item(row));
    }
};

} // namespace

class TestDeadZoneIncidence : public QObject
{
    Q_OBJECT

private slots:
    void init() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }

    void readsBothFilesIntoParallelLists()
    {
        Fixture f;
        f.window.openLists();
        QVERIFY(f.messages.isEmpty());
        QVERIFY(!f.child<QFrame>("PainelList1")->isHidden());
        QCOMPARE(f.child<QListWidget>("List1")->count(), 3);
        QCOMPARE(f.child<QListWidget>("List1")->item(0)->text(),
                 QStringLiteral("Homicidios em São Paulo   937"));
        QCOMPARE(f.window.List2().items.at(0), QStringLiteral("937"));
        QCOMPARE(f.window.List3().items.at(0), QStringLiteral("Homicidios em São Paulo"));
        QCOMPARE(f.child<QComboBox>("Homicidios")->count(), 2);
        QCOMPARE(f.child<QComboBox>("Homicidios")->itemText(1), QStringLiteral("São Paulo   311"));
        QCOMPARE(f.window.List3b().items.at(1), QStringLiteral("São Paulo"));
        QVERIFY(f.child<QLineEdit>("ParametroMes")->text().isEmpty()); // reading chooses nothing
        f.window.openLists();
        QCOMPARE(f.child<QListWidget>("List1")->count(), 3); // read afresh, not appended
    }

    void failedFileIsNamedInTheReport_data()
    {
        QTest::addColumn<QString>("broken");
        QTest::addColumn<int>("crimes");
        QTest::addColumn<int>("states");
        QTest::addColumn<bool>("panelShown");
        QTest::newRow("parameters missing") << "QuorvelParametros.txt" << 0 << 0 << false;
        QTest::newRow("homicides missing") << "Quorvelhomicidios.txt" << 3 << 0 << true;
    }
    void failedFileIsNamedInTheReport()
    {
        QFETCH(QString, broken);
        QFETCH(int, crimes);
        QFETCH(int, states);
        QFETCH(bool, panelShown);
        Fixture f;
        QFile::remove(f.dir.filePath(broken));
        f.window.openLists();
        QCOMPARE(f.messages.size(), 1);
        QVERIFY(f.messages.first().startsWith("Erro no acesso ao arquivo " + broken + "\n"));
        QCOMPARE(f.child<QListWidget>("List1")->count(), crimes);
        QCOMPARE(f.child<QComboBox>("Homicidios")->count(), states);
        QCOMPARE(!f.child<QFrame>("PainelList1")->isHidden(), panelShown);
    }

    void blankLastLineListsEntriesThenReports()
    {
        Fixture f;
        f.writeDataFile("QuorvelParametros.txt", kParametros + "\r\n");
        f.window.openLists();
        QCOMPARE(f.child<QListWidget>("List1")->count(), 3);
        QCOMPARE(f.messages.size(), 1);
        QVERIFY(f.child<QComboBox>("Homicidios")->count() == 0);
    }

    void choosingACrimeSetsTheRateAndResets()
    {
        Fixture f;
        f.window.openLists();
        f.chooseCrime(0);
        QCOMPARE(f.child<QLineEdit>("ParametroMes")->text(), QStringLiteral("937"));
        QCOMPARE(f.child<QLineEdit>("ParametroDia")->text(), QStringLiteral("31.23"));
        QCOMPARE(f.child<QLabel>("Label9")->text(),
                 QStringLiteral("Homicidios em São Paulo   937"));
        QVERIFY(f.child<QFrame>("PainelList1")->isHidden());
        QCOMPARE(f.child<QSlider>("sl2")->value(), 13);
        QCOMPARE(f.window.runState(), DeadZone::RunState::Off);
        // No pattern has this name: no distribution; the editor is left as it was.
        QVERIFY(f.child<QRadioButton>("opcaoDistribuicao", 1)->isChecked());
        QVERIFY(!f.child<QRadioButton>("opcaoDistribuicao", 0)->isEnabled());
        QCOMPARE(f.window.ledColor(), QColor(128, 0, 0));
        QVERIFY(f.window.distributionModel().Tipo().isEmpty());
        QVERIFY(f.window.distributionModel().Percentual(0).isEmpty());
        const auto bars = f.window.chartValues();
        QVERIFY(std::all_of(bars.begin(), bars.end(), [](double v) { return v == 0; }));
    }

    void foundPatternIsActivated()
    {
        Fixture f;
        f.cues.SomDesligado = 0;
        f.window.openLists();
        f.recorder.clear();
        f.chooseCrime(1); // Roubos: 10, 20, 40, 30 in four intervals
        QCOMPARE(f.child<QLabel>("st1Panel(1)")->text(),
                 QStringLiteral("Atenção: O Sistema Localizou uma distribuição com o titulo "
                                "desta amostragem"));
        // The choice paused the count, and a pause switches the sound off: cue 4 is silent.
        QCOMPARE(f.cues.SomDesligado, qint16(1));
        QVERIFY(!f.recorder.contains(Cue::Stop));
        QVERIFY(f.child<QRadioButton>("opcaoDistribuicao", 0)->isEnabled());
        QVERIFY(f.child<QRadioButton>("opcaoDistribuicao", 0)->isChecked());
        QVERIFY(f.timer("Timer4")->isActive());
        QVERIFY(f.timer("RelogMensagem")->isActive());
        // The pattern goes to the counter; the editor is not loaded with it.
        QCOMPARE(f.window.counter().pattern()->name, QStringLiteral("Roubos"));
        QCOMPARE(f.window.distributionModel().currentIndex(), -1);
        // Each interval's share over its three two-hour bands.
        const std::array<double, 12> expected = {10 / 3.0, 10 / 3.0, 10 / 3.0, 20 / 3.0,
                                                 20 / 3.0, 20 / 3.0, 40 / 3.0, 40 / 3.0,
                                                 40 / 3.0, 10,       10,       10};
        for (int b = 0; b < 12; ++b)
            QVERIFY(qAbs(f.window.chartValues()[b] - expected[b]) < 1e-9);
        const HourlyTable &table = f.window.counter().pattern()->table;
        QCOMPARE(table.intervalCount, 4);
        QCOMPARE(table.percentualHora[13], 40.0f);
        QCOMPARE(table.percentualHora[24], 0.0f);
        // 240 a month is 8 a day; 40 % in six hours is 0.533 an hour at 13:20.
        QCOMPARE(f.child<QLabel>("Parametrohora")->text(), QStringLiteral("0.533"));

        // The notice clears itself; the LED blinks green then red.
        QMetaObject::invokeMethod(f.timer("RelogMensagem"), "timeout");
        QVERIFY(f.child<QLabel>("st1Panel(1)")->text().isEmpty());
        QMetaObject::invokeMethod(f.timer("Timer4"), "timeout");
        QCOMPARE(f.window.ledColor(), QColor(0, 255, 0));
        QMetaObject::invokeMethod(f.timer("Timer4"), "timeout");
        QCOMPARE(f.window.ledColor(), QColor(255, 0, 0));
    }

    // At the window's first size the notice is longer than its panel in the window's type: it
    // is shown whole all the same, and pointing at it shows it in a tooltip.
    void foundNoticeShownWholeAtTheFirstSize()
    {
        Fixture f;
        f.window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&f.window));
        f.window.openLists();
        f.chooseCrime(1);
        auto *panel = f.child<NoticeLabel>("st1Panel(1)");
        const QString notice = QStringLiteral("Atenção: O Sistema Localizou uma distribuição com "
                                              "o titulo desta amostragem");
        QCOMPARE(panel->text(), notice);
        QCoreApplication::processEvents();

        const QRect area = panel->contentsRect();
        QVERIFY(area.width() > 100);
        QVERIFY2(QFontMetrics(panel->font()).horizontalAdvance(notice) > area.width(),
                 "the notice fits on one line: the test no longer shows the fitting");
        QVERIFY(panel->wraps());
        const QRect needed = QFontMetrics(panel->fittedFont())
                                 .boundingRect(area, Qt::AlignLeft | Qt::TextWordWrap, notice);
        QVERIFY2(needed.width() <= area.width() && needed.height() <= area.height(),
                 qPrintable(QStringLiteral("needs %1x%2 in %3x%4")
                                .arg(needed.width())
                                .arg(needed.height())
                                .arg(area.width())
                                .arg(area.height())));
        QVERIFY(QFontInfo(panel->fittedFont()).pixelSize() >= NoticeLabel::kSmallestPixelSize);
        // The fit is kept between paints, but follows the text: a short one is on one line in
        // the panel's own type again, and the long one wraps again.
        panel->setText(QStringLiteral("Pronto"));
        QVERIFY(!panel->wraps());
        QCOMPARE(panel->fittedFont(), panel->font());
        panel->setText(notice);
        QVERIFY(panel->wraps());
        QVERIFY(QFontInfo(panel->fittedFont()).pixelSize() < QFontInfo(panel->font()).pixelSize());
        // A text a little longer or shorter starts from the size found before; each must end
        // in the size a panel fitting it afresh finds.
        for (const QString &next : {notice + QStringLiteral(" e do mês"), notice + notice, notice,
                                    notice.left(50), notice}) {
            panel->setText(next);
            NoticeLabel fresh;
            fresh.setFont(panel->font());
            fresh.setAlignment(panel->alignment());
            fresh.setFixedSize(panel->size());
            fresh.setText(next);
            QCOMPARE(fresh.contentsRect(), panel->contentsRect());
            QCOMPARE(panel->wraps(), fresh.wraps());
            QCOMPARE(QFontInfo(panel->fittedFont()).pixelSize(),
                     QFontInfo(fresh.fittedFont()).pixelSize());
        }

        QHelpEvent pointed(QEvent::ToolTip, area.center(), panel->mapToGlobal(area.center()));
        QCoreApplication::sendEvent(panel, &pointed);
        QCOMPARE(QToolTip::text(), notice);
        QToolTip::hideText();
    }

    void countUsesTheDistribution()
    {
        Fixture f;
        f.window.openLists();
        f.chooseCrime(1); // 8 a day; hours 0-5 10 %, 6-11 20 %, 12-17 40 %
        f.play();
        f.recount();
        // 8 x (0.10 + 0.20) + 8 x 0.40 / 6 x (80 / 60) hours = 2.4 + 0.7111
        QCOMPARE(f.child<QLineEdit>("ParametroHoje")->text(), QStringLiteral("3.1111"));
        QCOMPARE(f.child<QLabel>("PercentualDinamico")->text(), QStringLiteral("40.0%"));
        // Turning it off counts by the clock alone from the next recount.
        f.child<QRadioButton>("opcaoDistribuicao", 1)->setChecked(true);
        QVERIFY(!f.timer("Timer4")->isActive());
        QCOMPARE(f.child<QLabel>("Parametrohora")->text(), QStringLiteral("0.333"));
    }

    void choosingAStateLooksUpItsName()
    {
        Fixture f;
        f.window.openLists();
        f.child<QComboBox>("Homicidios")->setCurrentIndex(1);
        QCOMPARE(f.child<QLineEdit>("ParametroMes")->text(), QStringLiteral("311"));
        QCOMPARE(f.child<QLabel>("Label9")->text(), QStringLiteral("São Paulo   311"));
        QVERIFY(f.child<QRadioButton>("opcaoDistribuicao", 0)->isChecked());
        // 25 and 75 % over six two-hour bands each.
        const std::array<double, 12> expected = {25 / 6.0, 25 / 6.0, 25 / 6.0, 25 / 6.0,
                                                 25 / 6.0, 25 / 6.0, 12.5,     12.5,
                                                 12.5,     12.5,     12.5,     12.5};
        for (int b = 0; b < 12; ++b)
            QVERIFY(qAbs(f.window.chartValues()[b] - expected[b]) < 1e-9);
    }

    // A change of mode looks up again the name of the list the rate was last chosen from.
    void modeChangeKeepsThePatternOfTheChosenList_data()
    {
        QTest::addColumn<int>("crimeFirst");
        QTest::addColumn<int>("state");
        QTest::addColumn<QString>("pattern");
        QTest::newRow("crime only") << 1 << -1 << QStringLiteral("Roubos");
        QTest::newRow("state only") << -1 << 1 << QStringLiteral("São Paulo");
        QTest::newRow("crime, then state") << 1 << 1 << QStringLiteral("São Paulo");
        QTest::newRow("crime, then state without pattern") << 1 << 0 << QString();
    }

    void modeChangeKeepsThePatternOfTheChosenList()
    {
        QFETCH(int, crimeFirst);
        QFETCH(int, state);
        QFETCH(QString, pattern);
        Fixture f;
        f.window.openLists();
        if (crimeFirst >= 0)
            f.chooseCrime(crimeFirst);
        if (state >= 0)
            f.child<QComboBox>("Homicidios")->setCurrentIndex(state);
        const QString rate = f.child<QLineEdit>("ParametroMes")->text();

        f.child<QRadioButton>("Option1", 2)->setChecked(true);
        QCOMPARE(f.child<QLineEdit>("ParametroMes")->text(), rate);
        QCOMPARE(f.child<QRadioButton>("opcaoDistribuicao", 0)->isChecked(), !pattern.isEmpty());
        const auto &inUse = f.window.counter().pattern();
        QCOMPARE(inUse ? inUse->name : QString(), pattern);
    }

    void sameEntryTwiceStillLooksUp()
    {
        Fixture f;
        f.window.openLists();
        f.chooseCrime(2);
        f.window.openLists();
        f.chooseCrime(2);
        QCOMPARE(f.child<QLineEdit>("ParametroMes")->text(), QStringLiteral("480"));
        QVERIFY(f.child<QRadioButton>("opcaoDistribuicao", 0)->isChecked());
        QCOMPARE(f.window.counter().pattern()->name, QStringLiteral("Furtos"));
    }

    void nameComparisonIsExact()
    {
        Fixture f;
        f.writeDataFile("QuorvelParametros.txt", "\"roubos\",\"240\"\r\n\"Roubos \",\"240\"\r\n");
        f.window.openLists();
        for (int row : {0, 1}) {
            f.chooseCrime(row);
            QVERIFY(f.child<QRadioButton>("opcaoDistribuicao", 1)->isChecked());
            QCOMPARE(f.window.ledColor(), QColor(128, 0, 0));
        }
    }

    void openInApplicationFailureIsReported()
    {
        Fixture f;
        f.window.openIncidenceFile();
        QCOMPARE(f.opened, QStringList{f.dir.filePath("QuorvelParametros.txt")});
        QVERIFY(!f.recorder.contains(Cue::Abaixo));
        f.openResult = false;
        f.window.openStatesFile();
        QVERIFY(f.recorder.contains(Cue::Abaixo));
        QVERIFY(f.child<QLabel>("st1Panel(1)")->text().contains("Quorvelhomicidios.txt"));
        QVERIFY(f.timer("RelogMensagem")->isActive());
        QMetaObject::invokeMethod(f.timer("RelogMensagem"), "timeout");
        QVERIFY(f.child<QLabel>("st1Panel(1)")->text().isEmpty());
        QFile::remove(f.dir.filePath("QuorvelParametros.txt"));
        f.recorder.clear();
        f.window.openIncidenceFile();
        QVERIFY(f.recorder.contains(Cue::Abaixo));
    }

    // The desktop's opener answers after the command has returned: a failure it reports then
    // still reaches the status bar of the window that asked, with the error cue; a success
    // says nothing.
    void openerFailureReportedWhenItEnds_data()
    {
        QTest::addColumn<QString>("command");
        QTest::addColumn<QString>("file");
        QTest::addColumn<bool>("opens");
        for (bool opens : {false, true}) {
            const char *outcome = opens ? "opened" : "failed";
            QTest::addRow("Edita arquivo Ocorrências %s", outcome)
                << "botao(5)"
                << "QuorvelParametros.txt" << opens;
            QTest::addRow("Edita arquivo Homicidios %s", outcome)
                << "botao(9)"
                << "Quorvelhomicidios.txt" << opens;
            QTest::addRow("Edita Padrão %s", outcome) << "openf"
                                                      << "QuorvelDistribuicao.txt" << opens;
        }
    }
    void openerFailureReportedWhenItEnds()
    {
        QFETCH(QString, command);
        QFETCH(QString, file);
        QFETCH(bool, opens);
        Fixture f;
        f.desktop.answerLater = true;
        f.desktop.openResult = opens;
        QLabel *panel = f.child<QLabel>("st1Panel(1)");
        if (command == QLatin1String("openf")) {
            f.window.configurador().findChild<QAction *>(command)->trigger();
            panel = f.window.configurador().findChild<QLabel *>(QStringLiteral("Panel1"));
        } else {
            f.child<PictureButton>(command)->click();
        }
        QCOMPARE(f.opened, QStringList{f.dir.filePath(file)});
        QVERIFY(panel->text().isEmpty());
        QVERIFY(!f.recorder.contains(Cue::Abaixo));

        f.desktop.answerOpenings();
        QCOMPARE(f.recorder.contains(Cue::Abaixo), !opens);
        if (opens) {
            QVERIFY(panel->text().isEmpty());
        } else {
            QVERIFY2(panel->text().contains(file), qPrintable(panel->text()));
            QVERIFY2(panel->text().contains("no application"), qPrintable(panel->text()));
        }
    }

    // A name of megabytes is shown shortened in the lists, so that drawing them stays cheap;
    // the entry chosen is still the whole name with its quantity.
    void longNameShownShortenedChosenWhole()
    {
        Fixture f;
        const QString longName = QString(5'000'000, u'A') + QStringLiteral("Z");
        const QString state = QString(300, u'S');
        f.writeDataFile("QuorvelParametros.txt",
                        "\"Roubos\",\"240\"\r\n\"" + longName.toLatin1() + "\",\"480\"\r\n");
        f.writeDataFile("Quorvelhomicidios.txt", "\"" + state.toLatin1() + "\",\"555\"\r\n");
        f.window.openLists();
        QVERIFY(f.messages.isEmpty());
        auto *list = f.child<QListWidget>("List1");
        QCOMPARE(list->item(0)->text(), QStringLiteral("Roubos   240"));
        const QString shown = list->item(1)->text();
        QVERIFY2(shown.size() <= 210, qPrintable(QString::number(shown.size())));
        QVERIFY(shown.startsWith(QStringLiteral("AAAA")));
        QVERIFY(shown.contains(QChar(0x2026)));
        QVERIFY(shown.endsWith(QStringLiteral("   480")));
        QVERIFY(f.child<QComboBox>("Homicidios")->itemText(0).size() <= 210);

        f.chooseCrime(1);
        QCOMPARE(f.window.List3().currentText(), longName);
        QCOMPARE(f.child<QLineEdit>("ParametroMes")->text(), QStringLiteral("480"));
        QVERIFY(f.child<QLabel>("Label9")->text().size() <= 210);
    }
};

QTEST_MAIN(TestDeadZoneIncidence)
#include "tst_deadzone_incidence.moc"
