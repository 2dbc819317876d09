#include "core/soundcues.h"
#include "display/qtsoundoutput.h"

#include <QFile>
#include <QSoundEffect>
#include <QtTest>

namespace {

QString soundPath(const QString &name)
{
    return QStringLiteral(QUORVEL_ASSETS "/sounds/") + name;
}

const QList<Cue> allCues{Cue::Clicar, Cue::Zapt,  Cue::Rot2,      Cue::Stop,
                         Cue::Abaixo, Cue::Happy, Cue::Abretrena, Cue::Gaveta};

struct WaveInfo
{
    bool ok = false;
    int format = 0;
    int channels = 0;
    int rate = 0;
    int bits = 0;
    qint64 dataBytes = 0;
};

// Walks the RIFF chunks the way a player does, so a file a player refuses fails here.
WaveInfo readWave(const QByteArray &bytes)
{
    WaveInfo info;
    auto u16 = [&](qsizetype at) { return qFromLittleEndian<quint16>(bytes.constData() + at); };
    auto u32 = [&](qsizetype at) { return qFromLittleEndian<quint32>(bytes.constData() + at); };
    if (bytes.size() < 12 || !bytes.startsWith("RIFF") || bytes.mid(8, 4) != "WAVE")
        return info;
    if (u32(4) != quint32(bytes.size() - 8))
        return info;
    bool haveFormat = false;
    for (qsizetype at = 12; at + 8 <= bytes.size();) {
        const QByteArray id = bytes.mid(at, 4);
        const qint64 size = u32(at + 4);
        if (at + 8 + size > bytes.size())
            return info;
        if (id == "fmt " && size >= 16) {
            info.format = u16(at + 8);
            info.channels = u16(at + 10);
            info.rate = int(u32(at + 12));
            info.bits = u16(at + 22);
            haveFormat = true;
        } else if (id == "data") {
            info.dataBytes = size;
            info.ok = haveFormat;
        }
        at += 8 + size + (size & 1);
    }
    return info;
}

// Qt 6.4 leaks the sample of an effect destroyed while it still loads (its loader thread
// keeps the request). The program keeps its effects to the end; a test lets them settle.
bool settles(const QSoundEffect *effect)
{
    return QTest::qWaitFor(
        [effect] {
            return effect->status() != QSoundEffect::Loading &&
                   effect->status() != QSoundEffect::Null;
        },
        10000);
}

} // namespace

// The shipped cue files and the output that plays them.
class TestSoundOutput : public QObject
{
    Q_OBJECT

private slots:
    void cueFiles_data();
    void cueFiles();
    void playsEachCueLoadingItOnce();
    void missingFileStaysSilent();
};

void TestSoundOutput::cueFiles_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("rolling");
    for (Cue cue : allCues) {
        const QString name = SoundCues::fileName(cue);
        QTest::newRow(qPrintable(name)) << name << (cue == Cue::Rot2 || cue == Cue::Gaveta);
    }
}

void TestSoundOutput::cueFiles()
{
    QFETCH(QString, name);
    QFETCH(bool, rolling);

    QFile file(soundPath(name));
    QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable(file.fileName()));
    const QByteArray bytes = file.readAll();
    QVERIFY(bytes.size() < 60 * 1024);

    const WaveInfo wave = readWave(bytes);
    QVERIFY(wave.ok);
    QCOMPARE(wave.format, 1); // PCM
    QCOMPARE(wave.channels, 1);
    QCOMPARE(wave.rate, 22050);
    QCOMPARE(wave.bits, 16);
    const double seconds = double(wave.dataBytes) / (2.0 * wave.rate);
    QVERIFY(seconds > 0.02);
    // The rolling sounds restart every 100 ms: only their beginning is ever heard.
    if (rolling)
        QVERIFY2(seconds <= 0.12, qPrintable(QString::number(seconds)));
    else
        QVERIFY(seconds <= 1.5);
}

void TestSoundOutput::playsEachCueLoadingItOnce()
{
    // Loading is checked also on a machine without an audio device.
    QtSoundOutput output(QtSoundOutput::Device::Assume);
    for (Cue cue : allCues)
        output.play(soundPath(SoundCues::fileName(cue)));
    QCOMPARE(output.effectCount(), int(allCues.size()));

    // Qt itself must be able to read every shipped file.
    for (Cue cue : allCues) {
        const QSoundEffect *effect = output.effect(soundPath(SoundCues::fileName(cue)));
        QVERIFY(effect);
        QCOMPARE(effect->source(), QUrl::fromLocalFile(soundPath(SoundCues::fileName(cue))));
        QVERIFY(settles(effect));
        QCOMPARE(effect->status(), QSoundEffect::Ready);
    }

    // The rolling sound restarted ten times a second, as the odometer does: no new loads.
    const QString rolling = soundPath(SoundCues::fileName(Cue::Rot2));
    const QSoundEffect *first = output.effect(rolling);
    for (int k = 0; k < 20; ++k)
        output.play(rolling);
    QCOMPARE(output.effect(rolling), first);
    QCOMPARE(output.effectCount(), int(allCues.size()));
}

void TestSoundOutput::missingFileStaysSilent()
{
    QtSoundOutput output(QtSoundOutput::Device::Assume);
    const QString missing = QStringLiteral(QUORVEL_TEST_DATA "/no-such-cue.wav");
    output.play(missing);
    output.play(missing);
    QCOMPARE(output.effectCount(), 0);
    QVERIFY(!output.effect(missing));

    // A cue that exists still plays after a missing one, and a missing one after it is quiet.
    const QString click = soundPath(SoundCues::fileName(Cue::Clicar));
    output.play(click);
    output.play(missing);
    QCOMPARE(output.effectCount(), 1);
    QVERIFY(output.effect(click));
    QVERIFY(settles(output.effect(click)));
}

QTEST_MAIN(TestSoundOutput)
#include "tst_soundoutput.moc"
