// The comparison view: several counters of text on one clock, each the figure the main window
// would show for its choice; the layout at the usual screen sizes; the run control of them
// all; the mark of a new victim; the dialog and the comparison kept for the next time.
#include "core/comparisonsettings.h"
#include "core/counter.h"
#include "deadzonefixture.h"
#include "distribution/choicesetup.h"
#include "windows/Comparacao/comparacao.h"
#include "windows/Comparacao/comparedcounter.h"
#include "windows/Comparacao/comparisonlauncher.h"
#include "windows/Comparacao/escolhacomparacao.h"
#include "windows/sharepicture.h"
#include "windows/startoptions.h"

#include <QAction>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTest>

namespace {

const QString kRoubos = QStringLiteral("Roubos em geral na cidade de São Paulo");
const QString kFurtos = QStringLiteral("Furtos em geral na cidade de São Paulo");

CounterChoice choiceFrom(const QString &text)
{
    return *CounterChoice::fromSetting(text);
}

QList<PreparedChoice> prepared(const QStringList &choices, const QString &dataDirectory)
{
    const ChoiceFiles files = ChoiceFiles::read(dataDirectory);
    QList<PreparedChoice> list;
    for (const QString &choice : choices)
        list.append(prepareChoice(choiceFrom(choice), files));
    return list;
}

AccumulationMode modeNamed(const QString &name)
{
    return name == u"ano"   ? AccumulationMode::Ano
           : name == u"mes" ? AccumulationMode::Mes
                            : AccumulationMode::Dia;
}

// A label's text fits its box: wrapped within the height, or on one line within the width.
bool textFits(const QLabel *label)
{
    if (label->textFormat() == Qt::RichText)
        return label->sizeHint().width() <= label->width() + 1 &&
               label->sizeHint().height() <= label->height() + 1;
    const QFontMetrics metrics(label->font());
    if (label->wordWrap()) {
        const QRect needed =
            metrics.boundingRect(QRect(0, 0, label->width(), 100000),
                                 Qt::TextWordWrap | Qt::AlignHCenter, label->text());
        return needed.height() <= label->height();
    }
    return metrics.horizontalAdvance(label->text()) <= label->width();
}

} // namespace

class TestComparison : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void figureEqualsMainWindow_data();
    void figureEqualsMainWindow();
    void handWorkedCounts_data();
    void handWorkedCounts();
    void countsPastAMillionKeepFourDecimals_data();
    void countsPastAMillionKeepFourDecimals();
    void layoutFits_data();
    void layoutFits();
    void spaceStartsAndPausesAll();
    void newVictimMarksOneCounter_data();
    void newVictimMarksOneCounter();
    void dialogKeepsChoicesForNextTime();
    void dialogLimits();
    void dialogRefusesSecondCopyAndClearsItsWord();
    void commandLineOpensComparison();
    void pictureOfTheComparison_data();
    void pictureOfTheComparison();
};

void TestComparison::initTestCase()
{
    QLocale::setDefault(QLocale(QLocale::Portuguese, QLocale::Brazil));
    QStandardPaths::setTestModeEnabled(true);
}

// The same choice, the same instant: the comparison's counter and the main window's count
// agree, with the entry's own pattern when it has one.
void TestComparison::figureEqualsMainWindow_data()
{
    QTest::addColumn<QString>("choice");
    QTest::addColumn<QString>("mode");
    QTest::addColumn<QDateTime>("at");

    const QDateTime morning(QDate(2026, 3, 10), QTime(9, 17, 42));
    const QDateTime night(QDate(2026, 12, 10), QTime(23, 59, 30));
    for (const QString mode : {"dia", "mes", "ano"}) {
        QTest::addRow("Bahia, %s", qPrintable(mode)) << "entrada:Bahia" << mode << morning;
        QTest::addRow("Roubos (pattern), %s", qPrintable(mode))
            << "entrada:" + kRoubos << mode << QDateTime(QDate(2026, 3, 10), QTime(15, 0));
        QTest::addRow("typed 937, %s", qPrintable(mode)) << "mensal:937" << mode << night;
    }
    QTest::newRow("Brasil at the year's first second")
        << "entrada:Brasil"
        << "ano" << QDateTime(QDate(2026, 1, 1), QTime(0, 0, 1));
}

