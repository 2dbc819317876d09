// What the audience is told, in the presentation view, the comparison and the pictures: the
// day's average pace first and a pattern's hour second, named; Brazilian numbers whatever the
// environment's locale; the count never hidden by "PAUSADO"; every text and digit readable
// against what lies behind it, measured from the drawn pixels.
#include "contrast.h"
#include "core/counter.h"
#include "deadzonefixture.h"
#include "display/odometerview.h"
#include "distribution/choicesetup.h"
#include "fakeclock.h"
#include "windows/Apresentacao/apresentacao.h"
#include "windows/Comparacao/comparacao.h"
#include "windows/Comparacao/comparedcounter.h"
#include "windows/sharepicture.h"

#include <QLabel>
#include <QRadioButton>
#include <QRegularExpression>
#include <QTest>
#include <QTextDocument>
#include <QTimer>

namespace {

// Late in the year Bahia's count has four whole digits: 16,76 a day over 344,5 days.
const QDateTime kDecember(QDate(2026, 12, 11), QTime(12, 0));
const QRegularExpression kBrazilianCount(QStringLiteral("^5\\.77\\d,\\d{4}$"));

// 24 a day (720 a month), a quarter of them from 0 h to 12 h: one every 2 h at night and
// every 40 min by day, one an hour on average.
HourlyPattern userPattern()
{
    HourlyPattern pattern;
    pattern.name = QStringLiteral("Meu padrão");
    pattern.shares = {25, 75};
    pattern.table.intervalCount = 2;
    pattern.table.percentualIntervalo[0] = 25;
    pattern.table.percentualIntervalo[1] = 75;
    for (int h = 0; h < 24; ++h)
        pattern.table.percentualHora[h] = h < 12 ? 25 : 75;
    return pattern;
}

CurrentChoice entryChoice(const QString &name)
{
    CurrentChoice choice;
    choice.chooseEntry(CurrentChoice::List::Crimes, name, name);
    return choice;
}

QString plainText(const QString &html)
{
    QTextDocument document;
    document.setHtml(html);
    return document.toPlainText().remove(u'\n');
}

// Bahia by the year in the main window, counted and shown.
struct BahiaFixture : DeadZoneFixture
{
    BahiaFixture() : DeadZoneFixture(kDecember, shippedData())
    {
        window.setReducedMotion(true);
        if (!window.chooseEntryNamed(QStringLiteral("Bahia")))
            qFatal("no Bahia");
        child<QRadioButton>("Option1", 2)->setChecked(true);
        play();
        recount();
        fire(frameTimer());
    }
};

// Every label with text a view shows, and where, in the view's own pixels.
QList<std::pair<QString, QRect>> shownTexts(QWidget &view)
{
    QList<std::pair<QString, QRect>> texts;
    for (QLabel *label : view.findChildren<QLabel *>()) {
        // The announcer of a new victim is a point, for screen readers only.
        if (!label->isVisibleTo(&view) || label->text().trimmed().isEmpty() || label->width() < 4 ||
            label->height() < 4)
            continue;
        texts.append({label->objectName() + QStringLiteral(": ") + label->text(),
                      QRect(label->mapTo(&view, QPoint(0, 0)), label->size())});
    }
    return texts;
}

// The middle band of each decimal wheel, where its digit stands on the drum.
QList<std::pair<QString, QRect>> decimalDigits(QWidget &view, const OdometerView &odometer)
{
    QList<std::pair<QString, QRect>> wheels;
    for (const char *name : {"Picture3", "Picture2", "Picture1", "Picture0"}) {
        const auto *wheel = odometer.findChild<QWidget *>(QString::fromLatin1(name));
        const QRect box(wheel->mapTo(&view, QPoint(0, 0)), wheel->size());
        wheels.append({QStringLiteral("decimal ") + QString::fromLatin1(name),
                       box.adjusted(0, box.height() * 3 / 10, 0, -box.height() * 3 / 10)});
    }
    return wheels;
}

// A picture source that notes the texts of the view while it is laid out for the picture.
class NotingSource final : public PictureSource
{
public:
    explicit NotingSource(PictureSource &source) : m_source(source) {}
    QWidget *pictureView() override { return m_source.pictureView(); }
    void preparePicture(const QSize &size, int captionHeight) override
    {
        m_source.preparePicture(size, captionHeight);
        texts = shownTexts(*pictureView());
        if (auto *view = qobject_cast<Apresentacao *>(pictureView());
            view && !view->odometer()->parentWidget()->isHidden())
            texts += decimalDigits(*view, *view->odometer());
    }
    void finishPicture() override { m_source.finishPicture(); }
    QStringList pictureSources() const override { return m_source.pictureSources(); }

