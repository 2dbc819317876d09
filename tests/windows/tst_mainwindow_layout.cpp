// What the main window shows and where: the risk spectrum with its hour marks and the risk
// slider under the bars, the source of the chosen entry and the interval between victims,
// figures shown whole, and the pictures at rest clear of everything that reads.
#include "deadzonefixture.h"
#include "display/odometerview.h"
#include "display/picturebox.h"
#include "display/riskchart.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAccessible>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QProgressBar>
#include <QSlider>
#include <QStatusBar>
#include <QStyleOptionFrame>
#include <QStyleOptionSlider>
#include <QTimer>
#include <QtTest>

namespace {

// Where the style draws a slider's handle, in the chart's coordinates.
double handleInChart(const QSlider *slider, const SpectrumChart *chart)
{
    QStyleOptionSlider option;
    option.initFrom(slider);
    option.orientation = slider->orientation();
    option.minimum = slider->minimum();
    option.maximum = slider->maximum();
    option.sliderPosition = slider->sliderPosition();
    option.sliderValue = slider->value();
    option.tickPosition = slider->tickPosition();
    option.tickInterval = slider->tickInterval();
    option.upsideDown = slider->invertedAppearance();
    option.subControls = QStyle::SC_SliderGroove | QStyle::SC_SliderHandle;
    const QRect handle = slider->style()->subControlRect(QStyle::CC_Slider, &option,
                                                         QStyle::SC_SliderHandle, slider);
    const QPointF centre(handle.left() + handle.width() / 2.0, 0);
    QWidget *window = chart->window();
    return chart->mapFrom(window, slider->mapTo(window, centre)).x();
}

// The width a control has for its text, in pixels.
int textRoom(const QWidget *widget)
{
    if (const auto *edit = qobject_cast<const QLineEdit *>(widget)) {
        QStyleOptionFrame option;
        option.initFrom(edit);
        option.lineWidth =
            edit->hasFrame()
                ? edit->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, edit)
                : 0;
        const QRect contents =
            edit->style()->subElementRect(QStyle::SE_LineEditContents, &option, edit);
        const QMargins margins = edit->textMargins();
        return contents.width() - margins.left() - margins.right() - 4; // 2 px each side
    }
    const auto *label = qobject_cast<const QLabel *>(widget);
    return label->contentsRect().width() - 2 * qMax(label->margin(), 0);
}

QString textOf(const QWidget *widget)
{
    if (const auto *edit = qobject_cast<const QLineEdit *>(widget))
        return edit->text();
    return qobject_cast<const QLabel *>(widget)->text();
}

// Everything that reads or takes input, shown now: fields, figures, captions, buttons,
// lists, bars. The pictures and the odometer (with the cover panel over it) are left out.
QList<QWidget *> readableControls(DeadZone &window)
{
    QList<QWidget *> found;
    const auto *odometer = window.findChild<OdometerView *>();
    for (QWidget *widget : window.findChildren<QWidget *>()) {
        if (!widget->isVisible() || qobject_cast<PictureBox *>(widget))
            continue;
        if (odometer && (widget == odometer || odometer->isAncestorOf(widget)))
            continue;
        if (qobject_cast<QLineEdit *>(widget) || qobject_cast<QLabel *>(widget) ||
            qobject_cast<QStatusBar *>(widget) || qobject_cast<QProgressBar *>(widget) ||
            qobject_cast<QAbstractButton *>(widget) || qobject_cast<QComboBox *>(widget) ||
            qobject_cast<QSlider *>(widget) || qobject_cast<SpectrumChart *>(widget) ||
            qobject_cast<QAbstractItemView *>(widget))
            found << widget;
    }
    return found;
}

QRect inWindow(const QWidget *widget)
{
    return QRect(widget->mapTo(widget->window(), QPoint(0, 0)), widget->size());
}

// The names of the controls a picture at rest covers.
QStringList coveredBy(DeadZone &window, const char *picture)
{
    auto *image = window.findChild<PictureBox *>(QString::fromLatin1(picture));
    if (!image || !image->isVisible())
        return {};
    const QRect area = inWindow(image);
    QStringList covered;
    for (QWidget *control : readableControls(window)) {
        if (inWindow(control).intersects(area))
            covered << control->objectName();
    }
    return covered;
}