void TestComparison::figureEqualsMainWindow()
{
    QFETCH(QString, choice);
    QFETCH(QString, mode);
    QFETCH(QDateTime, at);

    // The patterns of the first release, named after entries, as a user may have saved them.
    DeadZoneFixture f(at, DeadZoneFixture::shippedDataWithEntryPatterns());
    f.window.selectMode(modeNamed(mode));
    const CounterChoice asked = choiceFrom(choice);
    if (asked.isEntry())
        QVERIFY(f.window.chooseEntryNamed(asked.entryName));
    else
        f.window.typeMonthlyFigure(*asked.monthly);
    f.play();
    f.recount();
    QVERIFY(f.window.counter().count());

    Comparacao view(f.clock);
    view.setChoices(prepared({choice, "mensal:10"}, f.window.dataDirectory()), modeNamed(mode));
    view.startAll();
    QVERIFY(view.counter(0).count());
    QCOMPARE(*view.counter(0).count(), *f.window.counter().count());
    QCOMPARE(view.counter(0).patternInUse(), f.window.counter().patternInUse());
    QCOMPARE(view.counter(0).paceNow(), f.window.counter().paceNow());
    // The same digits as the main window's count, with separators of thousands.
    QCOMPARE(view.panel(0)->countText().remove(u'.'), f.window.counter().lastRecount()->hojeShown);
}

// Counts worked out by hand: 30 days a month, the daily rate truncated to hundredths, the
// days of the month or year before today in full. Past the odometer's capacity the counter of
// text goes on, with separators of thousands.
void TestComparison::handWorkedCounts_data()
{
    QTest::addColumn<int>("monthly");
    QTest::addColumn<QString>("mode");
    QTest::addColumn<QString>("count");

    // 937 a month: 31,23 a day, half of it at noon.
    QTest::newRow("937, noon of the day") << 937 << "dia"
                                          << "15,6150";
    // 30 000 a month: 1 000 a day; 10 March is day 69, 68 whole days before it.
    QTest::newRow("30 000, year") << 30000 << "ano"
                                  << "68.500,0000";
    QTest::newRow("30 000, month") << 30000 << "mes"
                                   << "9.500,0000";
    // 60 000 a month: 2 000 a day, 137 000 by noon of 10 March: past 99.999,9999.
    QTest::newRow("60 000, year, past the odometer") << 60000 << "ano"
                                                     << "137.000,0000";
}

void TestComparison::handWorkedCounts()
{
    QFETCH(int, monthly);
    QFETCH(QString, mode);
    QFETCH(QString, count);

    FakeClock clock(QDateTime(QDate(2026, 3, 10), QTime(12, 0)));
    QTemporaryDir empty;
    Comparacao view(clock);
    view.setChoices(prepared({QStringLiteral("mensal:%1").arg(monthly), "mensal:1"}, empty.path()),
                    modeNamed(mode));
    view.startAll();
    QCOMPARE(view.panel(0)->countText(), count);
    QVERIFY(view.counter(0).isCounting());
    QVERIFY(view.panel(0)->countLabel()->accessibleName().isEmpty()); // read as its text
    QCOMPARE(view.panel(0)->name(),
             QStringLiteral("%1 ocorrências por mês").arg(QLocale().toString(monthly)));
}

void TestComparison::countsPastAMillionKeepFourDecimals_data()
{
    QTest::addColumn<int>("monthly");
    QTest::addColumn<QString>("mode");
    QTest::addColumn<QTime>("time");
    QTest::addColumn<QString>("count");

    // 10 March 2026 is day 69 of the year: 68 whole days before it, 9 in the month.
    // 44 000 a month: 1 466,66 a day; 68 days 99 732,88 and, half a second after 18:00,
    // 1 466,66 × 64 800,5 / 86 400 = 1 100,0034876 of the day.
    QTest::newRow("44 000, year, 18:00:00.5")
        << 44000 << "ano" << QTime(18, 0, 0, 500) << "100.832,8835";
    // 1 000 000 a month: 33 333,33 a day; a quarter of a day is 8 333,3325.
    QTest::newRow("1 000 000, month, 06:00") << 1000000 << "mes" << QTime(6, 0) << "308.333,3025";
    QTest::newRow("1 000 000, year, 06:00") << 1000000 << "ano" << QTime(6, 0) << "2.274.999,7725";
    // 2 999 970 a month: 99 999 a day; one millisecond after noon adds 0,0011574.
    QTest::newRow("2 999 970, year, 12:00:00.001")
        << 2999970 << "ano" << QTime(12, 0, 0, 1) << "6.849.931,5012";
}

