// The incidence lists: reading both files, the error report, choosing an entry, and
// opening a file in the desktop's application for it.
#include "windows/DeadZone/deadzone.h"

#include "core/clock.h"
#include "core/counter.h"
#include "core/rates.h"
#include "core/soundcues.h"
#include "core/timers.h"
#include "data/incidencereader.h"
#include "display/desktopservices.h"
#include "display/picturebutton.h"
#include "distribution/distributionmodel.h"
#include "distribution/entrypattern.h"

#include <QComboBox>
#include <QDir>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QSignalBlocker>
#include <QSlider>
#include <QStatusBar>

namespace {

const QString kParametros = QStringLiteral("QuorvelParametros.txt");
const QString kHomicidios = QStringLiteral("Quorvelhomicidios.txt");

} // namespace

void DeadZone::openLists()
{
    const QDir dir(m_dataDirectory);
    List1->clear();
    m_List2.clear();
    m_List3.clear();
    {
        // Emptying the combo box is not a choice of a state.
        const QSignalBlocker blocker(Homicidios);
        Homicidios->clear();
    }
    m_List2b.clear();
    m_List3b.clear();
    // Optional: without it the entries simply show no source.
    m_sources = readSourcesFile(dir.filePath(sourcesFileName()));

    QString failedFile;
    const IncidenceReading parametros = readIncidenceFile(dir.filePath(kParametros));
    List1->setUpdatesEnabled(false);
    List1->addItems(parametros.listTexts());
    List1->setUpdatesEnabled(true);
    m_List2.items = parametros.quantities;
    m_List3.items = parametros.names;
    if (parametros.failed()) {
        failedFile = kParametros;
    } else {
        PainelList1->show();
        PainelList1->raise();
        const IncidenceReading homicidios = readIncidenceFile(dir.filePath(kHomicidios));
        {
            const QSignalBlocker blocker(Homicidios);
            Homicidios->addItems(homicidios.listTexts());
            Homicidios->setCurrentIndex(-1);
        }
        m_List2b.items = homicidios.quantities;
        m_List3b.items = homicidios.names;
        if (homicidios.failed())
            failedFile = kHomicidios;
    }

    showListSources();

    if (!failedFile.isEmpty()) {
        for (PictureButton *button : botao)
            button->setBorderStyle(0);
        reportListFailure(failedFile);
    }
}

void DeadZone::showListSources()
{
    for (int row = 0; row < List1->count() && row < m_List3.count(); ++row) {
        if (const auto source = m_sources.find(m_List3.items.at(row)))
            List1->item(row)->setToolTip(sourceDetails(*source));
    }
    for (int row = 0; row < Homicidios->count() && row < m_List3b.count(); ++row) {
        if (const auto source = m_sources.find(m_List3b.items.at(row)))
            Homicidios->setItemData(row, sourceDetails(*source), Qt::ToolTipRole);
    }
}

void DeadZone::showChoice()
{
    const CurrentChoice &choice = m_counter->choice();
    // A pattern handed over from the editor is named instead of the entry while it counts.
    Label9->setText(m_counter->heading());
    const auto source =
        choice.isEntry() ? m_sources.find(choice.name()) : std::optional<EntrySource>();
    FonteEntrada->setText(source ? sourceLineWithRate(*source) : QString());
    FonteEntrada->setToolTip(source ? sourceDetails(*source) : QString());
    Label17->setVisible(!source); // the hint to choose or type, under the source's lines
}

void DeadZone::reportListFailure(const QString &failedFile)
{
    m_desktop.showModalMessage(this, QStringLiteral("Quorvel Counter"),
                               incidenceFileErrorText(failedFile),
                               DesktopServices::MessageIcon::Information);
}

void DeadZone::openIncidenceFile()
{
    openDataFile(kParametros);
}

void DeadZone::openStatesFile()
{
    openDataFile(kHomicidios);
}

void DeadZone::openDataFile(const QString &name)
{
    const QString path = QDir(m_dataDirectory).filePath(name);
    if (!QFileInfo::exists(path)) {
        reportOpenFailure(QStringLiteral("Arquivo não encontrado: %1").arg(name));
        return;
    }
    // The desktop's opener answers when it has ended; the window goes on meanwhile.
    m_desktop.openInApplication(
        path, this, [this, name](const DesktopServices::OpenResult &result) {
            if (!result.opened)
                reportOpenFailure(QStringLiteral("Não foi possível abrir o arquivo %1 (%2)")
                                      .arg(name, result.reason));
        });
}

void DeadZone::reportOpenFailure(const QString &notice)
{
    m_sound.TocaAbaixo();
    showNotice(notice);
}

// A notice in the status bar, cleared after three seconds.
void DeadZone::showNotice(const QString &text)
{
    st1Panel[0]->setText(text);
    enable(RelogMensagem);
}

void DeadZone::showStartNotice(const QString &notice)
{
    if (notice.isEmpty())
        return;
    const QString before = st1Panel[0]->text();
    st1Panel[0]->setText(before.isEmpty() ? notice : before + QStringLiteral(" · ") + notice);
}

void DeadZone::chooseIncidence(int index, bool homicides)
{
    ParallelList &quantities = homicides ? m_List2b : m_List2;
    ParallelList &names = homicides ? m_List3b : m_List3;
    if (index < 0 || index >= quantities.count())
        return;

    PainelList1->hide();
    quantities.setCurrentRow(index);
    names.setCurrentRow(index);
    quietPause();
    {
        // The field shows the entry's figure; the figure itself goes to the counter.
        const QSignalBlocker blocker(ParametroMes);
        ParametroMes->setText(quantities.currentText());
    }
    if (ParametroMes->hasFocus())
        Image2->setFocus();
    CurrentChoice choice;
    choice.chooseEntry(homicides ? CurrentChoice::List::States : CurrentChoice::List::Crimes,
                       names.currentText(),
                       homicides ? Homicidios->itemText(index) : List1->item(index)->text());
    const std::optional<int> monthly = wholeMonthlyFigure(quantities.currentText());
    // The entry's own pattern, read from the pattern file: the editor is left as it is.
    m_counter->chooseEntry(choice, monthly ? double(*monthly) : qQNaN(),
                           patternForEntry(distributionModel().TabelaPadroes(), choice.name()));
    showHourOnSlider();
}
