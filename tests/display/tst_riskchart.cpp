#include "display/riskchart.h"

#include <QAccessible>
#include <QImage>
#include <QSlider>
#include <QStyleOptionSlider>
#include <QtTest>

#include <cmath>
#include <limits>

namespace {

// A slider that tells where the style draws its handle.
class ProbeSlider : public QSlider
{
public:
    using QSlider::QSlider;
    double handleCentre() const
    {
        QStyleOptionSlider option;
        initStyleOption(&option);
        const QRect handle =
            style()->subControlRect(QStyle::CC_Slider, &option, QStyle::SC_SliderHandle, this);
        return handle.left() + handle.width() / 2.0;
    }
};

// Where the slider's handle stands, in the chart's coordinates.
double handleInChart(const ProbeSlider *slider, const SpectrumChart *chart)
{
    QWidget *window = chart->window();
    return chart->mapFrom(window, slider->mapTo(window, QPointF(slider->handleCentre(), 0))).x();
}

SpectrumChart::Values rising()
{
    SpectrumChart::Values values{};
    for (int band = 0; band < SpectrumChart::kBands; ++band)
        values[band] = band + 1;
    return values;
}

} // namespace

// The 12 bars of a day, their hour marks and an hour slider lined up under them.
class TestSpectrumChart : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void hourMarksStandUnderTheirBars_data();
    void hourMarksStandUnderTheirBars();
    void sliderAtEachHourStandsOverItsBand_data();
    void sliderAtEachHourStandsOverItsBand();
    void barsArePaintedWhereTheGeometrySays();
    void scaleHoldsTheHighestBar_data();
    void scaleHoldsTheHighestBar();
    void assistiveTechnologyReadsTheValues();
};

void TestSpectrumChart::initTestCase()
{
    QLocale::setDefault(QLocale(QLocale::Portuguese, QLocale::Brazil));
}

void TestSpectrumChart::hourMarksStandUnderTheirBars_data()
{
    QTest::addColumn<QSize>("size");
    QTest::addColumn<qreal>("barWidth");
    QTest::newRow("main window size") << QSize(293, 101) << qreal(0.9);
    QTest::newRow("editor size") << QSize(260, 170) << qreal(0.8);
    QTest::newRow("projected") << QSize(900, 320) << qreal(0.9);
}

void TestSpectrumChart::hourMarksStandUnderTheirBars()
{
    QFETCH(QSize, size);
    QFETCH(qreal, barWidth);
    SpectrumChart chart;
    chart.setBarWidth(barWidth);
    chart.setValues(rising());
    chart.resize(size);
    const QRect plot = chart.plotRect();
    QVERIFY(!plot.isEmpty());
    for (int band = 0; band < SpectrumChart::kBands; ++band) {
        const QRect bar = chart.barRect(band);
        const QRect mark = chart.hourMarkRect(band);
        QCOMPARE(chart.hourMarks().at(band), QString::number(2 * band));
        QVERIFY2(mark.left() >= bar.left() && mark.right() <= bar.right(),
                 qPrintable(QStringLiteral("mark %1 at %2..%3, bar at %4..%5")
                                .arg(band)
                                .arg(mark.left())
                                .arg(mark.right())
                                .arg(bar.left())
                                .arg(bar.right())));
        QVERIFY(mark.width() > 0);
        QVERIFY(mark.top() > plot.bottom()); // under the plot, inside the chart
        QVERIFY(mark.bottom() <= chart.height());
        if (band > 0)
            QVERIFY(chart.barRect(band - 1).right() < bar.left());
    }
}

void TestSpectrumChart::sliderAtEachHourStandsOverItsBand_data()
{
    QTest::addColumn<int>("maximum");
    QTest::newRow("hours 0 to 24, as the main window's") << 24;
    QTest::newRow("hours 0 to 23") << 23;
}

void TestSpectrumChart::sliderAtEachHourStandsOverItsBand()
{
    QFETCH(int, maximum);
    QWidget window;
    window.resize(1000, 400);
    auto *chart = new SpectrumChart(&window);
    chart->setGeometry(30, 10, 293, 101);
    auto *slider = new ProbeSlider(Qt::Horizontal, &window);
    slider->setRange(0, maximum);
    slider->setTickPosition(QSlider::TicksBelow);
    slider->setGeometry(0, 115, 120, 24); // wherever the window's own layout put it
    chart->setHourSlider(slider);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));

    // At two sizes: the slider follows the chart when it is resized.
    for (const QRect &geometry : {QRect(30, 10, 293, 101), QRect(50, 20, 700, 250)}) {
        chart->setGeometry(geometry);
        slider->move(slider->x(), geometry.bottom() + 4);
        for (int hour = 0; hour < 24; ++hour) {
            slider->setValue(hour);
            const QRect bar = chart->barRect(hour / 2);
            const double x = handleInChart(slider, chart);
            QVERIFY2(x >= bar.left() && x <= bar.right() + 1,
                     qPrintable(QStringLiteral("hour %1 at %2, bar at %3..%4")
                                    .arg(hour)
                                    .arg(x)
                                    .arg(bar.left())
                                    .arg(bar.right())));
            const int mark = chart->hourToX(hour);
            QVERIFY(mark >= bar.left() && mark <= bar.right());
            QVERIFY(std::abs(x - mark) <= 1.5);
        }
    }

    // A window that places the slider again by its own rule does not take it off the bars.
    slider->setGeometry(0, slider->y(), 90, slider->height());
    slider->setValue(13);
    const double x = handleInChart(slider, chart);
    QVERIFY(x >= chart->barRect(6).left() && x <= chart->barRect(6).right() + 1);

    chart->setHourSlider(nullptr); // let go: the slider stays where it is put
    slider->setGeometry(0, slider->y(), 90, slider->height());
    QCOMPARE(slider->width(), 90);
}

