// "Salvar página…": its action (Ctrl+Shift+S) in the presentation and comparison views and the tool
// panel's button write the page of what is counted, with the count the window shows at that
// instant; the name and folder it offers; a refusal said with its reason and nothing left behind.
#include "core/counttext.h"
#include "deadzonefixture.h"
#include "distribution/choicesetup.h"
#include "windows/Apresentacao/apresentacao.h"
#include "windows/Comparacao/comparacao.h"
#include "windows/sharepageaction.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>

namespace {

const QDateTime kNoon(QDate(2026, 3, 10), QTime(12, 0));
const QLocale kPortuguese(QLocale::Portuguese, QLocale::Brazil);

QByteArray readAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The count as the page writes it before its script runs.
QByteArray countMarkup(double count)
{
    const CountTextParts parts = countTextParts(count, kPortuguese);
    return QStringLiteral("<span class=\"inteira\">%1</span><span class=\"decimais\">%2</span>")
        .arg(parts.whole, parts.decimals)
        .toUtf8();
}

struct Fixture : DeadZoneFixture
{
    Fixture() : DeadZoneFixture(kNoon, shippedData()) { window.setReducedMotion(true); }

    void count(const QString &entry, int mode)
    {
        if (!window.chooseEntryNamed(entry))
            QFAIL(qPrintable("no entry " + entry));
        child<QRadioButton>("Option1", mode)->setChecked(true);
        play();
        recount();
    }
};

} // namespace

class TestSharePage : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void toolPanelButton();
    void presentationShortcut();
    void comparisonShortcut();
    void offeredPath();
    void refusedSaysWhy();
};

void TestSharePage::initTestCase()
{
    QLocale::setDefault(QLocale(QLocale::Portuguese, QLocale::Brazil));
}

void TestSharePage::toolPanelButton()
{
    Fixture f;
    f.count(QStringLiteral("Bahia"), 2);
    auto *button = f.child<QPushButton>("BotaoSalvarPagina");
    QCOMPARE(button->text(), QStringLiteral("Salvar página…"));
    QCOMPARE(button->parentWidget(), f.child<QWidget>("PainelFerramentas2"));
    // Inside its panel, clear of every other control there, its text whole.
    QWidget *panel = button->parentWidget();
    QVERIFY(panel->rect().contains(button->geometry()));
    for (QWidget *other : panel->findChildren<QWidget *>(Qt::FindDirectChildrenOnly)) {
        if (other != button && !other->isHidden())
            QVERIFY2(!other->geometry().intersects(button->geometry()),
                     qPrintable(other->objectName()));
    }
    QVERIFY(button->fontMetrics().horizontalAdvance(button->text()) < button->width());

    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("bahia.html"));
    f.window.pageAction()->setAskPath([&](QWidget *, const QString &) { return path; });
    button->click();
    const QByteArray html = readAll(path);
    QVERIFY(html.startsWith("<!DOCTYPE html>"));
    QVERIFY(html.contains("Bahia: estimativa"));
    QVERIFY(html.contains(countMarkup(*f.window.counter().count())));
    QCOMPARE(f.child<QLabel>("st1Panel(1)")->text(),
             "Página salva em " + QDir::toNativeSeparators(path));
    QVERIFY(!f.window.inPresentation());
}

void TestSharePage::presentationShortcut()
{
    Fixture f;
    f.count(QStringLiteral("Bahia"), 0);
    f.window.enterPresentation();
    Apresentacao &view = *f.window.presentation();
    auto *action = view.findChild<QAction *>(QStringLiteral("AcaoSalvarPagina"));
    QVERIFY(action);
    QCOMPARE(action->text(), QStringLiteral("Salvar página…"));
    QCOMPARE(action->shortcut(), QKeySequence(QStringLiteral("Ctrl+Shift+S")));
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("sala.html"));
    view.findChild<SharePageAction *>()->setAskPath(
        [&](QWidget *, const QString &) { return path; });
    action->trigger();
    const QByteArray html = readAll(path);
    QVERIFY2(html.contains(countMarkup(*f.window.counter().count())), html.left(200));
    QVERIFY(html.contains("<h1 class=\"frase\""));
    QCOMPARE(view.findChild<QLabel *>(QStringLiteral("Estado"))->text(),
             "Página salva em " + QDir::toNativeSeparators(path));
    // Ctrl+S is still the picture.
    QCOMPARE(view.findChild<QAction *>(QStringLiteral("AcaoSalvarImagem"))->shortcut(),
             QKeySequence::keyBindings(QKeySequence::Save).value(0));
}

