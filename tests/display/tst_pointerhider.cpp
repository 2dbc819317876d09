// The pointer over a full-screen view: blank after the idle timer, back on any movement,
// and only over that view.
#include "display/pointerhider.h"

#include <QLabel>
#include <QTest>
#include <QTimer>
#include <QVBoxLayout>
#include <QWidget>
#include <QWindow>

namespace {

void fire(QTimer *timer)
{
    QVERIFY(QMetaObject::invokeMethod(timer, "timeout"));
}

bool blank(const QWidget &widget)
{
    return widget.cursor().shape() == Qt::BlankCursor;
}

} // namespace

class TestPointerHider : public QObject
{
    Q_OBJECT

private slots:
    void hidesWhenIdleOnlyOverTheView();
    void showsAgainOnMovement_data();
    void showsAgainOnMovement();
    void stoppedViewKeepsThePointer();
};

void TestPointerHider::hidesWhenIdleOnlyOverTheView()
{
    QWidget view;
    auto *figure = new QLabel(QStringLiteral("123,4567"), &view);
    (new QVBoxLayout(&view))->addWidget(figure);
    QWidget other;
    other.show();
    view.show();
    PointerHider hider(view);
    QCOMPARE(hider.idleTimer()->interval(), 3000);
    QVERIFY(hider.idleTimer()->isSingleShot());

    hider.start();
    QVERIFY(hider.idleTimer()->isActive());
    QVERIFY(!hider.pointerHidden());
    QVERIFY(!blank(view));

    fire(hider.idleTimer());
    QVERIFY(hider.pointerHidden());
    QVERIFY(blank(view));
    QVERIFY(blank(*figure)); // the figures under it too
    QVERIFY(!blank(other));
}

void TestPointerHider::showsAgainOnMovement_data()
{
    QTest::addColumn<int>("eventType");
    QTest::newRow("moved") << int(QEvent::MouseMove);
    QTest::newRow("clicked") << int(QEvent::MouseButtonPress);
}

void TestPointerHider::showsAgainOnMovement()
{
    QFETCH(int, eventType);
    QWidget view;
    auto *figure = new QLabel(QStringLiteral("123,4567"), &view);
    (new QVBoxLayout(&view))->addWidget(figure);
    view.resize(400, 300);
    view.show();
    QVERIFY(QTest::qWaitForWindowExposed(&view));
    PointerHider hider(view);
    hider.start();
    fire(hider.idleTimer());
    QVERIFY(blank(view));
    hider.idleTimer()->stop();

    // Over a child that does not track the mouse: the window sees the move all the same.
    const QPoint at = figure->mapTo(&view, figure->rect().center());
    if (eventType == QEvent::MouseMove)
        QTest::mouseMove(view.windowHandle(), at);
    else
        QTest::mousePress(view.windowHandle(), Qt::LeftButton, {}, at);
    QVERIFY(!hider.pointerHidden());
    QVERIFY(!blank(view));
    // The three seconds start again from the movement.
    QVERIFY(hider.idleTimer()->isActive());
    fire(hider.idleTimer());
    QVERIFY(blank(view));
}

void TestPointerHider::stoppedViewKeepsThePointer()
{
    QWidget view;
    view.show();
    PointerHider hider(view);
    hider.start();
    fire(hider.idleTimer());
    QVERIFY(blank(view));

    hider.stop();
    QVERIFY(!blank(view));
    QVERIFY(!hider.idleTimer()->isActive());
    fire(hider.idleTimer()); // a tick already queued changes nothing
    QVERIFY(!blank(view));
    QTest::mouseMove(view.windowHandle(), QPoint(5, 5));
    QVERIFY(!hider.idleTimer()->isActive());
}

QTEST_MAIN(TestPointerHider)
#include "tst_pointerhider.moc"
