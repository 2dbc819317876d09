// Building the main window's controls and placing them, in twips, at the window's scale.
#include "windows/DeadZone/deadzone.h"

#include "core/timers.h"
#include "display/calmmark.h"
#include "display/noticelabel.h"
#include "display/odometerview.h"
#include "display/picturebox.h"
#include "display/picturebutton.h"
#include "display/riskchart.h"
#include "display/svgpicture.h"
#include "display/twipsscale.h"
#include "display/victimannouncer.h"
#include "display/victimscene.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QStatusBar>
#include <QTimer>

namespace {

constexpr int kClientWidth = DeadZone::ClientTwips.width();

template <typename T> T *named(T *widget, const QString &name)
{
    widget->setObjectName(name);
    return widget;
}

QLabel *caption(TwipsScale &scale, QWidget *parent, const QString &name, const QString &text,
                double size = 1.0, bool bold = false)
{
    auto *label = named(new QLabel(text, parent), name);
    scale.setFontScale(label, size, bold);
    label->setWordWrap(true);
    return label;
}

QRadioButton *option(QWidget *parent, const QString &name, const QString &text)
{
    auto *button = named(new QRadioButton(text, parent), name);
    return button;
}

QFrame *panel(QWidget *parent, const QString &name)
{
    auto *frame = named(new QFrame(parent), name);
    frame->setFrameShape(QFrame::StyledPanel);
    frame->setFrameShadow(QFrame::Raised);
    frame->setAutoFillBackground(true);
    return frame;
}

} // namespace

void DeadZone::place(QWidget *widget, int left, int top, int width, int height)
{
    m_twips.place(widget, left, top, width, height);
}

void DeadZone::applyScale()
{
    m_twips.apply(this, FontTwips);
    m_odometerView->setScale(m_twips.factor());
    m_scene->setScale(m_twips.factor());
}

void DeadZone::buildControls()
{
    setObjectName(QStringLiteral("DeadZone"));
    setWindowTitle(QStringLiteral("Quorvel Counter"));
    setMouseTracking(true);
    resize(m_twips.px(ClientTwips));

    buildCounterArea();
    buildChartArea();
    buildOdometer();
    buildToolbar();
    buildListPanel();
    buildToolPanel();

    st1 = named(new QStatusBar(this), QStringLiteral("st1"));
    StatusBar1 = named(new QStatusBar(this), QStringLiteral("StatusBar1"));
    for (int i = 0; i < 2; ++i) {
        // Notices are long: the panels show them whole, wrapped, with a tooltip.
        st1Panel[i] = named(new NoticeLabel(st1), QStringLiteral("st1Panel(%1)").arg(i + 1));
        StatusBar1Panel[i] =
            named(new QLabel(StatusBar1), QStringLiteral("StatusBar1Panel(%1)").arg(i + 1));
        st1->addWidget(st1Panel[i], i == 0 ? 3 : 2);
        StatusBar1->addWidget(StatusBar1Panel[i], i == 0 ? 3 : 2);
    }
    st1->setSizeGripEnabled(false);
    StatusBar1->setSizeGripEnabled(false);
    place(StatusBar1, 0, 5475, kClientWidth, 375);
    // The angel waits at the bottom from 8400 twips on: the count's bar ends before it.
    place(st1, 0, 5850, 8340, 375);

    m_scene = new VictimScene(this);

    // Panels over the counter area, the scene above them.
    Picture22->raise();
    PainelList1->raise();
    PainelFerramentas->raise();
    m_scene->raise();

    applyScale();
}