// A comparison counts past the odometer: its four decimals stay right at millions.
void TestComparison::countsPastAMillionKeepFourDecimals()
{
    QFETCH(int, monthly);
    QFETCH(QString, mode);
    QFETCH(QTime, time);
    QFETCH(QString, count);

    FakeClock clock(QDateTime(QDate(2026, 3, 10), time));
    QTemporaryDir empty;
    Comparacao view(clock);
    view.setChoices(prepared({QStringLiteral("mensal:%1").arg(monthly), "mensal:1"}, empty.path()),
                    modeNamed(mode));
    view.startAll();
    QCOMPARE(view.panel(0)->countText(), count);
}

void TestComparison::layoutFits_data()
{
    QTest::addColumn<int>("counters");
    QTest::addColumn<QSize>("screen");

    for (const QSize screen : {QSize(1920, 1080), QSize(1280, 720), QSize(1024, 768)}) {
        for (int counters = 2; counters <= 6; ++counters)
            QTest::addRow("%d on %dx%d", counters, screen.width(), screen.height())
                << counters << screen;
    }
}

// Long names, the published rate, a count past the odometer's capacity: at every usual
// screen size nothing overlaps, nothing is cut, and the counts read from the back.
void TestComparison::layoutFits()
{
    QFETCH(int, counters);
    QFETCH(QSize, screen);

    DeadZoneFixture f(QDateTime(QDate(2026, 11, 30), QTime(23, 0)), DeadZoneFixture::shippedData());
    const QStringList all{"entrada:" + kFurtos, "entrada:Bahia",  "entrada:" + kRoubos,
                          "mensal:80000",       "entrada:Brasil", "entrada:São Paulo"};
    Comparacao view(f.clock);
    view.setChoices(prepared(all.mid(0, counters), f.window.dataDirectory()),
                    AccumulationMode::Ano);
    view.startAll();
    view.resize(screen);
    view.arrange();

    const QRect room = view.rect();
    for (int i = 0; i < counters; ++i) {
        const ComparedCounter *panel = view.panel(i);
        QVERIFY2(room.contains(panel->geometry()), qPrintable(panel->name()));
        for (int j = i + 1; j < counters; ++j)
            QVERIFY(!panel->geometry().intersects(view.panel(j)->geometry()));
        const QList<QLabel *> texts = panel->texts();
        for (const QLabel *label : texts) {
            QVERIFY2(panel->rect().contains(label->geometry()), qPrintable(label->objectName()));
            QVERIFY2(textFits(label), qPrintable(label->objectName() + ": " + label->text()));
            for (const QLabel *other : texts) {
                if (other != label)
                    QVERIFY(!label->geometry().intersects(other->geometry()));
            }
        }
        // Shortened names end with "…"; the count itself is never shortened.
        QVERIFY(!panel->countLabel()->text().contains(u'…'));
    }
    QFont digits;
    digits.setPixelSize(view.countPixelSize());
    digits.setBold(true);
    const int digitHeight = QFontMetrics(digits).tightBoundingRect(QStringLiteral("0")).height();
    QVERIFY2(digitHeight >= screen.height() * 6 / 100,
             qPrintable(QStringLiteral("digits %1 px high").arg(digitHeight)));
}

