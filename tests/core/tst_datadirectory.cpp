// Where the data files are read and saved when the program's directory is not the user's.
#include "core/datadirectory.h"

#include <QDir>
#include <QFile>
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
