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

    void noUserDirectoryFallsBack()
    {
        QTemporaryDir program;
        QCOMPARE(chooseDataDirectory(program.path(), false, QString()), program.path());
    }
};

QTEST_GUILESS_MAIN(TestDataDirectory)
#include "tst_datadirectory.moc"
