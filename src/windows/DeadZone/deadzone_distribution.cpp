// The hourly distribution at run time: finding the pattern of the chosen crime in the
// editor, expanding it to 24 hours, and the risk spectrum.
#include "windows/DeadZone/deadzone.h"

#include "core/clock.h"
#include "core/numbermask.h"
#include "core/recount.h"
#include "core/soundcues.h"
#include "core/timers.h"
#include "display/riskchart.h"
#include "distribution/distributionmodel.h"
#include "distribution/hourlyexpansion.h"
#include "distribution/patternlookup.h"

#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QRadioButton>
#include <QSlider>
#include <QStatusBar>
#include <QTimer>

namespace {

const QString kFoundNotice =
    QStringLiteral("Atenção: O Sistema Localizou uma distribuição com o titulo desta amostragem");

} // namespace

DistributionModel &DeadZone::distributionModel()
{
    if (!m_distribution) {
        m_distribution = new DistributionModel(
            QDir(m_dataDirectory).filePath(QStringLiteral("QuorvelDistribuicao.txt")), m_sound,
            this);
        m_distribution->setActivation([this] { return counting(); },
                                      [this] { return !ParametroMes->text().isEmpty(); },
                                      [this] { AtivaDistribuicao(); });
    }
    return *m_distribution;
}

void DeadZone::setLed(const QColor &color)
{
    QPalette p = Led->palette();
    p.setColor(QPalette::Window, color);
    Led->setPalette(p);
    // Dark: no pattern in use; lit, blinking red and green: the found pattern is counted with.
    const QString name = color == QColor(128, 0, 0)
                             ? QStringLiteral("Indicador de distribuição: sem padrão ativo")
                             : QStringLiteral("Indicador de distribuição: padrão em uso");
    if (Led->accessibleName() != name)
        Led->setAccessibleName(name);
}

QColor DeadZone::ledColor() const
{
    return Led->palette().color(QPalette::Window);
}

std::array<double, 12> DeadZone::chartValues() const
{
    return MSChart3->values();
}

void DeadZone::setChartBars(const std::array<double, 12> &values)
{
    if (values == chartValues())
        return; // the tick clears the chart every two seconds: nothing to redraw
    // The chart's scale follows the highest bar, so small shares stay readable.
    MSChart3->setValues(values);
    emit chartChanged();
}

void DeadZone::LimpaGrafico()
{
    setChartBars({});
}

void DeadZone::PreparaGrafico()
{
    std::array<double, 12> bars;
    bars.fill(flatSpectrumValue(Parametrohora->text()));
    setChartBars(bars);
}

void DeadZone::FazGraficoFrequenciasDistribuicao()
{
    DistributionModel &model = distributionModel();
    const int n = model.intervalCount();
    QStringList captions;
    for (int i = 0; i < n; ++i)
        captions << model.Percentual(i);
    const QList<double> shares = sharesFromCaptions(captions, n);
    m_state.hourly = expandHourly(n, shares);
    setChartBars(spectrumBars(n, shares));
}

void DeadZone::opcaoDistribuicao_Click()
{
    const bool use = opcaoDistribuicao[0]->isChecked();
    if (use) {
        enable(Timer4);
        FazGraficoFrequenciasDistribuicao();
    } else {
        Timer4->stop();
        PreparaGrafico();
    }
    const int hour = m_clock.now().time().hour();
    const std::optional<double> daily = readNumber(ParametroDia->text());
    if (!daily)
        return; // no rate yet: the hourly figure stays as it is
    const double perHour = use ? hourlyFigure(*daily, m_state.hourly, hour) : *daily / 24.0;
    Parametrohora->setText(formatMask(perHour, u"##0.00#"));
    showInterval();
}

void DeadZone::Busca_Tipificacao_para_distribuicao()
{
    buscaDistribuicao(m_List3.currentText());
}

void DeadZone::Busca_Tipificacao_para_distribuicao_homicidios()
{
    buscaDistribuicao(m_List3b.currentText());
}

// The pattern of the entry the figure was chosen from, by the name remembered with the choice
// (reading the lists again empties them): a state's figure never takes a crime's pattern, nor
// loses its own; a typed figure has none.
void DeadZone::buscaDistribuicaoDaEscolha()
{
    if (m_choice.isEntry()) {
        buscaDistribuicao(m_choice.name());
        return;
    }
    // The look of an unsuccessful lookup, without walking the editor's patterns.
    setLed(QColor(128, 0, 0));
    opcaoDistribuicao[1]->setChecked(true);
    LimpaGrafico();
}

void DeadZone::buscaDistribuicao(const QString &chosenName)
{
    setLed(QColor(128, 0, 0));
    opcaoDistribuicao[1]->setChecked(true);
    LimpaGrafico();
    if (lookUpPattern(distributionModel(), chosenName) >= 0)
        activateFoundPattern();
}

void DeadZone::activateFoundPattern()
{
    st1Panel[0]->setText(kFoundNotice);
    m_sound.TocaStop();
    enable(RelogMensagem);
    setLed(QColor(255, 0, 0));
    opcaoDistribuicao[0]->setEnabled(true);
    opcaoDistribuicao[1]->setChecked(true);
    opcaoDistribuicao[0]->setChecked(true);
    sl2->setMaximum(24);
    sl2->setValue(m_clock.now().time().hour());
}

void DeadZone::AtivaDistribuicao()
{
    distributionModel();
    PreparaGrafico();
    sl2->setMaximum(24);
    sl2->setValue(m_clock.now().time().hour());
    setLed(QColor(128, 0, 0));
    opcaoDistribuicao[1]->setChecked(true);
    activateFoundPattern();
}
