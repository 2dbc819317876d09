// Whether a window can be shown, judged from the environment before Qt looks for a display;
// and the folder a save dialog opens in.
#include "core/graphicalsession.h"
#include "core/savefolder.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

class TestGraphicalSession : public QObject
{
    Q_OBJECT

private slots:
    void sessionFromEnvironment_data();
    void sessionFromEnvironment();
    void messageSaysHowToMakeAPicture();
    void saveFolderFallsBackToHome();
};

void TestGraphicalSession::sessionFromEnvironment_data()
{
    QTest::addColumn<QString>("platform"); // QT_QPA_PLATFORM
    QTest::addColumn<QString>("display");
    QTest::addColumn<QString>("wayland");
    QTest::addColumn<bool>("expected");

    QTest::newRow("nothing at all") << ""
                                    << ""
                                    << "" << false;
    QTest::newRow("an X display") << ""
                                  << ":0"
                                  << "" << true;
    QTest::newRow("a Wayland session") << ""
                                       << ""
                                       << "wayland-0" << true;
    QTest::newRow("blank DISPLAY") << ""
                                   << " "
                                   << "" << false;
    QTest::newRow("xcb asked, no X") << "xcb"
                                     << ""
                                     << "wayland-0" << false;
    QTest::newRow("xcb with its options") << "xcb:nogl"
                                          << ":1"
                                          << "" << true;
    QTest::newRow("wayland asked, no Wayland") << "wayland"
                                               << ":0"
                                               << "" << false;
    QTest::newRow("wayland-egl") << "wayland-egl"
                                 << ""
                                 << "wayland-1" << true;
    QTest::newRow("a list, the second there") << "wayland;xcb"
                                              << ":0"
                                              << "" << true;
    QTest::newRow("a list, none there") << "wayland;xcb"
                                        << ""
                                        << "" << false;
    // Platforms that draw without a desktop session are left to Qt.
    QTest::newRow("offscreen") << "offscreen"
                               << ""
                               << "" << true;
    QTest::newRow("framebuffer of a kiosk") << "linuxfb"
                                            << ""
                                            << "" << true;
    QTest::newRow("eglfs") << "eglfs"
                           << ""
                           << "" << true;
}

void TestGraphicalSession::sessionFromEnvironment()
{
    QFETCH(QString, platform);
    QFETCH(QString, display);
    QFETCH(QString, wayland);
    QTEST(graphicalSessionExpected(platform, display, wayland), "expected");
}

void TestGraphicalSession::messageSaysHowToMakeAPicture()
{
    const QString text = noGraphicalSessionText();
    QVERIFY(text.startsWith(QStringLiteral("quorvel-counter: Não há sessão gráfica")));
    QVERIFY(text.contains(QStringLiteral("--imagem")));
    QVERIFY(text.endsWith(u'\n'));
}

void TestGraphicalSession::saveFolderFallsBackToHome()
{
    QTemporaryDir home;
    QTemporaryDir pictures;
    QCOMPARE(existingFolderOrHome(pictures.path(), home.path()), pictures.path());
    QCOMPARE(existingFolderOrHome(pictures.filePath(QStringLiteral("Imagens")), home.path()),
             home.path());
    QCOMPARE(existingFolderOrHome(QString(), home.path()), home.path());
    // A file where the folder should be.
    const QString file = pictures.filePath(QStringLiteral("arquivo"));
    QFile made(file);
    QVERIFY(made.open(QIODevice::WriteOnly));
    made.close();
    QCOMPARE(existingFolderOrHome(file, home.path()), home.path());
}

QTEST_GUILESS_MAIN(TestGraphicalSession)
#include "tst_graphicalsession.moc"
