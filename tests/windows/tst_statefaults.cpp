// Every figure on the main window belongs to the choice on screen now: nothing of an earlier
// entry, figure or mode is counted with or shown beside the present one. Controls are found
// by their names, as the user sees them.
#include "core/soundcues.h"
#include "deadzonefixture.h"
#include "display/picturebutton.h"
#include "distribution/distributionmodel.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QProgressBar>
#include <QRadioButton>
#include <QTest>
#include <QTimer>

namespace {

const QByteArray kParametros = "\"Homicidios em São Paulo\",\"937\"\r\n"
                               "\"Furtos\",\"480\"\r\n"
                               "\"Estupros\",\"90\"\r\n";
const QByteArray kHomicidios = "\"Bahia\",\"555\"\r\n\"São Paulo\",\"311\"\r\n";
// Hours 0-5 10 %, 6-11 20 %, 12-17 40 %, 18-23 30 %; the state: 25 % then 75 %.
const QByteArray kPadroes = "\"Homicidios em São Paulo\",\"10\",\"20\",\"40\",\"30\"\r\n"
                            "\"Furtos\",\"1\",\"1\",\"1\",\"1\",\"1\",\"1\"\r\n"
                            "\"São Paulo\",\"25\",\"75\"\r\n";

// Where a rate comes from: a crime of the incidence list or a state of the homicides list.
enum class Source { Crime, State };

struct Fixture : DeadZoneFixture
{
    // 10 March, 15:00: a day rate of 2 has counted 1.25 today by the clock alone.
    Fixture()
        : DeadZoneFixture(QDateTime(QDate(2026, 3, 10), QTime(15, 0)),
                          {{"QuorvelParametros.txt", kParametros},
                           {"Quorvelhomicidios.txt", kHomicidios},
                           {"QuorvelDistribuicao.txt", kPadroes}})
    {
    }

    template <typename T> T *control(const char *name) const
    {
        T *found = window.findChild<T *>(QString::fromUtf8(name));
        if (!found)
            qFatal("no control named %s", name);
        return found;
    }
    QLineEdit *field(const char *name) const { return control<QLineEdit>(name); }
    QString text(const char *name) const
    {
        if (auto *edit = window.findChild<QLineEdit *>(QString::fromUtf8(name)))
            return edit->text();
        return control<QLabel>(name)->text();
    }
    QRadioButton *option(const char *name) const { return control<QRadioButton>(name); }
    void click(const char *name) const { control<PictureButton>(name)->click(); }

    // The folder button: shows the lists when they are hidden, hides them when shown.
    void folder() const { click("botao(0)"); }
    void choose(Source source, int row) const
    {
        if (source == Source::State) {
            control<QComboBox>("Homicidios")->setCurrentIndex(row);
            return;
        }
        auto *list = control<QListWidget>("List1");
        list->setCurrentRow(row);
        emit list->itemDoubleClicked(list->item(row));
    }
    // Selects what the monthly field holds and types over it.
    void typeOver(const QString &digits)
    {
        field("ParametroMes")->selectAll();
        typeMonthly(digits);
    }
    bool usingPattern() const { return option("opcaoDistribuicao(0)")->isChecked(); }
};

} // namespace