void TestComparison::spaceStartsAndPausesAll()
{
    FakeClock clock;
    QTemporaryDir empty;
    Comparacao view(clock);
    view.setChoices(prepared({"mensal:937", "mensal:20", "mensal:5"}, empty.path()),
                    AccumulationMode::Dia);
    view.startAll();
    QTest::keyClick(&view, Qt::Key_Space);
    for (int i = 0; i < 3; ++i)
        QCOMPARE(view.counter(i).runState(), Counter::RunState::Paused);
    QVERIFY(view.stateText().startsWith(QStringLiteral("Em pausa")));
    QTest::keyClick(&view, Qt::Key_Space);
    for (int i = 0; i < 3; ++i)
        QVERIFY(view.counter(i).isCounting());
    QVERIFY(view.stateText().startsWith(QStringLiteral("Contando")));

    QSignalSpy leave(&view, &Comparacao::leaveRequested);
    QTest::keyClick(&view, Qt::Key_Escape);
    QCOMPARE(leave.count(), 1);
}

void TestComparison::newVictimMarksOneCounter_data()
{
    QTest::addColumn<bool>("reducedMotion");
    QTest::newRow("moving") << false;
    QTest::newRow("reduced motion") << true;
}

// 30 000 a month is one victim every 86,4 s; 30 a month one a day. After 90 s only the
// first has a new victim: it alone is marked and announced, once, with its name.
void TestComparison::newVictimMarksOneCounter()
{
    QFETCH(bool, reducedMotion);
    FakeClock clock(QDateTime(QDate(2026, 3, 10), QTime(12, 0)));
    QTemporaryDir empty;
    Comparacao view(clock);
    view.setReducedMotion(reducedMotion);
    view.setChoices(prepared({"mensal:30000", "mensal:30"}, empty.path()), AccumulationMode::Dia);
    view.startAll();
    const QString restStyle = view.panel(0)->styleSheet();
    clock.advanceMs(90'000);
    view.counter(0).recount();
    view.counter(1).recount();

    QVERIFY(view.panel(0)->isMarked());
    QVERIFY(!view.panel(1)->isMarked());
    QCOMPARE(view.panel(0)->announcements(), 1);
    QCOMPARE(view.panel(1)->announcements(), 0);
    const auto *announcer = view.panel(0)->findChild<QLabel *>(QStringLiteral("AnuncioVitima"));
    QCOMPARE(announcer->accessibleName(),
             QStringLiteral("Nova vítima em 30.000 ocorrências por mês. Contagem: 501,0417"));
    // With reduced motion only the figure's colour changes; otherwise the whole box lights.
    QCOMPARE(view.panel(0)->styleSheet() == restStyle, reducedMotion);
    QCOMPARE(view.panel(0)->countLabel()->text().contains(QStringLiteral("#ffc45c")),
             reducedMotion);

    view.panel(0)->endMark();
    QVERIFY(!view.panel(0)->isMarked());
    QCOMPARE(view.panel(0)->styleSheet(), restStyle);
}

// The dialog offers the last comparison again after a restart, kept in the configuration
// folder; a cancelled dialog keeps nothing.
void TestComparison::dialogKeepsChoicesForNextTime()
{
    const QString file = comparisonSettingsFile();
    QVERIFY(file.contains(QStringLiteral("qttest"))); // never the user's own
    QFile::remove(file);
    const Comparison chosen{
        {CounterChoice::entry("Bahia"), CounterChoice::typed(937), CounterChoice::entry(kRoubos)},
        AccumulationMode::Mes};
    {
        DeadZoneFixture f(FakeClock().now(), DeadZoneFixture::shippedDataWithEntryPatterns());
        f.window.comparison().setDialogRunner([](EscolhaComparacao &dialog) {
            dialog.addEntry(QStringLiteral("Bahia"));
            dialog.findChild<QLineEdit *>(QStringLiteral("NumeroDigitado"))->setText("937");
            dialog.addTypedFigure();
            dialog.addEntry(kRoubos);
            dialog.addEntry(QStringLiteral("Brasil"));
            dialog.moveChosen(3, -1);
            dialog.removeChosen(2); // Brasil, moved up
            dialog.setMode(AccumulationMode::Mes);
            return int(QDialog::Accepted);
        });
        auto *compare = f.window.findChild<QAction *>(QStringLiteral("acaoComparar"));
        QCOMPARE(compare->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_K));
        compare->trigger();
        QVERIFY(f.window.comparison().isOpen());
        QVERIFY(f.window.isHidden());
        const Comparacao &view = *f.window.comparison().view();
        QCOMPARE(view.counterCount(), 3);
        QCOMPARE(view.panel(2)->name(), kRoubos);
        QVERIFY(view.counter(2).patternInUse());
        QCOMPARE(view.counter(0).mode(), AccumulationMode::Mes);
        QVERIFY(view.isCounting());
        f.window.comparison().leave();
        QVERIFY(f.window.isVisible());
    }
    QCOMPARE(loadComparison(file), chosen);
    {
        DeadZoneFixture f(FakeClock().now(), DeadZoneFixture::shippedData());
        Comparison offered;
        f.window.comparison().setDialogRunner([&](EscolhaComparacao &dialog) {
            offered = dialog.comparison();
            dialog.removeChosen(0);
            return int(QDialog::Rejected);
        });
        f.window.compareCounters();
        QCOMPARE(offered, chosen);
        QVERIFY(!f.window.comparison().isOpen());
    }
    QCOMPARE(loadComparison(file), chosen);
    QFile::remove(file);
}

