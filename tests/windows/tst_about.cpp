// The about window: its texts, and the system-information button, which starts the first
// program of the list found on the PATH or says that there is none.
#include "display/qtdesktopservices.h"
#include "recordingdesktop.h"
#include "testfiles.h"
#include "windows/AboutSom/aboutsom.h"
#include "windows/AboutSom/systeminfoprogram.h"

#include <QCoreApplication>
#include <QFile>
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

namespace {

// An about window whose lookups, launches and message boxes are recorded.
struct Fixture
{
    explicit Fixture(QStringList installed = {}, bool startSucceeds = true)
        : desktop(std::move(installed), startSucceeds)
    {
    }

    template <typename T> T *child(const char *name)
    {
        return about.findChild<T *>(QLatin1String(name));
    }

    struct Desktop : RecordingDesktop
    {
        Desktop(QStringList programs, bool startSucceeds)
        {
            installed = std::move(programs);
            startResult = startSucceeds;
        }
    } desktop;
    AboutSom about{desktop};
    QStringList &lookedUp = desktop.lookedUp;
    QStringList &started = desktop.started;
    QStringList &messages = desktop.messages;
};

// Looks programs up on the real PATH; records what it starts, by path, and the messages.
struct PathDesktop : RecordingDesktop
{
    QString findExecutable(const QString &name) override
    {
        return QtDesktopServices().findExecutable(name);
    }
    bool startDetached(const QString &program, const QStringList &) override
    {
        started << program;
        return true;
    }
};

} // namespace

