// The main window's picture buttons: what each command does in each state, the hover and
// press feedback, the buttons as seen by the keyboard and by assistive technology, and the
// two ways out of the program.
#include "core/soundcues.h"
#include "deadzonefixture.h"
#include "display/picturebox.h"
#include "display/picturebutton.h"
#include "windows/AboutSom/aboutsom.h"
#include "windows/Configurador/configurador.h"

#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPointer>
#include <QRadioButton>
#include <QSlider>
#include <QTest>
#include <QTimer>
#include <QWindow>

namespace {

const QStringList kDataFiles{QStringLiteral("QuorvelParametros.txt"),
                             QStringLiteral("Quorvelhomicidios.txt"),
                             QStringLiteral("QuorvelDistribuicao.txt")};

// The states a command can find the window in.
enum class Setup { Off, ListOpen, PanelOpen, Running, Waiting };

// Entries of the shipped incidence file, one a line.
int shippedEntries()
{
    QFile file(QStringLiteral(QUORVEL_ASSETS "/data/QuorvelParametros.txt"));
    if (!file.open(QIODevice::ReadOnly))
        return -1;
    return int(file.readAll().trimmed().split('\n').size());
}

// The rows of a list that are entries, not the headings of their groups.
int entryRows(const QListWidget *list)
{
    int entries = 0;
    for (int row = 0; row < list->count(); ++row)
        entries += (list->item(row)->flags() & Qt::ItemIsSelectable) ? 1 : 0;
    return entries;
}

QString cueName(Cue cue)
{
    return SoundCues::fileName(cue);
}

struct Fixture : DeadZoneFixture
{
    Fixture() : DeadZoneFixture(QDateTime(QDate(2026, 3, 10), QTime(13, 20)), shippedData())
    {
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
    }

    // Opened files by name alone: the folder is the fixture's own.
    QStringList openedNames() const
    {
        QStringList names;
        for (const QString &path : opened)
            names << QFileInfo(path).fileName();
        return names;
    }

    void startCounting()
    {
        child<QLineEdit>("ParametroMes")->setText(QStringLiteral("937"));
        play();
        QCOMPARE(window.runState(), DeadZone::RunState::Running);
    }

    void prepare(Setup setup)
    {
        switch (setup) {
        case Setup::Off:
            break;
        case Setup::ListOpen:
            window.openLists();
            QVERIFY(!child<QFrame>("PainelList1")->isHidden());
            break;
        case Setup::PanelOpen:
            child<PictureButton>("botao", 6)->click();
            QVERIFY(!child<QFrame>("PainelFerramentas")->isHidden());
            break;
        case Setup::Running:
            startCounting();
            break;
        case Setup::Waiting:
            startCounting();
            child<PictureButton>("Image3")->click();
            QCOMPARE(window.runState(), DeadZone::RunState::Waiting);
            break;
        }
        recorder.clear();
    }

    // A point of the window (its coordinates) where the mouse is over `surface` itself and
    // not over one of its children.
    QPoint freePointOf(QWidget *surface)
    {
        for (int y = 2; y < surface->height() - 2; y += 2) {
            for (int x = 2; x < surface->width() - 2; x += 2) {
                const QPoint inWindow = surface->mapTo(&window, QPoint(x, y));
                if (window.childAt(inWindow) == surface ||
                    (surface == &window && !window.childAt(inWindow)))
                    return inWindow;
            }
        }
        return {-1, -1};
    }

    QPoint centreOf(QWidget *widget) { return widget->mapTo(&window, widget->rect().center()); }

    void moveTo(QPoint inWindow) { QTest::mouseMove(window.windowHandle(), inWindow); }

    QByteArray dataFingerprint() const
    {
        QCryptographicHash hash(QCryptographicHash::Sha256);
        for (const QString &name : kDataFiles) {
            QFile file(dir.filePath(name));
            if (file.open(QIODevice::ReadOnly))
                hash.addData(file.readAll());
            hash.addData(QFileInfo(file).lastModified().toString(Qt::ISODateWithMs).toUtf8());
        }
        hash.addData(QDir(dir.path()).entryList(QDir::Files).join('|').toUtf8());
        return hash.result();
    }
};

} // namespace

