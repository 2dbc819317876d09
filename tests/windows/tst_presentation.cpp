// The presentation view as a view of one counter: what it says, how it lays the count out on a
// projector's screen, its keys, the capacity message, reduced motion and the announcement of
// a new victim. Timers are fired by hand, the clock is set by the test.
#include "core/counter.h"
#include "display/odometerview.h"
#include "display/victimannouncer.h"
#include "display/victimscene.h"
#include "fakeclock.h"
#include "windows/Apresentacao/apresentacao.h"

#include <QFontMetrics>
#include <QLabel>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

Q_DECLARE_METATYPE(CountDescription)

namespace {

const QDateTime kNoon(QDate(2026, 3, 10), QTime(12, 0));

struct ViewFixture
{
    explicit ViewFixture(const QDateTime &at = kNoon) : clock(at), counter(clock)
    {
        view.resize(1280, 720);
    }

    void fire(QTimer *timer) { QVERIFY(QMetaObject::invokeMethod(timer, "timeout")); }
    void frames(int count = 11)
    {
        for (int i = 0; i < count; ++i)
            fire(counter.frameTimer());
    }
    // A figure typed, counted and shown.
    void countTyped(double monthly)
    {
        counter.setTypedFigure(monthly);
        CountDescription what;
        what.typedMonthly = monthly;
        view.setDescription(what);
        QVERIFY(counter.start());
        counter.recount();
        frames();
    }
    template <typename T> T *part(const char *name) const
    {
        auto *found = view.findChild<T *>(QString::fromLatin1(name));
        if (!found)
            qFatal("no %s", name);
        return found;
    }

    FakeClock clock;
    Counter counter;
    Apresentacao view{counter, clock};
};

bool sceneRuns(const VictimScene &scene)
{
    for (const char *name : {"relogAnjo", "RelogAuto", "RelogPolcar"}) {
        if (scene.findChild<QTimer *>(QString::fromLatin1(name))->isActive())
            return true;
    }
    return false;
}

CountDescription entry(const QString &name, const QString &indicator, const QString &year)
{
    CountDescription what;
    what.entryName = name;
    what.indicator = indicator;
    what.dataYear = year;
    return what;
}

} // namespace

class TestPresentation : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void saysWhatIsCounted_data();
    void saysWhatIsCounted();
    void showsOnlyTheWheelsTheCountNeeds_data();
    void showsOnlyTheWheelsTheCountNeeds();
    void layoutFitsTheScreen_data();
    void layoutFitsTheScreen();
    void tallyInMinutesAndTenths();
    void keysAskWhoOpenedIt();
    void pauseIsUnmistakable();
    void saysCapacityInLargeText();
    void reducedMotion();
    void newVictimAnnouncedOnce();
};

void TestPresentation::initTestCase()
{
    QLocale::setDefault(QLocale(QLocale::Portuguese, QLocale::Brazil));
}

void TestPresentation::saysWhatIsCounted_data()
{
    QTest::addColumn<CountDescription>("what");
    QTest::addColumn<int>("mode");
    QTest::addColumn<QString>("sentence");

    const CountDescription bahia =
        entry(QStringLiteral("Bahia"), QStringLiteral("mortes violentas intencionais"),
              QStringLiteral("2024"));
    const CountDescription alagoas = entry(QStringLiteral("Alagoas"), {}, QStringLiteral("2022"));
    CountDescription typed;
    typed.typedMonthly = 937;
    CountDescription titled = bahia;
    titled.title = QStringLiteral("Salvador e região");
    CountDescription titledTyped = typed;
    titledTyped.title = QStringLiteral("Nossa cidade");

    QTest::newRow("entry with indicator, day")
        << bahia << 0
        << "Bahia: estimativa de mortes violentas intencionais hoje, 10/03/2026, no ritmo de "
           "2024";
    QTest::newRow("entry with indicator, month")
        << bahia << 1
        << "Bahia: estimativa de mortes violentas intencionais neste mês, março de 2026, no "
           "ritmo de 2024";
    QTest::newRow("entry with indicator, year")
        << bahia << 2
        << "Bahia: estimativa de mortes violentas intencionais em 2026, no ritmo de 2024";
    QTest::newRow("entry without indicator, day")
        << alagoas << 0 << "Alagoas: estimativa hoje, 10/03/2026, no ritmo de 2022";
    QTest::newRow("entry without indicator, month")
        << alagoas << 1 << "Alagoas: estimativa neste mês, março de 2026, no ritmo de 2022";
    QTest::newRow("entry without indicator, year")
        << alagoas << 2 << "Alagoas: estimativa em 2026, no ritmo de 2022";
    QTest::newRow("typed, day") << typed << 0
                                << "Estimativa a partir de 937 ocorrências por mês, hoje, "
                                   "10/03/2026";
    QTest::newRow("typed, month")
        << typed << 1 << "Estimativa a partir de 937 ocorrências por mês, neste mês, março de 2026";
    QTest::newRow("typed, year") << typed << 2
                                 << "Estimativa a partir de 937 ocorrências por mês, em 2026";
    QTest::newRow("title over an entry, day")
        << titled << 0 << "Salvador e região: estimativa hoje, 10/03/2026, no ritmo de 2024";
    QTest::newRow("title over an entry, month")
        << titled << 1
        << "Salvador e região: estimativa neste mês, março de 2026, no ritmo de 2024";
    QTest::newRow("title over an entry, year")
        << titled << 2 << "Salvador e região: estimativa em 2026, no ritmo de 2024";
    QTest::newRow("title over a typed figure")
        << titledTyped << 2 << "Nossa cidade: estimativa em 2026";
}