    QList<std::pair<QString, QRect>> texts;

private:
    PictureSource &m_source;
};

void verifyContrast(const QImage &image, const QList<std::pair<QString, QRect>> &texts)
{
    QVERIFY(!texts.isEmpty());
    for (const auto &[what, where] : texts) {
        const double ratio = textContrast(image, where);
        QVERIFY2(ratio >= 4.5, qPrintable(QStringLiteral("%1 at %2:1").arg(what).arg(ratio)));
    }
}

} // namespace

class TestAudience : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanupTestCase();
    void paceLinesInTheViews();
    void brazilianNumbersWhateverTheLocale_data();
    void brazilianNumbersWhateverTheLocale();
    void pausedCountStaysInSight();
    void contrastOfThePresentation();
    void contrastOfPictures_data();
    void contrastOfPictures();
};

void TestAudience::init()
{
    QLocale::setDefault(QLocale(QLocale::Portuguese, QLocale::Brazil));
}

void TestAudience::cleanupTestCase()
{
    QLocale::setDefault(QLocale(QLocale::Portuguese, QLocale::Brazil));
}

// A user's pattern at two hours of one day: the average stays, the hour's line changes.
void TestAudience::paceLinesInTheViews()
{
    FakeClock clock(QDateTime(QDate(2026, 3, 10), QTime(3, 30)));
    Counter counter(clock);
    counter.chooseEntry(entryChoice(QStringLiteral("Minha cidade")), 720, userPattern());
    Apresentacao view(counter, clock);
    view.resize(1280, 720);
    view.open();
    ComparedCounter panel(counter, 0);
    panel.arrange(QSize(600, 400), 60);

    const QString average = QStringLiteral("uma vítima a cada 1 h, em média");
    QCOMPARE(view.intervalText(), average);
    QCOMPARE(view.hourPaceText(),
             QStringLiteral("nesta hora, uma a cada 2 h, pelo padrão horário «Meu padrão»"));
    QCOMPARE(panel.intervalText(), average);
    QCOMPARE(panel.hourPaceText(), view.hourPaceText());

    clock.set(QDate(2026, 3, 10), QTime(15, 30));
    QVERIFY(counter.start());
    counter.recount();
    QCOMPARE(view.intervalText(), average);
    QCOMPARE(view.hourPaceText(),
             QStringLiteral("nesta hora, uma a cada 40 min, pelo padrão horário «Meu padrão»"));
    QCOMPARE(panel.hourPaceText(), view.hourPaceText());
    // The hour's line is on show, below the average, in the view's layout.
    auto *hourLine = view.findChild<QLabel *>(QStringLiteral("IntervaloHora"));
    auto *averageLine = view.findChild<QLabel *>(QStringLiteral("Intervalo"));
    QVERIFY(hourLine->isVisibleTo(&view));
    QVERIFY(hourLine->geometry().top() >= averageLine->geometry().bottom());
    QVERIFY(hourLine->font().pixelSize() < averageLine->font().pixelSize());
    QVERIFY(view.shownParts().contains(hourLine));

    // The pattern switched off: the average alone, no line left over.
    counter.setPatternInUse(false);
    QCOMPARE(view.intervalText(), average);
    QVERIFY(view.hourPaceText().isEmpty());
    QVERIFY(!hourLine->isVisibleTo(&view));
    QVERIFY(panel.hourPaceText().isEmpty());
    QVERIFY(!panel.texts().contains(panel.findChild<QLabel *>(QStringLiteral("IntervaloHora"))));
}

