#include "windows/mensagem/mensagem.h"

#include <QFrame>
#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QTimer>

namespace {
const QString kRefused = QStringLiteral("Existem erros na tabela editada. Gravação Cancelada");
}

class TestMensagem : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void captionTextAndPlace();
    void closes_data();
    void closes();
    void showingAgainKeepsCountdown();
    void opensAgainAfterClosing();
    void oneWindowForTheRun();

private:
    QTimer *timer1() const { return m_window->findChild<QTimer *>(QStringLiteral("Timer1")); }

    mensagem *m_window = nullptr;
};

void TestMensagem::init()
{
    m_window = new mensagem;
}

void TestMensagem::cleanup()
{
    delete m_window;
    m_window = nullptr;
}

void TestMensagem::captionTextAndPlace()
{
    QCOMPARE(m_window->windowTitle(), QStringLiteral("Quorvel Counter -   Mensagem"));
    QVERIFY(!m_window->isModal());
    QVERIFY(!m_window->isVisible());

    m_window->showMessage(kRefused);
    QVERIFY(QTest::qWaitForWindowExposed(m_window));
    auto *qn = m_window->findChild<QLabel *>(QStringLiteral("qn"));
    QVERIFY(qn);
    QCOMPARE(qn->text(), kRefused);
    QCOMPARE(m_window->qn(), qn);
    auto *ok = m_window->findChild<QPushButton *>(QStringLiteral("Command1"));
    QVERIFY(ok);
    QCOMPARE(ok->text(), QStringLiteral("OK"));
    // The decoration: a frame around the text, the emblem and a strip of wheels.
    QVERIFY(m_window->findChild<QFrame *>(QStringLiteral("base")));
    QVERIFY(m_window->findChild<QFrame *>(QStringLiteral("Picture1")));
    for (const char *image : {"Image1", "Image2"}) {
        auto *label = m_window->findChild<QLabel *>(QString::fromLatin1(image));
        QVERIFY2(label && !label->pixmap().isNull(), image);
    }

    QCOMPARE(timer1()->interval(), 8500);
    QVERIFY(timer1()->isSingleShot());
    QVERIFY(timer1()->isActive());

    // Centred on the screen.
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    const QPoint offset = m_window->frameGeometry().center() - screen.center();
    QVERIFY2(offset.manhattanLength() <= 40,
             qPrintable(QStringLiteral("%1,%2").arg(offset.x()).arg(offset.y())));
}

void TestMensagem::closes_data()
{
    QTest::addColumn<bool>("byTimer");
    QTest::newRow("OK") << false;
    QTest::newRow("Timer1") << true;
}

void TestMensagem::closes()
{
    QFETCH(bool, byTimer);
    m_window->showMessage(kRefused);
    QVERIFY(QTest::qWaitForWindowExposed(m_window));

    if (byTimer) {
        QVERIFY(QMetaObject::invokeMethod(timer1(), "timeout"));
    } else {
        auto *ok = m_window->findChild<QPushButton *>(QStringLiteral("Command1"));
        QTest::mouseClick(ok, Qt::LeftButton);
        QVERIFY(!timer1()->isActive());
    }
    QVERIFY(!m_window->isVisible());
}

void TestMensagem::showingAgainKeepsCountdown()
{
    m_window->showMessage(QStringLiteral("primeira"));
    QVERIFY(QTest::qWaitForWindowExposed(m_window));
    const int first = timer1()->remainingTime();
    // Let the countdown move on a little, then show the window again.
    QTRY_VERIFY_WITH_TIMEOUT(timer1()->remainingTime() < first - 20, 5000);
    const int before = timer1()->remainingTime();

    m_window->showMessage(QStringLiteral("segunda"));
    QCOMPARE(m_window->qn()->text(), QStringLiteral("segunda"));
    QVERIFY(timer1()->isActive());
    QVERIFY2(timer1()->remainingTime() <= before,
             qPrintable(QStringLiteral("%1 > %2").arg(timer1()->remainingTime()).arg(before)));
}

void TestMensagem::opensAgainAfterClosing()
{
    m_window->showMessage(QStringLiteral("primeira"));
    QVERIFY(QMetaObject::invokeMethod(timer1(), "timeout"));
    QVERIFY(!m_window->isVisible());

    // A new opening starts a new countdown.
    m_window->showMessage(QStringLiteral("segunda"));
    QVERIFY(m_window->isVisible());
    QVERIFY(timer1()->isActive());
    QVERIFY(timer1()->remainingTime() > 8000);
    QCOMPARE(m_window->qn()->text(), QStringLiteral("segunda"));
}

void TestMensagem::oneWindowForTheRun()
{
    mensagem &window = mensagemWindow();
    QCOMPARE(&mensagemWindow(), &window);
    window.showMessage(kRefused);
    QVERIFY(window.isVisible());
    window.hide();
}

QTEST_MAIN(TestMensagem)
#include "tst_mensagem.moc"