// Ticks an animation's timer until it parks its picture.
void runOut(QTimer *timer)
{
    timer->start();
    for (int ticks = 0; timer->isActive() && ticks < 10000; ++ticks)
        QMetaObject::invokeMethod(timer, "timeout");
    timer->stop();
}

const QByteArray kParametros = "\"Roubos na cidade\",\"937\"\r\n\"Sem fonte\",\"60\"\r\n";
const QByteArray kHomicidios = "\"Bahia\",\"555\"\r\n\"Acre\",\"20\"\r\n";
const QByteArray kFontes =
    "\"Roubos na cidade\",\"cidade de São Paulo\",\"SSP-SP\",\"2023\",\"só a cidade\"\r\n"
    "\"Bahia\",\"Bahia\",\"Anuário 2023 (FBSP)\",\"2022\",\"\"\r\n";

DeadZoneFixture::DataFiles withSources(bool sources)
{
    DeadZoneFixture::DataFiles files{{QStringLiteral("QuorvelParametros.txt"), kParametros},
                                     {QStringLiteral("Quorvelhomicidios.txt"), kHomicidios}};
    if (sources)
        files.append({QStringLiteral("QuorvelFontes.txt"), kFontes});
    return files;
}

} // namespace

class TestMainWindowLayout : public QObject
{
    Q_OBJECT

private slots:
    void init() { QLocale::setDefault(QLocale(QLocale::Portuguese, QLocale::Brazil)); }
    void hourMarksAndSliderStandUnderTheirBars_data();
    void hourMarksAndSliderStandUnderTheirBars();
    void chosenEntryShowsItsSource();
    void listsShowSourcesAsTooltips_data();
    void listsShowSourcesAsTooltips();
    void intervalFollowsTheRate();
    void largeFiguresShowWhole_data();
    void largeFiguresShowWhole();
    void picturesAtRestCoverNothing_data();
    void picturesAtRestCoverNothing();
    void monthlyFieldComesFirstToTheKeyboard();
};

void TestMainWindowLayout::hourMarksAndSliderStandUnderTheirBars_data()
{
    QTest::addColumn<QSize>("size");
    QTest::newRow("as stored") << QSize();
    QTest::newRow("projector") << QSize(1600, 950);
}

void TestMainWindowLayout::hourMarksAndSliderStandUnderTheirBars()
{
    QFETCH(QSize, size);
    DeadZoneFixture f;
    f.window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&f.window));
    if (size.isValid())
        f.window.resize(size);
    auto *chart = f.child<SpectrumChart>("MSChart3");
    auto *slider = f.child<QSlider>("sl2");
    QCOMPARE(slider->maximum(), 24);
    QVERIFY(!f.child<QLabel>("Label19")->isVisible()); // the chart draws the hours itself
    QVERIFY(chart->width() > 250);
    for (int band = 0; band < SpectrumChart::kBands; ++band) {
        const QRect bar = chart->barRect(band);
        const QRect mark = chart->hourMarkRect(band);
        QVERIFY2(mark.left() >= bar.left() && mark.right() <= bar.right(),
                 qPrintable(QStringLiteral("band %1").arg(band)));
        QCOMPARE(chart->hourMarks().at(band), QString::number(2 * band));
    }
    for (int hour = 0; hour < 24; ++hour) {
        slider->setValue(hour);
        const QRect bar = chart->barRect(hour / 2);
        const double x = handleInChart(slider, chart);
        QVERIFY2(x >= bar.left() && x <= bar.right() + 1,
                 qPrintable(QStringLiteral("hour %1 at %2, bar %3..%4")
                                .arg(hour)
                                .arg(x)
                                .arg(bar.left())
                                .arg(bar.right())));
    }
}