void DeadZone::buildToolbar()
{
    Picture8 = named(new QFrame(this), QStringLiteral("Picture8"));
    static_cast<QFrame *>(Picture8)->setFrameShape(QFrame::StyledPanel);
    Picture8->setMouseTracking(true);
    place(Picture8, 0, 0, kClientWidth, 960);

    Frame1 = named(new QGroupBox(QStringLiteral("Indice Criminal Ativado"), Picture8),
                   QStringLiteral("Frame1"));
    Frame1->setMouseTracking(true);
    place(Frame1, 2450, 0, 3850, 930);
    Label11 = caption(m_twips, Frame1, QStringLiteral("Label11"),
                      QStringLiteral("Clique no folder para exibir os indicadores do arquivo "
                                     "QuorvelParametros.txt"),
                      0.8);
    // The header's texts start right of where the car parks (it ends at 3260 twips).
    place(Label11, 870, 180, 2930, 380);
    Label9 = caption(m_twips, Frame1, QStringLiteral("Label9"), QString(), 1.0, true);
    Label9->setMouseTracking(true);
    place(Label9, 870, 570, 2930, 330);

    // Tooltip (empty: none) and the name a screen reader says; a button without a tooltip
    // gets a name of its own.
    const std::array<std::pair<QString, QString>, 10> buttonTexts{{
        {QStringLiteral("Abre arquivo de ocorrências"), QString()},
        {QStringLiteral("Sair"), QString()},
        {QString(), QStringLiteral("Fechar lista")},
        {QString(), QStringLiteral("Limpar")},
        {QString(), QStringLiteral("Sobre")},
        {QStringLiteral("Edita arquivo Ocorrências"), QString()},
        {QStringLiteral("Painel de Ferramentas"), QString()},
        {QString(), QStringLiteral("Fechar painel")},
        {QStringLiteral("Mapa de Distribuição"), QString()},
        {QStringLiteral("Edita arquivo Homicidios"), QString()},
    }};
    for (int i = 0; i < 10; ++i) {
        botao[i] = named(new PictureButton(this), QStringLiteral("botao(%1)").arg(i));
        const auto &[tip, name] = buttonTexts[i];
        botao[i]->setToolTip(tip);
        botao[i]->setAccessibleName(tip.isEmpty() ? name : tip);
        // The outline stays on: a move over a button is not a move over the surface below.
        botao[i]->setAttribute(Qt::WA_NoMousePropagation);
    }
    botao[0]->setParent(Frame1);
    for (int i : {1, 3, 4, 5, 6, 8})
        botao[i]->setParent(Picture8);
    place(botao[0], 80, 150, 540, 435);
    place(botao[1], 50, 120, 480, 480);
    place(botao[3], 8760, 45, 525, 375);
    place(botao[4], 9480, 0, 645, 615);
    place(botao[5], 600, 120, 480, 480);
    place(botao[6], 1200, 120, 480, 480);
    place(botao[8], 1800, 120, 550, 480);

    Image2 = named(new PictureButton(Picture8), QStringLiteral("Image2"));
    Image3 = named(new PictureButton(Picture8), QStringLiteral("Image3"));
    Image2->setAccessibleName(QStringLiteral("Iniciar contagem"));
    Image2->setToolTip(QStringLiteral("Iniciar contagem"));
    Image3->setAccessibleName(QStringLiteral("Pausar contagem"));
    Image3->setToolTip(QStringLiteral("Pausar contagem"));
    place(Image2, 6350, 40, 640, 600);
    place(Image3, 7050, 40, 640, 600);
    Label14 = caption(m_twips, Picture8, QStringLiteral("Label14"),
                      QStringLiteral("Controles de acionamento"), 0.8);
    Label14->setAlignment(Qt::AlignCenter);
    place(Label14, 6250, 660, 1550, 260);
}

