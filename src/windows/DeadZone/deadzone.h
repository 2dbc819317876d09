#pragma once

#include "core/counterstate.h"
#include "core/currentchoice.h"
#include "core/odometerframe.h"
#include "core/parallellist.h"
#include "data/sourcesreader.h"
#include "display/twipsscale.h"

#include <QPixmap>
#include <QSize>
#include <QWidget>

#include <array>
#include <optional>

class AboutSom;
class Apresentacao;
class Counter;
class Clock;
class Configurador;
class DesktopServices;
class DistributionModel;
class OdometerView;
class PictureBox;
class PictureButton;
class QButtonGroup;
struct RecountInput;
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
class SoundCues;
class SpectrumChart;
class VictimAnnouncer;
class VictimScene;

// The main counter window. It owns the counter state and the named controls that show it;
// the counting itself is done by the functions of the core library, the odometer and the
// new-victim animations by display widgets. Its controls are reached by objectName.
class DeadZone : public QWidget
{
    Q_OBJECT

public:
    // dataDirectory: where the data files lie.
    DeadZone(Clock &clock, SoundCues &sound, DesktopServices &desktop, QString dataDirectory,
             QWidget *parent = nullptr);
    ~DeadZone() override;

    CounterState &state() { return m_state; }
    const CounterState &state() const { return m_state; }
    QString dataDirectory() const { return m_dataDirectory; }

    // Run states of the play and wait buttons.
    enum class RunState { Off, Running, Waiting };
    RunState runState() const { return m_runState; }
    bool counting() const;

    // Procedures other windows and the tool panel call.
    void Inicializa();
    void Paraliza();
    void Playativa();
    void WaitAtiva();
    void teclasOff();
    void Ajuste();
    void LimpaGrafico();
    void PreparaGrafico();
    void FazGraficoFrequenciasDistribuicao();
    void Busca_Tipificacao_para_distribuicao();
    void Busca_Tipificacao_para_distribuicao_homicidios();
    void AtivaDistribuicao();
    void abrearquivo();
    void abretexto();
    void abrehomicidios();
    void AbreQualquertipoDeArquivo();
    void Erro_no_Arquivo_ocorrencias(const QString &failedFile);

    // The distribution editor, created hidden on first use (reads the pattern file).
    DistributionModel &distributionModel();
    Configurador &configurador();
    bool editorLoaded() const { return m_configurador != nullptr; }
    // The about window once opened (one for the run), or null.
    AboutSom *aboutWindow() const { return m_about; }

    // Full path of the file the next open-in-application command opens.
    QString ArquivoParaAbrir;

    // Quantity and name of each entry of the incidence list and of the states' list.
    const ParallelList &List2() const { return m_List2; }
    const ParallelList &List3() const { return m_List3; }
    const ParallelList &List2b() const { return m_List2b; }
    const ParallelList &List3b() const { return m_List3b; }

    // The text the odometer shows now, e.g. "105,3720" (leading zeros blank).
    QString odometerText() const;
    // The display tick's roll frame (1..9, -1, 0).
    int QuadroRolagem() const { return m_odometer.QuadroRolagem(); }

    // The LED's colour and the spectrum's 12 values, as shown.
    QColor ledColor() const;
    std::array<double, 12> chartValues() const;

    // Client area at scale 1, in twips, and the text height of ordinary captions.
    static constexpr QSize ClientTwips{10515, 6225};
    static constexpr int FontTwips = 165;
    // The window's scale: twips to pixels.
    const TwipsScale &twips() const { return m_twips; }
    int px(double twips) const { return m_twips.px(twips); }

    // ---- The presentation view, the command-line start and reduced motion
    // (deadzone_presentation.cpp).
    // Opens the full-screen presentation (F11 or the tool panel's button): the odometer goes
    // over to it and this window hides until it is left (Esc or F11).
    void enterPresentation();
    void leavePresentation();
    bool inPresentation() const;
    Apresentacao *presentation() const { return m_presentation; }
    // The run control for one key (Space): pause while counting, otherwise play.
    void startOrPause();

    // What the presentation names and measures.
    // The chosen entry's name, empty for a typed figure.
    QString chosenEntryName() const;
    // The monthly figure as typed in ParametroMes (empty when there is none).
    QString monthlyText() const;
    AccumulationMode mode() const { return accumulationMode(); }
    // The count the last recount wrote (none after a reset).
    std::optional<double> shownCount() const;
    // The pace of the count now, in occurrences a day (the current hour's with a pattern in
    // use); none without a rate.
    std::optional<double> paceNow() const;

    // The command line: as the user would do it with the mouse.
    void selectMode(AccumulationMode mode);
    void typeMonthlyFigure(int figure);
    // Reads the lists and chooses the entry of this exact name as a double click does (its
    // pattern too); false when neither list has it.
    bool chooseEntryNamed(const QString &name);
    void pressPlay();
    // The title the presentation view names instead of the entry or the typed figure.
    void setPresentationTitle(const QString &title);

    // Reduced motion: no scene animations (a calm colour change instead), wheels without
    // spinning frames, the pattern LED lit steadily. The count is unchanged.
    void setReducedMotion(bool on);
    bool reducedMotion() const { return m_reducedMotion; }

