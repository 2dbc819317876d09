#include "distribution/distributionmodel.h"

#include "core/datadirectory.h"
#include "core/soundcues.h"
#include "core/timers.h"
#include "distribution/intervallayout.h"
#include "distribution/shares.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#include <algorithm>

namespace {

const QString kSaveRefused = QStringLiteral("Existem erros na tabela editada. Gravação Cancelada");
const QString kWriteError = QStringLiteral("Erro na gravação do arquivo QuorvelDistribuicao.txt");
const QString kNoOccurrences =
    QStringLiteral("Erro: Todas as quantidades são 0 - não há distribuição para usar");

bool validIndex(int i, int size)
{
    return i >= 0 && i < size;
}

} // namespace

DistributionModel::DistributionModel(QString filePath, SoundCues &cues, QObject *parent)
    : QObject(parent), m_filePath(std::move(filePath)), m_cues(cues),
      m_programDirectory(QCoreApplication::applicationDirPath())
{
    m_timer1.setObjectName(QStringLiteral("Timer1"));
    m_timer1.setInterval(3000);
    connect(&m_timer1, &QTimer::timeout, this, &DistributionModel::Timer1_Timer);

    // The rows start with the one-interval layout; hidden rows keep the 12-interval captions.
    for (int row = 0; row < kRows; ++row) {
        m_label7[2 * row] = IntervalLayout::startCaption(12, row);
        m_label7[2 * row + 1] = IntervalLayout::endCaption(12, row);
    }
    showRows(IntervalLayout::intervalCount(m_sl1), false);
    m_label7[0] = IntervalLayout::startCaption(1, 0);
    m_label7[1] = IntervalLayout::endCaption(1, 0);

    abrearquivo();
    enable(m_timer1);
}

DistributionModel::~DistributionModel() = default;

int DistributionModel::patternCount() const
{
    return int(m_list1.size());
}

QString DistributionModel::patternName(int i) const
{
    return m_list1.value(i);
}

QString DistributionModel::currentText() const
{
    return m_list1.value(m_currentIndex);
}

void DistributionModel::selectPattern(int i)
{
    if (!validIndex(i, patternCount()))
        i = -1;
    if (m_currentIndex != i) {
        m_currentIndex = i;
        emit currentIndexChanged(i);
    }
    if (i >= 0) {
        List1_Click();
        rememberAsSaved();
    }
}

void DistributionModel::List1_Click()
{
    const int r = m_currentIndex;
    setTipo(currentText());
    for (int i = 0; i < kRows; ++i) {
        setQuantidade(i, QString());
        setPercentual(i, QString());
    }
    // The name check only guards against a list that lost step with the table.
    if (!validIndex(r, int(m_file.rows.size())) || m_file.rows[r].value(0) != currentText())
        return;
    const PatternRow &row = m_file.rows[r];
    int count = 0;
    for (int column = 1; column <= DistributionFile::kValueColumns; ++column) {
        const QString value = row.value(column);
        if (value.isEmpty())
            break;
        setQuantidade(column - 1, value);
        ++count;
    }
    const int before = m_sl1;
    if (const auto position = IntervalLayout::positionForValueCount(count))
        setSL1(*position);
    if (m_sl1 == before)
        Forma_Menu(); // a move of the slider has laid the rows out already
    Critica();
}

QString DistributionModel::Quantidade(int i) const
{
    return validIndex(i, kRows) ? m_quantidade[i] : QString();
}

QString DistributionModel::Percentual(int i) const
{
    return validIndex(i, kRows) ? m_percentual[i] : QString();
}

int DistributionModel::intervalCount() const
{
    return IntervalLayout::intervalCount(m_sl1);
}

void DistributionModel::clearCells()
{
    for (int i = 0; i < kRows; ++i) {
        setQuantidade(i, QString());
        setPercentual(i, QString());
    }
    setTipo(QString());
}

void DistributionModel::rememberAsSaved()
{
    m_savedTipo = m_tipo;
    m_savedQuantidade = m_quantidade;
    m_savedSl1 = m_sl1;
}

bool DistributionModel::hasUnsavedEdits() const
{
    const bool empty =
        m_tipo.isEmpty() && std::all_of(m_quantidade.begin(), m_quantidade.end(),
                                        [](const QString &q) { return q.isEmpty(); });
    if (empty)
        return false;
    return m_tipo != m_savedTipo || m_quantidade != m_savedQuantidade || m_sl1 != m_savedSl1;
}

void DistributionModel::discardEdits()
{
    if (validIndex(m_currentIndex, patternCount())) {
        selectPattern(m_currentIndex);
        return;
    }
    clearCells();
    setSL1(m_savedSl1);
    for (int i = 0; i < kRows; ++i)
        setQuantidade(i, m_savedQuantidade[i]);
    setTipo(m_savedTipo);
}

void DistributionModel::setTipo(const QString &text)
{
    if (m_tipo == text)
        return;
    m_tipo = text;
    emit tipoChanged(text);
}

void DistributionModel::setQuantidade(int i, const QString &text)
{
    if (!validIndex(i, kRows) || m_quantidade[i] == text)
        return;
    m_quantidade[i] = text;
    emit quantidadeChanged(i, text);
}

