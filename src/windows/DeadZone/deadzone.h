#pragma once

#include "core/counterstate.h"
#include "core/odometerframe.h"
#include "display/countodometer.h"
#include "display/datafileopener.h"
#include "display/patternled.h"
#include "display/runcontrolbuttons.h"
#include "display/statusnotices.h"
#include "display/twipsscale.h"
#include "windows/Comparacao/comparisonlauncher.h"
#include "windows/MainWindow/daybandschart.h"
#include "windows/MainWindow/incidencelistpanel.h"
#include "windows/MainWindow/presentationlauncher.h"
#include "windows/MainWindow/sidewindows.h"
#include "windows/MainWindow/toolpanel.h"

#include <QImage>
#include <QPixmap>
#include <QSize>
#include <QWidget>

#include <array>
#include <optional>

class AboutSom;
class Apresentacao;
class ButtonOutlines;
class CountFields;
class MonthlyFigureField;
class Clock;
class Configurador;
class Counter;
class QAction;
class DesktopServices;
class DistributionModel;
class OdometerView;
class PictureBox;
class PictureButton;
class QButtonGroup;
class QCheckBox;
class QComboBox;
class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QProgressBar;
class QPushButton;
class QRadioButton;
class QSlider;
class QStatusBar;
class QTimer;
class SharePageAction;
class SharePictureActions;
class SoundCues;
class SoundSwitch;
class SpectrumChart;
class VictimAnnouncer;
class VictimScene;

// The main counter window: a view of one Counter (core/counter.h), which it owns. The
// window's named controls show the counter's figure, rates, pattern, run state and count, and
// send it the user's commands; the odometer and the new-victim animations are display widgets.
// The only text it turns into a number is the monthly field's, which it hands to the counter.
class DeadZone : public QWidget
{
    Q_OBJECT

public:
    // dataDirectory: where the data files lie.
    DeadZone(Clock &clock, SoundCues &sound, DesktopServices &desktop, QString dataDirectory,
             QWidget *parent = nullptr);
    ~DeadZone() override;

    // The count this window shows and commands.
    Counter &counter() { return *m_counter; }
    const Counter &counter() const { return *m_counter; }
    // The digits the odometer works from and what its wheels last showed.
    const CounterState &state() const { return m_wheels->state(); }
    QString dataDirectory() const { return m_dataDirectory; }

    // The run state as the play and wait buttons show it.
    using RunState = RunFace;
    RunState runState() const { return runFace(m_counter->runState()); }
    bool counting() const { return m_counter->isCounting(); }

    // The commands of the toolbar, the tool panel and the presentation view.
    void startCount();
    void pauseCount();
    void resetCount();
    // Reads both incidence lists again and shows the list panel.
    void openLists();
    void openIncidenceFile() { m_files->open(IncidenceListPanel::crimesFileName()); }
    void openStatesFile() { m_files->open(IncidenceListPanel::statesFileName()); }

    // The distribution editor, created hidden on first use (reads the pattern file).
    DistributionModel &distributionModel() { return m_sides->distributionModel(); }
    Configurador &configurador() { return m_sides->editor(); }
    bool editorLoaded() const { return m_sides->editorLoaded(); }
    // The about window once opened (one for the run), or null.
    AboutSom *aboutWindow() const { return m_sides->aboutWindow(); }
    // Whether the program may end now: asks about the editor's unsaved edits, if any.
    bool mayQuit();
    // Ends the program with every window, after mayQuit().
    void quit();

    // Quantity and name of each entry of the incidence list and of the states' list.
    const ParallelList &List2() const { return m_lists->crimeQuantities(); }
    const ParallelList &List3() const { return m_lists->crimeNames(); }
    const ParallelList &List3b() const { return m_lists->stateNames(); }

    // The text the odometer shows now, e.g. "105,3720" (leading zeros blank).
    QString odometerText() const { return m_wheels->text(); }
    // The display tick's roll frame (1..9, -1, 0).
    int QuadroRolagem() const { return m_wheels->rollFrame(); }

    // The LED's colour and the spectrum's 12 values, as shown.
    QColor ledColor() const { return m_led->color(); }
    std::array<double, 12> chartValues() const { return m_spectrum->values(); }

    // Client area at scale 1, in twips, and the text height of ordinary captions.
    static constexpr QSize ClientTwips{10515, 6225};
    static constexpr int FontTwips = 165;
    // The window's scale: twips to pixels.
    const TwipsScale &twips() const { return m_twips; }
    int px(double twips) const { return m_twips.px(twips); }

    // ---- The presentation view (deadzone_presentation.cpp) ------------------------------
    // Opens the full-screen presentation (F11 or the tool panel's button): this window hides
    // until it is left (Esc or F11).
    void enterPresentation();
    // The screen the view opens on, as Qt lists them from 0 (--tela); -1 for any screen but
    // this window's.
    void setPresentationScreen(int index);
    void leavePresentation() { m_presentation->close(); }
    bool inPresentation() const { return m_presentation->isOpen(); }
    Apresentacao *presentation() const { return m_presentation->viewIfMade(); }
    // The run control for one key (Space): pause while counting, otherwise play.
    void startOrPause();

