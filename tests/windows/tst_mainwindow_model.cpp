// The main window as a view of its counter: the editor's edits survive what the window does,
// the pattern in use is the chosen entry's whatever the editor shows, the commands are actions,
// the capacity message shows over the view on the screen, and the program ends at once unless
// the editor holds unsaved edits.
#include "core/counter.h"
#include "deadzonefixture.h"
#include "distribution/distributionmodel.h"
#include "windows/Apresentacao/apresentacao.h"
#include "windows/Configurador/configurador.h"
#include "windows/startoptions.h"

#include "display/odometerview.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QResizeEvent>
#include <QTest>

namespace {

const QString kRoubos = QStringLiteral("Roubos em geral na cidade de São Paulo");
const QString kFurtos = QStringLiteral("Furtos em geral na cidade de São Paulo");

struct Fixture : DeadZoneFixture
{
    explicit Fixture(const QDateTime &at = QDateTime(QDate(2026, 3, 10), QTime(15, 0)))
        : DeadZoneFixture(at, shippedDataWithEntryPatterns())
    {
    }
    QAction *action(const char *name) const { return child<QAction>(name); }
    DistributionModel &editor() const { return window.distributionModel(); }
    // Loads a stored pattern into the editor, as a click on its name does.
    void browse(const QString &name) const
    {
        editor().selectPattern(int(editor().List1().indexOf(name)));
    }
};

} // namespace

class TestMainWindowModel : public QObject
{
    Q_OBJECT

private slots:
    void init() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }

    void editorEditsSurviveChoiceAndMode();
    void toggledPatternStaysTheChosenEntrys();
    void handedOverPatternIsNamed();
    void headerNamesTheHandedOverPattern_data();
    void headerNamesTheHandedOverPattern();
    void commandsAreActions();
    void shortcutsAreNoTextFieldKeys();
    void capacitySaidByThePresentation();
    void resizeLeavesTheViewsOdometerAlone();
    void emptiedFieldIsAReset();
    void fieldLeavesTheFocusToTheCount();
    void exitAsksOnlyAboutUnsavedEdits_data();
    void exitAsksOnlyAboutUnsavedEdits();
};

void TestMainWindowModel::editorEditsSurviveChoiceAndMode()
{
    Fixture f;
    f.browse(kRoubos);
    f.editor().setQuantidade(0, QStringLiteral("77"));
    f.recorder.clear();

    QVERIFY(f.window.chooseEntryNamed(kRoubos));
    f.child<QRadioButton>("Option1", 1)->click();

    QCOMPARE(f.editor().Quantidade(0), QStringLiteral("77"));
    QCOMPARE(f.editor().Tipo(), kRoubos);
    QVERIFY(f.editor().hasUnsavedEdits());
    // No pattern was loaded on the way: no refusal cue for another pattern's faults.
    QVERIFY(!f.recorder.contains(Cue::Abaixo));
    QCOMPARE(f.window.counter().pattern()->name, kRoubos);
}

void TestMainWindowModel::toggledPatternStaysTheChosenEntrys()
{
    Fixture f;
    QVERIFY(f.window.chooseEntryNamed(kRoubos));
    f.browse(kFurtos);
    auto *use = f.child<QRadioButton>("opcaoDistribuicao", 0);
    f.child<QRadioButton>("opcaoDistribuicao", 1)->click();
    QVERIFY(!f.window.counter().patternInUse());
    use->click();
    QVERIFY(f.window.counter().patternInUse());

    f.play();
    f.recount();
    QCOMPARE(f.window.counter().pattern()->name, kRoubos);
    QVERIFY(f.child<QLabel>("Label9")->text().startsWith(kRoubos.left(20)));
    QVERIFY(f.child<QLabel>("Led")->accessibleName().contains(kRoubos));
    // Roubos's weighting at 15:00 gives 146.3; Furtos's would give 214.86.
    QCOMPARE(qRound(*f.window.counter().count() * 10), 1463);
}

void TestMainWindowModel::handedOverPatternIsNamed()
{
    Fixture f;
    f.typeMonthly(QStringLiteral("937"));
    f.browse(kFurtos);
    f.editor().botao_Click(3); // "Usar esta distribuição como padrão"
    QCOMPARE(f.window.counter().pattern()->name, kFurtos);
    QVERIFY(f.window.counter().patternInUse());
    QVERIFY(f.child<QLabel>("Led")->accessibleName().contains(kFurtos));
    // Saving another pattern in the editor leaves the count's pattern as it is.
    f.browse(kRoubos);
    QCOMPARE(f.window.counter().pattern()->name, kFurtos);
}

