#include "windows/frmSplash/frmsplash.h"

#include <QApplication>
#include <QLabel>
#include <QPointer>
#include <QTest>
#include <QTimer>

class TestSplash : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void controls();
    void versionCaption_data();
    void versionCaption();
    void timerOpensMain();
    void clickOnReelOpensMainAtOnce_data();
    void clickOnReelOpensMainAtOnce();
    void keyClosesWithoutMain_data();
    void keyClosesWithoutMain();
    void modifierAloneKeepsSplash();

private:
    QLabel *label(const char *name) const
    {
        return m_splash->findChild<QLabel *>(QString::fromLatin1(name));
    }
    QTimer *timer1() const { return m_splash->findChild<QTimer *>(QStringLiteral("Timer1")); }

    QPointer<frmSplash> m_splash;
    int m_mainShown = 0;
    bool m_splashOpenWhenMainShown = false;
};

void TestSplash::init()
{
    QCoreApplication::setApplicationVersion(QStringLiteral("1.0.0"));
    m_mainShown = 0;
    m_splashOpenWhenMainShown = false;
    m_splash = new frmSplash([this] {
        ++m_mainShown;
        m_splashOpenWhenMainShown = m_splash && m_splash->isVisible();
    });
    m_splash->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_splash));
}

void TestSplash::cleanup()
{
    delete m_splash;
}

void TestSplash::controls()
{
    QVERIFY(m_splash->windowFlags() & Qt::FramelessWindowHint);
    QWidget *picture1 = m_splash->findChild<QWidget *>(QStringLiteral("Picture1"));
    QVERIFY(picture1);

    QCOMPARE(label("Label1")->text(), QStringLiteral("Quorvel Counter"));
    QCOMPARE(label("lblProductNamea")->text(), QStringLiteral("Quorvel Counter"));
    QCOMPARE(label("lblVersion")->text(), QStringLiteral("Versão 1.0.0"));
    QCOMPARE(label("Label3")->text(), QString());
    QVERIFY(!label("lblPlatform")->text().isEmpty());
    QVERIFY(!label("Label2")->text().isEmpty());
    QVERIFY(!label("lblCompanyProduct")->text().isEmpty());
    for (const char *name :
         {"Label1", "lblProductNamea", "lblPlatform", "lblVersion", "Label3", "Label2",
          "lblCompanyProduct", "Image1", "Image2", "Image4", "Image3(1)"}) {
        QVERIFY2(label(name), name);
        QCOMPARE(label(name)->parentWidget(), picture1);
    }

    // Twips given for the reel pictures, 15 to a pixel.
    QCOMPARE(label("Image1")->geometry(), QRect(40, 200, 547, 65));
    QCOMPARE(label("Image2")->geometry(), QRect(344, 176, 331, 45));
    QCOMPARE(label("Image4")->geometry(), QRect(480, 163, 195, 25));
    QVERIFY(label("Image2")->hasScaledContents());
    QVERIFY(label("Image4")->hasScaledContents());
    QVERIFY(m_splash->rect().contains(label("Image2")->geometry()));

    // Image2 and Image4 show Image1's picture (none at all if the artwork is missing).
    const QPixmap reel = label("Image1")->pixmap();
    QCOMPARE(label("Image2")->pixmap().cacheKey(), reel.cacheKey());
    QCOMPARE(label("Image4")->pixmap().cacheKey(), reel.cacheKey());
    if (QFile::exists(QStringLiteral(":/pictures/reel.svg")))
        QVERIFY(!reel.isNull());

    for (const char *name : {"Image1", "Image2"}) {
        QVERIFY(!label(name)->accessibleName().isEmpty());
        QVERIFY(!label(name)->toolTip().isEmpty());
    }

    QCOMPARE(timer1()->interval(), 5000);
    QVERIFY(timer1()->isSingleShot());
    QVERIFY(timer1()->isActive());
}

void TestSplash::versionCaption_data()
{
    QTest::addColumn<QString>("version");
    QTest::addColumn<QString>("caption");

    QTest::newRow("1.0.0") << "1.0.0"
                           << "Versão 1.0.0";
    QTest::newRow("two digits") << "2.13.7"
                                << "Versão 2.13.7";
    QTest::newRow("no revision") << "3.1"
                                 << "Versão 3.1.0";
    QTest::newRow("leading zeros") << "01.02.03"
                                   << "Versão 1.2.3";
    QTest::newRow("none") << ""
                          << "Versão 0.0.0";
}

void TestSplash::versionCaption()
{
    QFETCH(QString, version);
    QFETCH(QString, caption);
    QCOMPARE(frmSplash::versionCaption(version), caption);

    QCoreApplication::setApplicationVersion(version);
    frmSplash splash([] {});
    QCOMPARE(splash.findChild<QLabel *>(QStringLiteral("lblVersion"))->text(), caption);
}

void TestSplash::timerOpensMain()
{
    QVERIFY(QMetaObject::invokeMethod(timer1(), "timeout"));
    QCOMPARE(m_mainShown, 1);
    // The main window comes first, then the splash goes.
    QVERIFY(m_splashOpenWhenMainShown);
    QTRY_VERIFY(!m_splash);
    QCOMPARE(m_mainShown, 1);
}

void TestSplash::clickOnReelOpensMainAtOnce_data()
{
    QTest::addColumn<QString>("image");
    QTest::newRow("Image1") << "Image1";
    QTest::newRow("Image2") << "Image2";
}

void TestSplash::clickOnReelOpensMainAtOnce()
{
    QFETCH(QString, image);
    QPointer<QTimer> timer = timer1();
    QLabel *reel = m_splash->findChild<QLabel *>(image);
    // A point of the picture that no other picture covers.
    const QPoint spot = image == u"Image1" ? QPoint(20, 40) : QPoint(20, 10);
    QCOMPARE(reel->parentWidget()->childAt(reel->mapToParent(spot)), reel);

    QTest::mouseClick(reel, Qt::LeftButton, {}, spot);
    QCOMPARE(m_mainShown, 1);
    QVERIFY(!timer || !timer->isActive());
    QTRY_VERIFY(!m_splash);
    QCOMPARE(m_mainShown, 1);
}

void TestSplash::keyClosesWithoutMain_data()
{
    QTest::addColumn<int>("key");
    QTest::newRow("letter") << int(Qt::Key_A);
    QTest::newRow("Enter") << int(Qt::Key_Return);
    QTest::newRow("Escape") << int(Qt::Key_Escape);
    QTest::newRow("Space") << int(Qt::Key_Space);
}

void TestSplash::keyClosesWithoutMain()
{
    QFETCH(int, key);
    QTest::keyClick(m_splash, Qt::Key(key));
    QTRY_VERIFY(!m_splash);
    QCOMPARE(m_mainShown, 0);
}

void TestSplash::modifierAloneKeepsSplash()
{
    QTest::keyClick(m_splash, Qt::Key_Alt);
    QTest::keyClick(m_splash, Qt::Key_Shift);
    QVERIFY(m_splash);
    QVERIFY(m_splash->isVisible());
    QVERIFY(timer1()->isActive());
    QCOMPARE(m_mainShown, 0);
}

QTEST_MAIN(TestSplash)
#include "tst_splash.moc"