void TestSharePage::comparisonShortcut()
{
    QTemporaryDir empty;
    FakeClock clock(kNoon);
    QList<PreparedChoice> prepared;
    const ChoiceFiles files = ChoiceFiles::read(empty.path());
    for (const int monthly : {937, 20, 5})
        prepared.append(prepareChoice(CounterChoice::typed(monthly), files));
    Comparacao view(clock);
    view.setChoices(prepared, AccumulationMode::Mes);
    view.startAll();
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("comparacao.html"));
    view.findChild<SharePageAction *>()->setAskPath(
        [&](QWidget *, const QString &) { return path; });
    auto *action = view.findChild<QAction *>(QStringLiteral("AcaoSalvarPagina"));
    QVERIFY(action);
    QCOMPARE(action->shortcut(), QKeySequence(QStringLiteral("Ctrl+Shift+S")));
    action->trigger();
    const QByteArray html = readAll(path);
    QCOMPARE(html.count("<section class=\"contador\""), 3);
    QVERIFY(html.contains("<body class=\"comparacao\">"));
    for (int i = 0; i < 3; ++i)
        QVERIFY(html.contains(countMarkup(*view.counter(i).count())));
    // The counters of a comparison count past the odometer's capacity, on the page too.
    QVERIFY(html.contains("\"limite\":false"));
}

void TestSharePage::offeredPath()
{
    QTemporaryDir dir;
    QWidget view;
    SharePageAction::Hooks hooks;
    hooks.now = [] { return QDateTime(QDate(2026, 12, 1), QTime(23, 59)); };
    hooks.folder = dir.path();
    SharePageAction inFolder(&view, hooks);
    QCOMPARE(inFolder.suggestedPath(), dir.filePath(QStringLiteral("quorvel-2026-12-01.html")));
    // A documents folder that was never made: the home folder.
    hooks.folder = dir.filePath(QStringLiteral("Documentos"));
    SharePageAction atHome(&view, hooks);
    QCOMPARE(atHome.suggestedPath(),
             QDir::home().filePath(QStringLiteral("quorvel-2026-12-01.html")));
}

void TestSharePage::refusedSaysWhy()
{
    QTemporaryDir dir;
    QWidget view;
    QStringList told;
    SharePageAction::Hooks hooks;
    hooks.report = [&](const QString &text) { told.append(text); };
    hooks.page = [] {
        LivePageCounter counter;
        counter.monthly = 937;
        return LivePage{{counter}, kNoon, QStringLiteral("America/Sao_Paulo")};
    };
    const QString path = dir.filePath(QStringLiteral("falta/pagina.html"));
    hooks.askPath = [&](QWidget *, const QString &) { return path; };
    SharePageAction action(&view, hooks);
    QCOMPARE(action.saveAs(), QString());
    QCOMPARE(told, QStringList{SharePageAction::notSavedText(
                       path, "a pasta " + dir.filePath(QStringLiteral("falta")) + " não existe")});
    QVERIFY(QDir(dir.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries).isEmpty());
    // Nothing counted: nothing written.
    told.clear();
    hooks.page = [] { return LivePage(); };
    hooks.askPath = [&](QWidget *, const QString &) {
        return dir.filePath(QStringLiteral("p.html"));
    };
    SharePageAction empty(&view, hooks);
    QCOMPARE(empty.saveAs(), QString());
    QCOMPARE(told.size(), 1);
    QVERIFY(QDir(dir.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries).isEmpty());
}

QTEST_MAIN(TestSharePage)
#include "tst_sharepage.moc"
