// The incidence lists: reading both files, the error report, choosing an entry, and
// opening a file in the desktop's application for it.
#include "windows/DeadZone/deadzone.h"

#include "core/clock.h"
#include "core/soundcues.h"
#include "core/timers.h"
#include "data/incidencereader.h"
#include "display/desktopservices.h"
#include "display/picturebutton.h"

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

void DeadZone::abrearquivo()
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
        Erro_no_Arquivo_ocorrencias(failedFile);
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
    Label9->setText(m_choice.caption());
    const auto source =
        m_choice.isEntry() ? m_sources.find(m_choice.name()) : std::optional<EntrySource>();
    FonteEntrada->setText(source ? sourceLineWithRate(*source) : QString());
    FonteEntrada->setToolTip(source ? sourceDetails(*source) : QString());
    Label17->setVisible(!source); // the hint to choose or type, under the source's lines
}

void DeadZone::Erro_no_Arquivo_ocorrencias(const QString &failedFile)
{
    m_desktop.showModalMessage(this, QStringLiteral("Quorvel Counter"),
                               incidenceFileErrorText(failedFile),
                               DesktopServices::MessageIcon::Information);
}

void DeadZone::abretexto()
{
    ArquivoParaAbrir = QDir(m_dataDirectory).filePath(kParametros);
    AbreQualquertipoDeArquivo();
}

void DeadZone::abrehomicidios()
{
    ArquivoParaAbrir = QDir(m_dataDirectory).filePath(kHomicidios);
    AbreQualquertipoDeArquivo();
}

void DeadZone::AbreQualquertipoDeArquivo()
{
    const QString name = QFileInfo(ArquivoParaAbrir).fileName();
    if (!QFileInfo::exists(ArquivoParaAbrir)) {
        reportOpenFailure(QStringLiteral("Arquivo não encontrado: %1").arg(name));
        return;
    }
    // The desktop's opener answers when it has ended; the window goes on meanwhile.
    m_desktop.openInApplication(
        ArquivoParaAbrir, this, [this, name](const DesktopServices::OpenResult &result) {
            if (!result.opened)
                reportOpenFailure(QStringLiteral("Não foi possível abrir o arquivo %1 (%2)")
                                      .arg(name, result.reason));
        });
}

void DeadZone::reportOpenFailure(const QString &notice)
{
    m_sound.TocaAbaixo();
    st1Panel[0]->setText(notice);
    // A notice like the others: cleared after three seconds.
    enable(RelogMensagem);
}

void DeadZone::showNotice(const QString &notice)
{
    if (notice.isEmpty())
        return;
    const QString before = st1Panel[0]->text();
    st1Panel[0]->setText(before.isEmpty() ? notice : before + QStringLiteral(" · ") + notice);
}

void DeadZone::List1_DblClick()
{
    chooseIncidence(List1->currentRow(), false);
}

void DeadZone::Homicidios_Click(int index)
{
    chooseIncidence(index, true);
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
    ParametroMes->setText(quantities.currentText());
    m_choice.chooseEntry(homicides ? CurrentChoice::List::States : CurrentChoice::List::Crimes,
                         names.currentText(),
                         homicides ? Homicidios->itemText(index) : List1->item(index)->text());
    showChoice();
    Inicializa();
    distributionModel();
    PreparaGrafico();
    sl2->setMaximum(24);
    sl2->setValue(m_clock.now().time().hour());
    if (homicides)
        Busca_Tipificacao_para_distribuicao_homicidios();
    else
        Busca_Tipificacao_para_distribuicao();
}
