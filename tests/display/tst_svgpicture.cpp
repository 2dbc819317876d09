// The rendered-picture cache: bounded, and a picture rendered again after it left the cache
// is the same picture.
#include "display/svgpicture.h"

#include <QImage>
#include <QTest>

class tst_SvgPicture : public QObject
{
    Q_OBJECT

private slots:
    void reRenderedSizeGivesSamePicture_data();
    void reRenderedSizeGivesSamePicture();
    void emptySizeGivesNothing();
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

    // Pictures of other sizes until the budget is spent twice over: the first one goes.
    const qint64 budget = svgPictureCacheBudget();
    for (int side = 1000; side < 1000 + 8; ++side) {
        QVERIFY(!svgPicture(QStringLiteral(":/pictures/cover.svg"), QSize(side, side)).isNull());
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

QTEST_MAIN(tst_SvgPicture)
#include "tst_svgpicture.moc"
