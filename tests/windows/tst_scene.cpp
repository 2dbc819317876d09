// The new-victim animations, the notice clearer and the LED blinker of the main window,
// their timers driven tick by tick. Positions are checked in twips (the model) and in pixels
// (where the images are drawn).
#include "core/soundcues.h"
#include "deadzonefixture.h"
#include "display/picturebox.h"
#include "display/victimscene.h"

#include <QButtonGroup>
#include <QImage>
#include <QLabel>
#include <QPaintEvent>
#include <QRadioButton>
#include <QTest>
#include <QTimer>

namespace {

struct Fixture : DeadZoneFixture
{
    // Ticks a timer until it stops itself; the number of ticks it took.
    static int runOut(QTimer *timer, const std::function<void()> &eachTick = {})
    {
        timer->start();
        int ticks = 0;
        while (timer->isActive() && ticks < 10000) {
            QMetaObject::invokeMethod(timer, "timeout");
            ++ticks;
            if (eachTick)
                eachTick();
        }
        timer->stop();
        return ticks;
    }
    // Where an image stands in pixels for its position in twips (scale 1: 15 twips a pixel).
    static QRect pixels(const QRect &twips, double scale = 1.0)
    {
        auto px = [scale](int t) { return qRound(t / 15.0 * scale); };
        return {px(twips.x()), px(twips.y()), px(twips.width()), px(twips.height())};
    }
};

// Counts the paints the watched widgets receive, and names them (with the tick they came at)
// for the failure message.
class PaintCounter : public QObject
{
public:
    int paints = 0;
    int tick = 0;
    QStringList painted;
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint) {
            ++paints;
            painted << QStringLiteral("%1 at tick %2").arg(watched->objectName()).arg(tick);
        }
        return false;
    }
};

} // namespace

class TestScene : public QObject
{
    Q_OBJECT

private slots:
    void storedPositions();
    void angel();
    void car();
    void policeCar();
    void resizedWindowMovesParking();
    void switchingKindKeepsRun();
    void drawnAtWindowScale();
    void policeCarKeepsFrameWhenRescaled_data();
    void policeCarKeepsFrameWhenRescaled();
    void policeCarStepsLeaveOdometerAlone_data();
    void policeCarStepsLeaveOdometerAlone();
    void noticeClearedAfterOneTick();
    void ledBlinksGreenFirst();
};

void TestScene::storedPositions()
{
    Fixture f;
    QCOMPARE(f.scene().anjoTwips(), QRect(8400, 6000, 1410, 2085));
    QCOMPARE(f.scene().autoTwips(), QRect(1755, 960, 1500, 750));
    QCOMPARE(f.scene().PolcarTwips(), QRect(8760, 3480, 1500, 1005));
    QCOMPARE(f.child<PictureBox>("anjo")->geometry(), Fixture::pixels(f.scene().anjoTwips()));
    QCOMPARE(f.child<PictureBox>("auto")->objectName(), QStringLiteral("auto"));
    // The police car has no picture until its first tick.
    QVERIFY(f.child<PictureBox>("Polcar")->picture().isNull());
    QCOMPARE(f.scene().windowWidthTwips(), 10515);
    QCOMPARE(f.scene().windowHeightTwips(), 6225);
    for (QTimer *t : {f.timer("relogAnjo"), f.timer("RelogAuto"), f.timer("RelogPolcar"),
                      f.timer("RelogMensagem"), f.timer("Timer4")})
        QVERIFY2(!t->isActive(), qPrintable(t->objectName()));
    QCOMPARE(f.timer("relogAnjo")->interval(), 50);
    QCOMPARE(f.timer("RelogAuto")->interval(), 10);
    QCOMPARE(f.timer("RelogPolcar")->interval(), 20);
}

void TestScene::angel()
{
    Fixture f;
    QList<int> tops;
    const int first = Fixture::runOut(f.timer("relogAnjo"), [&] {
        tops << f.scene().anjoTwips().top();
        QCOMPARE(f.child<PictureBox>("anjo")->geometry(), Fixture::pixels(f.scene().anjoTwips()));
    });
    // 6000 down to -1100 in steps of 100, then parked below the bottom edge.
    QCOMPARE(first, 71);
    QCOMPARE(tops.first(), 5900);
    QCOMPARE(tops.at(69), -1000);
    const int parked = 2085 + f.scene().windowHeightTwips();
    QCOMPARE(f.scene().anjoTwips().top(), parked);
    QCOMPARE(f.scene().anjoTwips().left(), 8400);

    // A later flight starts from there.
    QCOMPARE(Fixture::runOut(f.timer("relogAnjo")), (parked + 1000) / 100 + 1);
    QCOMPARE(f.scene().anjoTwips().top(), parked);
}

