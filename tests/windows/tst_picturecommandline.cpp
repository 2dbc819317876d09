// --imagem through the real program, with no display at all: the exit status, the message on
// standard error and what is left in the folder, for good runs, refused lines and files that
// cannot be written (a missing folder, a full disk made by a file-size limit, no permission).
#include <QDir>
#include <QFile>
#include <QImage>
#include <QImageReader>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <sys/resource.h>
#include <unistd.h>

namespace {

const QByteArray kOld = "an older picture";

} // namespace

class TestPictureCommandLine : public QObject
{
    Q_OBJECT

private slots:
    void exitStatus_data();
    void exitStatus();
};

void TestPictureCommandLine::exitStatus_data()
{
    // OUT: the picture's path, quorvel.png; OUT.jpg and the like: the same with that suffix.
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<bool>("existing");       // a file at OUT before the run
    QTest::addColumn<int>("sizeLimit");       // RLIMIT_FSIZE in bytes, 0: none
    QTest::addColumn<bool>("readOnlyFolder"); // needs an ordinary user
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("error"); // in the message on standard error
    QTest::addColumn<QSize>("size");    // of the picture written

    const QStringList bahia{"--entrada", "Bahia", "--modo", "ano", "--imagem", "OUT"};
    QTest::newRow("good: Bahia, 1920 x 1080")
        << bahia << false << 0 << false << 0 << QString() << QSize(1920, 1080);
    QTest::newRow("good: a typed figure, portrait")
        << QStringList{"--mensal", "937", "--tamanho", "1080x1920", "--imagem", "OUT"} << false << 0
        << false << 0 << QString() << QSize(1080, 1920);
    QTest::newRow("good: an existing file replaced whole")
        << bahia + QStringList{"--tamanho", "1080x1080"} << true << 0 << false << 0 << QString()
        << QSize(1080, 1080);
    QTest::newRow("good: a comparison of three, square")
        << QStringList{"-e",     "Bahia",     "-m",        "937",      "-e",
                       "Brasil", "--tamanho", "1080x1080", "--imagem", "OUT"}
        << false << 0 << false << 0 << QString() << QSize(1080, 1080);
    QTest::newRow("comparison with an unknown entry")
        << QStringList{"-e", "Bahia", "-e", "Atlântida", "--imagem", "OUT"} << true << 0 << false
        << 2 << "Entrada desconhecida: Atlântida" << QSize();
    // The format the name says, or none at all: a .jpg that holds a PNG fools whoever opens it.
    QTest::newRow("good: .jpg written as JPEG")
        << QStringList{"--entrada", "Bahia", "--imagem", "OUT.jpg"} << false << 0 << false << 0
        << QString() << QSize(1920, 1080);
    QTest::newRow("good: .JPEG written as JPEG")
        << QStringList{"--mensal", "937", "--tamanho", "1080x1080", "--imagem", "OUT.JPEG"} << false
        << 0 << false << 0 << QString() << QSize(1080, 1080);
    QTest::newRow("refused suffix: .gif, existing file unchanged")
        << QStringList{"--entrada", "Bahia", "--imagem", "OUT.gif"} << true << 0 << false << 2
        << "precisa terminar em .png, .jpg ou .jpeg" << QSize();
    QTest::newRow("refused suffix: none")
        << QStringList{"--entrada", "Bahia", "--imagem", "OUT."} << false << 0 << false << 2
        << "precisa terminar em .png, .jpg ou .jpeg" << QSize();
    QTest::newRow("bad size: too small")
        << bahia + QStringList{"--tamanho", "100x100"} << true << 0 << false << 2
        << "Tamanho inválido: \"100x100\"" << QSize();
    QTest::newRow("bad size: not LxA") << bahia + QStringList{"--tamanho", "grande"} << false << 0
                                       << false << 2 << "Tamanho inválido: \"grande\"" << QSize();
    QTest::newRow("no choice") << QStringList{"--imagem", "OUT", "--modo", "ano"} << true << 0
                               << false << 2 << "A opção --imagem precisa de uma escolha"
                               << QSize();
    QTest::newRow("size without a picture")
        << QStringList{"--entrada", "Bahia", "--tamanho", "1080x1080"} << false << 0 << false << 2
        << "A opção --tamanho só vale com --imagem" << QSize();
    QTest::newRow("unknown entry")
        << QStringList{"--entrada", "Atlântida", "--imagem", "OUT"} << true << 0 << false << 2
        << "Entrada desconhecida: Atlântida" << QSize();
    QTest::newRow("missing folder") << QStringList{"--entrada", "Bahia", "--imagem", "MISSING"}
                                    << false << 0 << false << 1 << "não existe" << QSize();
    QTest::newRow("full disk, new file")
        << bahia << false << 4096 << false << 1 << "tamanho máximo permitido" << QSize();
    QTest::newRow("full disk, existing file unchanged")
        << bahia << true << 4096 << false << 1 << "tamanho máximo permitido" << QSize();
    QTest::newRow("no permission, new file")
        << bahia << false << 0 << true << 1 << "sem permissão" << QSize();
    QTest::newRow("no permission, existing file unchanged")
        << bahia << true << 0 << true << 1 << "sem permissão" << QSize();
}