// The parked car (1755..3260 twips across, 840..1710 down) and the police car waiting at
// 8760, 3480 cover what lies under them, so nothing that reads is placed there. The fields
// are wide enough for a monthly figure of eight digits and the figures derived from it.
void DeadZone::buildCounterArea()
{
    // Right of it: the source of the chosen entry, under the header that names it.
    FonteEntrada = caption(m_twips, this, QStringLiteral("FonteEntrada"), QString(), 0.75);
    FonteEntrada->setAccessibleName(QStringLiteral("Fonte do índice escolhido"));
    // With a rate it takes four lines: it then stands in for the hint below (showChoice).
    FonteEntrada->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    place(FonteEntrada, 3320, 980, 2500, 770);
    Label17 = caption(m_twips, this, QStringLiteral("Label17"),
                      QStringLiteral("Selecione um arquivo no folder ou digite uma quantidade "
                                     "no mês"),
                      0.85);
    place(Label17, 3320, 1360, 2500, 390);

    ParametroMes = named(new QLineEdit(this), QStringLiteral("ParametroMes"));
    ParametroMes->setAccessibleName(QStringLiteral("Ocorrências por mês"));
    m_twips.setFontScale(ParametroMes, 1.3, true);
    place(ParametroMes, 120, 1790, 1400, 400);
    Label1 = caption(m_twips, this, QStringLiteral("Label1"), QStringLiteral("/ mês"));
    place(Label1, 1560, 1860, 500, 260);

    ParametroDia = named(new QLineEdit(this), QStringLiteral("ParametroDia"));
    ParametroDia->setReadOnly(true);
    ParametroDia->setAccessibleName(QStringLiteral("Ocorrências por dia"));
    m_twips.setFontScale(ParametroDia, 1.3, true);
    place(ParametroDia, 2100, 1790, 1500, 400);
    Label2 = caption(m_twips, this, QStringLiteral("Label2"), QStringLiteral("/ dia"));
    place(Label2, 3640, 1860, 450, 260);

    Label8 = caption(m_twips, this, QStringLiteral("Label8"), QString(), 1.3, true);
    Label8->setFrameShape(QFrame::Panel);
    Label8->setFrameShadow(QFrame::Sunken);
    Label8->setWordWrap(false);
    place(Label8, 120, 2230, 1750, 400);
    Label7 = caption(m_twips, this, QStringLiteral("Label7"), QStringLiteral("/ ano"));
    place(Label7, 1920, 2300, 500, 260);

    auto *modes = named(new QGroupBox(this), QStringLiteral("Option1Frame"));
    place(modes, 120, 2690, 2800, 900);
    Option1Group = named(new QButtonGroup(this), QStringLiteral("Option1Group"));
    const QString modeTexts[3] = {QStringLiteral("Ocorrências no Dia"),
                                  QStringLiteral("Ocorrências no mês"),
                                  QStringLiteral("Ocorrências no ano")};
    for (int i = 0; i < 3; ++i) {
        Option1[i] = option(modes, QStringLiteral("Option1(%1)").arg(i), modeTexts[i]);
        place(Option1[i], 120, 60 + i * 270, 2600, 270);
        Option1Group->addButton(Option1[i], i);
    }
    Option1[0]->setChecked(true);
    Label13 = caption(m_twips, this, QStringLiteral("Label13"),
                      QStringLiteral("Selecione uma das opções acima para definir a "
                                     "acumulação"),
                      0.8);
    place(Label13, 120, 3610, 2800, 400);

    Label15 = caption(m_twips, this, QStringLiteral("Label15"),
                      QStringLiteral("Média de Ocorrências / hora, no momento"), 0.8);
    place(Label15, 3100, 2260, 2720, 400);
    Parametrohora = caption(m_twips, this, QStringLiteral("Parametrohora"), QString(), 1.3, true);
    Parametrohora->setFrameShape(QFrame::Panel);
    Parametrohora->setFrameShadow(QFrame::Sunken);
    Parametrohora->setWordWrap(false);
    place(Parametrohora, 3100, 2690, 1500, 400);
    PercentualDinamico = caption(m_twips, this, QStringLiteral("PercentualDinamico"),
                                 QStringLiteral("%"), 1.1, true);
    place(PercentualDinamico, 4650, 2730, 1170, 330);
    IntervaloVitimas = caption(m_twips, this, QStringLiteral("IntervaloVitimas"), QString(), 0.85);
    // Its text is what a screen reader says ("uma vítima a cada …"); the description says what
    // it is.
    IntervaloVitimas->setAccessibleDescription(QStringLiteral("Intervalo entre vítimas"));
    place(IntervaloVitimas, 3100, 3110, 2720, 250);
    Label4 = caption(m_twips, this, QStringLiteral("Label4"), QString(), 0.9);
    Label4->setToolTip(QStringLiteral("Ocorrências por dia"));
    place(Label4, 3100, 3360, 1500, 250);

    Led = named(new QLabel(this), QStringLiteral("Led"));
    Led->setAutoFillBackground(true);
    Led->setFrameShape(QFrame::Panel);
    Led->setFrameShadow(QFrame::Sunken);
    Led->setAccessibleName(QStringLiteral("Indicador de distribuição"));
    place(Led, 3100, 3700, 240, 240);
    Label16 = caption(m_twips, this, QStringLiteral("Label16"),
                      QStringLiteral("LED estará ativo quando um padrão de horário for "
                                     "localizado ou ativado."),
                      0.75);
    place(Label16, 3420, 3630, 2400, 400);

    // Left of the parked car: the count of today (made after the rate fields, which come
    // first to the keyboard).
    Label3 = caption(m_twips, this, QStringLiteral("Label3"), QStringLiteral("hoje"), 1.0, true);
    place(Label3, 120, 1000, 500, 280);
    Label6 = caption(m_twips, this, QStringLiteral("Label6"), QString(), 0.9);
    place(Label6, 650, 1010, 1050, 260);
    ParametroHoje = named(new QLineEdit(this), QStringLiteral("ParametroHoje"));
    ParametroHoje->setReadOnly(true);
    ParametroHoje->setAccessibleName(QStringLiteral("Contagem acumulada"));
    m_twips.setFontScale(ParametroHoje, 1.2, true);
    place(ParametroHoje, 120, 1300, 1580, 400);

    // Under the spectrum's options, left of where the police car waits.
    PgCaption = caption(m_twips, this, QStringLiteral("PgCaption"),
                        QStringLiteral("Contagem para próxima vítima"), 0.85);
    place(PgCaption, 6000, 3650, 2700, 260);
    Pg1 = named(new QProgressBar(this), QStringLiteral("Pg1"));
    Pg1->setTextVisible(false);
    Pg1->setAccessibleName(QStringLiteral("Contagem para próxima vítima"));
    Pg1->setRange(0, 1000);
    Pg1->setValue(0);
    place(Pg1, 6000, 3940, 1850, 260);
    Percent = caption(m_twips, this, QStringLiteral("Percent"), QString(), 1.0, true);
    Percent->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    place(Percent, 7870, 3900, 560, 320);
    PercentSign =
        caption(m_twips, this, QStringLiteral("PercentSign"), QStringLiteral("%"), 1.0, true);
    place(PercentSign, 8440, 3900, 260, 320);
}