    // The presentation borrows the odometer and gives it back.
    OdometerView *lendOdometer();
    void takeOdometerBack();
    // Hands this window's figure, choice, mode and run state to the view's counter.
    void syncViewCounter();

signals:
    void chartChanged();
    // After each recount that showed a count.
    void recounted(double count);
    // After each display tick of the odometer.
    void displayTicked(const OdometerFrame::Step &step);
    // A new victim, announced with the count the odometer reads ("105,0012").
    void victimAnnounced(const QString &count);
    // Inicializa ran: a new rate or mode, or the reset; the count starts again.
    void counterReset();
    void runStateChanged();
    void reducedMotionChanged(bool on);

protected:
    void closeEvent(QCloseEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // Building and layout (deadzone_layout.cpp).
    void buildControls();
    void buildToolbar();
    void buildCounterArea();
    void buildOdometer();
    void buildChartArea();
    void buildListPanel();
    void buildToolPanel();
    void buildTimers();
    void connectControls();
    // Places a widget at a position in twips inside its parent; kept for rescaling.
    void place(QWidget *widget, int left, int top, int width, int height);
    void applyScale();

    // Start-up and close (deadzone.cpp).
    void Form_Load();
    void loadPictures();
    void Form_Unload();

    // Rates and accumulation mode (deadzone_rates.cpp).
    void ParametroMes_Change();
    void ParametroMes_KeyDown(int key);
    void ParametroDia_Change();
    void ParametroHoje_Change();
    void Option1_Click(int index);
    AccumulationMode accumulationMode() const;

    // The count tick (deadzone_tick.cpp).
    void Timer3_Timer();
    void recountNow();
    void showNoCount();

    // Run control (deadzone_runcontrol.cpp).
    void Image2_Click();
    void Image3_Click();
    void Option2_Click();
    void Option3_Click();
    void Option6_Click(int index);
    void showRunFaces(bool playOn, bool waitOn);
    void checkSoundOutput();

    // Odometer (deadzone_odometer.cpp).
    void Timer1_Timer();
    void Timer2_Timer();

    // The notice clearer and the LED (deadzone_scene.cpp).
    void RelogMensagem_Timer();
    void Timer4_Timer();

    // Incidence lists (deadzone_incidence.cpp).
    void List1_DblClick();
    void Homicidios_Click(int index);
    void chooseIncidence(int index, bool homicides);
    // The header of the chosen entry and its source; both empty for a typed figure.
    void showChoice();
    // Each entry's source as the tooltip of its line in both lists.
    void showListSources();
    // "uma vítima a cada …" at the pace of the present hour; empty without a rate.
    void showInterval();
    RecountInput recountInput(double dailyRate) const;
    void reportOpenFailure(const QString &notice);

    // Distribution at run time (deadzone_distribution.cpp).
    void opcaoDistribuicao_Click();
    void buscaDistribuicao(const QString &chosenName);
    void buscaDistribuicaoDaEscolha();
    void activateFoundPattern();
    void setChartBars(const std::array<double, 12> &values);
    void setLed(const QColor &color);

    // Tool panel (deadzone_toolpanel.cpp).
    void botao_Click(int index);
    void hoverOff();

    // The editor and the about window (deadzone_windows.cpp).
    void showEditor();
    void showAbout();
    void closeSecondaryWindows();

    // The presentation view, the tool panel's switch and button (deadzone_presentation.cpp).
    void buildPresentationControls();
    void markVictimCalmly();
    void announceVictim();
    void dropPresentation();

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

    QTimer *Timer1 = nullptr;
    QTimer *Timer2 = nullptr;
    QTimer *Timer3 = nullptr;
    QTimer *Timer4 = nullptr;
    QTimer *RelogMensagem = nullptr;

    ParallelList m_List2;
    ParallelList m_List3;
    ParallelList m_List2b;
    ParallelList m_List3b;
    // Where each entry's figure comes from (QuorvelFontes.txt); empty when the file is not there.
    SourcesTable m_sources;

    Clock &m_clock;
    SoundCues &m_sound;
    DesktopServices &m_desktop;
    QString m_dataDirectory;
    CounterState m_state;
    RunState m_runState = RunState::Off;
    // Where the monthly figure came from: a change of mode looks up that entry's pattern.
    CurrentChoice m_choice;

    OdometerFrame m_odometer;
    int m_EstadoLed = 0;
    bool m_handlingOverflow = false;
    QPixmap m_playon, m_playoff, m_waitOn, m_WaitOff;

    DistributionModel *m_distribution = nullptr;
    Configurador *m_configurador = nullptr;
    AboutSom *m_about = nullptr;

    TwipsScale m_twips;

    // The presentation view and reduced motion (deadzone_presentation.cpp).
    Apresentacao *m_presentation = nullptr;
    // The counter the presentation view shows, kept in step with this window's count.
    Counter *m_viewCounter = nullptr;
    QCheckBox *MovimentoReduzido = nullptr;
    QPushButton *BotaoApresentacao = nullptr;
    QLineEdit *Titulo = nullptr;
    VictimAnnouncer *m_announcer = nullptr;
    QTimer *RelogMarcaVitima = nullptr;
    bool m_reducedMotion = false;
    // Where the odometer stood among its siblings, to put it back in the same place.
    QWidget *m_odometerAbove = nullptr;
};
