// A file-size limit on the process (prlimit --fsize=2048) during a save of a large pattern
// file: with the program's signal set-up the save fails with its message, the old file stays
// whole and the edit stays in the editor; without it the signal ends the program mid-save.
// Each save runs in a child process, so that the limit and the signal are its own.
#include "core/processsignals.h"
#include "data/distributionfile.h"
#include "distributioneditor.h"
#include "patternfiles.h"
#include "testfiles.h"

#include <QSignalSpy>
#include <QTest>

#include <csignal>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

constexpr rlim_t kFileSizeLimit = 2048;

// What the child reports by its exit status.
enum ChildResult { Reported = 0, WriteSucceeded = 1, WrongMessage = 2, EditLost = 3 };

void limitFileSize()
{
    const rlimit noCore{0, 0}; // the default action of the signal would also dump core
    setrlimit(RLIMIT_CORE, &noCore);
    rlimit limit{};
    getrlimit(RLIMIT_FSIZE, &limit);
    limit.rlim_cur = kFileSizeLimit;
    setrlimit(RLIMIT_FSIZE, &limit);
}

// Runs `save` in a child process under the file-size limit; the wait status of the child.
template <typename Save> int inChild(bool ignoreSignal, Save save)
{
    const pid_t pid = fork();
    if (pid == 0) {
        if (ignoreSignal)
            ignoreFileSizeSignal();
        else
            std::signal(SIGXFSZ, SIG_DFL);
        limitFileSize();
        _exit(save());
    }
    int status = 0;
    waitpid(pid, &status, 0);
    return status;
}

} // namespace

class tst_ProcessSignals : public QObject
{
    Q_OBJECT

private slots:
    void fileWriteOverLimit_data();
    void fileWriteOverLimit();
    void editorSaveOverLimit();
    void terminationReachesEventLoop_data();
    void terminationReachesEventLoop();
};

void tst_ProcessSignals::fileWriteOverLimit_data()
{
    QTest::addColumn<bool>("ignoreSignal");
    QTest::newRow("signal ignored at start: the write fails") << true;
    QTest::newRow("default action: the signal ends the process") << false;
}

void tst_ProcessSignals::fileWriteOverLimit()
{
    QFETCH(bool, ignoreSignal);
    QTemporaryDir dir;
    const QString path = dir.filePath(DistributionFile::fileName());
    const QByteArray old = manyPatterns(150, "7");
    QVERIFY(old.size() > qsizetype(kFileSizeLimit));
    QVERIFY(writeBytes(path, old));
    QByteArray changed = old;
    changed.replace("\"Padrao 0\",\"0\"", "\"Padrao 0\",\"9\"");

    const int status = inChild(ignoreSignal, [&] {
        return DistributionFile::write(path, changed) ? WriteSucceeded : Reported;
    });
    if (ignoreSignal) {
        QVERIFY2(WIFEXITED(status), "the file-size signal ended the process");
        QCOMPARE(WEXITSTATUS(status), int(Reported));
    } else {
        QVERIFY(WIFSIGNALED(status));
        QCOMPARE(WTERMSIG(status), SIGXFSZ);
    }
    QCOMPARE(readBytes(path), old);
    // No temporary file of the interrupted save is left beside it.
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{DistributionFile::fileName()});
}

void tst_ProcessSignals::editorSaveOverLimit()
{
    const QByteArray old = manyPatterns(150, "7");
    DistributionEditor editor(old);
    QCOMPARE(editor.model->patternCount(), 150);
    editor.model->selectPattern(3);
    editor.model->setQuantidade(1, QStringLiteral("42"));

    const int status = inChild(true, [&] {
        editor.model->botao_Click(2); // "confirma e salva"
        if (editor.model->statusText() !=
            QStringLiteral("Erro na gravação do arquivo QuorvelDistribuicao.txt"))
            return WrongMessage;
        if (editor.model->Tipo() != QStringLiteral("Padrao 3") ||
            editor.model->Quantidade(1) != QStringLiteral("42"))
            return EditLost;
        return Reported;
    });
    QVERIFY2(WIFEXITED(status), "the file-size signal ended the program");
    QCOMPARE(WEXITSTATUS(status), int(Reported));
    QCOMPARE(editor.bytes(), old);
}

void tst_ProcessSignals::terminationReachesEventLoop_data()
{
    QTest::addColumn<int>("number");
    QTest::newRow("SIGTERM from the session or kill") << int(SIGTERM);
    QTest::newRow("SIGINT from Ctrl+C") << int(SIGINT);
}

// The signal does not end the process: it comes back through the event loop, once, with its
// number, and after the object is gone the default action is back.
void tst_ProcessSignals::terminationReachesEventLoop()
{
    QFETCH(int, number);
    {
        TerminationSignals signals_;
        QVERIFY(signals_.isCatching());
        QSignalSpy spy(&signals_, &TerminationSignals::terminationRequested);
        QCOMPARE(::raise(number), 0);
        QTRY_COMPARE(spy.count(), 1);
        QCOMPARE(spy.at(0).at(0).toInt(), number);
        QCoreApplication::processEvents();
        QCOMPARE(spy.count(), 1);
    }
    struct sigaction now = {};
    QCOMPARE(::sigaction(number, nullptr, &now), 0);
    QVERIFY(now.sa_handler == SIG_DFL);
}

QTEST_GUILESS_MAIN(tst_ProcessSignals)
#include "tst_processsignals.moc"
