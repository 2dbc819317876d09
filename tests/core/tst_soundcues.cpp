#include "core/soundcues.h"

#include <QTest>

namespace {

// Keeps the full paths asked for.
class PathRecorder final : public SoundOutput
{
public:
    void play(const QString &path) override { paths << path; }
    QStringList paths;
};

using Procedure = void (SoundCues::*)();

const QString kDirectory = QStringLiteral("/opt/quorvel counter");

} // namespace

Q_DECLARE_METATYPE(Procedure)

class TestSoundCues : public QObject
{
    Q_OBJECT

private slots:
    void cues_data();
    void cues();
    void silentCueKeepsLastFile();
    void startsWithSoundOff();
};

void TestSoundCues::cues_data()
{
    QTest::addColumn<Procedure>("procedure");
    QTest::addColumn<QString>("file");
    QTest::addColumn<bool>("switchable");

    QTest::newRow("1 TocaClicar") << &SoundCues::TocaClicar << "Clicar.wav" << false;
    QTest::newRow("2 TocaZapt") << &SoundCues::TocaZapt << "zapt.wav" << false;
    QTest::newRow("3 TocaRot2") << &SoundCues::TocaRot2 << "rot2.wav" << true;
    QTest::newRow("4 TocaStop") << &SoundCues::TocaStop << "stop.wav" << true;
    QTest::newRow("5 TocaAbaixo") << &SoundCues::TocaAbaixo << "abaixo.wav" << false;
    QTest::newRow("6 TocaHappy") << &SoundCues::TocaHappy << "happy.wav" << false;
    QTest::newRow("7 TocaAbretrena") << &SoundCues::TocaAbretrena << "abretrena.wav" << false;
    QTest::newRow("8 TocaGaveta") << &SoundCues::TocaGaveta << "gaveta.wav" << true;
}

void TestSoundCues::cues()
{
    QFETCH(Procedure, procedure);
    QFETCH(QString, file);
    QFETCH(bool, switchable);
    const QString path = kDirectory + u'/' + file;

    // SomDesligado 1: the switchable cues stay silent, the others play.
    PathRecorder output;
    SoundCues cues(output, kDirectory);
    cues.SomDesligado = 1;
    (cues.*procedure)();
    QCOMPARE(output.paths, switchable ? QStringList() : QStringList{path});
    QCOMPARE(cues.ArquivoSom, switchable ? QString() : path);

    // Any other value lets every cue play.
    for (qint16 flag : {qint16(0), qint16(2), qint16(-1)}) {
        output.paths.clear();
        cues.ArquivoSom.clear();
        cues.SomDesligado = flag;
        (cues.*procedure)();
        QCOMPARE(output.paths, QStringList{path});
        QCOMPARE(cues.ArquivoSom, path);
    }
}

void TestSoundCues::silentCueKeepsLastFile()
{
    PathRecorder output;
    SoundCues cues(output, kDirectory);
    cues.SomDesligado = 1;
    cues.TocaAbaixo();
    cues.TocaRot2();
    cues.TocaGaveta();
    cues.TocaStop();
    QCOMPARE(output.paths, QStringList{kDirectory + QStringLiteral("/abaixo.wav")});
    QCOMPARE(cues.ArquivoSom, kDirectory + QStringLiteral("/abaixo.wav"));
}

void TestSoundCues::startsWithSoundOff()
{
    PathRecorder output;
    SoundCues cues(output, kDirectory);
    QCOMPARE(cues.SomDesligado, qint16(1));
    QVERIFY(cues.ArquivoSom.isEmpty());
    cues.TocaGaveta();
    QVERIFY(output.paths.isEmpty());
}

QTEST_GUILESS_MAIN(TestSoundCues)
#include "tst_soundcues.moc"