class TestAbout : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { QCoreApplication::setApplicationVersion(QString()); }

    void showsTitleVersionAndDescription()
    {
        QCoreApplication::setApplicationVersion(QStringLiteral("1.0.0"));
        Fixture f;
        QCOMPARE(f.about.windowTitle(), QStringLiteral("About Quorvel Counter"));
        QCOMPARE(f.child<QLabel>("lblTitle")->text(), QStringLiteral("Quorvel Counter"));
        QCOMPARE(f.child<QLabel>("lblVersion")->text(), QStringLiteral("Version 1.0.0"));
        QCOMPARE(f.child<QPushButton>("cmdOK")->text(), QStringLiteral("OK"));
        QCOMPARE(f.child<QPushButton>("cmdSysInfo")->text(), QStringLiteral("Sistema"));
        QVERIFY(f.child<QLabel>("lblDisclaimer"));
        QVERIFY(!f.child<QLabel>("Image1")->pixmap().isNull());
        QVERIFY(f.child<QFrame>("Line1(0)"));
        QVERIFY(f.child<QFrame>("Line1(1)"));
        QVERIFY(!f.about.isModal());

        // Five paragraphs, an empty line between each two.
        const QStringList paragraphs =
            f.child<QLabel>("lblDescription")->text().split(QStringLiteral("\n\n"));
        QCOMPARE(paragraphs.size(), 5);
        QCOMPARE(paragraphs[0],
                 QStringLiteral("Este programa tem como finalidade medir o grau de violência em "
                                "qualquer cidade, bairro ou País através do tratamento "
                                "estatístico de ocorrências e índices de violência."));
        QCOMPARE(paragraphs[2], QStringLiteral("As informações aqui processadas não constituem "
                                               "um registro oficial dos dados tratados"));
        QCOMPARE(paragraphs[3],
                 QStringLiteral("A credibilidade das fontes utilizadas dependem exclusivamente "
                                "do usuário e do seu critério de seleção e avaliação"));
        for (const QString &p : paragraphs)
            QVERIFY2(!p.trimmed().isEmpty() && !p.contains('\n'), qPrintable(p));
        QVERIFY(paragraphs[4].contains('@'));
        QVERIFY(paragraphs[4].contains(QStringLiteral("https://")));
    }

    void versionLineHasThreePlainNumbers_data()
    {
        QTest::addColumn<QString>("version");
        QTest::addColumn<QString>("line");
        QTest::newRow("three parts") << "1.0.0"
                                     << "Version 1.0.0";
        QTest::newRow("two parts") << "2.3"
                                   << "Version 2.3.0";
        QTest::newRow("leading zeros") << "01.02.010"
                                       << "Version 1.2.10";
        QTest::newRow("suffix") << "1.4.2-rc1"
                                << "Version 1.4.2";
        QTest::newRow("none set") << ""
                                  << "Version 0.0.0";
    }
    void versionLineHasThreePlainNumbers()
    {
        QFETCH(QString, version);
        QFETCH(QString, line);
        QCoreApplication::setApplicationVersion(version);
        Fixture f;
        QCOMPARE(f.child<QLabel>("lblVersion")->text(), line);
    }

    void systemButtonStartsTheFirstProgramFound_data()
    {
        QTest::addColumn<QStringList>("installed");
        QTest::addColumn<bool>("startSucceeds");
        QTest::addColumn<QStringList>("started");
        QTest::addColumn<bool>("unavailable");
        QTest::newRow("none installed") << QStringList{} << true << QStringList{} << true;
        QTest::newRow("a profiler")
            << QStringList{"hardinfo"} << true << QStringList{"/opt/bin/hardinfo"} << false;
        QTest::newRow("newer profiler first") << QStringList{"hardinfo", "hardinfo2"} << true
                                              << QStringList{"/opt/bin/hardinfo2"} << false;
        QTest::newRow("KDE before Xfce") << QStringList{"xfce4-about", "kinfocenter"} << true
                                         << QStringList{"/opt/bin/kinfocenter"} << false;
        QTest::newRow("GNOME settings on its overview")
            << QStringList{"gnome-control-center"} << true
            << QStringList{"/opt/bin/gnome-control-center info-overview"} << false;
        QTest::newRow("found but does not start")
            << QStringList{"kinfocenter"} << false << QStringList{"/opt/bin/kinfocenter"} << true;
        QTest::newRow("unrelated programs only")
            << QStringList{"gnome-system-monitor", "top"} << true << QStringList{} << true;
    }
    void systemButtonStartsTheFirstProgramFound()
    {
        QFETCH(QStringList, installed);
        QFETCH(bool, startSucceeds);
        QFETCH(QStringList, started);
        QFETCH(bool, unavailable);
        Fixture f(installed, startSucceeds);
        f.about.show();
        f.child<QPushButton>("cmdSysInfo")->click();
        QCOMPARE(f.started, started);
        QCOMPARE(f.messages,
                 unavailable ? QStringList{AboutSom::unavailableText()} : QStringList{});
        QCOMPARE(AboutSom::unavailableText(),
                 QStringLiteral("System Information Is Unavailable At This Time"));
        QVERIFY(f.about.isVisible()); // the window stays open either way
        // The list is tried in order and no further than the first found.
        const QStringList order{"hardinfo2",   "hardinfo", "kinfocenter", "gnome-control-center",
                                "xfce4-about", "cpu-x"};
        QCOMPARE(f.lookedUp, order.mid(0, f.lookedUp.size()));
        QVERIFY(!f.lookedUp.isEmpty());
    }

    void lookupSearchesThePath()
    {
        QTemporaryDir bin;
        const QString fake = bin.filePath(QStringLiteral("kinfocenter"));
        QVERIFY(writeBytes(fake, "#!/bin/sh\nexit 0\n"));
        QVERIFY(QFile::setPermissions(fake, QFile::ReadOwner | QFile::ExeOwner));
        QVERIFY(writeBytes(bin.filePath(QStringLiteral("hardinfo")), QByteArray()));

        const QByteArray savedPath = qgetenv("PATH");
        qputenv("PATH", QFile::encodeName(bin.path()));
        PathDesktop desktop;
        AboutSom about(desktop);
        const QStringList &started = desktop.started;
        const QStringList &messages = desktop.messages;
        about.StartSysInfo();
        qputenv("PATH", QFile::encodeName(QTemporaryDir().path()) + "-nothing-here");
        about.StartSysInfo();
        qputenv("PATH", savedPath);

        QCOMPARE(started, QStringList{fake});
        QCOMPARE(messages, QStringList{AboutSom::unavailableText()});
    }

    void okClosesTheWindow()
    {
        Fixture f;
        f.about.show();
        QVERIFY(QTest::qWaitForWindowExposed(&f.about));
        f.child<QPushButton>("cmdOK")->click();
        QVERIFY(!f.about.isVisible());
        QVERIFY(f.started.isEmpty() && f.messages.isEmpty());
    }
};

QTEST_MAIN(TestAbout)
#include "tst_about.moc"
