// The widget-free pieces of a shared picture: the size typed on the command line, the file
// name offered, the caption's texts, and a file written whole or not at all.
#include "core/commandline.h"
#include "core/sharepicturetext.h"
#include "core/wholefile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <sys/resource.h>
#include <unistd.h>

namespace {

QByteArray readBytes(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return "(missing)";
    return file.readAll();
}

bool writeBytes(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

} // namespace

class TestSharePictureText : public QObject
{
    Q_OBJECT

private slots:
    void pictureSize_data();
    void pictureSize();
    void fileNameAndDate_data();
    void fileNameAndDate();
    void sourcesText_data();
    void sourcesText();
    void replacesExistingFileWhole();
    void failedWriteLeavesDiskAsItWas_data();
    void failedWriteLeavesDiskAsItWas();
    void systemFolderNamesTheCause();
    void fullDiskLeavesNothing();
    void commandLine_data();
    void commandLine();
};

void TestSharePictureText::pictureSize_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QSize>("size"); // invalid: refused

    QTest::newRow("full HD") << "1920x1080" << QSize(1920, 1080);
    QTest::newRow("square") << "1080x1080" << QSize(1080, 1080);
    QTest::newRow("portrait") << "1080x1920" << QSize(1080, 1920);
    QTest::newRow("upper-case X") << "1280X720" << QSize(1280, 720);
    QTest::newRow("both at the least") << "320x320" << QSize(320, 320);
    QTest::newRow("both at the most") << "7680x7680" << QSize(7680, 7680);
    QTest::newRow("width too small") << "319x1080" << QSize();
    QTest::newRow("height too large") << "1920x7681" << QSize();
    QTest::newRow("zero") << "0x0" << QSize();
    QTest::newRow("no height") << "1920x" << QSize();
    QTest::newRow("one number") << "1920" << QSize();
    QTest::newRow("a star") << "1920*1080" << QSize();
    QTest::newRow("spaces") << "1920 x 1080" << QSize();
    QTest::newRow("a sign") << "+1920x1080" << QSize();
    QTest::newRow("negative") << "-1920x1080" << QSize();
    QTest::newRow("decimals") << "1920.5x1080" << QSize();
    QTest::newRow("huge digits") << "99999999999x1080" << QSize();
    QTest::newRow("the multiplication sign") << "1920×1080" << QSize();
    QTest::newRow("empty") << "" << QSize();
}

void TestSharePictureText::pictureSize()
{
    QFETCH(QString, text);
    QFETCH(QSize, size);
    const std::optional<QSize> parsed = parsePictureSize(text);
    QCOMPARE(parsed.has_value(), size.isValid());
    if (parsed)
        QCOMPARE(*parsed, size);
}

void TestSharePictureText::fileNameAndDate_data()
{
    QTest::addColumn<QDateTime>("at");
    QTest::addColumn<QString>("fileName");
    QTest::addColumn<QString>("date");

    QTest::newRow("afternoon") << QDateTime(QDate(2026, 12, 10), QTime(14, 32, 59))
                               << "quorvel-2026-12-10-1432.png"
                               << "em 10/12/2026 às 14:32";
    QTest::newRow("just after midnight, one-digit month")
        << QDateTime(QDate(2027, 1, 2), QTime(0, 5)) << "quorvel-2027-01-02-0005.png"
        << "em 02/01/2027 às 00:05";
    QTest::newRow("last minute of the year")
        << QDateTime(QDate(2026, 12, 31), QTime(23, 59, 30)) << "quorvel-2026-12-31-2359.png"
        << "em 31/12/2026 às 23:59";
}

void TestSharePictureText::fileNameAndDate()
{
    QFETCH(QDateTime, at);
    QFETCH(QString, fileName);
    QFETCH(QString, date);
    QCOMPARE(defaultPictureFileName(at), fileName);
    QCOMPARE(pictureDateText(at), date);
}

