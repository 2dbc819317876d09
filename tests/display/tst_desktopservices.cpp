// The desktop's opener run for real: a stand-in opener script tells how the opening ended,
// and the answer comes once it has ended, while the caller's event loop goes on.
#include "display/qtdesktopservices.h"

#include <QFile>
#include <QObject>
#include <QTemporaryDir>
#include <QTest>

#include <optional>

namespace {

// An opener that waits until the file "go" appears beside it, then says and exits as told.
QString writeOpener(const QTemporaryDir &dir, const QByteArray &body)
{
    const QString path = dir.filePath(QStringLiteral("opener"));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return {};
    file.write("#!/bin/sh\nwhile [ ! -e \"$(dirname \"$0\")/go\" ]; do sleep 0.02; done\n" + body);
    file.close();
    file.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    return path;
}

void letOpenerEnd(const QTemporaryDir &dir)
{
    QFile go(dir.filePath(QStringLiteral("go")));
    QVERIFY(go.open(QIODevice::WriteOnly));
}

} // namespace

class TestDesktopServices : public QObject
{
    Q_OBJECT

private slots:
    void openingEndsAsTheOpenerSays_data()
    {
        QTest::addColumn<QByteArray>("body");
        QTest::addColumn<bool>("opened");
        QTest::addColumn<QString>("reason");
        QTest::newRow("no application")
            << QByteArray("echo 'xdg-open: no application' >&2\nexit 3\n") << false
            << "xdg-open: no application";
        QTest::newRow("silent failure") << QByteArray("exit 4\n") << false << "código de saída 4";
        QTest::newRow("opened") << QByteArray("echo chatter\nexit 0\n") << true << "";
    }
    void openingEndsAsTheOpenerSays()
    {
        QFETCH(QByteArray, body);
        QFETCH(bool, opened);
        QFETCH(QString, reason);
        QTemporaryDir dir;
        QtDesktopServices desktop(writeOpener(dir, body));
        QObject receiver;
        std::optional<DesktopServices::OpenResult> result;
        desktop.openInApplication(dir.filePath(QStringLiteral("dados.txt")), &receiver,
                                  [&](const DesktopServices::OpenResult &r) { result = r; });
        // The opener is still waiting: the call came back without its answer.
        QCoreApplication::processEvents();
        QVERIFY(!result);
        letOpenerEnd(dir);
        QTRY_VERIFY_WITH_TIMEOUT(result.has_value(), 20000);
        QCOMPARE(result->opened, opened);
        QCOMPARE(result->reason, reason);
    }

    void openerThatCannotStartIsAFailure()
    {
        QTemporaryDir dir;
        QtDesktopServices desktop(dir.filePath(QStringLiteral("no-such-opener")));
        QObject receiver;
        std::optional<DesktopServices::OpenResult> result;
        desktop.openInApplication(dir.filePath(QStringLiteral("dados.txt")), &receiver,
                                  [&](const DesktopServices::OpenResult &r) { result = r; });
        QTRY_VERIFY_WITH_TIMEOUT(result.has_value(), 20000);
        QVERIFY(!result->opened);
        QVERIFY2(result->reason.contains(QStringLiteral("no-such-opener")),
                 qPrintable(result->reason));
    }
};

QTEST_GUILESS_MAIN(TestDesktopServices)
#include "tst_desktopservices.moc"
