// --pagina through the real program, with no display at all: the exit status, the message on
// standard error and what is left in the folder, for good runs, refused lines and folders the
// page cannot be written to.
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <unistd.h>

namespace {

const QByteArray kOld = "an older page";

} // namespace

class TestPageCommandLine : public QObject
{
    Q_OBJECT

private slots:
    void exitStatus_data();
    void exitStatus();
};

void TestPageCommandLine::exitStatus_data()
{
    QTest::addColumn<QStringList>("arguments"); // OUT: the page's path
    QTest::addColumn<bool>("existing");         // a file at OUT before the run
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("error"); // in the message on standard error
    QTest::addColumn<int>("sections");  // counters on the page written

    const QStringList bahia{"--entrada", "Bahia", "--modo", "ano", "--pagina", "OUT"};
    QTest::newRow("good: Bahia") << bahia << false << 0 << QString() << 1;
    QTest::newRow("good: a typed figure with a title")
        << QStringList{"--mensal", "937", "--titulo", "Na nossa cidade", "--pagina", "OUT"} << false
        << 0 << QString() << 1;
    QTest::newRow("good: an existing file replaced whole") << bahia << true << 0 << QString() << 1;
    QTest::newRow("good: a comparison of three")
        << QStringList{"-e",     "Bahia",  "-m",  "937",      "-e",
                       "Brasil", "--modo", "mes", "--pagina", "OUT"}
        << false << 0 << QString() << 3;
    QTest::newRow("no choice") << QStringList{"--pagina", "OUT", "--modo", "ano"} << true << 2
                               << "A opção --pagina precisa de uma escolha" << 0;
    QTest::newRow("seven choices")
        << QStringList{"-m", "1", "-m", "2", "-m", "3", "-m",       "4",
                       "-m", "5", "-m", "6", "-m", "7", "--pagina", "OUT"}
        << true << 2 << "no máximo 6 contadores (foram dados 7)" << 0;
    QTest::newRow("unknown entry") << QStringList{"--entrada", "Atlântida", "--pagina", "OUT"}
                                   << true << 2 << "Entrada desconhecida: Atlântida" << 0;
    QTest::newRow("comparison with an unknown entry")
        << QStringList{"-e", "Bahia", "-e", "Atlântida", "--pagina", "OUT"} << false << 2
        << "Entrada desconhecida: Atlântida" << 0;
    QTest::newRow("no file name") << QStringList{"--mensal", "937", "--pagina"} << false << 2
                                  << "Falta o valor da opção --pagina" << 0;
    QTest::newRow("with a picture too")
        << QStringList{"--mensal", "937", "--imagem", "OUT.png", "--pagina", "OUT"} << false << 2
        << "--pagina e --imagem não valem juntas" << 0;
    QTest::newRow("missing folder") << QStringList{"--entrada", "Bahia", "--pagina", "MISSING"}
                                    << false << 1 << "não existe" << 0;
    QTest::newRow("folder that cannot be written, new file")
        << QStringList{"--entrada", "Bahia", "--pagina", "OUT"} << false << 1
        << "Não foi possível salvar a página" << -1;
    QTest::newRow("folder that cannot be written, existing file unchanged")
        << QStringList{"--entrada", "Bahia", "--pagina", "OUT"} << true << 1
        << "Não foi possível salvar a página" << -1;
}

void TestPageCommandLine::exitStatus()
{
    QFETCH(QStringList, arguments);
    QFETCH(bool, existing);
    QFETCH(int, status);
    QFETCH(QString, error);
    QFETCH(int, sections);
    const bool readOnlyFolder = sections < 0;
    const QString program = QStringLiteral(QUORVEL_PROGRAM);
    QVERIFY2(QFile::exists(program), "build the program (target quorvel-counter) first");

    QTemporaryDir work;
    const QString folder = work.filePath(QStringLiteral("saida"));
    QVERIFY(QDir().mkpath(folder));
    QString out = QDir(folder).filePath(QStringLiteral("quorvel.html"));
    if (existing) {
        QFile file(out);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(kOld);
    }
    if (readOnlyFolder) {
        QVERIFY(QFile::setPermissions(folder, QFile::ReadOwner | QFile::ExeOwner));
        // The superuser writes in any folder whatever its permissions, but not in the kernel's.
        if (geteuid() == 0) {
            if (existing)
                QSKIP("no file of the test's own can stand in a folder root cannot write in");
            out = QStringLiteral("/sys/kernel/quorvel.html");
        }
    }
    for (QString &argument : arguments) {
        if (argument == u"OUT")
            argument = out;
        else if (argument == u"OUT.png")
            argument = QDir(folder).filePath(QStringLiteral("quorvel.png"));
        else if (argument == u"MISSING")
            argument = work.filePath(QStringLiteral("nada/quorvel.html"));
    }

    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    // No display of any kind, and no platform chosen: the program must choose its own.
    for (const char *name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        environment.remove(QString::fromLatin1(name));
    environment.insert(QStringLiteral("XDG_DATA_HOME"), work.filePath(QStringLiteral("data")));
    process.setProcessEnvironment(environment);
    process.start(program, arguments);
    const bool ended = process.waitForFinished(120'000);
    QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    if (!ended) {
        process.kill();
        process.waitForFinished();
        QFAIL("the program did not end");
    }
    const QString err = QString::fromLocal8Bit(process.readAllStandardError())
                            .split(u'\n')
                            .filter(QStringLiteral("quorvel-counter"))
                            .join(u'\n');
    QCOMPARE(process.exitStatus(), QProcess::NormalExit);
    QVERIFY2(process.exitCode() == status, qPrintable(QString::number(process.exitCode()) + err));
    const QStringList left = QDir(folder).entryList(QDir::NoDotAndDotDot | QDir::AllEntries);
    if (status == 0) {
        QVERIFY2(err.isEmpty(), qPrintable(err));
        QCOMPARE(left, QStringList{"quorvel.html"});
        QFile file(out);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray html = file.readAll();
        QVERIFY(html.startsWith("<!DOCTYPE html>"));
        QVERIFY(html.endsWith("</html>\n"));
        QCOMPARE(html.count("<section class=\"contador\""), sections);
        if (sections == 1)
            QVERIFY(html.size() <= 64 * 1024);
        return;
    }
    QVERIFY2(err.startsWith(QStringLiteral("quorvel-counter: ")) && err.contains(error),
             qPrintable(err));
    // Nothing left behind, and an existing file as it was.
    QCOMPARE(left, existing ? QStringList{"quorvel.html"} : QStringList());
    QVERIFY(!QFile::exists(QStringLiteral("/sys/kernel/quorvel.html")));
    if (existing) {
        QFile file(QDir(folder).filePath(QStringLiteral("quorvel.html")));
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), kOld);
    }
}

QTEST_GUILESS_MAIN(TestPageCommandLine)
#include "tst_pagecommandline.moc"