void TestComparison::dialogLimits()
{
    QTemporaryDir empty;
    EscolhaComparacao dialog(ChoiceFiles::read(empty.path()), Comparison());
    auto *compare = dialog.findChild<QPushButton *>(QStringLiteral("BotaoComparar"));
    QVERIFY(dialog.addEntry(QStringLiteral("Bahia")));
    QVERIFY(!compare->isEnabled());
    QCOMPARE(dialog.problem(), QStringLiteral("Escolha ao menos 2 contadores (de 2 a 6)."));
    auto *typed = dialog.findChild<QLineEdit *>(QStringLiteral("NumeroDigitado"));
    for (const char *bad : {"", "-5", "1.000", "2999971", "dez"}) {
        typed->setText(QString::fromUtf8(bad));
        QVERIFY2(!dialog.addTypedFigure(), bad);
    }
    for (int i = 0; i < 5; ++i) {
        typed->setText(QString::number(i));
        QVERIFY(dialog.addTypedFigure());
    }
    QVERIFY(compare->isEnabled());
    QVERIFY(!dialog.addEntry(QStringLiteral("Brasil"))); // a seventh
    QCOMPARE(dialog.comparison().choices.size(), 6);
}

// The same entry or figure twice is refused with a word; a message goes once it no longer
// holds (a place freed, another figure typed).
void TestComparison::dialogRefusesSecondCopyAndClearsItsWord()
{
    QTemporaryDir empty;
    EscolhaComparacao dialog(ChoiceFiles::read(empty.path()), Comparison());
    auto *notice = dialog.findChild<QLabel *>(QStringLiteral("Aviso"));
    auto *typed = dialog.findChild<QLineEdit *>(QStringLiteral("NumeroDigitado"));
    QVERIFY(dialog.addEntry(QStringLiteral("Bahia")));
    QVERIFY(!dialog.addEntry(QStringLiteral("Bahia")));
    QCOMPARE(notice->text(), QStringLiteral("\"Bahia\" já está entre os escolhidos."));
    QCOMPARE(dialog.comparison().choices.size(), 1);
    typed->setText(QStringLiteral("937"));
    QVERIFY(dialog.addTypedFigure());
    QCOMPARE(notice->text(), QString()); // two chosen: nothing to say
    typed->setText(QStringLiteral("937"));
    QVERIFY(!dialog.addTypedFigure());
    QCOMPARE(notice->text(),
             QStringLiteral("\"937 ocorrências por mês\" já está entre os escolhidos."));
    QCOMPARE(dialog.comparison().choices.size(), 2);
    // A figure the dialog cannot take: said until another one is typed.
    typed->setText(QStringLiteral("dez"));
    QVERIFY(!dialog.addTypedFigure());
    QVERIFY(notice->text().startsWith(QStringLiteral("Digite um número inteiro")));
    typed->clear();
    QTest::keyClicks(typed, QStringLiteral("1"));
    QCOMPARE(notice->text(), QString());

    for (const char *figure : {"2", "3", "4", "5"}) {
        typed->setText(QString::fromLatin1(figure));
        QVERIFY(dialog.addTypedFigure());
    }
    QCOMPARE(notice->text(), QStringLiteral("São no máximo 6 contadores."));
    dialog.removeChosen(5);
    QCOMPARE(dialog.comparison().choices.size(), 5);
    QCOMPARE(notice->text(), QString());
    dialog.removeChosen(0);
    dialog.removeChosen(0);
    dialog.removeChosen(0);
    dialog.removeChosen(0);
    QCOMPARE(notice->text(), QStringLiteral("Escolha ao menos 2 contadores (de 2 a 6)."));
}

