// The window's commands typed while the focus is in the monthly field, with a count running:
// they run, and the figure and the count stay. Typing keys are still filtered there.
#include "deadzonefixture.h"
#include "windows/Comparacao/comparisonlauncher.h"
#include "windows/Comparacao/escolhacomparacao.h"

#include <QAction>
#include <QDialog>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTest>

#include <memory>

namespace {

const QString kRefusal = QStringLiteral("Erro: Apenas dados numéricos neste campo");

struct Fixture : DeadZoneFixture
{
    Fixture() : DeadZoneFixture(FakeClock().now(), shippedData())
    {
        // The comparison's dialog is answered here: a refusal leaves the count as it was.
        window.comparison().setDialogRunner(
            [](EscolhaComparacao &) { return int(QDialog::Rejected); });
        window.show();
        window.activateWindow();
    }
    QLineEdit *field() const { return child<QLineEdit>("ParametroMes"); }
    QString shownCount() const { return child<QLineEdit>("ParametroHoje")->text(); }
    QString status() const { return child<QLabel>("StatusBar1Panel(1)")->text(); }
};

// The shortcuts of the guide's table, as it writes them.
QStringList guideShortcuts()
{
    QFile guide(QStringLiteral(QUORVEL_ASSETS "/../docs/guia.md"));
    if (!guide.open(QIODevice::ReadOnly | QIODevice::Text))
        return {};
    static const QRegularExpression row(QStringLiteral("^\\| \\*\\*([^*]+)\\*\\* \\|"));
    QStringList keys;
    bool inTable = false;
    for (const QString &line : QString::fromUtf8(guide.readAll()).split(u'\n')) {
        if (line.startsWith(QLatin1String("| Atalho | Comando |")))
            inTable = true;
        else if (inTable && !line.startsWith(u'|'))
            break;
        else if (const QRegularExpressionMatch match = row.match(line); inTable && match.hasMatch())
            keys.append(match.captured(1));
    }
    return keys;
}

} // namespace

class TestCommandKeys : public QObject
{
    Q_OBJECT

private slots:
    void init() { QLocale::setDefault(QLocale(QLocale::Portuguese, QLocale::Brazil)); }

    void guideListsEveryShortcut();
    void commandsInTheMonthlyField_data();
    void commandsInTheMonthlyField();
    void typingIsStillFiltered_data();
    void typingIsStillFiltered();
};

// The rows below are the guide's table: a shortcut added to one is added to the other.
void TestCommandKeys::guideListsEveryShortcut()
{
    const QStringList expected{"F5",     "F6",     "F7",     "F11",    "Ctrl+K",       "F1",
                               "Ctrl+L", "Ctrl+E", "Ctrl+T", "Ctrl+O", "Ctrl+Shift+O", "Ctrl+Q"};
    QCOMPARE(guideShortcuts(), expected);
    Fixture f;
    for (const QString &key : expected) {
        int owners = 0;
        for (const QAction *action : f.window.actions())
            owners += action->shortcut() == QKeySequence::fromString(key) ? 1 : 0;
        QVERIFY2(owners == 1, qPrintable(key));
    }
}

void TestCommandKeys::commandsInTheMonthlyField_data()
{
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QString>("action"); // empty: no command
    QTest::addColumn<bool>("figureKept");

    QTest::newRow("F5 start") << "F5"
                              << "acaoIniciar" << true;
    QTest::newRow("F6 pause") << "F6"
                              << "acaoPausar" << true;
    // The command itself forgets the figure.
    QTest::newRow("F7 clear") << "F7"
                              << "acaoLimpar" << false;
    QTest::newRow("F11 presentation") << "F11"
                                      << "acaoApresentacao" << true;
    QTest::newRow("Ctrl+K compare") << "Ctrl+K"
                                    << "acaoComparar" << true;
    QTest::newRow("F1 about") << "F1"
                              << "acaoSobre" << true;
    QTest::newRow("Ctrl+L lists") << "Ctrl+L"
                                  << "acaoListas" << true;
    QTest::newRow("Ctrl+E editor") << "Ctrl+E"
                                   << "acaoEditor" << true;
    QTest::newRow("Ctrl+T tools") << "Ctrl+T"
                                  << "acaoFerramentas" << true;
    QTest::newRow("Ctrl+O crime list file") << "Ctrl+O"
                                            << "acaoAbrirOcorrencias" << true;
    QTest::newRow("Ctrl+Shift+O states file") << "Ctrl+Shift+O"
                                              << "acaoAbrirHomicidios" << true;
    // Enter ends typing: the figure typed is the one counted.
    QTest::newRow("Enter") << "Return" << QString() << true;
    QTest::newRow("Enter of the keypad") << "Enter" << QString() << true;
    QTest::newRow("F2, no command") << "F2" << QString() << true;
    QTest::newRow("Ctrl+Q exit") << "Ctrl+Q"
                                 << "acaoSair" << true;
}