void TestScene::car()
{
    Fixture f;
    QPoint last = f.scene().autoTwips().topLeft();
    const int ticks = Fixture::runOut(f.timer("RelogAuto"), [&] {
        if (f.timer("RelogAuto")->isActive()) {
            QCOMPARE(f.scene().autoTwips().topLeft(), last + QPoint(30, 10));
            last = f.scene().autoTwips().topLeft();
        }
        QVERIFY(!f.child<PictureBox>("auto")->isHidden());
        QCOMPARE(f.child<PictureBox>("auto")->geometry(), Fixture::pixels(f.scene().autoTwips()));
    });
    // Right and down until past the window's width + 400, then parked at (1760, 840).
    QCOMPARE(ticks, (10515 + 400 - 1755) / 30 + 1);
    QVERIFY(last.x() <= 10515 + 400);
    QCOMPARE(f.scene().autoTwips().topLeft(), QPoint(1760, 840));

    // Hidden by a pause, it shows again on the first tick of its next run.
    f.window.counter().setTypedFigure(3000);
    f.window.counter().start();
    f.window.pauseCount();
    QVERIFY(f.child<PictureBox>("auto")->isHidden());
    QCOMPARE(f.scene().autoTwips().topLeft(), QPoint(1790, 850));
    f.timer("RelogAuto")->start();
    Fixture::fire(f.timer("RelogAuto"));
    QVERIFY(!f.child<PictureBox>("auto")->isHidden());
    QCOMPARE(f.scene().autoTwips().topLeft(), QPoint(1820, 860));
}

void TestScene::policeCar()
{
    Fixture f;
    QList<qint64> frames;
    const int ticks = Fixture::runOut(f.timer("RelogPolcar"), [&] {
        frames << f.child<PictureBox>("Polcar")->picture().cacheKey();
        QVERIFY(!f.child<PictureBox>("Polcar")->isHidden());
    });
    // Left from 8760 until below 2740, then beyond the right edge.
    QCOMPARE(ticks, (8760 - 2740) / 30 + 1);
    const int parked = f.scene().windowWidthTwips() + 600;
    QCOMPARE(f.scene().PolcarTwips().topLeft(), QPoint(parked, 3480));
    QCOMPARE(f.child<PictureBox>("Polcar")->geometry(), Fixture::pixels(f.scene().PolcarTwips()));
    QVERIFY(!f.child<PictureBox>("Polcar")->isHidden());

    // Two frames in turn, Pol1's first; the last stays assigned. The holders stay hidden.
    QCOMPARE(frames.at(0), f.child<PictureBox>("Pol1")->picture().cacheKey());
    QCOMPARE(frames.at(1), f.child<PictureBox>("Pol2")->picture().cacheKey());
    QVERIFY(f.child<PictureBox>("Pol1")->isHidden() && f.child<PictureBox>("Pol2")->isHidden());
    for (int i = 2; i < frames.size(); ++i)
        QCOMPARE(frames.at(i), frames.at(i % 2));
    QCOMPARE(f.child<PictureBox>("Polcar")->picture().cacheKey(), frames.last());

    // A later run drives in from beyond the edge.
    QCOMPARE(Fixture::runOut(f.timer("RelogPolcar")), (parked - 2740) / 30 + 1);
    QCOMPARE(f.scene().PolcarTwips().left(), parked);
}

void TestScene::resizedWindowMovesParking()
{
    Fixture f;
    f.window.resize(1000, f.window.height());
    QCOMPARE(f.scene().windowWidthTwips(), 15000);
    Fixture::runOut(f.timer("RelogPolcar"));
    QCOMPARE(f.scene().PolcarTwips().left(), 15600);
    QCOMPARE(Fixture::runOut(f.timer("RelogAuto")), (15000 + 400 - 1755) / 30 + 1);
    f.window.resize(800, f.window.height());
    Fixture::runOut(f.timer("RelogPolcar"));
    QCOMPARE(f.scene().PolcarTwips().left(), 12600);
    // The angel parks below the window's height.
    f.window.resize(800, 500);
    Fixture::runOut(f.timer("relogAnjo"));
    QCOMPARE(f.scene().anjoTwips().top(), 2085 + 7500);
}

