#include "deadzonefixture.h"

#include "display/picturebutton.h"
#include "testfiles.h"

#include <QDir>
#include <QLineEdit>
#include <QTest>
#include <QTimer>

DeadZoneFixture::DeadZoneFixture(const QDateTime &at, const DataFiles &files)
    : clock(at), cues(recorder, dir.path()),
      m_window(std::make_unique<DeadZone>(clock, cues, folderWith(files))), window(*m_window)
{
    window.showModalMessage = [this](const QString &text) { messages << text; };
    window.openInApplication = [this](const QString &path) {
        opened << path;
        return openResult;
    };
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
    window.ParametroMes->setFocus();
    QTest::keyClicks(window.ParametroMes, digits);
}

void DeadZoneFixture::play()
{
    window.Image2->click();
}

void DeadZoneFixture::recount()
{
    for (int i = 0; i < 10; ++i)
        fire(window.Timer3);
}
