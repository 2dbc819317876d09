#pragma once

#include "core/counterstate.h"
#include "core/currentchoice.h"
#include "core/parallellist.h"
#include "core/odometerframe.h"

#include <QHash>
#include <QPixmap>
#include <QRect>
#include <QWidget>

#include <array>
#include <functional>
#include <memory>

class Clock;
class SoundCues;
class PictureBox;
class PictureButton;
class PicClip;
class QButtonGroup;
class QChartView;
class QBarSet;
class QComboBox;
class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QProgressBar;
class QRadioButton;
class QSlider;
class QStatusBar;
class QTimer;
class DistributionModel;
class Configurador;
class AboutSom;

// The main counter window. It owns the counter state and the named controls that show it;
// the counting itself is done by the functions of the core library.
class DeadZone : public QWidget
{
    Q_OBJECT

public:
    // dataDirectory: where the data files lie (the program's own directory).
    DeadZone(Clock &clock, SoundCues &sound, QString dataDirectory, QWidget *parent = nullptr);
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

    // Opens a file in the desktop's application for it; replaceable so tests launch nothing.
    std::function<bool(const QString &path)> openInApplication;
    // Shows the modal file error report and the capacity message; replaceable in tests.
    std::function<void(const QString &text)> showModalMessage;
    // Full path of the file the next open-in-application command opens.
    QString ArquivoParaAbrir;

    // The text the odometer shows now, e.g. "105,3720" (leading zeros blank).
    QString odometerText() const;
    // The display tick's roll frame (1..9, -1, 0).
    int QuadroRolagem() const { return m_odometer.QuadroRolagem(); }

    // The LED's colour and the spectrum's 12 values, as shown.
    QColor ledColor() const;
    std::array<double, 12> chartValues() const;

    // Twips to pixels at the window's current scale.
    int px(double twips) const;

signals:
    void chartChanged();

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

    // Run control (deadzone_runcontrol.cpp).
    void Image2_Click();
    void Image3_Click();
    void Option2_Click();
    void Option3_Click();
    void Option6_Click(int index);

    // Odometer (deadzone_odometer.cpp).
    QPixmap FaceDigito(float digit) const;
    QPixmap neutroPicture() const;
    QPixmap stripCell(int strip, int cell) const;
    void Timer1_Timer();
    void Timer2_Timer();
    void joltTick(QTimer *timer, PictureBox *wheel, int drop, bool gated);
    void setWheelTop(PictureBox *wheel, int topTwips);
    QPixmap FaceDigitoDecimal(float digit) const;
    QPixmap neutroDecimalPicture() const;
    std::array<PictureBox *, OdometerFrame::WheelCount> odometerWheels() const;
    // Gives a wheel a face; a face it was already given is not set again unless forced.
    void showFace(int wheel, const OdometerFrame::Face &face, bool force = false);
    // Every wheel blank (the reset look).
    void blankWheels();
    // Wheels and frame pieces drawn again at the window's present scale.
    void redrawOdometer();
    void refreshOdometerAccessible();
    // The digit each wheel reads as (-1: blank), for the text above.
    std::array<int, OdometerFrame::WheelCount> shownDigits() const;
    void showRunFaces(bool playOn, bool waitOn);

    // Scene animations (deadzone_scene.cpp).
    void relogAnjo_Timer();
    void RelogAuto_Timer();
    void RelogPolcar_Timer();
    void RelogMensagem_Timer();
    void Timer4_Timer();
    void moveScene(QWidget *image, int left, int top);

