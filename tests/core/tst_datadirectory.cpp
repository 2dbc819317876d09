// Where the data files are read and saved when the program's directory is not the user's.
#include "core/datadirectory.h"
#include "core/shippedversions.h"

#include <QDir>
#include <QFile>
#include <QHash>
#include <QTemporaryDir>
#include <QTest>

namespace {

void write(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

QByteArray read(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

const QString kHomicidios = QStringLiteral("Quorvelhomicidios.txt");
const QString kFontes = QStringLiteral("QuorvelFontes.txt");
const QString kParametros = QStringLiteral("QuorvelParametros.txt");
const QString kDistribuicao = QStringLiteral("QuorvelDistribuicao.txt");

QByteArray shippedNow(const QString &name)
{
    return read(QDir(QStringLiteral(QUORVEL_ASSETS "/data")).filePath(name));
}

// The files of the first release, with the 2022 figures, byte for byte.
QByteArray shipped2022(const QString &name)
{
    return read(QDir(QStringLiteral(QUORVEL_TEST_DATA "/enviados_2022")).filePath(name));
}

// A program folder with the files shipped now, as an install under /usr has them.
void shipInto(const QTemporaryDir &program)
{
    for (const QString &name : dataFileNames())
        write(QDir(program.path()).filePath(name), shippedNow(name));
}

} // namespace

class TestDataDirectory : public QObject
{
    Q_OBJECT

private slots:
    void writableProgramDirectoryIsUsed()
    {
        QTemporaryDir program;
        QTemporaryDir user;
        QCOMPARE(chooseDataDirectory(program.path(), true, user.path()), program.path());
        QVERIFY(QDir(user.path()).isEmpty());
    }

    void userDirectoryGetsMissingFilesOnly()
    {
        QTemporaryDir program;
        QTemporaryDir base;
        for (const QString &name : dataFileNames())
            write(QDir(program.path()).filePath(name), "shipped " + name.toUtf8());
        const QString user = QDir(base.path()).filePath("a/b");
        // Patterns the user saved before are kept.
        QVERIFY(QDir().mkpath(user));
        write(QDir(user).filePath("QuorvelDistribuicao.txt"), "\"Meu\",\"1\"\r\n");

        QCOMPARE(chooseDataDirectory(program.path(), false, user), user);
        QCOMPARE(read(QDir(user).filePath("QuorvelDistribuicao.txt")),
                 QByteArray("\"Meu\",\"1\"\r\n"));
        QCOMPARE(read(QDir(user).filePath("QuorvelParametros.txt")),
                 QByteArray("shipped QuorvelParametros.txt"));
        QCOMPARE(read(QDir(user).filePath("Quorvelhomicidios.txt")),
                 QByteArray("shipped Quorvelhomicidios.txt"));
    }

    void userDirectoryStaysOnceItHoldsData_data()
    {
        QTest::addColumn<QStringList>("inUserDirectory");
        QTest::addColumn<bool>("userChosen");
        QTest::newRow("nothing there") << QStringList() << false;
        QTest::newRow("saved patterns") << QStringList{"QuorvelDistribuicao.txt"} << true;
        QTest::newRow("an incidence file") << QStringList{"Quorvelhomicidios.txt"} << true;
        QTest::newRow("only other files") << QStringList{"notas.txt"} << false;
    }

    void userDirectoryStaysOnceItHoldsData()
    {
        QFETCH(QStringList, inUserDirectory);
        QFETCH(bool, userChosen);
        QTemporaryDir program;
        QTemporaryDir user;
        for (const QString &name : dataFileNames())
            write(QDir(program.path()).filePath(name), "shipped");
        for (const QString &name : inUserDirectory)
            write(QDir(user.path()).filePath(name), "the user's");

        QCOMPARE(chooseDataDirectory(program.path(), true, user.path()),
                 userChosen ? user.path() : program.path());
        for (const QString &name : inUserDirectory)
            QCOMPARE(read(QDir(user.path()).filePath(name)), QByteArray("the user's"));
        // Chosen, the user's directory gets the missing files, as on the first choice.
        for (const QString &name : dataFileNames()) {
            if (userChosen && !inUserDirectory.contains(name))
                QCOMPARE(read(QDir(user.path()).filePath(name)), QByteArray("shipped"));
        }
    }

    void savedPatternStaysInViewWhenProgramDirectoryBecomesWritable()
    {
        QTemporaryDir program;
        QTemporaryDir base;
        const QString user = QDir(base.path()).filePath("Quorvel Counter");
        for (const QString &name : dataFileNames())
            write(QDir(program.path()).filePath(name), "\"Roubos\",\"7\"\r\n");

        // First start: the program's directory may not be written, a pattern is saved.
        const QString first = chooseDataDirectory(program.path(), false, user);
        QCOMPARE(first, user);
        write(QDir(first).filePath("QuorvelDistribuicao.txt"), "\"Roubos\",\"73380\"\r\n");

        // Next start: the program's directory is writable again; the save is still read.
        const QString next = chooseDataDirectory(program.path(), true, user);
        QCOMPARE(next, user);
        QCOMPARE(read(QDir(next).filePath("QuorvelDistribuicao.txt")),
                 QByteArray("\"Roubos\",\"73380\"\r\n"));
    }

    // Every version of a data file that ever shipped is known, the present one last.
    void checksumsOfShippedFiles()
    {
        for (const QString &name : dataFileNames()) {
            QVERIFY2(!shippedNow(name).isEmpty(), qPrintable(name));
            QCOMPARE(shippedVersions(name).last(), fileChecksum(shippedNow(name)));
        }
        QCOMPARE(shippedVersions(kHomicidios).size(), 3);
        QCOMPARE(shippedVersions(kHomicidios).front(), fileChecksum(shipped2022(kHomicidios)));
        QCOMPARE(shippedVersions(kFontes).front(), fileChecksum(shipped2022(kFontes)));
        QCOMPARE(shippedVersions(kDistribuicao).front(), fileChecksum(shipped2022(kDistribuicao)));
        QVERIFY(shippedVersions(QStringLiteral("notas.txt")).isEmpty());
        QCOMPARE(fileChecksum("abc"),
                 QByteArray("ba7816bf8f01cfea414140de5dae2223b00361a396177a9cb410ff61f20015ad"));
    }

    // A user's copies from an earlier release: the unedited ones are renewed, an edited one is
    // kept with the files that describe the same entries, and the user is told once.
    void earlierCopiesInTheUserDirectory_data()
    {
        QTest::addColumn<QStringList>("edited");  // files the user changed (a line added)
        QTest::addColumn<QStringList>("renewed"); // now the shipped file
        QTest::addColumn<QStringList>("told");    // named in the notice at the first start

        // The patterns file goes its own way: its examples are renewed while untouched,
        // whatever became of the figures, and a pattern the user saved keeps the file.
        QTest::newRow("nothing edited: 2024 figures, patterns as examples")
            << QStringList() << QStringList{kHomicidios, kDistribuicao, kFontes} << QStringList();
        QTest::newRow("a state added: its sources stay with it")
            << QStringList{kHomicidios} << QStringList{kDistribuicao}
            << QStringList{kHomicidios, kFontes};
        QTest::newRow("a source mended: the figures stay with it")
            << QStringList{kFontes} << QStringList{kDistribuicao}
            << QStringList{kHomicidios, kFontes};
        // The crimes' file itself has a newer version since it holds the feminicides.
        QTest::newRow("a crime added: the states stay with it")
            << QStringList{kParametros} << QStringList{kDistribuicao}
            << QStringList{kParametros, kHomicidios, kFontes};
        QTest::newRow("patterns saved: kept, the figures are renewed")
            << QStringList{kDistribuicao} << QStringList{kHomicidios, kFontes}
            << QStringList{kDistribuicao};
    }

    void earlierCopiesInTheUserDirectory()
    {
        QFETCH(QStringList, edited);
        QFETCH(QStringList, renewed);
        QFETCH(QStringList, told);
        QTemporaryDir program;
        QTemporaryDir base;
        shipInto(program);
        const QDir user(QDir(base.path()).filePath("Quorvel Counter"));
        QVERIFY(user.mkpath("."));
        QHash<QString, QByteArray> before;
        for (const QString &name : dataFileNames()) {
            QByteArray bytes = shipped2022(name).isEmpty() ? shippedNow(name) : shipped2022(name);
            if (edited.contains(name))
                bytes += "\"Minha linha\",\"7\",\"\",\"\",\"\"\r\n";
            before.insert(name, bytes);
            write(user.filePath(name), bytes);
        }

        const QStringList expectedRenewed = renewed;
        QCOMPARE(planUserCopies(program.path(), user.path()).refreshed, expectedRenewed);
        // The program's folder is writable here: the user's folder is chosen for its files.
        const DataDirectoryChoice first = prepareDataDirectory(program.path(), true, user.path());
        QCOMPARE(first.directory, user.path());
        QCOMPARE(first.newerShipped, told);
        for (const QString &name : dataFileNames()) {
            QCOMPARE(read(user.filePath(name)),
                     renewed.contains(name) ? shippedNow(name) : before.value(name));
        }
        QVERIFY(user.exists(shippedVersionsRecordName()));

        // Said once: the next start keeps the same files and says nothing.
        const DataDirectoryChoice next = prepareDataDirectory(program.path(), false, user.path());
        QCOMPARE(next.newerShipped, QStringList());
        QVERIFY(planUserCopies(program.path(), user.path()).refreshed.isEmpty());
        for (const QString &name : dataFileNames())
            QCOMPARE(read(user.filePath(name)),
                     renewed.contains(name) ? shippedNow(name) : before.value(name));
    }

    // Copies given by this release and edited afterwards are kept without a word: the user
    // already has the newest figures in them.
    void copiesOfThisReleaseEditedLaterAreNotAnnounced()
    {
        QTemporaryDir program;
        QTemporaryDir user;
        shipInto(program);
        QCOMPARE(prepareDataDirectory(program.path(), false, user.path()).newerShipped,
                 QStringList());
        const QByteArray mine = shippedNow(kHomicidios) + "\"Minha cidade\",\"3\"\r\n";
        write(QDir(user.path()).filePath(kHomicidios), mine);

        const DataDirectoryChoice choice = prepareDataDirectory(program.path(), false, user.path());
        QCOMPARE(choice.newerShipped, QStringList());
        QCOMPARE(read(QDir(user.path()).filePath(kHomicidios)), mine);
        QCOMPARE(planUserCopies(program.path(), user.path()).kept, QStringList{kHomicidios});
    }

    // In the program's own folder nothing is copied, replaced or announced.
    void programDirectoryIsLeftAlone()
    {
        QTemporaryDir program;
        QTemporaryDir user;
        shipInto(program);
        const DataDirectoryChoice choice = prepareDataDirectory(program.path(), true, user.path());
        QCOMPARE(choice.directory, program.path());
        QVERIFY(choice.newerShipped.isEmpty());
        QVERIFY(QDir(user.path()).isEmpty());
    }

    void noticeNamesTheFilesAndWhereTheyAre()
    {
        QCOMPARE(newerShippedNotice({kHomicidios, kFontes}, "/usr/lib/quorvel-counter/"),
                 QStringLiteral("Há números mais novos em /usr/lib/quorvel-counter: "
                                "Quorvelhomicidios.txt, QuorvelFontes.txt. Suas cópias editadas "
                                "foram mantidas."));
        QCOMPARE(newerShippedNotice({}, "/usr/lib/quorvel-counter"), QString());
    }

    void apartFromProgram()
    {
        QTemporaryDir program;
        QTemporaryDir other;
        QVERIFY(!isApartFromProgram(program.path(), program.path()));
        QVERIFY(!isApartFromProgram(program.path() + "/", program.path()));
        QVERIFY(!isApartFromProgram(program.path() + "/sub/..", program.path()));
        QVERIFY(isApartFromProgram(other.path(), program.path()));
        // The same directory reached through a link is the same directory.
        const QString link = QDir(other.path()).filePath("ligacao");
        QVERIFY(QFile::link(program.path(), link));
        QVERIFY(!isApartFromProgram(link, program.path()));
    }

    void noUserDirectoryFallsBack()
    {
        QTemporaryDir program;
        QCOMPARE(chooseDataDirectory(program.path(), false, QString()), program.path());
    }
};

QTEST_GUILESS_MAIN(TestDataDirectory)
#include "tst_datadirectory.moc"
