// Which screen a full-screen view goes to, and the next one for F10.
#include "display/viewplacement.h"

#include <QTest>

class TestViewPlacement : public QObject
{
    Q_OBJECT

private slots:
    void screenForView_data();
    void screenForView();
    void nextScreen_data();
    void nextScreen();
};

void TestViewPlacement::screenForView_data()
{
    QTest::addColumn<int>("screenCount");
    QTest::addColumn<int>("mainScreen");
    QTest::addColumn<int>("asked");
    QTest::addColumn<int>("expected");

    QTest::newRow("one screen: the main window's") << 1 << 0 << -1 << 0;
    QTest::newRow("laptop first, projector second") << 2 << 0 << -1 << 1;
    QTest::newRow("main window on the second") << 2 << 1 << -1 << 0;
    QTest::newRow("three, main in the middle: the first") << 3 << 1 << -1 << 0;
    QTest::newRow("asked: the main window's own") << 2 << 0 << 0 << 0;
    QTest::newRow("asked: the third") << 3 << 0 << 2 << 2;
    QTest::newRow("asked screen gone (unplugged)") << 2 << 0 << 2 << 1;
    QTest::newRow("asked, one screen left") << 1 << 0 << 1 << 0;
    QTest::newRow("main window's screen unknown") << 2 << -1 << -1 << 0;
}

void TestViewPlacement::screenForView()
{
    QFETCH(int, screenCount);
    QFETCH(int, mainScreen);
    QFETCH(int, asked);
    QFETCH(int, expected);
    QCOMPARE(viewScreenIndex(screenCount, mainScreen, asked), expected);
}

void TestViewPlacement::nextScreen_data()
{
    QTest::addColumn<int>("screenCount");
    QTest::addColumn<int>("current");
    QTest::addColumn<int>("expected");

    QTest::newRow("first to second") << 2 << 0 << 1;
    QTest::newRow("last back to first") << 2 << 1 << 0;
    QTest::newRow("three: second to third") << 3 << 1 << 2;
    QTest::newRow("one screen stays") << 1 << 0 << 0;
    QTest::newRow("current unknown: the first") << 2 << -1 << 0;
    QTest::newRow("no screen") << 0 << 0 << 0;
}

void TestViewPlacement::nextScreen()
{
    QFETCH(int, screenCount);
    QFETCH(int, current);
    QFETCH(int, expected);
    QCOMPARE(nextScreenIndex(screenCount, current), expected);
}

QTEST_GUILESS_MAIN(TestViewPlacement)
#include "tst_viewplacement.moc"