void TestScene::switchingKindKeepsRun()
{
    Fixture f;
    f.showResetLook();
    QMetaObject::invokeMethod(f.frameTimer(), "timeout"); // a victim: police car
    QVERIFY(f.timer("RelogPolcar")->isActive());
    Fixture::fire(f.timer("RelogPolcar"));
    f.child<QRadioButton>("Option4", 0)->click();
    QVERIFY(f.timer("RelogPolcar")->isActive());
    Fixture::fire(f.timer("RelogPolcar"));
    QCOMPARE(f.scene().PolcarTwips().left(), 8700);
    // The next victim starts the angel as well.
    f.shownDigits().DigitoUnidade = 1;
    QMetaObject::invokeMethod(f.frameTimer(), "timeout");
    QVERIFY(f.timer("relogAnjo")->isActive());
    QVERIFY(f.timer("RelogPolcar")->isActive());
}

void TestScene::drawnAtWindowScale()
{
    Fixture f;
    f.window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&f.window));
    f.window.resize(f.window.width() * 2, f.window.height() * 2);
    QTRY_COMPARE(f.child<PictureBox>("anjo")->geometry(),
                 Fixture::pixels(f.scene().anjoTwips(), 2.0));
    // The outer width, frame included, in twips at the window's scale.
    QCOMPARE(f.scene().windowWidthTwips(), qRound(f.window.frameGeometry().width() * 15 / 2.0));
    QCOMPARE(f.child<PictureBox>("anjo")->picture().deviceIndependentSize().toSize(),
             f.child<PictureBox>("anjo")->size());
    Fixture::fire(f.timer("relogAnjo"));
    QCOMPARE(f.scene().anjoTwips().top(), 5900);
    QCOMPARE(f.child<PictureBox>("anjo")->geometry(), Fixture::pixels(f.scene().anjoTwips(), 2.0));
    f.timer("RelogPolcar")->start();
    Fixture::fire(f.timer("RelogPolcar"));
    QCOMPARE(f.child<PictureBox>("Polcar")->geometry(),
             Fixture::pixels(f.scene().PolcarTwips(), 2.0));
    QCOMPARE(f.child<PictureBox>("Polcar")->picture().deviceIndependentSize().toSize(),
             f.child<PictureBox>("Polcar")->size());
}

void TestScene::policeCarKeepsFrameWhenRescaled_data()
{
    QTest::addColumn<int>("ticks");
    QTest::newRow("showing Pol1") << 1;
    QTest::newRow("showing Pol2") << 2;
}

void TestScene::policeCarKeepsFrameWhenRescaled()
{
    QFETCH(int, ticks);
    Fixture f;
    f.window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&f.window));
    f.timer("RelogPolcar")->start();
    for (int i = 0; i < ticks; ++i)
        Fixture::fire(f.timer("RelogPolcar"));

    f.window.resize(f.window.width() * 2, f.window.height() * 2);
    QTRY_COMPARE(f.child<PictureBox>("Polcar")->geometry(),
                 Fixture::pixels(f.scene().PolcarTwips(), 2.0));
    const PictureBox *shown =
        ticks == 1 ? f.child<PictureBox>("Pol1") : f.child<PictureBox>("Pol2");
    QCOMPARE(f.child<PictureBox>("Polcar")->picture().cacheKey(), shown->picture().cacheKey());
    QCOMPARE(f.child<PictureBox>("Polcar")->picture().deviceIndependentSize().toSize(),
             f.child<PictureBox>("Polcar")->size());
}

void TestScene::policeCarStepsLeaveOdometerAlone_data()
{
    QTest::addColumn<double>("scale");
    QTest::newRow("scale 1") << 1.0;
    QTest::newRow("scale 2") << 2.0;
}

