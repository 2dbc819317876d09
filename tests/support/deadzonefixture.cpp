#include "deadzonefixture.h"

#include "display/odometerview.h"
#include "display/picturebutton.h"
#include "display/victimscene.h"
#include "testfiles.h"

#include <QDir>
#include <QLineEdit>
#include <QTest>
#include <QTimer>

DeadZoneFixture::DeadZoneFixture(const QDateTime &at, const DataFiles &files)
    : clock(at), cues(recorder, dir.path()),
      m_window(std::make_unique<DeadZone>(clock, cues, desktop, folderWith(files))),
      window(*m_window)
{
}

QTimer *DeadZoneFixture::timer(QAnyStringView name) const
{
    return child<QTimer>(name);
}

OdometerView &DeadZoneFixture::odometer() const
{
    return *child<OdometerView>("OdometerView");
}

VictimScene &DeadZoneFixture::scene() const
{
    return *child<VictimScene>("VictimScene");
}

void DeadZoneFixture::missing(const QString &name)
{
    qFatal("the main window has no control named %s", qPrintable(name));
}

DeadZoneFixture::DataFiles DeadZoneFixture::shippedData()
{
    const QDir shipped(QStringLiteral(QUORVEL_ASSETS "/data"));
    DataFiles files;
    for (const QString &name : shipped.entryList(QDir::Files)) {
        const QByteArray bytes = readBytes(shipped.filePath(name));
        if (bytes.isEmpty())
            QTest::qFail(qPrintable("cannot read the shipped " + name), __FILE__, __LINE__);
        files.append({name, bytes});
    }
    return files;
}

DeadZoneFixture::DataFiles DeadZoneFixture::shippedDataWithEntryPatterns()
{
    DataFiles files = shippedData();
    const QString patterns = QStringLiteral("QuorvelDistribuicao.txt");
    for (auto &[name, bytes] : files) {
        if (name == patterns)
            bytes = readBytes(QStringLiteral(QUORVEL_TEST_DATA "/enviados_2022/") + patterns);
    }
    return files;
}

QString DeadZoneFixture::folderWith(const DataFiles &files)
{
    for (const auto &[name, bytes] : files)
        writeDataFile(name, bytes);
    return dir.path();
}

void DeadZoneFixture::writeDataFile(const QString &name, const QByteArray &bytes)
{
    QVERIFY2(writeBytes(dir.filePath(name), bytes), qPrintable(name));
}

void DeadZoneFixture::fire(QTimer *timer)
{
    QVERIFY(QMetaObject::invokeMethod(timer, "timeout"));
}

void DeadZoneFixture::typeMonthly(const QString &digits)
{
    child<QLineEdit>("ParametroMes")->setFocus();
    QTest::keyClicks(child<QLineEdit>("ParametroMes"), digits);
}

void DeadZoneFixture::play()
{
    child<PictureButton>("Image2")->click();
}

void DeadZoneFixture::recount()
{
    for (int i = 0; i < 10; ++i)
        fire(tickTimer());
}