void TestMainWindowLayout::chosenEntryShowsItsSource()
{
    DeadZoneFixture f(FakeClock().now(), withSources(true));
    auto *source = f.child<QLabel>("FonteEntrada");
    QVERIFY(!source->accessibleName().isEmpty());
    f.window.openLists();

    f.child<QComboBox>("Homicidios")->setCurrentIndex(0); // Bahia
    QCOMPARE(f.child<QLabel>("Label9")->text(), QStringLiteral("Bahia   555"));
    QVERIFY2(source->text().contains(QStringLiteral("Anuário 2023 (FBSP)")) &&
                 source->text().contains(QStringLiteral("2022")),
             qPrintable(source->text()));

    // A typed figure names no entry and has no source.
    f.typeMonthly(QStringLiteral("0"));
    QCOMPARE(f.child<QLabel>("Label9")->text(), QString());
    QCOMPARE(source->text(), QString());

    // A crime with its source, then one the sources file does not name.
    f.window.openLists();
    auto *list = f.child<QListWidget>("List1");
    list->setCurrentRow(0);
    emit list->itemDoubleClicked(list->item(0));
    QVERIFY2(source->text().contains(QStringLiteral("SSP-SP")) &&
                 source->text().contains(QStringLiteral("2023")),
             qPrintable(source->text()));
    f.window.openLists();
    list->setCurrentRow(1);
    emit list->itemDoubleClicked(list->item(1));
    QCOMPARE(f.child<QLabel>("Label9")->text(), QStringLiteral("Sem fonte   60"));
    QCOMPARE(source->text(), QString());

    // Limpar empties it with the header.
    f.window.openLists();
    f.child<QComboBox>("Homicidios")->setCurrentIndex(0);
    QVERIFY(!source->text().isEmpty());
    f.child<QAbstractButton>("botao", 3)->click();
    QCOMPARE(source->text(), QString());
}

void TestMainWindowLayout::listsShowSourcesAsTooltips_data()
{
    QTest::addColumn<bool>("sourcesFile");
    QTest::newRow("with the sources file") << true;
    QTest::newRow("without it: lists as before") << false;
}

void TestMainWindowLayout::listsShowSourcesAsTooltips()
{
    QFETCH(bool, sourcesFile);
    DeadZoneFixture f(FakeClock().now(), withSources(sourcesFile));
    f.window.openLists();
    auto *list = f.child<QListWidget>("List1");
    auto *states = f.child<QComboBox>("Homicidios");
    QCOMPARE(list->count(), 2);
    QCOMPARE(states->count(), 2);
    const QString crimeTip = list->item(0)->toolTip();
    const QString stateTip = states->itemData(0, Qt::ToolTipRole).toString();
    if (sourcesFile) {
        QVERIFY2(crimeTip.contains(QStringLiteral("SSP-SP")) &&
                     crimeTip.contains(QStringLiteral("só a cidade")),
                 qPrintable(crimeTip));
        QVERIFY2(stateTip.contains(QStringLiteral("FBSP")), qPrintable(stateTip));
    } else {
        QCOMPARE(crimeTip, QString());
        QCOMPARE(stateTip, QString());
    }
    // An entry the file does not name has no tooltip.
    QCOMPARE(list->item(1)->toolTip(), QString());
    QCOMPARE(states->itemData(1, Qt::ToolTipRole).toString(), QString());
    QVERIFY(f.messages.isEmpty());
}

void TestMainWindowLayout::intervalFollowsTheRate()
{
    DeadZoneFixture f(QDateTime(QDate(2024, 3, 5), QTime(15, 0)));
    auto *interval = f.child<QLabel>("IntervaloVitimas");
    QCOMPARE(interval->accessibleDescription(), QStringLiteral("Intervalo entre vítimas"));
    QCOMPARE(interval->text(), QString());
    f.typeMonthly(QStringLiteral("937")); // 31,23 a day: one every 46 min 7 s
    QCOMPARE(interval->text(), QStringLiteral("uma vítima a cada 46 min 7 s"));
    // A screen reader says the sentence itself, not only what the label is.
    QAccessibleInterface *spoken = QAccessible::queryAccessibleInterface(interval);
    QVERIFY(spoken);
    QCOMPARE(spoken->text(QAccessible::Name), QStringLiteral("uma vítima a cada 46 min 7 s"));
    f.play();
    f.recount();
    QCOMPARE(interval->text(), QStringLiteral("uma vítima a cada 46 min 7 s"));
    f.child<QAbstractButton>("botao", 3)->click(); // Limpar
    QCOMPARE(interval->text(), QString());
}

