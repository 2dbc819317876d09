// The main window's rates, key filter, accumulation modes and count tick, driven through
// its named controls with a settable clock.
#include "core/soundcues.h"
#include "countdigits.h"
#include "deadzonefixture.h"
#include "display/picturebox.h"
#include "display/picturebutton.h"

#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QSignalSpy>
#include <QSlider>
#include <QStatusBar>
#include <QTest>
#include <QTimer>

namespace {

struct Fixture : DeadZoneFixture
{
    using DeadZoneFixture::DeadZoneFixture;

    QString panel2() const { return child<QLabel>("st1Panel(2)")->text(); }
    std::array<float, 9> digits() const { return countDigits(window.state()); }
};

} // namespace

class TestDeadZoneCount : public QObject
{
    Q_OBJECT

private slots:
    void init() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }

    void startsOff()
    {
        Fixture f;
        QVERIFY(!f.tickTimer()->isActive());
        QCOMPARE(f.frameTimer()->interval(), 25);
        QCOMPARE(f.cues.SomDesligado, qint16(1));
        QCOMPARE(f.window.windowTitle(), QStringLiteral("Quorvel Counter"));
        QVERIFY(f.child<QLineEdit>("ParametroMes")->text().isEmpty());
        QVERIFY(f.child<QRadioButton>("Option1", 0)->isChecked());
        QVERIFY(f.child<QRadioButton>("opcaoDistribuicao", 1)->isChecked());
        QVERIFY(!f.child<QRadioButton>("opcaoDistribuicao", 0)->isEnabled());
        QCOMPARE(f.window.runState(), DeadZone::RunState::Off);
        const QStringList captions = {"Label1", "/ mês", "Label2", "/ dia",
                                      "Label7", "/ ano", "Label3", "hoje"};
        for (int i = 0; i < captions.size(); i += 2)
            QCOMPARE(f.window.findChild<QLabel *>(captions[i])->text(), captions[i + 1]);
    }

    void typedDigitsDeriveRates_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QString>("daily");
        QTest::addColumn<QString>("hourly");
        QTest::addColumn<QString>("yearly");
        QTest::newRow("9 point") << "en_US"
                                 << "9"
                                 << "0.30"
                                 << "0.013"
                                 << "109.5";
        QTest::newRow("93 point") << "en_US"
                                  << "93"
                                  << "3.10"
                                  << "0.129"
                                  << "1131.5";
        QTest::newRow("937 point") << "en_US"
                                   << "937"
                                   << "31.23"
                                   << "1.301"
                                   << "11400.2";
        QTest::newRow("937 comma") << "pt_BR"
                                   << "937"
                                   << "31,23"
                                   << "1,301"
                                   << "11400,2";
        QTest::newRow("60 comma") << "pt_BR"
                                  << "60"
                                  << "2,00"
                                  << "0,083"
                                  << "730,0";
        QTest::newRow("29 truncates") << "en_US"
                                      << "29"
                                      << "0.96"
                                      << "0.04"
                                      << "352.8";
    }
    void typedDigitsDeriveRates()
    {
        QFETCH(QString, locale);
        QFETCH(QString, keys);
        QLocale::setDefault(QLocale(locale));
        Fixture f;
        f.typeMonthly(keys);
        QCOMPARE(f.child<QLineEdit>("ParametroMes")->text(), keys);
        QTEST(f.child<QLineEdit>("ParametroDia")->text(), "daily");
        QTEST(f.child<QLabel>("Label4")->text(), "daily");
        QTEST(f.child<QLabel>("Parametrohora")->text(), "hourly");
        QTEST(f.child<QLabel>("Label8")->text(), "yearly");
    }

    void everyKeystrokePausesAndResets()
    {
        Fixture f;
        f.typeMonthly("5");
        f.play();
        QCOMPARE(f.window.runState(), DeadZone::RunState::Running);
        f.recorder.clear();
        f.typeMonthly("0");
        QVERIFY(!f.tickTimer()->isActive());
        QCOMPARE(f.window.runState(), DeadZone::RunState::Off);
        QVERIFY(f.recorder.contains(Cue::Clicar)); // the pause lights the wait face first
        QCOMPARE(f.child<QLabel>("Percent")->text(), QStringLiteral("0"));
    }

    void keyFilter_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("fieldAfter");
        QTest::addColumn<bool>("rejected");
        QTest::newRow("main digit") << int(Qt::Key_4) << Qt::KeyboardModifiers() << "4"
                                    << "934" << false;
        QTest::newRow("letter") << int(Qt::Key_A) << Qt::KeyboardModifiers() << "a"
                                << "a" << true;
        QTest::newRow("keypad digit")
            << int(Qt::Key_5) << Qt::KeyboardModifiers(Qt::KeypadModifier) << "5"
            << "5" << true;
        QTest::newRow("backspace") << int(Qt::Key_Backspace) << Qt::KeyboardModifiers() << ""
                                   << "" << true;
        QTest::newRow("decimal point") << int(Qt::Key_Period) << Qt::KeyboardModifiers() << "."
                                       << "." << true;
    }
    void keyFilter()
    {
        QFETCH(int, key);
        QFETCH(Qt::KeyboardModifiers, modifiers);
        QFETCH(QString, text);
        QFETCH(bool, rejected);
        Fixture f;
        f.typeMonthly("93");
        f.recorder.clear();
        QTest::sendKeyEvent(QTest::Press, f.child<QLineEdit>("ParametroMes"), Qt::Key(key), text,
                            modifiers);
        QTEST(f.child<QLineEdit>("ParametroMes")->text(), "fieldAfter");
        QCOMPARE(f.recorder.contains(Cue::Abaixo), rejected);
        if (rejected) {
            QCOMPARE(f.child<QLabel>("StatusBar1Panel(1)")->text(),
                     QStringLiteral("Erro: Apenas dados numéricos neste campo"));
            QVERIFY(f.child<QLabel>("Label8")->text().isEmpty() || text == "5");
        }
    }

    void keypadDigitBecomesTheNewFigure()
    {
        Fixture f;
        f.typeMonthly("93");
        QTest::sendKeyEvent(QTest::Press, f.child<QLineEdit>("ParametroMes"), Qt::Key_5, "5",
                            Qt::KeypadModifier);
        QCOMPARE(f.child<QLineEdit>("ParametroMes")->text(), QStringLiteral("5"));
        QCOMPARE(f.child<QLineEdit>("ParametroDia")->text(), QStringLiteral("0.16"));
    }

    // The count at each instant, by mode and locale, is the counter's (tests/core/tst_counter);
    // the window shows the last recount in its fields, the status bar and the wheels.
    void fieldsShowTheRecount()
    {
        QLocale::setDefault(QLocale(QStringLiteral("pt_BR")));
        Fixture f(QDateTime(QDate(2026, 3, 10), QTime(12, 0)));
        f.typeMonthly("937");
        f.child<QRadioButton>("Option1", 1)->setChecked(true);
        f.play();
        f.recount();
        QCOMPARE(f.child<QLineEdit>("ParametroHoje")->text(), QStringLiteral("296,6850"));
        QCOMPARE(f.child<QLabel>("Label6")->text(), QStringLiteral("296,6850"));
        QCOMPARE(f.panel2(), QStringLiteral("  Ocorrências até o momento :  15.615"));
        QString digits;
        for (float d : f.digits())
            digits += QString::number(int(d));
        QCOMPARE(digits, QStringLiteral("002966850"));
        QCOMPARE(f.child<QLabel>("PercentualDinamico")->text(), QStringLiteral("Indef"));
        QVERIFY(f.frameTimer()->isActive());
    }

    void recountOnlyOnTheTenthTick()
    {
        Fixture f;
        f.typeMonthly("937");
        f.play();
        for (int i = 0; i < 9; ++i)
            QMetaObject::invokeMethod(f.tickTimer(), "timeout");
        QVERIFY(f.child<QLineEdit>("ParametroHoje")->text().isEmpty());
        QMetaObject::invokeMethod(f.tickTimer(), "timeout");
        QCOMPARE(f.child<QLineEdit>("ParametroHoje")->text(), QStringLiteral("15.6150"));
        // A resumed count shows the count for the new present time, never a carried one.
        f.child<PictureButton>("Image3")->click(); // pause
        f.clock.set(QDate(2026, 3, 10), QTime(18, 0));
        f.child<PictureButton>("Image3")->click(); // resume
        f.recount();
        QCOMPARE(f.child<QLineEdit>("ParametroHoje")->text(), QStringLiteral("23.4225"));
    }

    void overCapacityGivesOneMessageAndPauses()
    {
        Fixture f(QDateTime(QDate(2026, 12, 20), QTime(12, 0)));
        f.typeMonthly("30000"); // 1000 a day: 353 days in December
        f.child<QRadioButton>("Option1", 2)->setChecked(true);
        f.play();
        f.recount();
        QCOMPARE(f.messages.size(), 1);
        QVERIFY(f.messages.first().startsWith("Capacidade acumulada excede"));
        QVERIFY(!f.tickTimer()->isActive());
        QCOMPARE(f.window.runState(), DeadZone::RunState::Waiting);
        QVERIFY(f.child<QLineEdit>("ParametroHoje")->text().isEmpty());
    }

    void recountWithoutANumberIsSkipped()
    {
        Fixture f;
        f.typeMonthly("937");
        f.play();
        f.recount();
        const QString before = f.child<QLineEdit>("ParametroHoje")->text();
        f.child<QLineEdit>("ParametroDia")->setText(QStringLiteral("x"));
        f.recount();
        QCOMPARE(f.child<QLineEdit>("ParametroHoje")->text(), before);
        QVERIFY(f.messages.isEmpty());
    }

    void modeChoicePausesAndResets()
    {
        Fixture f;
        f.typeMonthly("937");
        f.play();
        f.recount();
        f.child<QRadioButton>("Option1", 2)->setChecked(true);
        QVERIFY(!f.tickTimer()->isActive());
        QCOMPARE(f.window.runState(), DeadZone::RunState::Off);
        QCOMPARE(f.child<QSlider>("sl2")->value(), 12);
        f.play();
        f.recount();
        QCOMPARE(f.child<QLineEdit>("ParametroHoje")->text(), QStringLiteral("2139.2550"));
    }

    void enlargedWindowRendersPicturesAgain()
    {
        Fixture f;
        f.typeMonthly("937");
        f.play();
        f.window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&f.window));
        const int before = f.child<PictureButton>("Image2")->picture().width();
        f.window.resize(f.window.width() * 2, f.window.height() * 2);
        QCoreApplication::sendPostedEvents();
        QVERIFY(f.child<PictureButton>("Image2")->picture().width() >= 2 * before - 2);
        QCOMPARE(f.window.runState(), DeadZone::RunState::Running); // still the lit face
        QCOMPARE(f.child<PictureButton>("Image2")->accessibleDescription(),
                 QStringLiteral("ligado"));
    }

    void spinsBetweenRecounts()
    {
        Fixture f;
        f.typeMonthly("937");
        f.play();
        QSet<qint64> faces;
        for (int i = 0; i < 9; ++i) {
            QMetaObject::invokeMethod(f.tickTimer(), "timeout");
            faces.insert(f.child<PictureBox>("Picture0")->picture().cacheKey());
        }
        QCOMPARE(faces.size(), 9);
    }
};

QTEST_MAIN(TestDeadZoneCount)
#include "tst_deadzone_count.moc"