void TestCommandKeys::commandsInTheMonthlyField()
{
    QFETCH(QString, keys);
    QFETCH(QString, action);
    QFETCH(bool, figureKept);
    Fixture f;
    QVERIFY(QTest::qWaitForWindowActive(&f.window));
    f.typeMonthly(QStringLiteral("937"));
    f.play();
    f.recount();
    const QString count = f.shownCount();
    QVERIFY(!count.isEmpty());
    // Back to the field, as after typing a figure while a count runs.
    f.field()->setFocus();
    QVERIFY(f.field()->hasFocus());
    f.child<QLabel>("StatusBar1Panel(1)")->clear();

    std::unique_ptr<QSignalSpy> ran;
    if (!action.isEmpty())
        ran = std::make_unique<QSignalSpy>(f.child<QAction>(action), &QAction::triggered);
    const QKeySequence sequence = QKeySequence::fromString(keys);
    QVERIFY(!sequence.isEmpty());
    QTest::keySequence(f.field(), sequence);

    if (ran)
        QCOMPARE(ran->count(), 1);
    QVERIFY(f.status() != kRefusal);
    QCOMPARE(f.field()->text(), figureKept ? QStringLiteral("937") : QString());
    if (figureKept)
        QCOMPARE(f.shownCount(), count);
}

void TestCommandKeys::typingIsStillFiltered_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
    QTest::addColumn<QString>("fieldAfter");
    QTest::addColumn<bool>("refused");

    QTest::newRow("digit") << int(Qt::Key_4) << Qt::KeyboardModifiers() << "9374" << false;
    QTest::newRow("letter") << int(Qt::Key_A) << Qt::KeyboardModifiers() << "a" << true;
    QTest::newRow("shifted letter")
        << int(Qt::Key_A) << Qt::KeyboardModifiers(Qt::ShiftModifier) << "a" << true;
    QTest::newRow("Ctrl with a key no command has")
        << int(Qt::Key_B) << Qt::KeyboardModifiers(Qt::ControlModifier) << "" << true;
    QTest::newRow("Backspace") << int(Qt::Key_Backspace) << Qt::KeyboardModifiers() << "" << true;
    QTest::newRow("Delete") << int(Qt::Key_Delete) << Qt::KeyboardModifiers() << "" << true;
    QTest::newRow("Left") << int(Qt::Key_Left) << Qt::KeyboardModifiers() << "" << true;
    QTest::newRow("keypad digit") << int(Qt::Key_5) << Qt::KeyboardModifiers(Qt::KeypadModifier)
                                  << "5" << true;
    QTest::newRow("Shift alone") << int(Qt::Key_Shift) << Qt::KeyboardModifiers() << "" << true;
    QTest::newRow("Ctrl alone") << int(Qt::Key_Control) << Qt::KeyboardModifiers() << "" << true;
}

void TestCommandKeys::typingIsStillFiltered()
{
    QFETCH(int, key);
    QFETCH(Qt::KeyboardModifiers, modifiers);
    QFETCH(bool, refused);
    Fixture f;
    QVERIFY(QTest::qWaitForWindowActive(&f.window));
    f.typeMonthly(QStringLiteral("937"));
    f.play();
    f.field()->setFocus();
    f.child<QLabel>("StatusBar1Panel(1)")->clear();
    QTest::keyClick(f.field(), Qt::Key(key), modifiers);
    QTEST(f.field()->text(), "fieldAfter");
    QCOMPARE(f.status() == kRefusal, refused);
}

QTEST_MAIN(TestCommandKeys)
#include "tst_commandkeys.moc"