void DistributionModel::setPercentual(int i, const QString &text)
{
    if (!validIndex(i, kRows) || m_percentual[i] == text)
        return;
    m_percentual[i] = text;
    emit percentualChanged(i, text);
}

void DistributionModel::setSL1(int position)
{
    position = std::clamp(position, 0, IntervalLayout::kPositions - 1);
    if (m_sl1 == position)
        return;
    m_sl1 = position;
    emit SL1Changed(position);
    Forma_Menu();
}

QString DistributionModel::Label7(int i) const
{
    return validIndex(i, 2 * kRows) ? m_label7[i] : QString();
}

bool DistributionModel::rowVisible(int row) const
{
    return validIndex(row, kRows) && m_rowVisible[row];
}

bool DistributionModel::quantidadeMarked(int i) const
{
    return validIndex(i, kRows) && m_quantidadeMarked[i];
}

void DistributionModel::abrearquivo()
{
    adoptFile(DistributionFile::read(m_filePath));
}

void DistributionModel::abrearquivo(const QByteArray &bytes)
{
    adoptFile(DistributionFile::fromBytes(bytes));
}

void DistributionModel::adoptFile(DistributionFileContent content)
{
    m_file = std::move(content);
    m_list1.clear();
    for (const PatternRow &row : std::as_const(m_file.rows))
        m_list1 << row.value(0);
    if (m_currentIndex != -1) {
        m_currentIndex = -1;
        emit currentIndexChanged(-1);
    }
    emit listChanged();
}

void DistributionModel::showRows(int count, bool emptyHidden)
{
    for (int row = 0; row < kRows; ++row) {
        m_rowVisible[row] = row < count;
        if (emptyHidden && row >= count) {
            setQuantidade(row, QString());
            setPercentual(row, QString());
        }
    }
}

void DistributionModel::Forma_Menu()
{
    const int count = intervalCount();
    for (int row = 0; row < count; ++row) {
        m_label7[2 * row] = IntervalLayout::startCaption(count, row);
        m_label7[2 * row + 1] = IntervalLayout::endCaption(count, row);
    }
    showRows(count, false);
    emit layoutChanged();
}

void DistributionModel::Confirma_Tamanho_menu()
{
    showRows(intervalCount(), true);
    emit layoutChanged();
}

void DistributionModel::Label3_Click(int index)
{
    setSL1(index);
    Forma_Menu();
}

void DistributionModel::Critica()
{
    m_erroTabela = 0;
    m_totalPositive = false;
    const int count = intervalCount();
    if (m_tipo.isEmpty()) {
        m_cues.TocaAbaixo();
        setStatus(QStringLiteral("Erro: Especifique um tipo de delito"));
        markTipo(true);
        enable(m_timer1);
        m_erroTabela = 1;
        return;
    }
    for (int i = 0; i < count; ++i) {
        if (!Shares::isDigitsOnly(m_quantidade[i])) {
            m_cues.TocaAbaixo();
            markQuantidade(i, true);
            setStatus(QStringLiteral("Erro: Dados não numéricos no intervalo %1").arg(i + 1));
            enable(m_timer1);
            m_erroTabela = 1;
            return;
        }
    }
    // Double precision: a single-precision total would lose counts above 2^24.
    double total = 0.0;
    for (int i = 0; i < count; ++i)
        total += Shares::quantityValue(m_quantidade[i]);
    // No occurrence at all gives no shares: labels left from an earlier pattern would
    // otherwise pass for this one's.
    m_totalPositive = total > 0.0;
    for (int i = 0; i < count; ++i) {
        setPercentual(i, m_totalPositive
                             ? Shares::percentText(Shares::quantityValue(m_quantidade[i]), total)
                             : QString());
    }
    FazGraficoFrequenciasDistribuicao();
    m_erroTabela = 0;
}

void DistributionModel::FazGraficoFrequenciasDistribuicao()
{
    const QStringList percentual(m_percentual.begin(), m_percentual.end());
    m_chart = Shares::bars(intervalCount(), percentual);
    emit chartChanged();
}