void TestMainWindowLayout::largeFiguresShowWhole_data()
{
    QTest::addColumn<QString>("monthly");
    QTest::newRow("937") << QStringLiteral("937");
    QTest::newRow("12345678, once cut off") << QStringLiteral("12345678");
    QTest::newRow("eight digits") << QStringLiteral("99999999");
    QTest::newRow("eight digits, no nines") << QStringLiteral("88888888");
}

void TestMainWindowLayout::largeFiguresShowWhole()
{
    QFETCH(QString, monthly);
    DeadZoneFixture f(QDateTime(QDate(2024, 3, 5), QTime(0, 0, 4)));
    f.window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&f.window));
    f.typeMonthly(monthly);
    f.play();
    f.recount();
    // The widest count the odometer holds, in the fields that copy it.
    f.child<QLineEdit>("ParametroHoje")->setText(QStringLiteral("99999,9999"));
    f.child<QLabel>("Label6")->setText(QStringLiteral("99999,9999"));

    for (const char *name : {"ParametroMes", "ParametroDia", "ParametroHoje", "Label4", "Label6",
                             "Label8", "Parametrohora"}) {
        QWidget *field = f.child<QWidget>(name);
        const QString text = textOf(field);
        QVERIFY2(!text.isEmpty(), name);
        const int needed = field->fontMetrics().horizontalAdvance(text);
        QVERIFY2(needed <= textRoom(field),
                 qPrintable(QStringLiteral("%1: \"%2\" needs %3 px of %4")
                                .arg(QLatin1String(name), text)
                                .arg(needed)
                                .arg(textRoom(field))));
    }
    QCOMPARE(f.child<QLineEdit>("ParametroMes")->text(), monthly);
}

void TestMainWindowLayout::picturesAtRestCoverNothing_data()
{
    QTest::addColumn<QSize>("size");
    QTest::newRow("as stored") << QSize();
    QTest::newRow("projector") << QSize(1600, 950);
}

void TestMainWindowLayout::picturesAtRestCoverNothing()
{
    QFETCH(QSize, size);
    DeadZoneFixture f(QDateTime(QDate(2024, 3, 5), QTime(15, 0)), withSources(true));
    f.window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&f.window));
    if (size.isValid())
        f.window.resize(size);
    // At start-up, where the pictures are stored (empty fields count by their place).
    QVERIFY(f.child<PictureBox>("anjo")->isVisible());
    QVERIFY(f.child<PictureBox>("auto")->isVisible());
    QVERIFY(readableControls(f.window).size() > 30);
    for (const char *picture : {"anjo", "auto", "Polcar"})
        QVERIFY2(
            coveredBy(f.window, picture).isEmpty(),
            qPrintable(QStringLiteral("at start-up %1 covers %2")
                           .arg(QLatin1String(picture), coveredBy(f.window, picture).join(u' '))));

    // Every figure filled: a state chosen, a count running.
    f.window.openLists();
    f.child<QComboBox>("Homicidios")->setCurrentIndex(0);
    f.play();
    f.recount();
    QVERIFY(!f.child<QLabel>("FonteEntrada")->text().isEmpty());

    // After each run, where the picture parks.
    for (const char *timer : {"relogAnjo", "RelogAuto", "RelogPolcar"}) {
        runOut(f.timer(timer));
        for (const char *picture : {"anjo", "auto", "Polcar"})
            QVERIFY2(coveredBy(f.window, picture).isEmpty(),
                     qPrintable(QStringLiteral("after %1, %2 covers %3")
                                    .arg(QLatin1String(timer), QLatin1String(picture),
                                         coveredBy(f.window, picture).join(u' '))));
    }
}

void TestMainWindowLayout::monthlyFieldComesFirstToTheKeyboard()
{
    // The count moved above the rate fields on screen, not in the order of the keyboard.
    DeadZoneFixture f;
    QWidget *widget = f.window.nextInFocusChain();
    while (widget != &f.window && !qobject_cast<QLineEdit *>(widget))
        widget = widget->nextInFocusChain();
    QCOMPARE(widget->objectName(), QStringLiteral("ParametroMes"));
}

QTEST_MAIN(TestMainWindowLayout)
#include "tst_mainwindow_layout.moc"