void TestPictureCommandLine::exitStatus()
{
    QFETCH(QStringList, arguments);
    QFETCH(bool, existing);
    QFETCH(int, sizeLimit);
    QFETCH(bool, readOnlyFolder);
    QFETCH(int, status);
    QFETCH(QString, error);
    QFETCH(QSize, size);
    if (readOnlyFolder && geteuid() == 0)
        QSKIP("root may write in any folder: run the tests as an ordinary user");
    const QString program = QStringLiteral(QUORVEL_PROGRAM);
    QVERIFY2(QFile::exists(program), "build the program (target quorvel-counter) first");

    QTemporaryDir work;
    const QString folder = work.filePath(QStringLiteral("saida"));
    QVERIFY(QDir().mkpath(folder));
    QString suffix = QStringLiteral(".png");
    for (const QString &argument : arguments) {
        if (argument.startsWith(u"OUT."))
            suffix = argument.mid(3);
    }
    const QString out = QDir(folder).filePath(QStringLiteral("quorvel") + suffix);
    if (existing) {
        QFile file(out);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(kOld);
    }
    for (QString &argument : arguments) {
        if (argument == u"OUT" || argument.startsWith(u"OUT."))
            argument = out;
        else if (argument == u"MISSING")
            argument = work.filePath(QStringLiteral("nada/quorvel.png"));
    }
    if (readOnlyFolder)
        QVERIFY(QFile::setPermissions(folder, QFile::ReadOwner | QFile::ExeOwner));

    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    // No display of any kind, and no platform chosen: the program must choose its own.
    for (const char *name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        environment.remove(QString::fromLatin1(name));
    environment.insert(QStringLiteral("XDG_DATA_HOME"), work.filePath(QStringLiteral("data")));
    process.setProcessEnvironment(environment);
    if (sizeLimit > 0) {
        process.setChildProcessModifier([sizeLimit] {
            rlimit limit{rlim_t(sizeLimit), rlim_t(sizeLimit)};
            setrlimit(RLIMIT_FSIZE, &limit);
        });
    }
    process.start(program, arguments);
    const bool ended = process.waitForFinished(120'000);
    QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    if (!ended) {
        process.kill();
        process.waitForFinished();
        QFAIL("the program did not end");
    }
    // The program's own lines, not the warnings of the libraries under it.
    const QString err = QString::fromLocal8Bit(process.readAllStandardError())
                            .split(u'\n')
                            .filter(QStringLiteral("quorvel-counter"))
                            .join(u'\n');
    QCOMPARE(process.exitStatus(), QProcess::NormalExit);
    QVERIFY2(process.exitCode() == status, qPrintable(QString::number(process.exitCode()) + err));
    const QStringList left = QDir(folder).entryList(QDir::NoDotAndDotDot | QDir::AllEntries);
    if (status == 0) {
        QVERIFY2(err.isEmpty(), qPrintable(err));
        QCOMPARE(left, QStringList{"quorvel" + suffix});
        QImageReader reader(out);
        reader.setDecideFormatFromContent(true);
        QCOMPARE(reader.format(), suffix.startsWith(u".j", Qt::CaseInsensitive)
                                      ? QByteArray("jpeg")
                                      : QByteArray("png"));
        QCOMPARE(reader.read().size(), size);
        return;
    }
    QVERIFY2(err.startsWith(QStringLiteral("quorvel-counter: ")) && err.contains(error),
             qPrintable(err));
    // Nothing left behind, and an existing file as it was.
    QCOMPARE(left, existing ? QStringList{"quorvel" + suffix} : QStringList());
    if (existing) {
        QFile file(out);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), kOld);
    }
}

QTEST_GUILESS_MAIN(TestPictureCommandLine)
#include "tst_picturecommandline.moc"