void TestAudience::brazilianNumbersWhateverTheLocale_data()
{
    QTest::addColumn<QLocale>("locale");
    QTest::newRow("C, as a job without LANG") << QLocale::c();
    QTest::newRow("en_US") << QLocale(QLocale::English, QLocale::UnitedStates);
    QTest::newRow("pt_BR") << QLocale(QLocale::Portuguese, QLocale::Brazil);
}

void TestAudience::brazilianNumbersWhateverTheLocale()
{
    QFETCH(QLocale, locale);
    QLocale::setDefault(locale);
    BahiaFixture f;
    const QString rate = QStringLiteral("taxa de 40,6 por 100 mil habitantes em 2024");

    // The presentation: the rate, the pace and the count written in an upright picture.
    Apresentacao &view = f.window.presentationView();
    QVERIFY2(view.sourceText().endsWith(rate), qPrintable(view.sourceText()));
    QCOMPARE(view.intervalText(), QStringLiteral("uma vítima a cada 1 h 26 min, em média"));
    NotingSource noting(view);
    SharePicture picture(noting);
    QVERIFY(!picture.draw(QSize(1080, 1920), kDecember).isNull());
    bool written = false;
    for (const auto &[what, where] : noting.texts) {
        if (what.startsWith(QStringLiteral("ContagemTexto: "))) {
            const QString count = plainText(what.mid(15));
            QVERIFY2(kBrazilianCount.match(count).hasMatch(), qPrintable(count));
            written = true;
        }
    }
    QVERIFY(written);
    QVERIFY2(picture.caption().sourcesText().endsWith(rate),
             qPrintable(picture.caption().sourcesText()));

    // The comparison: each counter's count and rate.
    Comparacao comparison(f.clock);
    comparison.setReducedMotion(true);
    const ChoiceFiles files = ChoiceFiles::read(f.window.dataDirectory());
    comparison.setChoices(
        {prepareChoice(*CounterChoice::fromSetting(QStringLiteral("entrada:Bahia")), files),
         prepareChoice(*CounterChoice::fromSetting(QStringLiteral("mensal:12000")), files)},
        AccumulationMode::Ano);
    comparison.startAll();
    comparison.resize(1280, 720);
    comparison.arrange();
    QVERIFY2(kBrazilianCount.match(comparison.panel(0)->countText()).hasMatch(),
             qPrintable(comparison.panel(0)->countText()));
    QCOMPARE(comparison.panel(0)->rateText(), rate);
    QCOMPARE(comparison.panel(1)->name(), QStringLiteral("12.000 ocorrências por mês"));
}

// Paused, the word stands above the wheels: every wheel in sight, none under a veil.
void TestAudience::pausedCountStaysInSight()
{
    FakeClock clock(QDateTime(QDate(2026, 3, 10), QTime(12, 0)));
    Counter counter(clock);
    counter.setTypedFigure(3000000);
    Apresentacao view(counter, clock);
    view.resize(1280, 720);
    view.open();
    QVERIFY(counter.start());
    counter.recount();
    for (int i = 0; i < 11; ++i)
        QVERIFY(QMetaObject::invokeMethod(counter.frameTimer(), "timeout"));
    const int running = view.wheelBox()->height();
    counter.pause();

    auto *paused = view.findChild<QLabel *>(QStringLiteral("Pausado"));
    QVERIFY(paused->isVisibleTo(&view));
    QCOMPARE(paused->text(), QStringLiteral("PAUSADO"));
    QCOMPARE(paused->parentWidget(), &view);
    QVERIFY(!paused->geometry().intersects(view.wheelBox()->geometry()));
    QVERIFY(view.rect().contains(view.wheelBox()->geometry()));
    QCOMPARE(view.shownIntegerWheels(), 5);
    QCOMPARE(view.odometer()->text(), QStringLiteral("50000,0000"));
    // Smaller to make room, still the largest thing on the screen.
    QVERIFY(view.wheelBox()->height() >= running * 7 / 10);
    for (QWidget *part : view.shownParts()) {
        if (part != paused && part != view.wheelBox())
            QVERIFY2(!paused->geometry().intersects(part->geometry()),
                     qPrintable(part->objectName()));
    }
    const QImage image = view.grab().toImage();
    QVERIFY2(textContrast(image, paused->geometry()) >= 4.5, "PAUSADO");
    // The fastest wheels at rest on the digits of the count, not on a spinning frame.
    QCOMPARE(view.odometer()->text(), QStringLiteral("50000,0000"));

    QVERIFY(counter.start());
    QVERIFY(paused->isHidden());
    QCOMPARE(view.wheelBox()->height(), running);
}