void DeadZone::buildChartArea()
{
    Label20 =
        caption(m_twips, this, QStringLiteral("Label20"),
                QStringLiteral("Espectro da distribuição percentual ao longo do dia"), 0.85, true);
    place(Label20, 6000, 1000, 4400, 260);

    // The chart draws its own hour marks under the bars and keeps the risk slider's hours
    // under them too; it takes the space the hour text took below it.
    MSChart3 = named(new SpectrumChart(this), QStringLiteral("MSChart3"));
    MSChart3->setBarColor(QColor(200, 30, 30));
    MSChart3->setBarWidth(0.9);
    MSChart3->setScaleDivisions(2);
    MSChart3->setValueSuffix(QString());
    MSChart3->setAccessibleName(QStringLiteral("Espectro de risco ao longo do dia"));
    place(MSChart3, 6000, 1260, 4400, 1300);

    // The hour axis is the chart's own now; the name stays for whoever looks for it.
    Label19 = caption(m_twips, this, QStringLiteral("Label19"),
                      QStringLiteral("Horas do dia, sob as barras do espectro"), 0.8);
    Label19->setWordWrap(false);
    Label19->hide();
    sl2 = named(new QSlider(Qt::Horizontal, this), QStringLiteral("sl2"));
    sl2->setRange(0, 24);
    sl2->setEnabled(false);
    sl2->setAccessibleName(QStringLiteral("Faixa de Risco agora: hora do dia"));
    sl2->setTickPosition(QSlider::TicksBelow);
    sl2->setTickInterval(2);
    place(sl2, 6250, 2560, 4150, 300);
    MSChart3->setHourSlider(sl2);
    Label21 = caption(m_twips, this, QStringLiteral("Label21"),
                      QStringLiteral("Faixa de Risco agora"), 0.85);
    place(Label21, 6000, 2870, 2200, 250);

    opcaoDistribuicaoGroup =
        named(new QButtonGroup(this), QStringLiteral("opcaoDistribuicaoGroup"));
    opcaoDistribuicao[0] = option(this, QStringLiteral("opcaoDistribuicao(0)"),
                                  QStringLiteral("Usar a distribuição ativada"));
    opcaoDistribuicao[1] = option(this, QStringLiteral("opcaoDistribuicao(1)"),
                                  QStringLiteral("Não usar a distribuição ativada"));
    for (QRadioButton *choice : opcaoDistribuicao)
        m_twips.setFontScale(choice, 0.9);
    place(opcaoDistribuicao[0], 6000, 3120, 2700, 260);
    place(opcaoDistribuicao[1], 6000, 3380, 2700, 260);
    opcaoDistribuicaoGroup->addButton(opcaoDistribuicao[0], 0);
    opcaoDistribuicaoGroup->addButton(opcaoDistribuicao[1], 1);
    opcaoDistribuicao[1]->setChecked(true);
    opcaoDistribuicao[0]->setEnabled(false);
}