    // ---- The command-line start ---------------------------------------------------------
    void selectMode(AccumulationMode mode);
    void typeMonthlyFigure(int figure);
    // Reads the lists and chooses the entry of this exact name as a double click does (its
    // pattern too); false when neither list has it.
    bool chooseEntryNamed(const QString &name);
    void pressPlay() { startCount(); }
    // A notice of the start in the status bar (the data folder's), beside any already there;
    // nothing for an empty text. It stays until the next notice.
    void showStartNotice(const QString &notice) { m_notices->add(notice); }
    // The title the presentation view names instead of the entry or the typed figure.
    void setPresentationTitle(const QString &title);

    // Reduced motion: no scene animations (a calm colour change instead), wheels without
    // spinning frames, the pattern LED lit steadily. The count is unchanged.
    void setReducedMotion(bool on);
    bool reducedMotion() const { return m_reducedMotion; }

    // The presentation view, made on first use and told what is counted.
    Apresentacao &presentationView();

    // ---- The picture to share (deadzone_picture.cpp).
    // The count of this instant on the wheels now, without waiting for the count ticks.
    void showCountNow();
    // What became of a picture saved or copied, on the status bar.
    void showPictureReport(const QString &text) { m_notices->show(text); }
    // The presentation view's picture, at the open view's size, or else at `size` (the
    // default size when none is given); the tool panel's "Salvar imagem…".
    QImage sharePicture(const QSize &size = QSize());
    SharePictureActions *pictureActions() const { return m_pictureActions; }
    SharePageAction *pageAction() const { return m_pageAction; }

    // ---- The comparison of several counters (deadzone_comparison.cpp) --------------------
    // Ctrl+K and the tool panel's "Comparar…": the dialog, then the comparison view.
    void compareCounters() { m_comparison->chooseAndOpen(); }
    ComparisonLauncher &comparison() const { return *m_comparison; }

signals:
    void chartChanged();
    // After each recount that showed a count.
    void recounted(double count);
    // After each display tick of the odometer.
    void displayTicked(const OdometerFrame::Step &step);
    // A new victim, announced with the count the odometer reads ("105,0012").
    void victimAnnounced(const QString &count);
    // The count was reset: a new figure, choice or mode, or the reset button.
    void counterReset();
    void runStateChanged();
    void reducedMotionChanged(bool on);

protected:
    // The odometer's tests and pictures set the digits it shows and call the reset look
    // directly, without a clock that gives that count.
    friend struct DeadZoneProbe;

