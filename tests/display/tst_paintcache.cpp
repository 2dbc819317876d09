#include "display/paintcache.h"

#include <QCheckBox>
#include <QImage>
#include <QLabel>
#include <QProgressBar>
#include <QRadioButton>
#include <QVBoxLayout>
#include <QtTest>

#include <functional>

namespace {

// Two copies of one control side by side: the first draws through the cache, the second as
// usual. Whatever is changed is changed on both, and both must then look the same.
struct Pair
{
    QWidget window;
    QWidget *cached = nullptr;
    QWidget *plain = nullptr;

    explicit Pair(const std::function<QWidget *()> &make)
    {
        auto *layout = new QVBoxLayout(&window);
        cached = make();
        plain = make();
        layout->addWidget(cached);
        layout->addWidget(plain);
        PaintCache::attach(cached);
        window.resize(240, 90);
        window.show();
    }

    PaintCache *cache() const { return cached->findChild<PaintCache *>(); }

    // Two paints with nothing changed between them let the cache take its picture (a moment
    // later); the grab then draws from it. Empty when no picture was taken.
    QImage cachedLook(int takenBefore) const
    {
        for (int i = 0; i < 2; ++i) {
            cached->repaint();
            QCoreApplication::processEvents();
        }
        if (!QTest::qWaitFor([&] { return cache()->renderCount() > takenBefore; }))
            return {};
        return cached->grab().toImage().convertToFormat(QImage::Format_RGB32);
    }
    QImage plainLook() const
    {
        return plain->grab().toImage().convertToFormat(QImage::Format_RGB32);
    }
};

// Largest difference of one colour channel between two pictures of the same size (text and
// round shapes blended from a picture may differ from direct drawing by a rounding step).
int largestDifference(const QImage &a, const QImage &b)
{
    if (a.size() != b.size())
        return 255;
    int largest = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y);
            const QRgb q = b.pixel(x, y);
            largest = std::max({largest, std::abs(qRed(p) - qRed(q)),
                                std::abs(qGreen(p) - qGreen(q)), std::abs(qBlue(p) - qBlue(q))});
        }
    return largest;
}

using Make = std::function<QWidget *()>;
using Change = std::function<void(QWidget *)>;

} // namespace

Q_DECLARE_METATYPE(Make)
Q_DECLARE_METATYPE(Change)

class TestPaintCache : public QObject
{
    Q_OBJECT

private slots:
    // After each change the cached control shows what the plain one shows, not its old look.
    void changeIsDrawn_data()
    {
        QTest::addColumn<Make>("make");
        QTest::addColumn<Change>("change");
        const Make label = [] { return new QLabel(QStringLiteral("96,68%")); };
        const Make radio = [] {
            // Each of the pair on its own: side by side they would exclude each other.
            auto *r = new QRadioButton(QStringLiteral("Usar a distribuição"));
            r->setAutoExclusive(false);
            return r;
        };
        const Make check = [] { return new QCheckBox(QStringLiteral("Som")); };
        const Make bar = [] {
            auto *b = new QProgressBar;
            b->setRange(0, 1000);
            b->setValue(300);
            b->setTextVisible(false);
            return b;
        };
        QTest::newRow("label text") << label << Change([](QWidget *w) {
            static_cast<QLabel *>(w)->setText(QStringLiteral("12,07%"));
        });
        QTest::newRow("label disabled")
            << label << Change([](QWidget *w) { w->setEnabled(false); });
        QTest::newRow("label larger font") << label << Change([](QWidget *w) {
            QFont font = w->font();
            font.setPointSize(font.pointSize() + 6);
            w->setFont(font);
        });
        QTest::newRow("label colour") << label << Change([](QWidget *w) {
            QPalette palette = w->palette();
            palette.setColor(QPalette::WindowText, Qt::red);
            w->setPalette(palette);
        });
        QTest::newRow("label resized")
            << label
            << Change([](QWidget *w) { w->setFixedSize(w->width() - 30, w->height() + 12); });
        QTest::newRow("radio checked")
            << radio
            << Change([](QWidget *w) { static_cast<QRadioButton *>(w)->setChecked(true); });
        QTest::newRow("check box checked")
            << check << Change([](QWidget *w) { static_cast<QCheckBox *>(w)->setChecked(true); });
        QTest::newRow("bar value")
            << bar << Change([](QWidget *w) { static_cast<QProgressBar *>(w)->setValue(800); });
    }

