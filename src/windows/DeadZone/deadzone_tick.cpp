// The count tick: every 200 ms the fastest wheel turns, every tenth tick the count is
// computed afresh from the clock.
#include "windows/DeadZone/deadzone.h"

#include "core/clock.h"
#include "core/intervaltext.h"
#include "core/numbermask.h"
#include "core/recount.h"
#include "core/timers.h"
#include "display/desktopservices.h"
#include "display/odometerview.h"

#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QRadioButton>
#include <QStatusBar>
#include <QTimer>

void DeadZone::Timer3_Timer()
{
    ++m_state.giroDecimal;
    m_state.contaTiques = float(m_state.contaTiques + 1);
    if (m_state.giroDecimal == 10)
        m_state.giroDecimal = 0;
    else if (!m_reducedMotion)
        m_odometerView->setFace(OdometerFrame::Picture0,
                                {OdometerFrame::Face::Spin, m_state.giroDecimal});
    if (m_state.contaTiques != 10.0f)
        return;
    recountNow();
}

// What the recount reads of the window: the daily field, the mode, the pattern option.
RecountInput DeadZone::recountInput(double dailyRate) const
{
    RecountInput in;
    in.dailyRate = dailyRate;
    in.mode = accumulationMode();
    in.useDistribution = opcaoDistribuicao[0]->isChecked();
    in.hourly = m_state.hourly;
    in.now = m_clock.now();
    return in;
}

void DeadZone::showInterval()
{
    const std::optional<double> pace = paceNow();
    if (!pace || Parametrohora->text().isEmpty()) {
        IntervaloVitimas->clear();
        return;
    }
    IntervaloVitimas->setText(intervalSentence(*pace));
}

void DeadZone::recountNow()
{
    m_state.contaTiques = 0;

    // Without a number in the daily field there is nothing to count from, and nothing for
    // the odometer to show.
    const std::optional<double> daily = readNumber(ParametroDia->text());
    if (!daily) {
        showInterval();
        return;
    }
    enable(Timer1);

    const RecountInput in = recountInput(*daily);
    const RecountResult out = recount(in);

    Parametrohora->setText(out.Parametrohora);
    PercentualDinamico->setText(out.PercentualDinamico);
    showInterval();
    if (out.clearChart)
        LimpaGrafico();

    if (out.overCapacity) {
        // Pause first: one overflow gives one message and leaves no count running.
        if (m_handlingOverflow)
            return;
        m_handlingOverflow = true;
        Image3_Click();
        // No count can be shown: the fields, the status bar and the odometer agree on the
        // reset look instead of each keeping a figure of its own.
        showNoCount();
        // The presentation view says it itself, in large text, and keeps its keys.
        if (!inPresentation())
            m_desktop.showModalMessage(this, QStringLiteral("Quorvel Counter"), kCapacityMessage,
                                       DesktopServices::MessageIcon::Information);
        m_handlingOverflow = false;
        return;
    }

    st1Panel[1]->setText(out.statusText);
    ParametroHoje->setText(out.hojeMasked);
    m_state.DigitoDezenaMilhar = out.digits[0];
    m_state.DigitoMilhar = out.digits[1];
    m_state.DigitoCentena = out.digits[2];
    m_state.DigitoDezena = out.digits[3];
    m_state.DigitoUnidade = out.digits[4];
    m_state.DigitoDecimal1 = out.digits[5];
    m_state.DigitoDecimal2 = out.digits[6];
    m_state.DigitoDecimal3 = out.digits[7];
    m_state.DigitoDecimal4 = out.digits[8];
    ParametroHoje->setText(out.hojeShown);
    emit recounted(out.count);
}

void DeadZone::showNoCount()
{
    ParametroHoje->clear();
    st1Panel[1]->clear();
    Percent->setText(QStringLiteral("0"));
    Pg1->setValue(0);
    m_odometerView->blank();
    // Every integer wheel is drawn again by the next pass that has a count to show.
    m_state.forgetShownDigits();
}