void TestSharePictureText::sourcesText_data()
{
    QTest::addColumn<QStringList>("sources");
    QTest::addColumn<QString>("text");

    const QString fbsp = QStringLiteral("Fonte: Anuário Brasileiro de Segurança Pública 2023 "
                                        "(FBSP), dados de 2022");
    const QString ssp = QStringLiteral("Fonte: SSP-SP, dados de 2023");
    QTest::newRow("one counter") << QStringList{fbsp} << fbsp;
    QTest::newRow("a typed figure has none") << QStringList{QString()} << QString();
    QTest::newRow("two counters, two sources")
        << QStringList{fbsp, ssp} << fbsp + QStringLiteral("  ·  ") + ssp;
    QTest::newRow("one source said once") << QStringList{fbsp, QString(), fbsp} << fbsp;
}

void TestSharePictureText::sourcesText()
{
    QFETCH(QStringList, sources);
    QFETCH(QString, text);
    QCOMPARE(pictureSourcesText(sources), text);
}

void TestSharePictureText::replacesExistingFileWhole()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("quorvel.png"));
    QVERIFY(writeBytes(path, QByteArray(5000, 'o')));
    QCOMPARE(writeWholeFile(path, "new"), QString());
    QCOMPARE(readBytes(path), QByteArray("new"));
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{"quorvel.png"});
}

void TestSharePictureText::failedWriteLeavesDiskAsItWas_data()
{
    QTest::addColumn<QString>("relativePath");
    QTest::addColumn<QString>("reason");
    QTest::newRow("missing folder") << "nada/x.png"
                                    << "não existe";
    QTest::newRow("a folder of that name") << "pasta"
                                           << "já existe uma pasta com esse nome";
    QTest::newRow("folder is a file") << "arquivo.txt/x.png"
                                      << "não existe";
    QTest::newRow("no name") << ""
                             << "falta o nome do arquivo";
}

void TestSharePictureText::failedWriteLeavesDiskAsItWas()
{
    QFETCH(QString, relativePath);
    QFETCH(QString, reason);
    QTemporaryDir dir;
    QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("pasta")));
    QVERIFY(writeBytes(dir.filePath(QStringLiteral("arquivo.txt")), "old"));
    const QString path = relativePath.isEmpty() ? QString() : dir.filePath(relativePath);
    const QString got = writeWholeFile(path, "new");
    QVERIFY2(got.contains(reason), qPrintable(got));
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{"arquivo.txt"});
    QCOMPARE(readBytes(dir.filePath(QStringLiteral("arquivo.txt"))), QByteArray("old"));
}

// Folders of the system: the reason is the folder's, not a missing one.
void TestSharePictureText::systemFolderNamesTheCause()
{
    if (!QFileInfo(QStringLiteral("/proc/self")).isDir())
        QSKIP("no /proc here");
    const QString reason = writeWholeFile(QStringLiteral("/proc/p.png"), "new");
    QCOMPARE(reason, QStringLiteral("a pasta /proc não aceita arquivos novos"));
    QVERIFY(!QFileInfo::exists(QStringLiteral("/proc/p.png")));
}

void TestSharePictureText::fullDiskLeavesNothing()
{
    // A disk that fills up mid-write, made by the file-size limit (which binds root too): the
    // old file stays whole and no temporary file is left beside it.
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("quorvel.png"));
    QVERIFY(writeBytes(path, "old"));
    rlimit saved{};
    QVERIFY(getrlimit(RLIMIT_FSIZE, &saved) == 0);
    const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = saved;
    small.rlim_cur = 1024;
    QVERIFY(setrlimit(RLIMIT_FSIZE, &small) == 0);
    const QString reason = writeWholeFile(path, QByteArray(100000, 'n'));
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, previousHandler);

    QCOMPARE(reason, QStringLiteral("o arquivo passaria do tamanho máximo permitido"));
    QCOMPARE(readBytes(path), QByteArray("old"));
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{"quorvel.png"});
}

