#include "windows/Comparacao/escolhacomparacao.h"

#include "core/numbermask.h"
#include "core/rates.h"
#include "data/entrygroups.h"
#include "windows/groupedentrylist.h"

#include <QButtonGroup>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QVBoxLayout>

namespace {

// A list of entries under their groups' headings with its search field above it: the list's
// own texts shown whole (a long one wraps, its figure with it), the exact names kept for the
// choice.
QListWidget *entryList(const QString &objectName, const QString &accessibleName,
                       const IncidenceReading &reading, const SourcesTable &sources,
                       QLineEdit *search, QWidget *parent)
{
    auto *list = new QListWidget;
    list->setObjectName(objectName);
    list->setAccessibleName(accessibleName);
    list->setWordWrap(true);
    list->setTextElideMode(Qt::ElideNone);
    search->setObjectName(QStringLiteral("Busca") + objectName);
    search->setAccessibleName(QStringLiteral("Buscar em: ") + accessibleName);
    search->setPlaceholderText(QStringLiteral("Buscar: femin, bahia, sao paulo…"));
    auto *groups = new GroupedEntryList(list, search, parent);
    const QStringList texts = reading.listTexts();
    groups->fill(texts, reading.names, groupByIndicator(reading.names, sources));
    for (qsizetype i = 0; i < reading.names.size(); ++i) {
        if (QListWidgetItem *item = groups->itemOfEntry(int(i))) {
            item->setData(Qt::UserRole, reading.names.at(i));
            item->setToolTip(texts.value(i));
        }
    }
    return list;
}

QVBoxLayout *searchAbove(QLineEdit *search, QListWidget *list)
{
    auto *column = new QVBoxLayout;
    column->addWidget(search);
    column->addWidget(list);
    return column;
}

QPushButton *button(const QString &objectName, const QString &text)
{
    auto *push = new QPushButton(text);
    push->setObjectName(objectName);
    push->setAutoDefault(false);
    return push;
}

} // namespace

EscolhaComparacao::EscolhaComparacao(const ChoiceFiles &files, const Comparison &offered,
                                     QWidget *parent)
    : QDialog(parent), m_comparison(offered)
{
    setObjectName(QStringLiteral("EscolhaComparacao"));
    setWindowTitle(QStringLiteral("Comparar contadores"));
    build(files);
    setMode(offered.mode);
    showChoices(0);
}