Q_DECLARE_METATYPE(Setup)
Q_DECLARE_METATYPE(DeadZone::RunState)

class TestToolPanel : public QObject
{
    Q_OBJECT

private slots:
    void init() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }

    void buttonsAreInPlace_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("container");
        QTest::addColumn<QRect>("twips");
        QTest::addColumn<QString>("tooltip");
        QTest::addColumn<QString>("accessibleName");
        const QString none;
        QTest::newRow("0 folder") << 0 << "Frame1" << QRect(80, 150, 540, 435)
                                  << "Abre arquivo de ocorrências"
                                  << "Abre arquivo de ocorrências";
        QTest::newRow("1 exit, a door") << 1 << "Picture8" << QRect(50, 120, 480, 480) << "Sair"
                                        << "Sair";
        QTest::newRow("2 back") << 2 << "Picture42" << QRect(3600, 840, 360, 360) << none
                                << "Fechar lista";
        QTest::newRow("3 stop") << 3 << "Picture8" << QRect(8760, 45, 525, 375) << none << "Limpar";
        QTest::newRow("4 portrait")
            << 4 << "Picture8" << QRect(9480, 0, 645, 615) << none << "Sobre";
        QTest::newRow("5 edit") << 5 << "Picture8" << QRect(600, 120, 480, 480)
                                << "Edita arquivo Ocorrências"
                                << "Edita arquivo Ocorrências";
        QTest::newRow("6 tools") << 6 << "Picture8" << QRect(1200, 120, 480, 480)
                                 << "Painel de Ferramentas"
                                 << "Painel de Ferramentas";
        QTest::newRow("7 back") << 7 << "PainelFerramentas2" << QRect(2520, 2280, 360, 360) << none
                                << "Fechar painel";
        QTest::newRow("8 chart") << 8 << "Picture8" << QRect(1800, 120, 550, 480)
                                 << "Mapa de Distribuição"
                                 << "Mapa de Distribuição";
        QTest::newRow("9 edit") << 9 << "Picture42" << QRect(2280, 120, 480, 480)
                                << "Edita arquivo Homicidios"
                                << "Edita arquivo Homicidios";
    }
    void buttonsAreInPlace()
    {
        QFETCH(int, index);
        QFETCH(QString, container);
        QFETCH(QRect, twips);
        QFETCH(QString, tooltip);
        QFETCH(QString, accessibleName);
        Fixture f;
        PictureButton *button = f.child<PictureButton>("botao", index);
        QCOMPARE(button->objectName(), QStringLiteral("botao(%1)").arg(index));
        QCOMPARE(button->parentWidget()->objectName(), container);
        QCOMPARE(button->geometry(),
                 QRect(f.window.px(twips.x()), f.window.px(twips.y()), f.window.px(twips.width()),
                       f.window.px(twips.height())));
        QCOMPARE(button->toolTip(), tooltip);
        QVERIFY(!button->picture().isNull());
        QVERIFY(button->focusPolicy() & Qt::TabFocus);

        QAccessibleInterface *access = QAccessible::queryAccessibleInterface(button);
        QVERIFY(access);
        QCOMPARE(access->role(), QAccessible::Button);
        QCOMPARE(access->text(QAccessible::Name), accessibleName);
        QVERIFY(access->actionInterface());
        QVERIFY(access->actionInterface()->actionNames().contains(
            QAccessibleActionInterface::pressAction()));
    }

    void buttonWorksFromKeyboardAndAssistiveTechnology_data()
    {
        QTest::addColumn<int>("way");
        QTest::newRow("space") << 0;
        QTest::newRow("enter") << 1;
        QTest::newRow("accessible press") << 2;
    }
    void buttonWorksFromKeyboardAndAssistiveTechnology()
    {
        QFETCH(int, way);
        Fixture f;
        PictureButton *tools = f.child<PictureButton>("botao", 6);
        tools->setFocus();
        if (way == 0) {
            QTest::keyClick(tools, Qt::Key_Space);
        } else if (way == 1) {
            QTest::keyClick(tools, Qt::Key_Return);
        } else {
            QAccessibleInterface *access = QAccessible::queryAccessibleInterface(tools);
            access->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        }
        QTRY_VERIFY_WITH_TIMEOUT(!f.child<QFrame>("PainelFerramentas")->isHidden(), 5000);
        QCOMPARE(f.recorder.played, QStringList{cueName(Cue::Abretrena)});
    }

    void dispatcher_data()
    {
        QTest::addColumn<int>("button");
        QTest::addColumn<Setup>("setup");
        QTest::addColumn<bool>("listAfter");
        QTest::addColumn<bool>("panelAfter");
        QTest::addColumn<DeadZone::RunState>("stateAfter");
        QTest::addColumn<QStringList>("cues");
        QTest::addColumn<QString>("opened");

        using RS = DeadZone::RunState;
        const QStringList trena{cueName(Cue::Abretrena)};
        const QStringList pauseThenTrena{cueName(Cue::Clicar), cueName(Cue::Abretrena)};
        const QStringList none;
        const QString nothing;

        QTest::newRow("0 list closed: reads and shows it")
            << 0 << Setup::Off << true << false << RS::Off << trena << nothing;
        QTest::newRow("0 list open: closes it")
            << 0 << Setup::ListOpen << false << false << RS::Off << trena << nothing;
        QTest::newRow("0 counting: pauses, then reads")
            << 0 << Setup::Running << true << false << RS::Waiting << pauseThenTrena << nothing;
        QTest::newRow("0 paused: reads at once")
            << 0 << Setup::Waiting << true << false << RS::Waiting << trena << nothing;
        QTest::newRow("2 list open: closes it")
            << 2 << Setup::ListOpen << false << false << RS::Off << trena << nothing;
        QTest::newRow("2 list closed: stays closed")
            << 2 << Setup::Off << false << false << RS::Off << trena << nothing;
        QTest::newRow("3 counting: reset, only the pause's click")
            << 3 << Setup::Running << false << false << RS::Off << QStringList{cueName(Cue::Clicar)}
            << nothing;
        QTest::newRow("3 list open: closes it") << 3 << Setup::ListOpen << false << false << RS::Off
                                                << QStringList{cueName(Cue::Clicar)} << nothing;
        QTest::newRow("4 about") << 4 << Setup::Off << false << false << RS::Off
                                 << QStringList{cueName(Cue::Zapt)} << nothing;
        QTest::newRow("5 edits the incidence file")
            << 5 << Setup::Off << false << false << RS::Off << none
            << QStringLiteral("QuorvelParametros.txt");
        QTest::newRow("5 while counting: the count goes on")
            << 5 << Setup::Running << false << false << RS::Running << none
            << QStringLiteral("QuorvelParametros.txt");
        QTest::newRow("6 panel closed: opens it")
            << 6 << Setup::Off << false << true << RS::Off << trena << nothing;
        QTest::newRow("6 panel open: closes it")
            << 6 << Setup::PanelOpen << false << false << RS::Off << trena << nothing;
        QTest::newRow("7 panel open: closes it")
            << 7 << Setup::PanelOpen << false << false << RS::Off << trena << nothing;
        QTest::newRow("7 panel closed: stays closed")
            << 7 << Setup::Off << false << false << RS::Off << trena << nothing;
        QTest::newRow("8 editor") << 8 << Setup::Off << false << false << RS::Off << none
                                  << nothing;
        QTest::newRow("8 while counting: the count goes on")
            << 8 << Setup::Running << false << false << RS::Running << none << nothing;
        QTest::newRow("9 edits the homicides file")
            << 9 << Setup::Off << false << false << RS::Off << none
            << QStringLiteral("Quorvelhomicidios.txt");
    }
    void dispatcher()
    {
        QFETCH(int, button);
        QFETCH(Setup, setup);
        QFETCH(bool, listAfter);
        QFETCH(bool, panelAfter);
        QFETCH(DeadZone::RunState, stateAfter);
        QFETCH(QStringList, cues);
        QFETCH(QString, opened);
        Fixture f;
        f.prepare(setup);
        if (QTest::currentTestFailed())
            return;

        f.child<PictureButton>("botao", button)->click();

        QCOMPARE(!f.child<QFrame>("PainelList1")->isHidden(), listAfter);
        QCOMPARE(!f.child<QFrame>("PainelFerramentas")->isHidden(), panelAfter);
        QCOMPARE(f.window.runState(), stateAfter);
        QCOMPARE(f.tickTimer()->isActive(), stateAfter == DeadZone::RunState::Running);
        QCOMPARE(f.recorder.played, cues);
        QCOMPARE(f.openedNames(), opened.isEmpty() ? QStringList() : QStringList{opened});
        QVERIFY(f.messages.isEmpty());
        if (listAfter)
            QCOMPARE(entryRows(f.child<QListWidget>("List1")), shippedEntries());
        QCOMPARE(f.window.aboutWindow() && f.window.aboutWindow()->isVisible(), button == 4);
        QCOMPARE(f.window.editorLoaded() && f.window.configurador().isVisible(), button == 8);
    }

    void listButtonDoesNotReadAgainWhileTheListIsOpen()
    {
        Fixture f;
        f.child<PictureButton>("botao", 0)->click();
        QCOMPARE(entryRows(f.child<QListWidget>("List1")), shippedEntries());
        f.writeDataFile(QStringLiteral("QuorvelParametros.txt"), "\"Roubos\",\"240\"\r\n");

        f.child<PictureButton>("botao", 0)->click(); // closes
        QVERIFY(f.child<QFrame>("PainelList1")->isHidden());
        QCOMPARE(entryRows(f.child<QListWidget>("List1")), shippedEntries());
        f.child<PictureButton>("botao", 0)->click(); // reads the file as it is now
        QCOMPARE(f.child<QListWidget>("List1")->count(), 1);
    }

    void resetClearsEveryFigure()
    {
        Fixture f;
        f.child<PictureButton>("botao", 0)->click();
        QListWidget *list = f.child<QListWidget>("List1");
        list->doItemsLayout();
        // The list opens with the example line's group, then the robberies'.
        QListWidgetItem *roubos =
            list->findItems(QStringLiteral("Roubos em geral"), Qt::MatchStartsWith).value(0);
        QVERIFY(roubos);
        const QPoint row =
            list->viewport()->mapTo(&f.window, list->visualItemRect(roubos).center());
        QTest::mouseDClick(f.window.windowHandle(), Qt::LeftButton, {}, row);
        QCOMPARE(f.child<QLineEdit>("ParametroMes")->text(), QStringLiteral("11110,33"));
        // The choice blanked every wheel: remember how blank looks.
        const QList<PictureBox *> wheels{
            f.child<PictureBox>("Picture0"),  f.child<PictureBox>("Picture1"),
            f.child<PictureBox>("Picture2"),  f.child<PictureBox>("Picture3"),
            f.child<PictureBox>("Picture17"), f.child<PictureBox>("Picture18"),
            f.child<PictureBox>("Picture19"), f.child<PictureBox>("Picture20"),
            f.child<PictureBox>("Picture29")};
        QList<qint64> blank;
        for (PictureBox *wheel : wheels)
            blank << wheel->picture().cacheKey();
        f.child<PictureButton>("Image2")->click();
        QCOMPARE(f.window.runState(), DeadZone::RunState::Running);
        f.child<QLabel>("Percent")->setText(QStringLiteral("37")); // as the odometer pass leaves it
        for (QLabel *label :
             {f.child<QLabel>("Label4"), f.child<QLabel>("Label8"), f.child<QLabel>("Percent"),
              f.child<QLabel>("Label9"), f.child<QLabel>("Parametrohora")})
            QVERIFY2(!label->text().isEmpty(), qPrintable(label->objectName()));
        QVERIFY(f.child<PictureBox>("Picture22")->isHidden());
        f.child<QFrame>("PainelFerramentas")->show();

        f.child<PictureButton>("botao", 3)->click();

        QVERIFY(f.child<QLineEdit>("ParametroMes")->text().isEmpty());
        for (QLabel *label :
             {f.child<QLabel>("Label4"), f.child<QLabel>("Label8"), f.child<QLabel>("Percent"),
              f.child<QLabel>("Label9"), f.child<QLabel>("Parametrohora")})
            QVERIFY2(label->text().isEmpty(), qPrintable(label->objectName()));
        QCOMPARE(f.window.runState(), DeadZone::RunState::Off);
        QVERIFY(!f.tickTimer()->isActive());
        QVERIFY(!f.child<PictureBox>("Picture22")->isHidden());
        QVERIFY(f.child<QFrame>("PainelList1")->isHidden());
        QVERIFY(!f.child<QFrame>("PainelFerramentas")->isHidden()); // only its own buttons close it
        // Inicializa: blank wheels, no distribution, LED off, slider at 0.
        for (int i = 0; i < wheels.size(); ++i)
            QVERIFY2(wheels[i]->picture().cacheKey() == blank[i],
                     qPrintable(wheels[i]->objectName()));
        QVERIFY(!f.child<QRadioButton>("opcaoDistribuicao", 0)->isEnabled());
        QVERIFY(!f.timer("Timer4")->isActive());
        QCOMPARE(f.window.ledColor(), QColor(128, 0, 0));
        QCOMPARE(f.child<QSlider>("sl2")->value(), 0);
        QVERIFY(f.child<QLabel>("PercentualDinamico")->text().isEmpty());
    }

    void toolButtonTwiceOpensThenCloses()
    {
        Fixture f;
        f.child<PictureButton>("botao", 6)->click();
        QVERIFY(!f.child<QFrame>("PainelFerramentas")->isHidden());
        QCOMPARE(f.child<QFrame>("PainelFerramentas")->geometry().top(), f.window.px(660));
        f.child<PictureButton>("botao", 6)->click();
        QVERIFY(f.child<QFrame>("PainelFerramentas")->isHidden());
        QCOMPARE(f.recorder.count(Cue::Abretrena), 2);
    }

    void aboutAndEditorAreOneInstanceEach()
    {
        Fixture f;
        f.child<PictureButton>("botao", 4)->click();
        AboutSom *about = f.window.aboutWindow();
        QVERIFY(about);
        QVERIFY(about->isVisible());
        QVERIFY(!about->isModal());
        QCOMPARE(about->windowTitle(), QStringLiteral("About Quorvel Counter"));
        about->close();
        f.child<PictureButton>("botao", 4)->click();
        QCOMPARE(f.window.aboutWindow(), about);
        QVERIFY(about->isVisible());

        f.child<PictureButton>("botao", 8)->click();
        Configurador *editor = &f.window.configurador();
        QVERIFY(editor->isVisible());
        QVERIFY(!editor->isModal());
        QCOMPARE(editor->windowTitle(), QStringLiteral("Configurador de Padrões"));
        editor->hide(); // as its "Sair" does
        f.child<PictureButton>("botao", 8)->click();
        QCOMPARE(&f.window.configurador(), editor);
        QVERIFY(editor->isVisible());
        // The editor opens files through the main window's opener.
        editor->abretexto();
        QCOMPARE(f.openedNames(), QStringList{QStringLiteral("QuorvelDistribuicao.txt")});
    }

    void exitEndsWithEveryWindowAndWritesNothing_data()
    {
        QTest::addColumn<bool>("byExitButton");
        QTest::newRow("exit button") << true;
        QTest::newRow("closing the main window") << false;
    }
    void exitEndsWithEveryWindowAndWritesNothing()
    {
        QFETCH(bool, byExitButton);
        Fixture f;
        f.startCounting();
        f.child<PictureButton>("botao", 4)->click();
        f.child<PictureButton>("botao", 8)->click();
        QPointer<Configurador> editor = &f.window.configurador();
        editor->hide(); // loaded but hidden
        QPointer<AboutSom> about = f.window.aboutWindow();
        const QByteArray before = f.dataFingerprint();
        f.recorder.clear();

        if (byExitButton)
            f.child<PictureButton>("botao", 1)->click();
        else
            f.window.close();

        QVERIFY(!f.window.isVisible());
        QVERIFY(!editor || !editor->isVisible());
        QVERIFY(!about || !about->isVisible());
        if (byExitButton) {
            QVERIFY(!editor);
            QVERIFY(!about);
            QCOMPARE(f.recorder.played, QStringList{cueName(Cue::Zapt)});
        }
        QCOMPARE(f.dataFingerprint(), before);
        f.destroyWindow(); // the editor goes with the main window
        QVERIFY(!editor);
    }

    void hoverOutlineStaysUntilAHoverOffSurface_data()
    {
        QTest::addColumn<QString>("surface");
        QTest::addColumn<Setup>("setup");
        QTest::newRow("window background") << "DeadZone" << Setup::Off;
        QTest::newRow("toolbar Picture8") << "Picture8" << Setup::Off;
        QTest::newRow("Frame1") << "Frame1" << Setup::Off;
        QTest::newRow("Label9") << "Label9" << Setup::Off;
        QTest::newRow("List1") << "List1" << Setup::ListOpen;
        QTest::newRow("Picture42") << "Picture42" << Setup::ListOpen;
        QTest::newRow("PainelFerramentas") << "PainelFerramentas" << Setup::PanelOpen;
    }
    void hoverOutlineStaysUntilAHoverOffSurface()
    {
        QFETCH(QString, surface);
        QFETCH(Setup, setup);
        Fixture f;
        f.prepare(setup);
        PictureButton *first = f.child<PictureButton>("botao", 5);
        PictureButton *second = f.child<PictureButton>("botao", 6);
        PictureButton *inFrame = f.child<PictureButton>("botao", 0);

        f.moveTo(f.centreOf(first));
        QCOMPARE(first->borderStyle(), 1);
        f.moveTo(f.centreOf(second));
        QCOMPARE(second->borderStyle(), 1);
        QCOMPARE(first->borderStyle(), 1); // moving straight across keeps both
        f.moveTo(f.centreOf(inFrame));
        QCOMPARE(inFrame->borderStyle(), 1);
        QCOMPARE(first->borderStyle(), 1);

        QWidget *target =
            surface == "DeadZone" ? &f.window : f.window.findChild<QWidget *>(surface);
        QVERIFY(target);
        QWidget *under = target;
        if (surface == "List1")
            under = f.child<QListWidget>("List1")->viewport();
        const QPoint point = f.freePointOf(under);
        QVERIFY2(point.x() >= 0, "no free point on the surface");
        f.moveTo(point);
        for (int i = 0; i < 10; ++i) {
            const PictureButton *button = f.child<PictureButton>("botao", i);
            QVERIFY2(button->borderStyle() == 0, qPrintable(button->objectName()));
        }
    }

    void pressAndReleaseChangeTheRelief()
    {
        Fixture f;
        PictureButton *button = f.child<PictureButton>("botao", 5);
        QWindow *window = f.window.windowHandle();
        const QPoint at = f.centreOf(button);
        QCOMPARE(button->appearance(), 1);
        QTest::mousePress(window, Qt::LeftButton, {}, at);
        QCOMPARE(button->appearance(), 0);
        QTest::mouseRelease(window, Qt::LeftButton, {}, at);
        QCOMPARE(button->appearance(), 1);
        QCOMPARE(f.openedNames(), QStringList{QStringLiteral("QuorvelParametros.txt")});

        // A release on the toolbar itself raises the folder button again.
        f.child<PictureButton>("botao", 0)->setAppearance(0);
        const QPoint bar = f.freePointOf(f.child<QWidget>("Picture8"));
        QTest::mousePress(window, Qt::LeftButton, {}, bar);
        QTest::mouseRelease(window, Qt::LeftButton, {}, bar);
        QCOMPARE(f.child<PictureButton>("botao", 0)->appearance(), 1);
    }

    void toolPanelHoldsItsSwitches()
    {
        Fixture f;
        f.child<PictureButton>("botao", 6)->click();
        auto inside = [&](QWidget *widget, const char *container) {
            return widget->parentWidget()->objectName() == QLatin1String(container) &&
                   widget->isVisible();
        };
        const QStringList kinds{"Homicídio", "Veículos", "Outros"};
        for (int i = 0; i < 3; ++i) {
            QCOMPARE(f.child<QRadioButton>("Option4", i)->text(), kinds[i]);
            QVERIFY(inside(f.child<QRadioButton>("Option4", i), "Picture24"));
        }
        QVERIFY(f.child<QRadioButton>("Option4", 2)->isChecked());
        QCOMPARE(f.child<QRadioButton>("Option6", 0)->text(), QStringLiteral("ON"));
        QCOMPARE(f.child<QRadioButton>("Option6", 1)->text(), QStringLiteral("OFF"));
        QVERIFY(inside(f.child<QRadioButton>("Option6", 0), "Picture33") &&
                inside(f.child<QRadioButton>("Option6", 1), "Picture33"));
        QVERIFY(f.child<QRadioButton>("Option6", 0)->isChecked());
        QVERIFY(inside(f.child<QRadioButton>("Option2"), "Picture23") &&
                inside(f.child<QRadioButton>("Option3"), "Picture23"));
        QVERIFY(f.child<QRadioButton>("Option3")->isChecked());
        QCOMPARE(f.child<QRadioButton>("Option5", 0)->text(), QStringLiteral("Som 1"));
        QCOMPARE(f.child<QRadioButton>("Option5", 1)->text(), QStringLiteral("Som 2"));
        QVERIFY(inside(f.child<QRadioButton>("Option5", 0), "Picture31") &&
                inside(f.child<QRadioButton>("Option5", 1), "Picture31"));
        QVERIFY(f.child<QRadioButton>("Option5", 0)->isChecked());
        QVERIFY(inside(f.child<PictureButton>("botao", 7), "PainelFerramentas2"));

        // Every switch lies wholly inside the panel, and nothing hides another.
        const QRect panel = f.child<QFrame>("PainelFerramentas")->rect();
        const QList<QWidget *> controls{
            f.child<QRadioButton>("Option2"),    f.child<QRadioButton>("Option3"),
            f.child<QRadioButton>("Option4", 0), f.child<QRadioButton>("Option4", 1),
            f.child<QRadioButton>("Option4", 2), f.child<QRadioButton>("Option5", 0),
            f.child<QRadioButton>("Option5", 1), f.child<QRadioButton>("Option6", 0),
            f.child<QRadioButton>("Option6", 1), f.child<PictureButton>("botao", 7),
            f.child<PictureBox>("Image6"),       f.child<PictureBox>("Image8")};
        for (QWidget *w : controls) {
            const QRect r(w->mapTo(f.child<QFrame>("PainelFerramentas"), QPoint(0, 0)), w->size());
            QVERIFY2(panel.contains(r), qPrintable(w->objectName()));
            QCOMPARE(f.window.childAt(f.centreOf(w)), w);
        }

        // The list panel's captions.
        QCOMPARE(f.child<QGroupBox>("Frame1")->title(), QStringLiteral("Indice Criminal Ativado"));
        QCOMPARE(f.child<QLabel>("Label11")->text(),
                 QStringLiteral("Clique no folder para exibir os indicadores do arquivo "
                                "QuorvelParametros.txt"));
        QCOMPARE(f.child<QLabel>("Label14")->text(), QStringLiteral("Controles de acionamento"));
        QCOMPARE(f.child<QLabel>("Label22")->text(), QStringLiteral("Homicídios nos Estados"));
        QCOMPARE(f.child<QLabel>("Label22")->parentWidget(), f.child<QFrame>("Picture42"));
        QCOMPARE(f.child<QLabel>("Label9")->parentWidget(), f.child<QGroupBox>("Frame1"));
        QCOMPARE(f.child<QLabel>("Label11")->parentWidget(), f.child<QGroupBox>("Frame1"));
    }
};

QTEST_MAIN(TestToolPanel)
#include "tst_toolpanel.moc"