class TestStateFaults : public QObject
{
    Q_OBJECT

private slots:
    void init() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }

    // A typed figure is counted by the clock alone, whatever pattern the previous entry had,
    // now and after a later change of mode.
    void typedFigureCountsWithoutThePreviousPattern_data()
    {
        QTest::addColumn<Source>("source");
        QTest::addColumn<int>("row");
        QTest::newRow("after a crime with a pattern") << Source::Crime << 0;
        QTest::newRow("after a state with a pattern") << Source::State << 1;
    }
    void typedFigureCountsWithoutThePreviousPattern()
    {
        QFETCH(Source, source);
        QFETCH(int, row);
        Fixture f;
        f.folder();
        f.choose(source, row);
        QVERIFY(f.usingPattern());

        f.typeOver(QStringLiteral("60"));
        QCOMPARE(f.text("ParametroDia"), QStringLiteral("2.00"));
        QVERIFY(!f.usingPattern());
        QVERIFY(f.option("opcaoDistribuicao(1)")->isChecked());
        QVERIFY(!f.option("opcaoDistribuicao(0)")->isEnabled());
        f.play();
        f.recount();
        QCOMPARE(f.text("ParametroHoje"), QStringLiteral("1.2500"));
        QCOMPARE(f.text("PercentualDinamico"), QStringLiteral("Indef"));

        // A change of mode brings no pattern back: the figure was typed, not chosen.
        f.option("Option1(1)")->setChecked(true);
        QVERIFY(!f.usingPattern());
        QVERIFY(!f.option("opcaoDistribuicao(0)")->isEnabled());
        QCOMPARE(f.window.ledColor(), QColor(128, 0, 0));
        f.play();
        f.recount();
        QCOMPARE(f.text("ParametroHoje"), QStringLiteral("19.2500")); // 9 past days of 2, + 1.25
        QCOMPARE(f.text("PercentualDinamico"), QStringLiteral("Indef"));
    }

    // A count starts only from a number in the monthly field: otherwise the start is refused
    // with the error cue and a notice, the run state stays, and no odometer pass runs.
    void startWithoutRateIsRefused_data()
    {
        QTest::addColumn<bool>("pausedFirst");
        QTest::newRow("play on a fresh start") << false;
        QTest::newRow("wait button resuming a paused count") << true;
    }
    void startWithoutRateIsRefused()
    {
        QFETCH(bool, pausedFirst);
        Fixture f;
        if (pausedFirst) {
            f.typeMonthly(QStringLiteral("3000"));
            f.play();
            f.click("Image3");
            QCOMPARE(f.window.runState(), DeadZone::RunState::Waiting);
        }
        f.typeMonthly(QStringLiteral("a")); // refused key: the letter stays alone in the field
        QCOMPARE(f.text("ParametroMes"), QStringLiteral("a"));
        const DeadZone::RunState before = f.window.runState();
        f.recorder.clear();

        f.click(pausedFirst ? "Image3" : "Image2");

        QCOMPARE(f.window.runState(), before);
        QVERIFY(!f.timer("Timer3")->isActive());
        QVERIFY(!f.timer("Timer1")->isActive());
        QCOMPARE(f.recorder.played, QStringList{SoundCues::fileName(Cue::Abaixo)});
        QCOMPARE(f.text("st1Panel(1)"),
                 QStringLiteral("Erro: Não há quantidade numérica no mês para contar"));
        QVERIFY(f.timer("RelogMensagem")->isActive());
        QCOMPARE(!f.control<QWidget>("Picture22")->isHidden(), !pausedFirst);
    }

    // A count tick that finds no number in the daily field neither recounts nor starts an
    // odometer pass, which would take the empty count for a new victim.
    void tickWithoutRateRunsNoOdometerPass()
    {
        Fixture f;
        f.recount();
        QVERIFY(!f.timer("Timer1")->isActive());
        QVERIFY(f.text("ParametroHoje").isEmpty());
    }

    // Reopening the lists empties them; a change of mode still finds the pattern of the entry
    // the figure was chosen from.
    void modeChangeAfterReopeningTheListsKeepsThePattern_data()
    {
        QTest::addColumn<Source>("source");
        QTest::addColumn<int>("row");
        QTest::addColumn<QString>("pattern");
        QTest::newRow("crime") << Source::Crime << 1 << QStringLiteral("Furtos");
        QTest::newRow("state") << Source::State << 1 << QStringLiteral("São Paulo");
    }
    void modeChangeAfterReopeningTheListsKeepsThePattern()
    {
        QFETCH(Source, source);
        QFETCH(int, row);
        QFETCH(QString, pattern);
        Fixture f;
        f.folder();
        f.choose(source, row);
        QVERIFY(f.usingPattern());
        const QString figure = f.text("ParametroMes");
        const QString header = f.text("Label9");

        f.folder(); // shows the lists, read afresh
        f.folder(); // hides them, nothing chosen
        f.option("Option1(1)")->setChecked(true);

        QVERIFY(f.usingPattern());
        QVERIFY(f.option("opcaoDistribuicao(0)")->isEnabled());
        QCOMPARE(f.window.ledColor(), QColor(255, 0, 0));
        QCOMPARE(f.window.distributionModel().Tipo(), pattern);
        QCOMPARE(f.text("ParametroMes"), figure);
        QCOMPARE(f.text("Label9"), header);
    }

    // After a new choice nothing of the previous count stays on screen: the count fields,
    // the status bar's count and the odometer show the reset look, and the header names the
    // entry now counted, or nothing for a typed figure.
    void newChoiceShowsTheResetLook_data()
    {
        QTest::addColumn<QString>("change");
        QTest::addColumn<QString>("header");
        QTest::addColumn<bool>("figureKept");
        const QString first = QStringLiteral("Homicidios em São Paulo   937");
        QTest::newRow("another crime") << "crime"
                                       << "Estupros   90" << false;
        QTest::newRow("a state") << "state"
                                 << "Bahia   555" << false;
        QTest::newRow("typed figure") << "typed"
                                      << "" << false;
        QTest::newRow("mode") << "mode" << first << true;
        QTest::newRow("Limpar") << "clear"
                                << "" << false;
    }
    void newChoiceShowsTheResetLook()
    {
        QFETCH(QString, change);
        QFETCH(QString, header);
        QFETCH(bool, figureKept);
        Fixture f;
        f.folder();
        f.choose(Source::Crime, 0);
        f.play();
        f.recount();
        for (int i = 0; i < 11; ++i) // one odometer pass through its roll frames
            Fixture::fire(f.timer("Timer1"));
        for (const char *name : {"ParametroHoje", "Label6", "st1Panel(2)"})
            QVERIFY2(!f.text(name).isEmpty(), name);
        QVERIFY(!f.window.odometerText().isEmpty());
        const QString daily = f.text("ParametroDia");

        if (change == QLatin1String("crime")) {
            f.folder();
            f.choose(Source::Crime, 2);
        } else if (change == QLatin1String("state")) {
            f.folder();
            f.choose(Source::State, 0);
        } else if (change == QLatin1String("typed")) {
            f.typeOver(QStringLiteral("60"));
        } else if (change == QLatin1String("mode")) {
            f.option("Option1(2)")->setChecked(true);
        } else {
            f.click("botao(3)");
        }

        QCOMPARE(f.window.runState(), DeadZone::RunState::Off);
        for (const char *name : {"ParametroHoje", "Label6", "st1Panel(2)"})
            QVERIFY2(f.text(name).isEmpty(), name);
        QCOMPARE(f.window.odometerText(), QString());
        QCOMPARE(f.control<QProgressBar>("Pg1")->value(), 0);
        QCOMPARE(f.text("Label9"), header);
        QCOMPARE(f.text("ParametroDia") == daily, figureKept);
        if (change == QLatin1String("clear")) {
            for (const char *name : {"ParametroMes", "ParametroDia", "Label4", "Label8"})
                QVERIFY2(f.text(name).isEmpty(), name);
        }
    }
};

QTEST_MAIN(TestStateFaults)
#include "tst_statefaults.moc"
