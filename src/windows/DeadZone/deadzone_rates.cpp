// The monthly figure, the rates derived from it and the accumulation mode.
#include "windows/DeadZone/deadzone.h"

#include "core/clock.h"
#include "core/numbermask.h"
#include "core/rates.h"
#include "core/soundcues.h"

#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QSlider>

void DeadZone::ParametroMes_Change()
{
    // A figure that changes is typed until a choice from a list says otherwise (the choice
    // records itself after setting the field); a typed figure names no entry.
    m_choice.forget();
    showChoice();
    const std::optional<double> monthly = readNumber(ParametroMes->text());
    if (!monthly) {
        showInterval();
        return;
    }
    const RateFigures figures = deriveRates(*monthly);
    ParametroDia->setText(figures.ParametroDia);
    if (const auto hourly = hourlyAverageText(ParametroDia->text()))
        Parametrohora->setText(*hourly);
    Label8->setText(figures.Label8);
    showInterval();
    Paraliza();
    Inicializa();
}

void DeadZone::ParametroMes_KeyDown(int key)
{
    // Digits of the main keyboard pass; focus keys are not typing.
    if (key >= Qt::Key_0 && key <= Qt::Key_9)
        return;
    if (key == Qt::Key_Tab || key == Qt::Key_Backtab)
        return;
    m_sound.TocaAbaixo();
    StatusBar1Panel[0]->setText(QStringLiteral("Erro: Apenas dados numéricos neste campo"));
    ParametroMes->clear();
    Label4->clear();
    Label8->clear();
}

void DeadZone::ParametroDia_Change()
{
    Label4->setText(ParametroDia->text());
}

void DeadZone::ParametroHoje_Change()
{
    Label6->setText(ParametroHoje->text());
}

AccumulationMode DeadZone::accumulationMode() const
{
    if (Option1[1]->isChecked())
        return AccumulationMode::Mes;
    if (Option1[2]->isChecked())
        return AccumulationMode::Ano;
    return AccumulationMode::Dia;
}

void DeadZone::Option1_Click(int)
{
    Paraliza();
    Inicializa();
    distributionModel();
    PreparaGrafico();
    sl2->setMaximum(24);
    sl2->setValue(m_clock.now().time().hour());
    buscaDistribuicaoDaEscolha();
    showInterval();
}