void DeadZone::buildOdometer()
{
    m_odometerView = new OdometerView(this);
    m_odometerView->setScale(m_twips.factor());
    place(m_odometerView, OdometerView::AreaTwips.x(), OdometerView::AreaTwips.y(),
          OdometerView::AreaTwips.width(), OdometerView::AreaTwips.height());

    Picture22 = named(new PictureBox(this), QStringLiteral("Picture22"));
    place(Picture22, 560, 4400, 9270, 1030);
}

void DeadZone::buildListPanel()
{
    PainelList1 = panel(this, QStringLiteral("PainelList1"));
    place(PainelList1, 120, 720, 6100, 4500);
    PainelList1->hide();

    Label18 = caption(m_twips, PainelList1, QStringLiteral("Label18"),
                      QStringLiteral("Freqüencia pesquisada no arquivo QuorvelParametros.txt"),
                      0.85, true);
    place(Label18, 90, 60, 5900, 260);
    BuscaOcorrencias = named(new QLineEdit(PainelList1), QStringLiteral("BuscaOcorrencias"));
    BuscaOcorrencias->setAccessibleName(QStringLiteral("Buscar na lista de ocorrências"));
    BuscaOcorrencias->setPlaceholderText(QStringLiteral("Buscar: femin, bahia, sao paulo…"));
    place(BuscaOcorrencias, 90, 360, 5900, 330);
    List1 = named(new QListWidget(PainelList1), QStringLiteral("List1"));
    List1->setMouseTracking(true);
    List1->viewport()->setMouseTracking(true);
    List1->setAccessibleName(QStringLiteral("Lista de ocorrências"));
    // Every entry is one line of text: measuring each of 100,000 would freeze the window.
    List1->setUniformItemSizes(true);
    place(List1, 90, 720, 5900, 2340);

    Picture42 = panel(PainelList1, QStringLiteral("Picture42"));
    Picture42->setMouseTracking(true);
    place(Picture42, 90, 3120, 5900, 1290);
    Label22 = caption(m_twips, Picture42, QStringLiteral("Label22"),
                      QStringLiteral("Homicídios nos Estados"), 0.9, true);
    place(Label22, 90, 90, 2100, 260);
    Homicidios = named(new QComboBox(Picture42), QStringLiteral("Homicidios"));
    Homicidios->setAccessibleName(QStringLiteral("Homicídios nos Estados"));
    place(Homicidios, 90, 420, 2100, 380);
    botao[9]->setParent(Picture42);
    botao[2]->setParent(Picture42);
    place(botao[9], 2280, 120, 480, 480);
    place(botao[2], 3600, 840, 360, 360);
}