    void changeIsDrawn()
    {
        QFETCH(Make, make);
        QFETCH(Change, change);
        Pair pair(make);
        QVERIFY(QTest::qWaitForWindowExposed(&pair.window));
        QVERIFY(pair.cache());
        const QImage before = pair.cachedLook(0);
        QVERIFY(!before.isNull());
        QCOMPARE(pair.cache()->renderCount(), 1);
        QVERIFY(largestDifference(before, pair.plainLook()) <= 8);

        change(pair.cached);
        change(pair.plain);
        const QImage after = pair.cachedLook(1);
        QVERIFY(!after.isNull());
        QCOMPARE(pair.cache()->renderCount(), 2);
        QVERIFY(largestDifference(after, pair.plainLook()) <= 8);
        QVERIFY(largestDifference(after, before) > 40);
    }

    // A filling bar draws from a picture per length of its filling: at every value it must
    // look as the plain bar does (a picture of a neighbouring length would show a column of
    // another colour), and it draws no more pictures than it has lengths.
    void fillingBarLooksPlainAtEveryValue_data()
    {
        QTest::addColumn<QSize>("size");
        QTest::addColumn<Qt::Orientation>("orientation");
        QTest::addColumn<bool>("inverted");
        QTest::addColumn<int>("maximum");
        // The main window's bar to the next victim at its first size.
        QTest::newRow("123 x 17, 0..1000") << QSize(123, 17) << Qt::Horizontal << false << 1000;
        QTest::newRow("wider than its range") << QSize(230, 20) << Qt::Horizontal << false << 150;
        QTest::newRow("inverted") << QSize(123, 17) << Qt::Horizontal << true << 1000;
        QTest::newRow("upright") << QSize(18, 90) << Qt::Vertical << false << 1000;
    }

    void fillingBarLooksPlainAtEveryValue()
    {
        QFETCH(QSize, size);
        QFETCH(Qt::Orientation, orientation);
        QFETCH(bool, inverted);
        QFETCH(int, maximum);
        Pair pair([&] {
            auto *b = new QProgressBar;
            b->setRange(0, maximum);
            b->setTextVisible(false);
            b->setOrientation(orientation);
            b->setInvertedAppearance(inverted);
            b->setFixedSize(size);
            return b;
        });
        QVERIFY(QTest::qWaitForWindowExposed(&pair.window));
        QVERIFY(pair.cache());
        QImage previous;
        int changes = 0;
        for (int value = 0; value <= maximum; ++value) {
            static_cast<QProgressBar *>(pair.cached)->setValue(value);
            static_cast<QProgressBar *>(pair.plain)->setValue(value);
            const QImage cached =
                pair.cached->grab().toImage().convertToFormat(QImage::Format_RGB32);
            const QImage plain = pair.plainLook();
            QVERIFY2(largestDifference(cached, plain) <= 8,
                     qPrintable(QStringLiteral("at %1").arg(value)));
            changes += previous.isNull() || largestDifference(plain, previous) > 8;
            previous = plain;
        }
        const int span = orientation == Qt::Horizontal ? size.width() : size.height();
        QVERIFY2(changes > span / 2, "the bar's look should change with its length");
        QVERIFY2(pair.cache()->renderCount() <= span + 3,
                 qPrintable(QString::number(pair.cache()->renderCount())));
    }

    // A repaint with nothing changed draws the kept picture: it is taken once.
    void unchangedControlIsTakenOnce()
    {
        Pair pair([] { return new QLabel(QStringLiteral("uma vítima a cada 2 min 19 s")); });
        QVERIFY(QTest::qWaitForWindowExposed(&pair.window));
        QVERIFY(!pair.cachedLook(0).isNull());
        for (int i = 0; i < 20; ++i) {
            pair.cached->repaint();
            QCoreApplication::processEvents();
        }
        QTest::qWait(600);
        QCOMPARE(pair.cache()->renderCount(), 1);
    }

    // Rich text, pictures and subclasses paint as they always did.
    void otherKindsAreLeftAlone()
    {
        QWidget window;
        auto *rich = new QLabel(QStringLiteral("<b>247</b>,9668"), &window);
        auto *picture = new QLabel(&window);
        QPixmap pixmap(10, 10);
        pixmap.fill(Qt::blue);
        picture->setPixmap(pixmap);
        class OwnLabel : public QLabel
        {
        public:
            using QLabel::QLabel;
        };
        auto *own = new OwnLabel(QStringLiteral("texto"), &window);
        PaintCache::attachToControlsOf(&window);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        for (int i = 0; i < 3; ++i) {
            window.repaint();
            QCoreApplication::processEvents();
        }
        QTest::qWait(600); // longer than a picture takes to be taken
        QVERIFY(!own->findChild<PaintCache *>());
        for (QLabel *label : {rich, picture}) {
            auto *cache = label->findChild<PaintCache *>();
            QVERIFY(cache);
            QCOMPARE(cache->renderCount(), 0);
        }
    }
};

QTEST_MAIN(TestPaintCache)
#include "tst_paintcache.moc"