    void closeEvent(QCloseEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    // Building and layout (deadzone_layout.cpp).
    void buildControls();
    void buildToolbar();
    void buildCounterArea();
    void buildOdometer();
    void buildChartArea();
    void buildListPanel();
    void buildToolPanel();
    // Places a widget at a position in twips inside its parent; kept for rescaling.
    void place(QWidget *widget, int left, int top, int width, int height);
    void applyScale();

    // Start-up and events (deadzone.cpp).
    void buildParts();
    void connectControls();
    void connectCounter();
    void connectPresentation();
    void setUpWindow();
    void loadPictures();

    // The commands as actions (deadzone_actions.cpp).
    void buildActions();
    void connectComparison();
    void toggleListPanel();
    void toggleToolPanel() { m_toolPanel->toggle(); }
    void showEditor() { m_sides->showEditor(); }
    void showAbout() { m_sides->showAbout(); }
    void exitProgram();

    // What is counted and how (deadzone_count.cpp).
    void monthlyFigureTyped(std::optional<double> monthly);
    void refuseMonthlyKey();
    void modeChosen(int index);
    void quietPause();
    void showRunState();
    void showRecount();
    void showCapacityReached();
    void showResetLook();

    // The odometer's display tick.
    void showFrame();

    // Incidence lists (deadzone_incidence.cpp).
    void chooseIncidence(const IncidenceListPanel::Row &row);
    void showChoice();
    // A notice in the status bar, cleared after three seconds.
    void showNotice(const QString &text) { m_notices->showBriefly(text); }

    // The hourly pattern (deadzone_distribution.cpp).
    void distributionOptionChosen(bool use);
    void showPattern();
    void showPatternActivated();
    void showHourOnSlider();

    // The presentation view (deadzone_presentation.cpp).
    void buildPresentationControls();
    // Tells the view what is counted, its title and where the figure comes from.
    void describePresentation();
    void connectPictureActions();

    // Named controls (objectName = the name shown).
    QLineEdit *ParametroMes = nullptr;
    QLineEdit *ParametroDia = nullptr;
    QLineEdit *ParametroHoje = nullptr;
    QLabel *Parametrohora = nullptr;
    QLabel *Label1 = nullptr;
    QLabel *Label2 = nullptr;
    QLabel *Label3 = nullptr;
    QLabel *Label4 = nullptr;
    QLabel *Label6 = nullptr;
    QLabel *Label7 = nullptr;
    QLabel *Label8 = nullptr;
    QLabel *Label9 = nullptr;
    QLabel *Label11 = nullptr;
    QLabel *Label13 = nullptr;
    QLabel *Label14 = nullptr;
    QLabel *Label15 = nullptr;
    QLabel *Label16 = nullptr;
    QLabel *Label17 = nullptr;
    QLabel *Label18 = nullptr;
    QLabel *Label19 = nullptr;
    QLabel *Label20 = nullptr;
    QLabel *Label21 = nullptr;
    QLabel *Label22 = nullptr;
    QLabel *PercentualDinamico = nullptr;
    QLabel *Percent = nullptr;
    QLabel *PercentSign = nullptr;
    QLabel *PgCaption = nullptr;
    QLabel *Led = nullptr;
    // The source and year of the chosen entry, under its header; empty for a typed figure.
    QLabel *FonteEntrada = nullptr;
    // "uma vítima a cada …" at the pace of the hourly figure.
    QLabel *IntervaloVitimas = nullptr;
    std::array<QRadioButton *, 3> Option1{};
    std::array<QRadioButton *, 2> opcaoDistribuicao{};
    QRadioButton *Option2 = nullptr;
    QRadioButton *Option3 = nullptr;
    std::array<QRadioButton *, 3> Option4{};
    std::array<QRadioButton *, 2> Option5{};
    std::array<QRadioButton *, 2> Option6{};
    QButtonGroup *Option1Group = nullptr;
    QButtonGroup *opcaoDistribuicaoGroup = nullptr;
    QButtonGroup *somGroup = nullptr;
    QButtonGroup *Option4Group = nullptr;
    QButtonGroup *Option5Group = nullptr;
    QButtonGroup *Option6Group = nullptr;
    PictureButton *Image2 = nullptr;
    PictureButton *Image3 = nullptr;
    PictureBox *Image6 = nullptr;
    PictureBox *Image8 = nullptr;
    std::array<PictureButton *, 10> botao{};
    QWidget *Picture8 = nullptr;
    QGroupBox *Frame1 = nullptr;
    PictureBox *Picture22 = nullptr;
    QFrame *PainelList1 = nullptr;
    QListWidget *List1 = nullptr;
    // Filters List1 as the user types, above it.
    QLineEdit *BuscaOcorrencias = nullptr;
    QFrame *Picture42 = nullptr;
    QComboBox *Homicidios = nullptr;
    QFrame *PainelFerramentas = nullptr;
    QFrame *PainelFerramentas2 = nullptr;
    QFrame *Picture24 = nullptr;
    QFrame *Picture33 = nullptr;
    QFrame *Picture23 = nullptr;
    QFrame *Picture31 = nullptr;
    QStatusBar *st1 = nullptr;
    QStatusBar *StatusBar1 = nullptr;
    std::array<QLabel *, 2> st1Panel{};
    std::array<QLabel *, 2> StatusBar1Panel{};
    QSlider *sl2 = nullptr;
    QProgressBar *Pg1 = nullptr;
    SpectrumChart *MSChart3 = nullptr;
    // The odometer (wheels, housings, comma, jolt timers) and the new-victim animations.
    OdometerView *m_odometerView = nullptr;
    VictimScene *m_scene = nullptr;

    // The window's parts, each with one job (src/display, src/windows/MainWindow).
    CountOdometer *m_wheels = nullptr;
    CountFields *m_fields = nullptr;
    DayBandsChart *m_spectrum = nullptr;
    StatusNotices *m_notices = nullptr;
    MonthlyFigureField *m_monthlyField = nullptr;
    ButtonOutlines *m_outlines = nullptr;
    PatternLed *m_led = nullptr;
    RunControlButtons *m_runButtons = nullptr;
    SoundSwitch *m_soundSwitch = nullptr;
    IncidenceListPanel *m_lists = nullptr;
    DataFileOpener *m_files = nullptr;
    PresentationLauncher *m_presentation = nullptr;
    SideWindows *m_sides = nullptr;
    ToolPanel *m_toolPanel = nullptr;

    Clock &m_clock;
    SoundCues &m_sound;
    DesktopServices &m_desktop;
    QString m_dataDirectory;
    Counter *m_counter = nullptr;
    // The program is ending: the editor's edits have been settled.
    bool m_quitting = false;

    TwipsScale m_twips;

    // The presentation view's controls and reduced motion (deadzone_presentation.cpp).
    QCheckBox *MovimentoReduzido = nullptr;
    QPushButton *BotaoApresentacao = nullptr;
    QLineEdit *Titulo = nullptr;
    VictimAnnouncer *m_announcer = nullptr;
    bool m_reducedMotion = false;
    QPushButton *BotaoSalvarImagem = nullptr;
    QPushButton *BotaoSalvarPagina = nullptr;
    QPushButton *BotaoComparar = nullptr;
    ComparisonLauncher *m_comparison = nullptr;
    SharePictureActions *m_pictureActions = nullptr;
    SharePageAction *m_pageAction = nullptr;
};