void TestMainWindowModel::headerNamesTheHandedOverPattern_data()
{
    QTest::addColumn<QString>("entry");  // empty: a typed figure
    QTest::addColumn<QString>("header"); // before the hand-over and once it is switched off
    QTest::newRow("typed figure") << QString() << QString();
    QTest::newRow("chosen entry") << kRoubos << kRoubos + QStringLiteral("   11110,33");
}

void TestMainWindowModel::headerNamesTheHandedOverPattern()
{
    QFETCH(QString, entry);
    QFETCH(QString, header);
    Fixture f;
    if (entry.isEmpty())
        f.typeMonthly(QStringLiteral("937"));
    else
        QVERIFY(f.window.chooseEntryNamed(entry));
    auto *label9 = f.child<QLabel>("Label9");
    auto *led = f.child<QLabel>("Led");
    QCOMPARE(label9->text(), header);

    f.browse(kFurtos);
    f.editor().botao_Click(3); // "Usar esta distribuição como padrão"
    QCOMPARE(label9->text(), kFurtos);
    QCOMPARE(led->accessibleName(),
             QStringLiteral("Indicador de distribuição: padrão em uso (%1)").arg(kFurtos));
    QCOMPARE(led->toolTip(), kFurtos);

    // Switched off, the header names what the figure came from again, and the LED nothing.
    f.child<QRadioButton>("opcaoDistribuicao", 1)->click();
    QCOMPARE(label9->text(), header);
    QCOMPARE(led->accessibleName(), QStringLiteral("Indicador de distribuição: sem padrão ativo"));
}

void TestMainWindowModel::commandsAreActions()
{
    Fixture f;
    const QList<std::pair<const char *, const char *>> buttons = {
        {"acaoListas", "botao(0)"},
        {"acaoSair", "botao(1)"},
        {"acaoLimpar", "botao(3)"},
        {"acaoSobre", "botao(4)"},
        {"acaoAbrirOcorrencias", "botao(5)"},
        {"acaoFerramentas", "botao(6)"},
        {"acaoEditor", "botao(8)"},
        {"acaoAbrirHomicidios", "botao(9)"},
        {"acaoIniciar", "Image2"},
        {"acaoPausar", "Image3"},
        {"acaoApresentacao", "BotaoApresentacao"}};
    for (const auto &[name, button] : buttons) {
        QAction *action = f.action(name);
        QVERIFY2(!action->shortcut().isEmpty(), name);
        QVERIFY2(!action->statusTip().isEmpty(), name);
        QCOMPARE(f.child<QWidget>(button)->accessibleName(), action->text());
    }

    f.typeMonthly(QStringLiteral("3000"));
    f.action("acaoIniciar")->trigger();
    QCOMPARE(f.window.runState(), DeadZone::RunState::Running);
    f.action("acaoPausar")->trigger();
    QCOMPARE(f.window.runState(), DeadZone::RunState::Waiting);
    f.action("acaoLimpar")->trigger();
    QCOMPARE(f.window.runState(), DeadZone::RunState::Off);
    QVERIFY(!f.window.counter().hasFigure());
    QVERIFY(f.child<QLineEdit>("ParametroMes")->text().isEmpty());
    QCOMPARE(f.action("acaoApresentacao")->shortcut(), QKeySequence(Qt::Key_F11));
}

void TestMainWindowModel::shortcutsAreNoTextFieldKeys()
{
    Fixture f;
    QList<QKeySequence> textKeys;
    for (const auto key :
         {QKeySequence::Copy, QKeySequence::Cut, QKeySequence::Paste, QKeySequence::Undo,
          QKeySequence::Redo, QKeySequence::SelectAll, QKeySequence::Delete,
          QKeySequence::DeleteStartOfWord, QKeySequence::DeleteEndOfWord,
          QKeySequence::MoveToStartOfLine, QKeySequence::MoveToEndOfLine, QKeySequence::Deselect,
          QKeySequence::Backspace, QKeySequence::InsertLineSeparator})
        textKeys += QKeySequence::keyBindings(key);
    QSet<QString> seen;
    for (const QAction *action : f.window.actions()) {
        QVERIFY2(!textKeys.contains(action->shortcut()), qPrintable(action->objectName()));
        const QString key = action->shortcut().toString();
        QVERIFY2(!seen.contains(key), qPrintable(key));
        seen.insert(key);
    }
    QVERIFY(seen.size() >= 10);
}