// The police car's box reaches three pixels (at scale 1) over the odometer's frames; its
// pictures leave those rows empty, and its steps must not repaint the odometer beneath.
void TestScene::policeCarStepsLeaveOdometerAlone()
{
    QFETCH(double, scale);
    Fixture f;
    f.window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&f.window));
    if (scale != 1.0) {
        f.window.resize(f.window.width() * scale, f.window.height() * scale);
        QTRY_COMPARE(f.child<PictureBox>("anjo")->geometry(),
                     Fixture::pixels(f.scene().anjoTwips(), scale));
    }
    auto *odometer = f.child<QWidget>("OdometerView");
    QList<QWidget *> beneath = odometer->findChildren<QWidget *>();
    beneath.removeAll(f.child<QWidget>("Label5")); // the comma stands above the frames
    QVERIFY(beneath.size() >= 9);
    // Only the car moves: the counter's ticks and the wheels' rolls stand still, so that any
    // paint the odometer gets is the car's.
    f.tickTimer()->stop();
    f.frameTimer()->stop();
    for (QTimer *timer : odometer->findChildren<QTimer *>())
        timer->stop();
    QCoreApplication::processEvents(); // the odometer's own repaint after the resize
    PaintCounter counter;
    for (QWidget *widget : beneath)
        widget->installEventFilter(&counter);

    QTimer *timer = f.timer("RelogPolcar");
    timer->start();
    QRect crossed;
    int ticks = 0;
    while (timer->isActive() && ticks++ < 1000) {
        counter.tick = ticks;
        Fixture::fire(timer);
        QCoreApplication::processEvents();
        crossed |= f.child<PictureBox>("Polcar")->geometry();
    }
    timer->stop();
    // It went over the odometer's whole width, its box overlapping the frames' top.
    const QRect frames(odometer->mapTo(&f.window, f.child<QWidget>("Picture11")->pos()),
                       f.child<QWidget>("Picture11")->size());
    QVERIFY(crossed.left() < odometer->geometry().center().x());
    QVERIFY2(crossed.bottom() >= frames.top(), "the car's box no longer reaches the odometer");
    QVERIFY2(counter.paints == 0, qPrintable(counter.painted.join(QStringLiteral(", "))));

    // What its box holds below the odometer's top is empty in both pictures.
    for (const char *holder : {"Pol1", "Pol2"}) {
        const QImage picture = f.child<PictureBox>(holder)->picture().toImage();
        const int firstHidden = qRound((frames.top() - crossed.top()) * picture.devicePixelRatio());
        for (int y = firstHidden; y < picture.height(); ++y)
            for (int x = 0; x < picture.width(); ++x)
                QVERIFY2(qAlpha(picture.pixel(x, y)) == 0,
                         qPrintable(QStringLiteral("%1 draws at row %2").arg(holder).arg(y)));
    }
}

void TestScene::noticeClearedAfterOneTick()
{
    Fixture f;
    f.child<QLabel>("st1Panel(1)")->setText(QStringLiteral("Atenção"));
    f.timer("RelogMensagem")->start();
    QCOMPARE(f.timer("RelogMensagem")->interval(), 3000);
    Fixture::fire(f.timer("RelogMensagem"));
    QVERIFY(f.child<QLabel>("st1Panel(1)")->text().isEmpty());
    QVERIFY(!f.timer("RelogMensagem")->isActive());
}

void TestScene::ledBlinksGreenFirst()
{
    Fixture f;
    QCOMPARE(f.window.ledColor(), QColor(128, 0, 0));
    QCOMPARE(f.timer("Timer4")->interval(), 120);
    f.timer("Timer4")->start();
    const QColor green(0, 255, 0);
    const QColor red(255, 0, 0);
    QList<QColor> seen;
    for (int i = 0; i < 5; ++i) {
        Fixture::fire(f.timer("Timer4"));
        seen << f.window.ledColor();
    }
    QCOMPARE(seen, (QList<QColor>{green, red, green, red, green}));
    // Stopped, it keeps its colour; the reset makes it dark red.
    f.timer("Timer4")->stop();
    QCOMPARE(f.window.ledColor(), green);
    f.showResetLook();
    QCOMPARE(f.window.ledColor(), QColor(128, 0, 0));
    QVERIFY(!f.timer("Timer4")->isActive());
}

QTEST_MAIN(TestScene)
#include "tst_scene.moc"