// On screen, running and paused: every label and the decimal wheels' digits.
void TestAudience::contrastOfThePresentation()
{
    BahiaFixture f;
    f.window.enterPresentation();
    f.recount();
    for (int i = 0; i < 11; ++i)
        f.fire(f.frameTimer());
    Apresentacao &view = f.window.presentationView();
    view.resize(1280, 720);
    view.arrange();
    QList<std::pair<QString, QRect>> texts = shownTexts(view);
    texts += decimalDigits(view, *view.odometer());
    verifyContrast(view.grab().toImage(), texts);

    f.window.counter().pause();
    texts = shownTexts(view);
    texts += decimalDigits(view, *view.odometer());
    verifyContrast(view.grab().toImage(), texts);
}

void TestAudience::contrastOfPictures_data()
{
    QTest::addColumn<QSize>("size");
    QTest::addColumn<bool>("comparison");
    QTest::newRow("presentation, 1920 x 1080") << QSize(1920, 1080) << false;
    QTest::newRow("presentation, 1080 x 1080") << QSize(1080, 1080) << false;
    QTest::newRow("presentation, 1080 x 1920") << QSize(1080, 1920) << false;
    QTest::newRow("comparison, 1280 x 720") << QSize(1280, 720) << true;
}

// The view above the caption and the caption itself; one source, in the caption.
void TestAudience::contrastOfPictures()
{
    QFETCH(QSize, size);
    QFETCH(bool, comparison);
    BahiaFixture f;
    Comparacao compared(f.clock);
    PictureSource *source = &f.window.presentationView();
    if (comparison) {
        compared.setReducedMotion(true);
        const ChoiceFiles files = ChoiceFiles::read(f.window.dataDirectory());
        compared.setChoices(
            {prepareChoice(*CounterChoice::fromSetting(QStringLiteral("entrada:Bahia")), files),
             prepareChoice(*CounterChoice::fromSetting(QStringLiteral("entrada:Brasil")), files)},
            AccumulationMode::Ano);
        compared.startAll();
        source = &compared;
    }
    NotingSource noting(*source);
    SharePicture picture(noting);
    const QImage image = picture.draw(size, kDecember);
    QList<std::pair<QString, QRect>> texts = noting.texts;
    const int captionTop = size.height() - pictureCaptionHeight(size);
    for (const QLabel *label : picture.caption().labels())
        texts.append({label->objectName(), label->geometry().translated(0, captionTop)});
    verifyContrast(image, texts);

    if (comparison)
        return;
    // A still picture: no next-victim bar, no source above the caption's.
    for (const auto &[what, where] : std::as_const(noting.texts)) {
        QVERIFY2(!what.startsWith(QStringLiteral("Fonte: ")), qPrintable(what));
        QVERIFY2(!what.startsWith(QStringLiteral("LegendaProximaVitima: ")), qPrintable(what));
    }
    QVERIFY(picture.caption().sourcesText().startsWith(QStringLiteral("Fonte: ")));
}

QTEST_MAIN(TestAudience)
#include "tst_audience.moc"