void TestPresentation::saysWhatIsCounted()
{
    QFETCH(CountDescription, what);
    QFETCH(int, mode);
    QFETCH(QString, sentence);
    ViewFixture f;
    f.counter.setMode(AccumulationMode(mode));
    if (what.typedMonthly) {
        f.counter.setTypedFigure(what.typedMonthly);
    } else {
        CurrentChoice choice;
        choice.chooseEntry(CurrentChoice::List::States, what.entryName, what.entryName);
        f.counter.chooseEntry(choice, 555);
    }
    f.view.setDescription(what);
    f.view.setSource(QStringLiteral("Fonte: Anuário, dados de 2024"),
                     QStringLiteral("taxa de 40,6 por 100 mil habitantes em 2024"));
    f.view.open();
    QCOMPARE(f.view.sentence(), sentence);
    QCOMPARE(f.view.sourceText(), QStringLiteral("Fonte: Anuário, dados de 2024 · taxa de 40,6 "
                                                 "por 100 mil habitantes em 2024"));

    // An emptied figure: nothing named, nothing cited.
    f.counter.setTypedFigure(std::nullopt);
    QCOMPARE(f.view.sentence(), QStringLiteral("Nenhum número escolhido"));
    QVERIFY(f.view.sourceText().isEmpty());
    QVERIFY(f.view.intervalText().isEmpty());
}

// At noon in the day mode, half the daily rate (monthly / 30) is counted: monthly / 60.
void TestPresentation::showsOnlyTheWheelsTheCountNeeds_data()
{
    QTest::addColumn<double>("monthly");
    QTest::addColumn<int>("wheels");
    QTest::addColumn<QString>("reads");
    QTest::newRow("below one: 0,5") << 30.0 << 1 << "0,5000";
    QTest::newRow("one digit: 5") << 300.0 << 1 << "5,0000";
    QTest::newRow("two digits: 50") << 3000.0 << 2 << "50,0000";
    QTest::newRow("three digits: 500") << 30000.0 << 3 << "500,0000";
    QTest::newRow("four digits: 5000") << 300000.0 << 4 << "5000,0000";
    QTest::newRow("five digits: 50000") << 3000000.0 << 5 << "50000,0000";
}

void TestPresentation::showsOnlyTheWheelsTheCountNeeds()
{
    QFETCH(double, monthly);
    QFETCH(int, wheels);
    QFETCH(QString, reads);
    ViewFixture f;
    f.view.open();
    f.view.resize(1920, 1080);
    f.view.arrange();
    const int before = f.view.wheelBox()->width();
    f.countTyped(monthly);
    QCOMPARE(f.view.shownIntegerWheels(), wheels);
    QCOMPARE(f.view.odometer()->text(), reads);

    // Centred, inside the view, and no wider than the room: fewer wheels, larger wheels.
    const QRect box = f.view.wheelBox()->geometry();
    QVERIFY(qAbs(box.center().x() - f.view.width() / 2) <= 1);
    QVERIFY(f.view.rect().contains(box));
    const double wheelHeight = f.view.odometer()->scale() * OdometerView::WheelTwips.height() / 15;
    QVERIFY2(wheelHeight >= 0.15 * f.view.height(), qPrintable(QString::number(wheelHeight)));
    if (wheels > 1)
        QVERIFY(box.width() > before);
    // The box holds the wheels shown and no more: the first one shown starts at its left.
    const auto *first = f.view.odometer()->findChild<QWidget *>(
        QStringList{"Picture29", "Picture17", "Picture18", "Picture19", "Picture20"}[5 - wheels]);
    const int firstLeft = first->mapTo(f.view.wheelBox(), QPoint(0, 0)).x();
    QVERIFY2(firstLeft >= 0 && firstLeft < box.height() / 4,
             qPrintable(QString::number(firstLeft)));
}