void TestSpectrumChart::barsArePaintedWhereTheGeometrySays()
{
    SpectrumChart chart;
    chart.resize(400, 160);
    chart.setBarColor(QColor(200, 30, 30));
    SpectrumChart::Values values = rising();
    values[3] = 0;
    values[5] = -4;                                       // shows as 0
    values[7] = std::numeric_limits<double>::quiet_NaN(); // shows as 0
    chart.setValues(values);
    QCOMPARE(chart.values()[5], 0.0);
    QCOMPARE(chart.values()[7], 0.0);

    const QImage image = chart.grab().toImage();
    const QColor bar(200, 30, 30);
    const QRect plot = chart.plotRect();
    for (int band = 0; band < SpectrumChart::kBands; ++band) {
        const QRect rect = chart.barRect(band);
        QVERIFY(rect.top() >= plot.top());
        QCOMPARE(rect.bottom(), plot.bottom());
        if (chart.values()[band] > 0) {
            QCOMPARE(image.pixelColor(rect.center()), bar);
            QVERIFY(image.pixelColor(rect.left() - 1, rect.bottom()) != bar);
            QVERIFY(image.pixelColor(rect.right() + 1, rect.bottom()) != bar);
        } else {
            QCOMPARE(rect.height(), 0);
            QVERIFY(image.pixelColor(rect.center().x(), plot.bottom() - 2) != bar);
        }
    }
    // Heights in proportion to the values: 10 against 5.
    QVERIFY(std::abs(chart.barRect(9).height() - 2 * chart.barRect(4).height()) <= 1);
}

void TestSpectrumChart::scaleHoldsTheHighestBar_data()
{
    QTest::addColumn<double>("highest");
    QTest::newRow("all zero") << 0.0;
    QTest::newRow("a quarter") << 0.25;
    QTest::newRow("flat 1,25 per hour") << 1.25;
    QTest::newRow("100/24") << 100.0 / 24;
    QTest::newRow("a whole interval") << 40.0;
    QTest::newRow("everything in one band") << 100.0;
    QTest::newRow("a big hourly figure") << 2500.0;
}

void TestSpectrumChart::scaleHoldsTheHighestBar()
{
    QFETCH(double, highest);
    SpectrumChart chart;
    chart.resize(300, 120);
    SpectrumChart::Values values{};
    values[6] = highest;
    values[2] = highest / 2;
    chart.setValues(values);
    if (highest == 0) {
        QCOMPARE(chart.scaleTop(), 10.0);
        return;
    }
    QVERIFY(chart.scaleTop() > highest);
    QVERIFY(chart.scaleTop() <= 2 * highest);
    QVERIFY(chart.barRect(6).top() >= chart.plotRect().top());
    QVERIFY(chart.barRect(6).height() > 0);
    QVERIFY(std::abs(chart.barRect(6).height() - 2 * chart.barRect(2).height()) <= 1);
}

void TestSpectrumChart::assistiveTechnologyReadsTheValues()
{
    SpectrumChart chart;
    chart.setAccessibleName(QStringLiteral("Espectro de risco ao longo do dia"));
    SpectrumChart::Values values{};
    values[0] = 3.5;
    values[2] = 100.0 / 24;
    values[11] = 40;
    chart.setValues(values);
    const QString description = chart.accessibleDescription();
    QVERIFY2(description.startsWith(QStringLiteral("00–02 h: 3,5%; 02–04 h: 0%; "
                                                   "04–06 h: 4,17%; 06–08 h: 0%")),
             qPrintable(description));
    QVERIFY(description.endsWith(QStringLiteral("; 22–24 h: 40%")));
    QCOMPARE(description.count(QStringLiteral(" h: ")), 12);

    QAccessibleInterface *accessible = QAccessible::queryAccessibleInterface(&chart);
    QVERIFY(accessible);
    QCOMPARE(accessible->role(), QAccessible::Chart);
    QCOMPARE(accessible->text(QAccessible::Name),
             QStringLiteral("Espectro de risco ao longo do dia"));
    QCOMPARE(accessible->text(QAccessible::Description), description);

    chart.setValueSuffix(QString()); // an hourly figure, not a share
    QVERIFY(chart.accessibleDescription().startsWith(QStringLiteral("00–02 h: 3,5; ")));
}

QTEST_MAIN(TestSpectrumChart)
#include "tst_riskchart.moc"