void DistributionModel::Salva_padrao()
{
    m_erroTabela = 0;
    Critica();
    if (m_erroTabela == 1) {
        emit messageRequested(kSaveRefused);
        return;
    }
    // Never overwrite a file we could not read, and never drop what someone wrote into it
    // since it was read: a changed file is taken in before this pattern goes into it.
    DistributionFileContent onDisk = DistributionFile::read(m_filePath);
    if (onDisk.exists && !onDisk.readable) {
        failSave();
        return;
    }
    if (onDisk.exists && (onDisk.bytes != m_file.bytes || !m_file.exists))
        adoptFile(std::move(onDisk));

    // The format has no escaping: such a name would not read back as written.
    const QString problem = DistributionFile::nameProblem(m_tipo, m_file.encoding);
    if (!problem.isEmpty()) {
        reportError(problem);
        markTipo(true);
        return;
    }

    QList<PatternRow> rows = m_file.rows;
    int target = -1;
    for (int r = 0; r < rows.size(); ++r) {
        if (rows[r].value(0) == m_tipo)
            target = r;
    }
    QString notice;
    if (target >= 0) {
        notice = QStringLiteral("Alerta: Atualizando um Padrão já existente");
    } else {
        target = int(rows.size());
        rows << DistributionFile::emptyRow();
        rows[target][0] = m_tipo;
        notice = QStringLiteral("Alerta: Implantando um Padrão novo");
    }
    setStatus(notice);
    enable(m_timer1);
    for (int i = 0; i < kRows; ++i)
        rows[target][i + 1] = m_quantidade[i];

    const std::optional<QByteArray> bytes =
        DistributionFile::compose(rows, m_file.encoding, m_file.byteOrderMark);
    if (!bytes || !DistributionFile::write(m_filePath, *bytes)) {
        failSave(); // the table stays as the file is
        return;
    }
    // Rows without name and values are not written: the saved row moves up past them.
    int line = 0;
    for (int r = 0; r < target; ++r)
        line += DistributionFile::isWritten(rows[r]) ? 1 : 0;

    // Saved away from the program, the pattern is where the user would not look for it.
    const QString folder = QFileInfo(m_filePath).absolutePath();
    if (isApartFromProgram(folder, m_programDirectory))
        setStatus(notice +
                  QStringLiteral(" (gravado em %1)").arg(QDir::toNativeSeparators(folder)));
    m_cues.TocaHappy();
    abrearquivo();
    selectPattern(line);
}

void DistributionModel::failSave()
{
    m_cues.TocaAbaixo();
    setStatus(kWriteError);
    enable(m_timer1);
}

int DistributionModel::Quantidade_KeyDown(int index, int keyCode)
{
    const int count = intervalCount();
    switch (keyCode) {
    case KeyDown:
    case KeyEnter:
        if (index > count - 2) {
            m_cues.TocaAbaixo();
            return -1;
        }
        return index + 1;
    case KeyUp:
        if (index == 0) {
            m_cues.TocaAbaixo();
            return -1;
        }
        return index - 1;
    case KeyEscape:
        setQuantidade(index, QString());
        return -1;
    default:
        if (keyCode >= '0' && keyCode <= '9')
            return -1;
        m_cues.TocaAbaixo();
        setStatus(QStringLiteral("Erro: Apenas dados numéricos neste campo"));
        enable(m_timer1);
        setQuantidade(index, QString());
        return -1;
    }
}

void DistributionModel::Quantidade_Click(int index)
{
    markQuantidade(index, false);
}

void DistributionModel::Tipo_Click()
{
    markTipo(false);
}

void DistributionModel::botao_Click(int index)
{
    switch (index) {
    case 0:
        Critica();
        break;
    case 1:
        clearCells();
        break;
    case 2:
        Confirma_Tamanho_menu();
        Critica();
        Salva_padrao();
        break;
    case 3:
        UsarComoPadrao();
        break;
    default:
        break;
    }
}

void DistributionModel::UsarComoPadrao()
{
    if (m_countRunning && m_countRunning()) {
        reportError(QStringLiteral("Erro: Existe uma pesquisa em processamento - Encerre, e "
                                   "solicite novamente a distribuição"));
        return;
    }
    // Only a table that passes the check, with shares that add up to something, is handed
    // over: unchecked cells would give the count empty or stale shares.
    Critica();
    if (m_erroTabela == 1)
        return; // the check has said why
    if (!m_totalPositive) {
        reportError(kNoOccurrences);
        return;
    }
    if (m_hasParametroMes && m_hasParametroMes()) {
        if (m_activate)
            m_activate();
        emit hideRequested();
        return;
    }
    reportError(QStringLiteral("Erro: Informações insuficientes. Escolha uma Incidência ou "
                               "digite um valor para ocorrência/mês"));
}

void DistributionModel::setActivation(std::function<bool()> countRunning,
                                      std::function<bool()> hasParametroMes,
                                      std::function<void()> activate)
{
    m_countRunning = std::move(countRunning);
    m_hasParametroMes = std::move(hasParametroMes);
    m_activate = std::move(activate);
}

void DistributionModel::Timer1_Timer()
{
    setStatus(QString());
    bool changed = m_tipoMarked;
    m_tipoMarked = false;
    for (bool &marked : m_quantidadeMarked) {
        changed = changed || marked;
        marked = false;
    }
    if (changed)
        emit marksChanged();
    m_timer1.stop();
}

void DistributionModel::reportError(const QString &text)
{
    m_cues.TocaAbaixo();
    setStatus(text);
    enable(m_timer1);
}

void DistributionModel::setStatus(const QString &text)
{
    if (m_statusText == text)
        return;
    m_statusText = text;
    emit statusTextChanged(text);
}

void DistributionModel::markTipo(bool red)
{
    if (m_tipoMarked == red)
        return;
    m_tipoMarked = red;
    emit marksChanged();
}

void DistributionModel::markQuantidade(int i, bool red)
{
    if (!validIndex(i, kRows) || m_quantidadeMarked[i] == red)
        return;
    m_quantidadeMarked[i] = red;
    emit marksChanged();
}