    // Incidence lists (deadzone_incidence.cpp).
    void List1_DblClick();
    void Homicidios_Click(int index);
    void chooseIncidence(int index, bool homicides);

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

public:
    // Named controls (objectName = the name shown), public so the window's parts and tests
    // can reach them; other windows go through the procedures above.
    QLineEdit *ParametroMes = nullptr;
    QLineEdit *ParametroDia = nullptr;
    QLineEdit *ParametroHoje = nullptr;
    QLabel *Parametrohora = nullptr;
    QLabel *Label1 = nullptr;
    QLabel *Label2 = nullptr;
    QLabel *Label3 = nullptr;
    QLabel *Label4 = nullptr;
    QLabel *Label5 = nullptr;
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
    // Quantity and name of each entry of List1, by index.
    ParallelList List2;
    ParallelList List3;
    QFrame *Picture42 = nullptr;
    QComboBox *Homicidios = nullptr;
    ParallelList List2b;
    ParallelList List3b;
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
    QChartView *MSChart3 = nullptr;
    QBarSet *MSChart3Bars = nullptr;
    // The odometer: integer wheels in Picture11, decimal wheels in Picture6.
    QWidget *Picture11 = nullptr;
    QWidget *Picture6 = nullptr;
    PictureBox *Picture0 = nullptr;
    PictureBox *Picture1 = nullptr;
    PictureBox *Picture2 = nullptr;
    PictureBox *Picture3 = nullptr;
    PictureBox *Picture17 = nullptr;
    PictureBox *Picture18 = nullptr;
    PictureBox *Picture19 = nullptr;
    PictureBox *Picture20 = nullptr;
    PictureBox *Picture29 = nullptr;
    // Scene images.
    PictureBox *anjo = nullptr;
    PictureBox *autoCar = nullptr; // objectName "auto"
    PictureBox *Polcar = nullptr;
    PictureBox *Pol1 = nullptr;
    PictureBox *Pol2 = nullptr;
    PictureBox *Neutro = nullptr;

    QTimer *Timer1 = nullptr;
    QTimer *Timer2 = nullptr;
    QTimer *Timer3 = nullptr;
    QTimer *Timer4 = nullptr;
    QTimer *Relogcentena = nullptr;
    QTimer *RelogUnidade = nullptr;
    QTimer *RelogDezena = nullptr;
    QTimer *RelogUnidadeInteiro = nullptr;
    QTimer *RelogdezenaInteiro = nullptr;
    QTimer *RelogPolcar = nullptr;
    QTimer *RelogAuto = nullptr;
    QTimer *relogAnjo = nullptr;
    QTimer *RelogMensagem = nullptr;

    // Scene positions in twips (the model); the widgets are placed from them.
    QRect anjoTwips{8400, 6000, 1410, 2085};
    QRect autoTwips{1755, 960, 1500, 750};
    QRect PolcarTwips{8760, 3480, 1500, 1005};

    // Outer window size in twips, as the animations see it.
    int windowWidthTwips() const;
    int windowHeightTwips() const;

private:
    Clock &m_clock;
    SoundCues &m_sound;
    QString m_dataDirectory;
    CounterState m_state;
    RunState m_runState = RunState::Off;
    // Where the monthly figure came from: a change of mode looks up that entry's pattern.
    CurrentChoice m_choice;

    OdometerFrame m_odometer;
    // The face each wheel was last given, so the wheels can be drawn again at a new scale.
    std::array<OdometerFrame::Face, OdometerFrame::WheelCount> m_wheelFaces{};
    std::unique_ptr<PicClip> m_PicClip2Decimal;
    std::array<int, OdometerFrame::WheelCount> m_spokenDigits{};
    // Divider and end pieces of the odometer frame, with their pictures.
    QList<QPair<PictureBox *, QString>> m_odometerFrameParts;
    qint16 m_QuadroPolcar = 0;
    int m_EstadoLed = 0;
    bool m_handlingOverflow = false;

    std::unique_ptr<PicClip> m_PicClip0;
    std::unique_ptr<PicClip> m_PicClip1;
    std::unique_ptr<PicClip> m_PicClip2;
    std::unique_ptr<PicClip> m_PicClip3;
    QPixmap m_playon, m_playoff, m_waitOn, m_WaitOff;

    DistributionModel *m_distribution = nullptr;
    Configurador *m_configurador = nullptr;
    AboutSom *m_about = nullptr;

    double m_scale = 1.0;
    QHash<QWidget *, QRect> m_twipsGeometry;
};