void EscolhaComparacao::build(const ChoiceFiles &files)
{
    auto *crimeSearch = new QLineEdit;
    auto *stateSearch = new QLineEdit;
    m_crimes = entryList(QStringLiteral("ListaOcorrencias"), QStringLiteral("Ocorrências"),
                         files.parametros, files.sources, crimeSearch, this);
    m_states =
        entryList(QStringLiteral("ListaEstados"), QStringLiteral("Mortes violentas por estado"),
                  files.homicidios, files.sources, stateSearch, this);
    auto *addCrime =
        button(QStringLiteral("BotaoAdicionarOcorrencia"), QStringLiteral("Adicionar"));
    auto *addState = button(QStringLiteral("BotaoAdicionarEstado"), QStringLiteral("Adicionar"));
    m_typed = new QLineEdit;
    m_typed->setObjectName(QStringLiteral("NumeroDigitado"));
    m_typed->setAccessibleName(QStringLiteral("Número de ocorrências por mês"));
    m_typed->setPlaceholderText(QStringLiteral("ocorrências por mês"));
    auto *addTyped =
        button(QStringLiteral("BotaoAdicionarNumero"), QStringLiteral("Adicionar número"));

    m_chosen = new QListWidget;
    m_chosen->setObjectName(QStringLiteral("Escolhidos"));
    m_chosen->setAccessibleName(QStringLiteral("Contadores escolhidos, na ordem"));
    m_up = button(QStringLiteral("BotaoSubir"), QStringLiteral("Subir"));
    m_down = button(QStringLiteral("BotaoDescer"), QStringLiteral("Descer"));
    m_remove = button(QStringLiteral("BotaoRemover"), QStringLiteral("Remover"));

    m_modes = new QButtonGroup(this);
    auto *modeBox = new QGroupBox(QStringLiteral("Acumular"));
    auto *modeRow = new QHBoxLayout(modeBox);
    const QList<QPair<QString, QString>> modes{
        {QStringLiteral("ModoDia"), QStringLiteral("Hoje")},
        {QStringLiteral("ModoMes"), QStringLiteral("Neste mês")},
        {QStringLiteral("ModoAno"), QStringLiteral("Neste ano")}};
    for (int i = 0; i < modes.size(); ++i) {
        auto *radio = new QRadioButton(modes[i].second);
        radio->setObjectName(modes[i].first);
        m_modes->addButton(radio, i);
        modeRow->addWidget(radio);
    }

    m_notice = new QLabel;
    m_notice->setObjectName(QStringLiteral("Aviso"));
    m_notice->setWordWrap(true);
    m_buttons = new QDialogButtonBox;
    m_compare = m_buttons->addButton(QStringLiteral("Comparar"), QDialogButtonBox::AcceptRole);
    m_compare->setObjectName(QStringLiteral("BotaoComparar"));
    m_buttons->addButton(QStringLiteral("Cancelar"), QDialogButtonBox::RejectRole)
        ->setObjectName(QStringLiteral("BotaoCancelar"));

    auto *grid = new QGridLayout(this);
    grid->addWidget(new QLabel(QStringLiteral("Ocorrências")), 0, 0);
    grid->addWidget(new QLabel(QStringLiteral("Estados")), 0, 1);
    grid->addWidget(new QLabel(QStringLiteral("Escolhidos (de 2 a %1)").arg(kMaxComparedCounters)),
                    0, 2);
    grid->addLayout(searchAbove(crimeSearch, m_crimes), 1, 0);
    grid->addLayout(searchAbove(stateSearch, m_states), 1, 1);
    grid->addWidget(m_chosen, 1, 2);
    grid->addWidget(addCrime, 2, 0);
    grid->addWidget(addState, 2, 1);
    auto *order = new QHBoxLayout;
    order->addWidget(m_up);
    order->addWidget(m_down);
    order->addWidget(m_remove);
    grid->addLayout(order, 2, 2);
    auto *typedRow = new QHBoxLayout;
    typedRow->addWidget(new QLabel(QStringLiteral("Número digitado:")));
    typedRow->addWidget(m_typed);
    typedRow->addWidget(addTyped);
    grid->addLayout(typedRow, 3, 0, 1, 2);
    grid->addWidget(modeBox, 3, 2);
    grid->addWidget(m_notice, 4, 0, 1, 2);
    grid->addWidget(m_buttons, 4, 2);
    resize(900, 520);

    auto addFrom = [this](QListWidget *list) {
        if (const QListWidgetItem *item = list->currentItem())
            addEntry(item->data(Qt::UserRole).toString());
    };
    connect(addCrime, &QPushButton::clicked, this, [this, addFrom] { addFrom(m_crimes); });
    connect(addState, &QPushButton::clicked, this, [this, addFrom] { addFrom(m_states); });
    connect(m_crimes, &QListWidget::itemDoubleClicked, this,
            [this, addFrom] { addFrom(m_crimes); });
    connect(m_states, &QListWidget::itemDoubleClicked, this,
            [this, addFrom] { addFrom(m_states); });
    connect(addTyped, &QPushButton::clicked, this, &EscolhaComparacao::addTypedFigure);
    connect(m_typed, &QLineEdit::returnPressed, this, &EscolhaComparacao::addTypedFigure);
    // What was said of the last figure typed no longer holds for a new one.
    connect(m_typed, &QLineEdit::textEdited, this, [this] {
        m_refusal.clear();
        showChoices(m_chosen->currentRow());
    });
    connect(m_up, &QPushButton::clicked, this, [this] { moveChosen(m_chosen->currentRow(), -1); });
    connect(m_down, &QPushButton::clicked, this, [this] { moveChosen(m_chosen->currentRow(), 1); });
    connect(m_remove, &QPushButton::clicked, this,
            [this] { removeChosen(m_chosen->currentRow()); });
    connect(m_chosen, &QListWidget::currentRowChanged, this, [this](int row) {
        m_up->setEnabled(row > 0);
        m_down->setEnabled(row >= 0 && row + 1 < m_chosen->count());
        m_remove->setEnabled(row >= 0);
    });
    connect(m_modes, &QButtonGroup::idClicked, this,
            [this](int id) { m_comparison.mode = AccumulationMode(id); });
    connect(m_buttons, &QDialogButtonBox::accepted, this, [this] {
        if (problem().isEmpty())
            accept();
    });
    connect(m_buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
}

QString EscolhaComparacao::choiceText(const CounterChoice &choice)
{
    if (choice.isEntry())
        return choice.entryName;
    return QStringLiteral("%1 ocorrências por mês").arg(choice.monthly.value_or(0));
}

bool EscolhaComparacao::refuse(const QString &why)
{
    m_refusal = why;
    showChoices(m_chosen->currentRow());
    return false;
}

bool EscolhaComparacao::addOnce(const CounterChoice &choice)
{
    if (m_comparison.choices.contains(choice))
        return refuse(
            QStringLiteral("\"%1\" já está entre os escolhidos.").arg(choiceText(choice)));
    m_refusal.clear();
    m_comparison.choices.append(choice);
    showChoices(int(m_comparison.choices.size()) - 1);
    return true;
}

bool EscolhaComparacao::addEntry(const QString &name)
{
    if (m_comparison.choices.size() >= kMaxComparedCounters || name.isEmpty())
        return false;
    return addOnce(CounterChoice::entry(name));
}

bool EscolhaComparacao::addTypedFigure()
{
    const QString text = m_typed->text().trimmed();
    const std::optional<int> figure = isDigitsOnly(text) ? wholeMonthlyFigure(text) : std::nullopt;
    if (!figure)
        return refuse(QStringLiteral("Digite um número inteiro de ocorrências por mês, de 0 a %1.")
                          .arg(kMaxMonthlyFigure));
    if (m_comparison.choices.size() >= kMaxComparedCounters)
        return false;
    if (!addOnce(CounterChoice::typed(*figure)))
        return false;
    m_typed->clear();
    return true;
}

void EscolhaComparacao::removeChosen(int row)
{
    if (row < 0 || row >= m_comparison.choices.size())
        return;
    m_comparison.choices.removeAt(row);
    m_refusal.clear();
    showChoices(std::min(row, int(m_comparison.choices.size()) - 1));
}

void EscolhaComparacao::moveChosen(int row, int by)
{
    const int to = row + by;
    if (row < 0 || row >= m_comparison.choices.size() || to < 0 ||
        to >= m_comparison.choices.size())
        return;
    m_comparison.choices.move(row, to);
    m_refusal.clear();
    showChoices(to);
}

void EscolhaComparacao::setMode(AccumulationMode mode)
{
    m_comparison.mode = mode;
    if (QAbstractButton *radio = m_modes->button(int(mode)))
        radio->setChecked(true);
}

QString EscolhaComparacao::problem() const
{
    const qsizetype chosen = m_comparison.choices.size();
    if (chosen < kMinComparedCounters)
        return QStringLiteral("Escolha ao menos %1 contadores (de 2 a %2).")
            .arg(kMinComparedCounters)
            .arg(kMaxComparedCounters);
    return QString();
}

void EscolhaComparacao::showChoices(int currentRow)
{
    m_chosen->clear();
    for (const CounterChoice &choice : std::as_const(m_comparison.choices))
        m_chosen->addItem(choiceText(choice));
    m_chosen->setCurrentRow(currentRow);
    const bool full = m_comparison.choices.size() >= kMaxComparedCounters;
    const QString problemText = problem();
    if (!m_refusal.isEmpty())
        m_notice->setText(m_refusal);
    else if (full)
        m_notice->setText(QStringLiteral("São no máximo %1 contadores.").arg(kMaxComparedCounters));
    else
        m_notice->setText(problemText);
    m_compare->setEnabled(problemText.isEmpty());
    for (QPushButton *add :
         findChildren<QPushButton *>(QRegularExpression(QStringLiteral("^BotaoAdicionar"))))
        add->setEnabled(!full);
}
