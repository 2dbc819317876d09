// The main window and the editor by keyboard and through assistive technology: the crime list
// chosen with Enter or Space, and the controls that have no text of their own named, the LED
// with its state.
#include "deadzonefixture.h"
#include "display/picturebutton.h"
#include "windows/Configurador/configurador.h"

#include <QAccessible>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QTest>
#include <QTimer>

namespace {

const QByteArray kParametros = "\"Homicidios em São Paulo\",\"937\"\r\n"
                               "\"Furtos\",\"480\"\r\n"
                               "\"Estupros\",\"90\"\r\n";
const QByteArray kHomicidios = "\"Bahia\",\"555\"\r\n";
const QByteArray kPadroes = "\"Furtos\",\"1\",\"1\",\"1\",\"1\",\"1\",\"1\"\r\n";

struct Fixture : DeadZoneFixture
{
    Fixture()
        : DeadZoneFixture(QDateTime(QDate(2026, 3, 10), QTime(15, 0)),
                          {{"QuorvelParametros.txt", kParametros},
                           {"Quorvelhomicidios.txt", kHomicidios},
                           {"QuorvelDistribuicao.txt", kPadroes}})
    {
    }
    QListWidget *list() const { return child<QListWidget>("List1"); }
};

QString accessibleName(QWidget *widget)
{
    QAccessibleInterface *access = QAccessible::queryAccessibleInterface(widget);
    return access ? access->text(QAccessible::Name) : QString();
}

} // namespace

class TestAccess : public QObject
{
    Q_OBJECT

private slots:
    void init() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }

    void keyChoosesTheEntryAsADoubleClick_data()
    {
        QTest::addColumn<int>("key");
        QTest::newRow("Return") << int(Qt::Key_Return);
        QTest::newRow("Enter of the keypad") << int(Qt::Key_Enter);
        QTest::newRow("Space") << int(Qt::Key_Space);
    }
    void keyChoosesTheEntryAsADoubleClick()
    {
        QFETCH(int, key);
        Fixture f;
        f.child<PictureButton>("botao", 0)->click();
        QVERIFY(!f.child<QFrame>("PainelList1")->isHidden());
        f.list()->setCurrentRow(2);
        QTest::keyClick(f.list(), Qt::Key(key));
        QCOMPARE(f.child<QLineEdit>("ParametroMes")->text(), QStringLiteral("90"));
        QCOMPARE(f.child<QLabel>("Label9")->text(), QStringLiteral("Estupros   90"));
        QVERIFY(f.child<QFrame>("PainelList1")->isHidden());
    }

    // Controls without a text of their own are named for a screen reader.
    void controlsHaveNames_data()
    {
        QTest::addColumn<bool>("editor");
        QTest::addColumn<QString>("name");
        QTest::newRow("next-victim bar") << false << "Pg1";
        QTest::newRow("risk slider") << false << "sl2";
        QTest::newRow("LED") << false << "Led";
        QTest::newRow("editor's name field") << true << "Tipo";
        QTest::newRow("editor's pattern list") << true << "List1";
    }
    void controlsHaveNames()
    {
        QFETCH(bool, editor);
        QFETCH(QString, name);
        Fixture f;
        QWidget *widget =
            editor ? f.window.configurador().findChild<QWidget *>(name) : f.child<QWidget>(name);
        QVERIFY(widget);
        QVERIFY2(!accessibleName(widget).isEmpty(), qPrintable(name));
    }

    // The LED says whether a pattern is in use, and says it again when that changes.
    void ledTellsWhetherAPatternIsInUse()
    {
        Fixture f;
        auto *led = f.child<QWidget>("Led");
        const QString idle = accessibleName(led);
        f.child<PictureButton>("botao", 0)->click();
        f.list()->setCurrentRow(1); // Furtos: a stored pattern
        QTest::keyClick(f.list(), Qt::Key_Return);
        const QString inUse = accessibleName(led);
        QVERIFY2(inUse != idle, qPrintable(inUse));
        QVERIFY2(inUse.contains(QStringLiteral("em uso")), qPrintable(inUse));
        // The LED blinks while in use: the name stays.
        QMetaObject::invokeMethod(f.timer("Timer4"), "timeout");
        QCOMPARE(accessibleName(led), inUse);

        f.child<PictureButton>("botao", 0)->click();
        f.list()->setCurrentRow(2); // Estupros: none
        QTest::keyClick(f.list(), Qt::Key_Return);
        QCOMPARE(accessibleName(led), idle);
    }
};

QTEST_MAIN(TestAccess)
#include "tst_access.moc"