void TestSharePictureText::commandLine_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("file");  // empty: refused
    QTest::addColumn<QSize>("size");    // as read
    QTest::addColumn<QString>("error"); // the start of the message when refused

    QTest::newRow("an entry, the default size")
        << QStringList{"--entrada", "Bahia", "--imagem", "/tmp/x.png"} << "/tmp/x.png"
        << QSize(1920, 1080) << QString();
    QTest::newRow("a figure, square, size first")
        << QStringList{"--tamanho", "1080x1080", "--mensal", "937", "--imagem", "a.png"} << "a.png"
        << QSize(1080, 1080) << QString();
    QTest::newRow("no choice") << QStringList{"--imagem", "a.png"} << QString() << QSize()
                               << "quorvel-counter: A opção --imagem precisa de uma escolha";
    QTest::newRow("bad size") << QStringList{"-e",    "Bahia",     "--imagem",
                                             "a.png", "--tamanho", "8000x1080"}
                              << QString() << QSize()
                              << "quorvel-counter: Tamanho inválido: \"8000x1080\"";
    // The whole message is compared: a placeholder typed in the value once took the bounds.
    QTest::newRow("placeholders typed in the size")
        << QStringList{"-e", "Bahia", "--imagem", "a.png", "--tamanho", "%2x%3"} << QString()
        << QSize()
        << "quorvel-counter: Tamanho inválido: \"%2x%3\" (use LARGURAxALTURA, cada lado de 320 a "
           "7680, por exemplo 1920x1080)\n";
    QTest::newRow("size alone") << QStringList{"-e", "Bahia", "--tamanho", "1080x1080"} << QString()
                                << QSize()
                                << "quorvel-counter: A opção --tamanho só vale com --imagem";
    QTest::newRow("two pictures") << QStringList{"-e",    "Bahia",    "--imagem",
                                                 "a.png", "--imagem", "b.png"}
                                  << QString() << QSize()
                                  << "quorvel-counter: A opção --imagem foi dada mais de uma vez";
    QTest::newRow("no file name") << QStringList{"-e", "Bahia", "--imagem", ""} << QString()
                                  << QSize() << "quorvel-counter: Falta o nome do arquivo";
    QTest::newRow("no value") << QStringList{"-e", "Bahia", "--imagem"} << QString() << QSize()
                              << "quorvel-counter: Falta o valor da opção --imagem";
    // The format is the one the name says: .png, .jpg or .jpeg, in any case, or nothing.
    QTest::newRow("JPEG by its long suffix")
        << QStringList{"-e", "Bahia", "--imagem", "/tmp/x.JPEG"} << "/tmp/x.JPEG"
        << QSize(1920, 1080) << QString();
    QTest::newRow("a suffix of another format")
        << QStringList{"-e", "Bahia", "--imagem", "x.gif"} << QString() << QSize()
        << "quorvel-counter: A imagem de --imagem precisa terminar em .png, .jpg ou .jpeg";
    QTest::newRow("no suffix") << QStringList{"-e", "Bahia", "--imagem", "/tmp/png"} << QString()
                               << QSize()
                               << "quorvel-counter: A imagem de --imagem precisa terminar em "
                                  ".png, .jpg ou .jpeg";
}

void TestSharePictureText::commandLine()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, file);
    QFETCH(QSize, size);
    QFETCH(QString, error);
    const CommandLineResult result =
        parseCommandLine(QStringList{"quorvel-counter"} + arguments, QStringLiteral("1.0.0"));
    if (file.isEmpty()) {
        QCOMPARE(result.action, CommandLineResult::Action::Fail);
        QCOMPARE(result.exitStatus, 2);
        QVERIFY2(result.text.startsWith(error), qPrintable(result.text));
        return;
    }
    QCOMPARE(result.action, CommandLineResult::Action::Run);
    QCOMPARE(result.options.pictureFile, std::optional<QString>(file));
    QCOMPARE(result.options.pictureSize, size);
    QVERIFY(result.options.startsCount());
}

QTEST_GUILESS_MAIN(TestSharePictureText)
#include "tst_sharepicturetext.moc"