void TestPresentation::layoutFitsTheScreen_data()
{
    QTest::addColumn<QSize>("screen");
    QTest::addColumn<double>("monthly");
    QTest::newRow("1280 x 720, five digits") << QSize(1280, 720) << 3000000.0;
    QTest::newRow("1920 x 1080, one digit") << QSize(1920, 1080) << 300.0;
    QTest::newRow("1024 x 768, three digits") << QSize(1024, 768) << 30000.0;
}

void TestPresentation::layoutFitsTheScreen()
{
    QFETCH(QSize, screen);
    QFETCH(double, monthly);
    ViewFixture f;
    CurrentChoice choice;
    const QString name = QStringLiteral("Roubos de veículos na cidade de São Paulo");
    choice.chooseEntry(CurrentChoice::List::Crimes, name, name);
    f.counter.chooseEntry(choice, monthly);
    f.view.setDescription(entry(name, QStringLiteral("roubos de veículos"), "2024"));
    f.view.setSource(QStringLiteral("Fonte: Anuário Brasileiro de Segurança Pública 2025 (FBSP), "
                                    "dados de 2024"),
                     QStringLiteral("taxa de 40,6 por 100 mil habitantes em 2024"));
    QVERIFY(f.counter.start());
    f.counter.recount();
    f.view.open();
    f.frames();
    f.view.resize(screen);
    f.view.arrange();
    QCOMPARE(f.view.size(), screen);

    const QRect whole(QPoint(0, 0), screen);
    const QList<QWidget *> parts = f.view.shownParts();
    QCOMPARE(parts.size(), 9);
    for (QWidget *part : parts) {
        QVERIFY2(whole.contains(part->geometry()), qPrintable(part->objectName()));
        if (auto *label = qobject_cast<QLabel *>(part)) {
            const QRect needed =
                QFontMetrics(label->font())
                    .boundingRect(QRect(QPoint(0, 0), label->size()),
                                  label->alignment() | Qt::TextWordWrap, label->text());
            QVERIFY2(needed.height() <= label->height() && needed.width() <= label->width(),
                     qPrintable(label->objectName() + QStringLiteral(": ") + label->text()));
        }
        for (QWidget *other : parts) {
            if (other != part)
                QVERIFY2(
                    !part->geometry().intersects(other->geometry()),
                    qPrintable(part->objectName() + QStringLiteral(" / ") + other->objectName()));
        }
    }
    // The source, the one thing to cite: white and at least 4 % of the screen's height.
    auto *source = f.part<QLabel>("Fonte");
    QVERIFY(source->font().pixelSize() * 100 >= 4 * screen.height());
    QCOMPARE(source->palette().color(QPalette::WindowText), QColor(240, 240, 240));
    // The time of day, small, in a corner.
    QCOMPARE(f.part<QLabel>("Hora")->text(), QStringLiteral("12:00"));
    QVERIFY(f.part<QLabel>("Hora")->font().pixelSize() < source->font().pixelSize());
    // The comma in the gap between the housings, as large as the gap holds.
    auto *comma = f.part<QLabel>("Virgula");
    QVERIFY(comma->font().pixelSize() >= f.view.wheelBox()->height() / 4);
    QVERIFY(f.view.wheelBox()->rect().contains(comma->geometry()));
}

