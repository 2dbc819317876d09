// The incidence lists as the window uses them: reading them, choosing an entry as what is
// counted (with its pattern, read from the pattern file), and the header that names it.
#include "windows/DeadZone/deadzone.h"

#include "core/counter.h"
#include "core/rates.h"
#include "data/sourceline.h"
#include "display/buttonoutlines.h"
#include "display/picturebutton.h"
#include "distribution/distributionmodel.h"
#include "distribution/entrypattern.h"

#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QSignalBlocker>

void DeadZone::openLists()
{
    const QString failedFile = m_lists->read();
    if (!failedFile.isEmpty()) {
        m_outlines->clear();
        m_lists->reportFailure(failedFile);
    }
}

void DeadZone::showChoice()
{
    const CurrentChoice &choice = m_counter->choice();
    // A pattern handed over from the editor is named instead of the entry while it counts.
    Label9->setText(m_counter->heading());
    const auto source =
        choice.isEntry() ? m_lists->sources().find(choice.name()) : std::optional<EntrySource>();
    FonteEntrada->setText(source ? sourceLineWithRate(*source) : QString());
    FonteEntrada->setToolTip(source ? sourceDetails(*source) : QString());
    Label17->setVisible(!source); // the hint to choose or type, under the source's lines
}

void DeadZone::chooseIncidence(const IncidenceListPanel::Row &row)
{
    const std::optional<IncidenceListPanel::Entry> entry = m_lists->entryAt(row);
    if (!entry)
        return;

    PainelList1->hide();
    quietPause();
    const std::optional<double> monthly = decimalMonthlyFigure(entry->quantity);
    {
        // The field shows the entry's figure, with its decimals in Brazilian form whichever
        // separator the file wrote; the figure itself goes to the counter.
        const QSignalBlocker blocker(ParametroMes);
        ParametroMes->setText(monthly ? monthlyFigureText(*monthly) : entry->quantity);
    }
    if (ParametroMes->hasFocus())
        Image2->setFocus();
    // The entry's own pattern, read from the pattern file: the editor is left as it is.
    m_counter->chooseEntry(
        entry->choice, monthly.value_or(qQNaN()),
        patternForEntry(distributionModel().TabelaPadroes(), entry->choice.name()));
    showHourOnSlider();
}

bool DeadZone::chooseEntryNamed(const QString &name)
{
    openLists();
    // The crimes first, then the states; the first equal name wins, as the lookup finds it.
    const std::optional<IncidenceListPanel::Row> row = m_lists->select(name);
    if (!row) {
        PainelList1->hide();
        return false;
    }
    chooseIncidence(*row);
    return true;
}