// Two to six choices on the command line: the comparison, full screen and counting, in the
// order given; the main window stays hidden.
void TestComparison::commandLineOpensComparison()
{
    DeadZoneFixture f(FakeClock().now(), DeadZoneFixture::shippedData());
    const CommandLineResult command =
        parseCommandLine({"quorvel-counter", "--entrada", "Bahia", "-m", "937", "--entrada",
                          "Brasil", "--modo", "ano", "--sem-som"},
                         "1.0.0");
    QCOMPARE(command.action, CommandLineResult::Action::Run);
    applyStartOptions(f.window, command.options);
    QVERIFY(f.window.comparison().isOpen());
    QVERIFY(f.window.isHidden());
    const Comparacao &view = *f.window.comparison().view();
    QVERIFY(view.isFullScreen());
    QCOMPARE(view.counterCount(), 3);
    QCOMPARE(view.panel(0)->name(), QStringLiteral("Bahia"));
    QCOMPARE(view.panel(1)->name(), QStringLiteral("937 ocorrências por mês"));
    QCOMPARE(view.panel(2)->name(), QStringLiteral("Brasil"));
    QCOMPARE(view.panel(2)->sentenceText(),
             QStringLiteral("Brasil: estimativa de mortes violentas intencionais em 2026, no "
                            "ritmo de 2024"));
    QCOMPARE(view.panel(0)->rateText(),
             QStringLiteral("taxa de 40,6 por 100 mil habitantes em 2024"));
    QVERIFY(view.isCounting());
    QVERIFY(!f.window.counter().isCounting()); // the main window's own count is not started
}

void TestComparison::pictureOfTheComparison_data()
{
    QTest::addColumn<QSize>("size");
    QTest::newRow("full HD") << QSize(1920, 1080);
    QTest::newRow("square") << QSize(1080, 1080);
    QTest::newRow("upright") << QSize(1080, 1920);
}

// The picture to share of a comparison: every counter as the view shows it on screen, the
// caption with the date and every source once; the view on screen is left as it was.
void TestComparison::pictureOfTheComparison()
{
    QFETCH(QSize, size);
    DeadZoneFixture f(QDateTime(QDate(2026, 12, 10), QTime(14, 32)),
                      DeadZoneFixture::shippedData());
    Comparacao view(f.clock);
    view.setChoices(
        prepared({"entrada:Bahia", "entrada:" + kRoubos, "mensal:937"}, f.window.dataDirectory()),
        AccumulationMode::Ano);
    view.startAll();
    view.resize(1280, 720);
    const QStringList counts{view.panel(0)->countText(), view.panel(1)->countText(),
                             view.panel(2)->countText()};

    SharePicture picture(view);
    const QImage image = picture.draw(size, f.clock.now());
    QCOMPARE(image.size(), size);
    QCOMPARE(picture.caption().dateText(), QStringLiteral("em 10/12/2026 às 14:32"));
    const QString sources = picture.caption().sourcesText();
    QCOMPARE(sources.count(QStringLiteral("Anuário Brasileiro de Segurança Pública 2025")), 1);
    QVERIFY(sources.contains(QStringLiteral("Secretaria da Segurança Pública")));
    // Drawn at the picture's size, each counter with the count of that instant.
    for (int i = 0; i < 3; ++i)
        QCOMPARE(view.panel(i)->countText(), counts.at(i));
    QCOMPARE(view.size(), QSize(1280, 720));
    QVERIFY(view.panel(2)->geometry().bottom() < 720);
}

QTEST_MAIN(TestComparison)
#include "tst_comparison.moc"