// 3000 a day: 12 minutes count 25 occurrences.
void TestPresentation::tallyInMinutesAndTenths()
{
    ViewFixture f;
    f.countTyped(90000);
    f.view.open();
    QCOMPARE(f.view.tallyText(), QStringLiteral("desde que esta tela abriu (há 0 min): 0,0"));
    f.clock.advanceMs(12 * 60'000);
    f.counter.recount();
    QCOMPARE(f.view.tallyText(), QStringLiteral("desde que esta tela abriu (há 12 min): 25,0"));
    f.clock.advanceMs(53 * 60'000);
    f.counter.recount();
    QCOMPARE(f.view.tallyText(), QStringLiteral("desde que esta tela abriu (há 1 h 5 min): 135,4"));
}

void TestPresentation::keysAskWhoOpenedIt()
{
    ViewFixture f;
    f.view.open();
    QSignalSpy startOrPause(&f.view, &Apresentacao::startOrPauseRequested);
    QSignalSpy leave(&f.view, &Apresentacao::leaveRequested);
    QTest::keyClick(&f.view, Qt::Key_Space);
    QCOMPARE(startOrPause.count(), 1);
    QTest::keyClick(&f.view, Qt::Key_Escape);
    QTest::keyClick(&f.view, Qt::Key_F11);
    QCOMPARE(leave.count(), 2);
    // The view itself neither counts nor closes: whoever opened it decides.
    QVERIFY(f.view.isOpen());
    QCOMPARE(f.counter.runState(), Counter::RunState::Stopped);
}

void TestPresentation::pauseIsUnmistakable()
{
    ViewFixture f;
    f.countTyped(90000);
    f.view.open();
    auto *paused = f.part<QLabel>("Pausado");
    QVERIFY(paused->isHidden());
    f.counter.pause();
    QVERIFY(!paused->isHidden());
    QCOMPARE(paused->text(), QStringLiteral("PAUSADO"));
    QVERIFY(!paused->geometry().intersects(f.view.wheelBox()->geometry()));
    QVERIFY(f.view.stateText().startsWith(QStringLiteral("Pausado")));
    QVERIFY(f.counter.start());
    QVERIFY(paused->isHidden());
}

// 12 000 a month is 400 a day: on 1 October, 273 days make 109 200, over the capacity of the
// year mode; the month and the day fit.
void TestPresentation::saysCapacityInLargeText()
{
    ViewFixture f(QDateTime(QDate(2026, 10, 1), QTime(12, 0)));
    f.counter.setMode(AccumulationMode::Ano);
    f.view.open();
    f.countTyped(12000);
    QCOMPARE(f.counter.runState(), Counter::RunState::OverCapacity);
    QCOMPARE(f.view.capacityText(),
             QStringLiteral("No modo ano a contagem passa de 99.999,9999, o máximo do odômetro. "
                            "Cabem: dia e mês."));
    auto *message = f.part<QLabel>("Capacidade");
    QVERIFY(message->font().pixelSize() >= f.view.height() / 25);
    QVERIFY(f.view.shownParts().contains(message));
    QVERIFY(f.view.wheelBox()->isHidden());
    QVERIFY(f.view.stateText().startsWith(QStringLiteral("Capacidade excedida")));

    // Its keys still work.
    QSignalSpy leave(&f.view, &Apresentacao::leaveRequested);
    QTest::keyClick(&f.view, Qt::Key_Escape);
    QCOMPARE(leave.count(), 1);

    // Another mode: the wheels come back.
    f.counter.setMode(AccumulationMode::Mes);
    QVERIFY(f.view.capacityText().isEmpty());
    QVERIFY(!f.view.wheelBox()->isHidden());
}

void TestPresentation::reducedMotion()
{
    ViewFixture f;
    f.view.setVictimKind(0);
    f.view.setReducedMotion(true);
    f.countTyped(90000);
    f.view.open();
    auto *sentence = f.part<QLabel>("Frase");
    const QColor calm = sentence->palette().color(QPalette::WindowText);
    f.clock.advanceMs(3'600'000); // an hour: many victims
    f.counter.recount();
    f.frames(1);
    QVERIFY(sentence->palette().color(QPalette::WindowText) != calm);
    QVERIFY(!sceneRuns(*f.view.findChild<VictimScene *>("VictimScene")));
    f.fire(f.part<QTimer>("RelogMarca"));
    QCOMPARE(sentence->palette().color(QPalette::WindowText), calm);

    // Motion back on: the next victim drives the scene.
    f.view.setReducedMotion(false);
    f.clock.advanceMs(3'600'000);
    f.counter.recount();
    f.frames(1);
    QVERIFY(sceneRuns(*f.view.findChild<VictimScene *>("VictimScene")));
}

void TestPresentation::newVictimAnnouncedOnce()
{
    ViewFixture f;
    f.view.open();
    auto *announcer = f.part<VictimAnnouncer>("AnuncioVitima");
    // 3000 a day: a victim every 28.8 s. The first show announces nothing.
    f.countTyped(90000);
    QCOMPARE(announcer->announcements(), 0);
    f.clock.advanceMs(2'000);
    f.counter.recount();
    f.frames(20);
    QCOMPARE(announcer->announcements(), 0);
    f.clock.advanceMs(30'000);
    f.counter.recount();
    f.frames(20);
    QCOMPARE(announcer->announcements(), 1);
    QCOMPARE(announcer->accessibleName(), VictimAnnouncer::text(f.view.odometer()->text()));
}

QTEST_MAIN(TestPresentation)
#include "tst_presentation.moc"
