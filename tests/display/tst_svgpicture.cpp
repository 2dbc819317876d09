// The rendered-picture cache: bounded, and a picture rendered again after it left the cache
// is the same picture.
#include "display/svgpicture.h"

#include <QImage>
#include <QList>
#include <QTest>
#include <QTimer>

class tst_SvgPicture : public QObject
{
    Q_OBJECT

private slots:
    void reRenderedSizeGivesSamePicture_data();
    void reRenderedSizeGivesSamePicture();
    void emptySizeGivesNothing();
    void settledCacheKeepsOnlyTheSizesInUse();
};

void tst_SvgPicture::reRenderedSizeGivesSamePicture_data()
{
    QTest::addColumn<QString>("resource");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<qreal>("dpr");
    QTest::newRow("wheel strip") << ":/pictures/strip0.svg" << QSize(346, 30) << 1.0;
    QTest::newRow("angel, ratio 2") << ":/pictures/anjo.svg" << QSize(47, 70) << 2.0;
    QTest::newRow("police car, ratio 1.25") << ":/pictures/pol1.svg" << QSize(90, 41) << 1.25;
}

void tst_SvgPicture::reRenderedSizeGivesSamePicture()
{
    QFETCH(QString, resource);
    QFETCH(QSize, size);
    QFETCH(qreal, dpr);
    const QPixmap first = svgPicture(resource, size, dpr);
    QVERIFY(!first.isNull());
    QCOMPARE(first.deviceIndependentSize().toSize(), size);
    QCOMPARE(svgPicture(resource, size, dpr).cacheKey(), first.cacheKey()); // kept
    const QImage image = first.toImage();

    // Pictures of other sizes, all shown at once, until the budget is spent: the first one
    // goes.
    const qint64 budget = svgPictureCacheBudget();
    QList<QPixmap> shown;
    for (int side = 1000; side < 1000 + 8; ++side) {
        shown.append(svgPicture(QStringLiteral(":/pictures/cover.svg"), QSize(side, side)));
        QVERIFY(!shown.last().isNull());
        QVERIFY(svgPictureCacheBytes() <= budget);
    }
    const QPixmap again = svgPicture(resource, size, dpr);
    QVERIFY(again.cacheKey() != first.cacheKey()); // rendered anew
    QCOMPARE(again.devicePixelRatio(), dpr);
    QCOMPARE(again.toImage(), image);
}

void tst_SvgPicture::emptySizeGivesNothing()
{
    QVERIFY(svgPicture(QStringLiteral(":/pictures/anjo.svg"), QSize(0, 10)).isNull());
    QVERIFY(svgPicture(QStringLiteral(":/pictures/nenhuma.svg"), QSize(10, 10)).isNull());
}

// A window dragged through 150 sizes and back to its first: once the resize has settled the
// cache holds the first size's pictures, and one a widget still shows at another size.
void tst_SvgPicture::settledCacheKeepsOnlyTheSizesInUse()
{
    clearSvgPictureCache();
    struct Asked
    {
        QString resource;
        QSize size;
    };
    // 346 x 30, 47 x 70 and 90 x 41 pixels of 4 bytes: 41,520 + 13,160 + 14,760 bytes.
    const QList<Asked> firstSize = {{":/pictures/strip0.svg", {346, 30}},
                                    {":/pictures/anjo.svg", {47, 70}},
                                    {":/pictures/pol1.svg", {90, 41}}};
    constexpr qint64 kFirstSizeBytes = 69440;
    // Another view shows the angel at 100 x 150 the whole time, asking for it as it repaints
    // before the window does: 60,000 bytes, not the angel's newest size but in use.
    QPixmap shownElsewhere;

    // What the window's widgets hold: each keeps its picture until it is handed the new one.
    QList<QPixmap> shown(firstSize.size());
    // At most two sizes of each picture during the drag (the one shown, the one asked for):
    // at the largest, 3.2 times, 2 x 69,440 x 10.24 bytes, and the other view's 60,000.
    constexpr qint64 kTwoLargestSizes = 1482132;
    qint64 largest = 0;
    for (int step = 0; step <= 150; ++step) {
        const double scale = step == 150 ? 1.0 : 1.0 + 2.2 * step / 149;
        shownElsewhere = svgPicture(":/pictures/anjo.svg", {100, 150});
        for (qsizetype i = 0; i < firstSize.size(); ++i) {
            const QSize size = (QSizeF(firstSize[i].size) * scale).toSize();
            shown[i] = svgPicture(firstSize[i].resource, size);
            largest = std::max(largest, svgPictureCacheBytes());
        }
    }
    QVERIFY2(largest <= kTwoLargestSizes + 2000, qPrintable(QString::number(largest)));
    QTimer *settle = svgPictureSettleTimer();
    QVERIFY(settle && settle->isActive());
    QVERIFY(QMetaObject::invokeMethod(settle, "timeout"));
    QCOMPARE(svgPictureCacheBytes(), kFirstSizeBytes + 60000);
    for (qsizetype i = 0; i < firstSize.size(); ++i)
        QCOMPARE(svgPicture(firstSize[i].resource, firstSize[i].size).cacheKey(),
                 shown[i].cacheKey());
    QCOMPARE(svgPicture(":/pictures/anjo.svg", {100, 150}).cacheKey(), shownElsewhere.cacheKey());

    // Nothing held any more: the newest size of each picture stays, for a widget that asks for
    // its picture each time it paints; the other view's angel goes.
    for (const Asked &asked : firstSize)
        svgPicture(asked.resource, asked.size);
    shown.clear();
    shownElsewhere = QPixmap();
    QVERIFY(QMetaObject::invokeMethod(settle, "timeout"));
    QCOMPARE(svgPictureCacheBytes(), kFirstSizeBytes);
}

QTEST_MAIN(tst_SvgPicture)
#include "tst_svgpicture.moc"
