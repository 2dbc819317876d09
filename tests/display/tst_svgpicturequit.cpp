#include "display/svgpicture.h"

#include <QApplication>
#include <QTest>

// No picture outlives the application object: the program empties the cache when the
// application is about to quit.
class TestSvgPictureQuit : public QObject
{
    Q_OBJECT

private slots:
    void clearingEmptiesTheCache()
    {
        QVERIFY(!svgPicture(QStringLiteral(":/pictures/playon.svg"), QSize(64, 60)).isNull());
        QVERIFY(svgPictureCacheBytes() > 0);
        clearSvgPictureCache();
        QCOMPARE(svgPictureCacheBytes(), 0);
        // Asked again, a picture is rendered afresh.
        QVERIFY(!svgPicture(QStringLiteral(":/pictures/playon.svg"), QSize(64, 60)).isNull());
    }
};

QTEST_MAIN(TestSvgPictureQuit)
#include "tst_svgpicturequit.moc"