void DeadZone::buildToolPanel()
{
    PainelFerramentas = panel(this, QStringLiteral("PainelFerramentas"));
    PainelFerramentas->setMouseTracking(true);
    // Hidden until Ctrl+T, just under the toolbar's buttons.
    place(PainelFerramentas, 4300, 660, 6000, 2800);
    PainelFerramentas->hide();
    PainelFerramentas2 = panel(PainelFerramentas, QStringLiteral("PainelFerramentas2"));
    place(PainelFerramentas2, 60, 60, 5880, 2680);

    Picture24 = panel(PainelFerramentas2, QStringLiteral("Picture24"));
    place(Picture24, 90, 90, 1800, 1300);
    auto *victimCaption = caption(m_twips, Picture24, QStringLiteral("Picture24Caption"),
                                  QStringLiteral("Vítima"), 0.9, true);
    place(victimCaption, 90, 40, 1600, 260);
    Option4Group = named(new QButtonGroup(this), QStringLiteral("Option4Group"));
    const QString kinds[3] = {QStringLiteral("Homicídio"), QStringLiteral("Veículos"),
                              QStringLiteral("Outros")};
    for (int i = 0; i < 3; ++i) {
        Option4[i] = option(Picture24, QStringLiteral("Option4(%1)").arg(i), kinds[i]);
        place(Option4[i], 90, 330 + i * 300, 1650, 290);
        Option4Group->addButton(Option4[i], i);
    }
    Option4[2]->setChecked(true);

    Picture33 = panel(PainelFerramentas2, QStringLiteral("Picture33"));
    place(Picture33, 1980, 90, 1500, 1300);
    Image6 = named(new PictureBox(Picture33), QStringLiteral("Image6"));
    Image6->setAccessibleName(QStringLiteral("TILT"));
    place(Image6, 90, 60, 1300, 420);
    Option6Group = named(new QButtonGroup(this), QStringLiteral("Option6Group"));
    Option6[0] = option(Picture33, QStringLiteral("Option6(0)"), QStringLiteral("ON"));
    Option6[1] = option(Picture33, QStringLiteral("Option6(1)"), QStringLiteral("OFF"));
    place(Option6[0], 90, 560, 1300, 290);
    place(Option6[1], 90, 860, 1300, 290);
    Option6Group->addButton(Option6[0], 0);
    Option6Group->addButton(Option6[1], 1);
    Option6[0]->setChecked(true);

    Picture23 = panel(PainelFerramentas2, QStringLiteral("Picture23"));
    place(Picture23, 3570, 90, 2220, 2100);
    Image8 = named(new PictureBox(Picture23), QStringLiteral("Image8"));
    Image8->setAccessibleName(QStringLiteral("SOM"));
    place(Image8, 90, 60, 1300, 420);
    somGroup = named(new QButtonGroup(this), QStringLiteral("somGroup"));
    Option2 = option(Picture23, QStringLiteral("Option2"), QStringLiteral("ON"));
    Option3 = option(Picture23, QStringLiteral("Option3"), QStringLiteral("OFF"));
    place(Option2, 90, 560, 1300, 290);
    place(Option3, 90, 860, 1300, 290);
    somGroup->addButton(Option2, 0);
    somGroup->addButton(Option3, 1);
    Option3->setChecked(true);
    Picture31 = panel(Picture23, QStringLiteral("Picture31"));
    place(Picture31, 90, 1230, 2040, 780);
    Option5Group = named(new QButtonGroup(this), QStringLiteral("Option5Group"));
    Option5[0] = option(Picture31, QStringLiteral("Option5(0)"), QStringLiteral("Som 1"));
    Option5[1] = option(Picture31, QStringLiteral("Option5(1)"), QStringLiteral("Som 2"));
    place(Option5[0], 90, 90, 1800, 290);
    place(Option5[1], 90, 400, 1800, 290);
    Option5Group->addButton(Option5[0], 0);
    Option5Group->addButton(Option5[1], 1);
    Option5[0]->setChecked(true);

    botao[7]->setParent(PainelFerramentas2);
    place(botao[7], 2520, 2280, 360, 360);
}