void TestMainWindowModel::capacitySaidByThePresentation()
{
    // A yearly count of 2,999,970 a month passes 99.999,9999 long before December.
    Fixture f(QDateTime(QDate(2026, 12, 10), QTime(15, 0)));
    f.child<QRadioButton>("Option1", 2)->click();
    f.typeMonthly(QStringLiteral("2999970"));
    f.play();
    f.window.enterPresentation();
    f.recount();
    QCOMPARE(f.window.counter().runState(), Counter::RunState::OverCapacity);
    // No message box over the full-screen view: the view says it, and its keys still work.
    QCOMPARE(f.messages.size(), 0);
    QVERIFY(!f.window.presentation()->capacityText().isEmpty());
    QTest::keyClick(f.window.presentation(), Qt::Key_Escape);
    QVERIFY(!f.window.inPresentation());
}

void TestMainWindowModel::resizeLeavesTheViewsOdometerAlone()
{
    Fixture f;
    OdometerView &mine = f.odometer();
    f.window.enterPresentation();
    OdometerView &odometer = *f.window.presentation()->odometer();
    QVERIFY(&odometer != &mine);
    const QRect shown = odometer.geometry();
    const QSize before = f.window.size();
    f.window.resize(before * 2); // maximised or resized while the view shows the wheels
    QResizeEvent resized(f.window.size(), before);
    QApplication::sendEvent(&f.window, &resized);
    QCOMPARE(odometer.geometry(), shown);
    f.window.leavePresentation();
    QCOMPARE(mine.parentWidget(), &f.window);
}

void TestMainWindowModel::emptiedFieldIsAReset()
{
    Fixture f;
    f.typeMonthly(QStringLiteral("937"));
    f.play();
    f.recount();
    QVERIFY(!f.child<QLineEdit>("ParametroHoje")->text().isEmpty());
    // Any key but a digit empties the field: the count is reset with nothing to show.
    QTest::keyClick(f.child<QLineEdit>("ParametroMes"), Qt::Key_Space);
    QCOMPARE(f.window.runState(), DeadZone::RunState::Off);
    QVERIFY(!f.tickTimer()->isActive());
    for (const char *name :
         {"ParametroDia", "Label4", "Label8", "Parametrohora", "IntervaloVitimas", "Label6"}) {
        auto *label = f.window.findChild<QWidget *>(QLatin1String(name));
        const QString text = qobject_cast<QLabel *>(label)
                                 ? qobject_cast<QLabel *>(label)->text()
                                 : qobject_cast<QLineEdit *>(label)->text();
        QVERIFY2(text.isEmpty(), name);
    }
    QVERIFY(f.child<QLineEdit>("ParametroHoje")->text().isEmpty());
    QCOMPARE(f.window.odometerText(), QString());
}

void TestMainWindowModel::fieldLeavesTheFocusToTheCount()
{
    Fixture f;
    StartOptions options;
    options.entry = kRoubos;
    options.anyGiven = true;
    applyStartOptions(f.window, options);
    QVERIFY(QTest::qWaitForWindowActive(&f.window));
    QVERIFY(f.window.counting());
    QVERIFY(QApplication::focusWidget() != f.child<QLineEdit>("ParametroMes"));

    // A choice from the list leaves the field too.
    f.child<QLineEdit>("ParametroMes")->setFocus();
    QVERIFY(f.window.chooseEntryNamed(kFurtos));
    QVERIFY(QApplication::focusWidget() != f.child<QLineEdit>("ParametroMes"));
}

void TestMainWindowModel::exitAsksOnlyAboutUnsavedEdits_data()
{
    QTest::addColumn<bool>("edited");
    QTest::addColumn<int>("answer");
    QTest::addColumn<bool>("ends");
    QTest::newRow("no edits: at once") << false << int(DesktopServices::SaveAnswer::Cancel) << true;
    QTest::newRow("edits, cancel") << true << int(DesktopServices::SaveAnswer::Cancel) << false;
    QTest::newRow("edits, discard") << true << int(DesktopServices::SaveAnswer::Discard) << true;
}

void TestMainWindowModel::exitAsksOnlyAboutUnsavedEdits()
{
    QFETCH(bool, edited);
    QFETCH(int, answer);
    QFETCH(bool, ends);
    Fixture f;
    f.window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&f.window));
    f.window.configurador(); // the editor is open
    f.browse(kRoubos);
    if (edited)
        f.editor().setQuantidade(0, QStringLiteral("77"));
    f.desktop.saveAnswer = DesktopServices::SaveAnswer(answer);

    f.action("acaoSair")->trigger();

    QCOMPARE(f.desktop.questions.size(), edited ? 1 : 0);
    QCOMPARE(f.window.isVisible(), !ends);
    QCOMPARE(f.editor().Quantidade(0) == QStringLiteral("77"), edited && !ends);
}

QTEST_MAIN(TestMainWindowModel)
#include "tst_mainwindow_model.moc"
