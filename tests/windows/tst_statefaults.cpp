// Every figure on the main window belongs to the choice on screen now: nothing of an earlier
// entry, figure or mode is counted with or shown beside the present one. Controls are found
// by their names, as the user sees them.
#include "core/soundcues.h"
#include "deadzonefixture.h"
#include "display/picturebutton.h"
#include "display/victimscene.h"
#include "distribution/distributionmodel.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QProgressBar>
#include <QRadioButton>
#include <QScreen>
#include <QStyle>
#include <QStyleOptionProgressBar>
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
        QVERIFY(!f.tickTimer()->isActive());
        QVERIFY(!f.frameTimer()->isActive());
        QCOMPARE(f.recorder.played, QStringList{SoundCues::fileName(Cue::Abaixo)});
        // The letter emptied the figure: a paused count was reset, and the wait button has
        // nothing to resume (refused as when nothing was counted).
        QCOMPARE(before, DeadZone::RunState::Off);
        if (!pausedFirst) {
            QCOMPARE(f.text("st1Panel(1)"),
                     QStringLiteral("Erro: Não há quantidade numérica no mês para contar"));
            QVERIFY(f.timer("RelogMensagem")->isActive());
        }
        QCOMPARE(!f.control<QWidget>("Picture22")->isHidden(), !pausedFirst);
    }

    // A count tick that finds no number in the daily field neither recounts nor starts an
    // odometer pass, which would take the empty count for a new victim.
    void tickWithoutRateRunsNoOdometerPass()
    {
        Fixture f;
        f.recount();
        QVERIFY(!f.frameTimer()->isActive());
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
        QCOMPARE(f.window.counter().pattern()->name, pattern);
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
            Fixture::fire(f.frameTimer());
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

    // Over capacity the count cannot be shown: after the message the count fields, the
    // status bar's count and the odometer agree on the reset look, and the odometer reads to
    // assistive technology as it looks.
    void overCapacityShowsOneLook_data()
    {
        QTest::addColumn<QString>("monthly");
        QTest::addColumn<bool>("countedInYearFirst");
        // 1500 a day: the 68 past days of the year and today are over 99999 at once.
        QTest::newRow("first count of the year mode") << "45000" << false;
        // 1452 a day: 99643.5 at 15:00, over at 23:00.
        QTest::newRow("a shown count grows over") << "43560" << true;
    }
    void overCapacityShowsOneLook()
    {
        QFETCH(QString, monthly);
        QFETCH(bool, countedInYearFirst);
        Fixture f;
        f.typeMonthly(monthly);
        if (!countedInYearFirst) {
            // A day's count shown first leaves its digits behind.
            f.play();
            f.recount();
            for (int i = 0; i < 11; ++i)
                Fixture::fire(f.frameTimer());
            QVERIFY(!f.window.odometerText().isEmpty());
        }
        f.option("Option1(2)")->setChecked(true);
        f.play();
        f.recount();
        if (countedInYearFirst) {
            for (int i = 0; i < 11; ++i)
                Fixture::fire(f.frameTimer());
            QCOMPARE(f.text("ParametroHoje"), QStringLiteral("99643.5000"));
            f.clock.set(QDate(2026, 3, 10), QTime(23, 0));
            f.recount();
        }

        QCOMPARE(f.messages.size(), 1);
        QCOMPARE(f.window.runState(), DeadZone::RunState::Waiting);
        for (const char *name : {"ParametroHoje", "Label6", "st1Panel(2)"})
            QVERIFY2(f.text(name).isEmpty(), name);
        QCOMPARE(f.window.odometerText(), QString());
        QCOMPARE(f.control<QWidget>("Picture11")->accessibleName(),
                 QStringLiteral("Contagem: em branco"));
        QCOMPARE(f.control<QProgressBar>("Pg1")->value(), 0);
    }

    // A pause before the first odometer pass of a count finds nothing counted yet: the fast
    // wheels stay blank with the rest, and the odometer still reads as blank.
    void pauseBeforeTheFirstPassKeepsTheBlankLook()
    {
        Fixture f;
        f.typeMonthly(QStringLiteral("937"));
        f.play();
        f.recount();
        for (int i = 0; i < 11; ++i)
            Fixture::fire(f.frameTimer());
        f.typeOver(QStringLiteral("60")); // reset look, digits of 937 kept in the state
        f.play();
        f.click("Image3");
        QCOMPARE(f.window.odometerText(), QString());
        QCOMPARE(f.control<QWidget>("Picture11")->accessibleName(),
                 QStringLiteral("Contagem: em branco"));
    }

    // The next-victim bar's fill, as it stands on the screen, matches the percentage beside
    // it after every recount, also when the count moves by less than a chunk of the bar.
    void barFillFollowsThePercentage()
    {
        Fixture f;
        f.window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&f.window));
        auto *bar = f.control<QProgressBar>("Pg1");
        f.typeMonthly(QStringLiteral("2592")); // 86.40 a day: a thousandth a second
        f.play();
        for (int seconds = 20; seconds <= 200; seconds += 30) {
            f.clock.set(QDate(2026, 3, 10), QTime(15, 0).addSecs(seconds));
            f.recount();
            for (int i = 0; i < 11; ++i)
                Fixture::fire(f.frameTimer());
            f.scene().pause(); // no car crosses the bar while it is read
            QCoreApplication::processEvents();
            const double percent = QLocale().toDouble(f.text("Percent"));
            QCOMPARE(qRound(percent * 10), bar->value());
            const QImage screen = f.window.screen()->grabWindow(f.window.winId()).toImage();
            QVERIFY(!screen.isNull());
            QStyleOptionProgressBar option;
            option.initFrom(bar);
            option.minimum = 0;
            option.maximum = 1000;
            const QRect contents =
                bar->style()->subElementRect(QStyle::SE_ProgressBarContents, &option, bar);
            const qreal dpr = screen.devicePixelRatio();
            const int y = qRound((bar->y() + contents.center().y()) * dpr);
            const int left = qRound((bar->x() + contents.left()) * dpr);
            const int width = qRound(contents.width() * dpr);
            // The empty part of the groove has the colour of its right end.
            const QColor empty = screen.pixelColor(left + width - 2, y);
            int filled = 0;
            for (int x = left + 1; x < left + width - 2; ++x) {
                const QColor c = screen.pixelColor(x, y);
                if (qAbs(c.red() - empty.red()) + qAbs(c.green() - empty.green()) +
                        qAbs(c.blue() - empty.blue()) >
                    60)
                    ++filled;
            }
            const double expected = width * percent / 100.0;
            QVERIFY2(qAbs(filled - expected) <= 3 * dpr,
                     qPrintable(QStringLiteral("%1 %: %2 of %3 pixels filled, %4 expected")
                                    .arg(percent)
                                    .arg(filled)
                                    .arg(width)
                                    .arg(expected)));
        }
    }
};

QTEST_MAIN(TestStateFaults)
#include "tst_statefaults.moc"