void DeadZone::buildPresentationControls()
{
    // In the tool panel, under the kind of victim and the TILT switch.
    MovimentoReduzido = new QCheckBox(QStringLiteral("Movimento reduzido"), PainelFerramentas2);
    MovimentoReduzido->setObjectName(QStringLiteral("MovimentoReduzido"));
    MovimentoReduzido->setAccessibleName(QStringLiteral("Movimento reduzido"));
    MovimentoReduzido->setAccessibleDescription(
        QStringLiteral("Sem animações nem piscadas; a contagem não muda"));
    place(MovimentoReduzido, 90, 1480, 1900, 300);
    m_twips.setFontScale(MovimentoReduzido, 1.0);
    connect(MovimentoReduzido, &QCheckBox::toggled, this, &DeadZone::setReducedMotion);

    BotaoApresentacao = new QPushButton(QStringLiteral("Apresentação (F11)"), PainelFerramentas2);
    BotaoApresentacao->setObjectName(QStringLiteral("BotaoApresentacao"));
    BotaoApresentacao->setAccessibleName(QStringLiteral("Modo de apresentação"));
    BotaoApresentacao->setToolTip(QStringLiteral("Contagem em tela cheia (F11; Esc volta)"));
    place(BotaoApresentacao, 90, 1830, 2340, 400);
    m_twips.setFontScale(BotaoApresentacao, 1.0);

    // What the view names instead of the entry or the typed figure ("--titulo TEXTO").
    Titulo = new QLineEdit(PainelFerramentas2);
    Titulo->setObjectName(QStringLiteral("Titulo"));
    Titulo->setPlaceholderText(QStringLiteral("Título na apresentação"));
    Titulo->setAccessibleName(QStringLiteral("Título na apresentação"));
    Titulo->setToolTip(
        QStringLiteral("Nomeia o que é contado na apresentação; o período e o ritmo ficam"));
    place(Titulo, 2970, 2280, 2820, 360);
    m_twips.setFontScale(Titulo, 1.0);

    // The picture to share, saved at 1920 x 1080 (deadzone_picture.cpp).
    BotaoSalvarImagem = new QPushButton(QStringLiteral("Salvar imagem…"), PainelFerramentas2);
    BotaoSalvarImagem->setObjectName(QStringLiteral("BotaoSalvarImagem"));
    BotaoSalvarImagem->setAccessibleName(QStringLiteral("Salvar imagem da contagem"));
    BotaoSalvarImagem->setToolTip(
        QStringLiteral("Salva a contagem como imagem PNG para compartilhar (Ctrl+S na "
                       "apresentação)"));
    place(BotaoSalvarImagem, 90, 2280, 2340, 360);
    m_twips.setFontScale(BotaoSalvarImagem, 1.0);

    // The page that counts in any browser, beside reduced motion (deadzone_picture.cpp).
    BotaoSalvarPagina = new QPushButton(QStringLiteral("Salvar página…"), PainelFerramentas2);
    BotaoSalvarPagina->setObjectName(QStringLiteral("BotaoSalvarPagina"));
    BotaoSalvarPagina->setAccessibleName(QStringLiteral("Salvar página da contagem"));
    BotaoSalvarPagina->setToolTip(
        QStringLiteral("Salva uma página HTML que conta sozinha em qualquer navegador, para um "
                       "site (Ctrl+Shift+S na apresentação)"));
    place(BotaoSalvarPagina, 2070, 1440, 1410, 360);
    m_twips.setFontScale(BotaoSalvarPagina, 1.0);

    // Beside it: the comparison of several counters (deadzone_comparison.cpp).
    BotaoComparar = new QPushButton(QStringLiteral("Comparar…"), PainelFerramentas2);
    BotaoComparar->setObjectName(QStringLiteral("BotaoComparar"));
    BotaoComparar->setAccessibleName(QStringLiteral("Comparar contadores"));
    place(BotaoComparar, 2520, 1830, 960, 400);
    m_twips.setFontScale(BotaoComparar, 1.0);

    m_announcer = new VictimAnnouncer(this);
    m_announcer->move(0, 0);
    m_announcer->lower();
}

// Renders the window's pictures at its present scale; the faces keep showing what they showed.
void DeadZone::loadPictures()
{
    const qreal dpr = devicePixelRatioF();
    m_runButtons->loadPictures(QSize(px(640), px(600)), dpr);
    const auto render = [this, dpr](const QString &name, int width, int height) {
        return svgPicture(QStringLiteral(":/pictures/%1.svg").arg(name),
                          QSize(px(width), px(height)), dpr);
    };
    Picture22->setPicture(render(QStringLiteral("cover"), 9270, 1030));
    Image6->setPicture(render(QStringLiteral("tilt"), 1300, 420));
    Image8->setPicture(render(QStringLiteral("som"), 1300, 420));
    for (int i = 0; i < 10; ++i) {
        const QRect g = m_twips.geometry(botao[i]);
        botao[i]->setPicture(render(QStringLiteral("botao%1").arg(i), g.width(), g.height()));
    }
}
