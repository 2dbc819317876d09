#include "windows/Configurador/configurador.h"

#include "display/desktopservices.h"
#include "display/picturebutton.h"
#include "display/qtdesktopservices.h"
#include "display/riskchart.h"
#include "display/svgpicture.h"
#include "distribution/distributionmodel.h"
#include "windows/Configurador/editorpictures.h"
#include "windows/mensagem/mensagem.h"

#include <QCloseEvent>
#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QMouseEvent>
#include <QSignalBlocker>
#include <QSlider>
#include <QStatusBar>
#include <QVBoxLayout>

#include <algorithm>

namespace {

QString indexed(const char *name, int i)
{
    return QStringLiteral("%1(%2)").arg(QLatin1String(name)).arg(i);
}

QLabel *namedLabel(const QString &name, const QString &text, QWidget *parent)
{
    auto *label = new QLabel(text, parent);
    label->setObjectName(name);
    return label;
}

QFrame *namedFrame(const QString &name, QWidget *parent)
{
    auto *frame = new QFrame(parent);
    frame->setObjectName(name);
    frame->setFrameShape(QFrame::StyledPanel);
    frame->setFrameShadow(QFrame::Sunken);
    return frame;
}

void setBackground(QLineEdit *edit, bool red)
{
    QPalette palette = edit->palette();
    palette.setColor(QPalette::Base, red ? QColor(255, 0, 0) : QColor(255, 255, 255));
    edit->setPalette(palette);
}

const QStringList kLabel3 = {QStringLiteral(" 1"), QStringLiteral("2"), QStringLiteral("3"),
                             QStringLiteral("4"),  QStringLiteral("6"), QStringLiteral("12")};

} // namespace

Configurador::Configurador(DistributionModel &model, SoundCues &cues, QWidget *parent)
    : QMainWindow(parent, Qt::Window), m_model(model), m_cues(cues)
{
    setObjectName(QStringLiteral("Configurador"));
    setWindowTitle(QStringLiteral("Configurador de Padrões"));
    m_ownDesktop = std::make_unique<QtDesktopServices>();
    m_desktop = m_ownDesktop.get();
    buildControls();
    buildMenus();
    // Tab follows the order of work: name, intervals, cells, buttons, then the list.
    QWidget *previous = m_tipo;
    for (QWidget *next : std::initializer_list<QWidget *>{m_sl1, m_quantidade[0]}) {
        setTabOrder(previous, next);
        previous = next;
    }
    for (int i = 1; i < DistributionModel::kRows; ++i)
        setTabOrder(m_quantidade[i - 1], m_quantidade[i]);
    previous = m_quantidade[DistributionModel::kRows - 1];
    for (PictureButton *button : m_botao) {
        setTabOrder(previous, button);
        previous = button;
    }
    setTabOrder(previous, m_list1);
    connectModel();
    mirrorLayout();
    mirrorList();
    mirrorMarks();
    mirrorChart();
}

Configurador::~Configurador() = default;

void Configurador::buildControls()
{
    auto *base = new QWidget(this);
    base->setObjectName(QStringLiteral("base"));
    base->setMouseTracking(true);
    base->installEventFilter(this);
    setCentralWidget(base);

    auto *picture2 = namedFrame(QStringLiteral("Picture2"), base);
    auto *top = new QVBoxLayout(picture2);
    top->addWidget(namedLabel(QStringLiteral("Label1"), QStringLiteral("Tipo do delito"), base));
    m_tipo = new QLineEdit(picture2);
    m_tipo->setObjectName(QStringLiteral("Tipo"));
    m_tipo->setAccessibleName(QStringLiteral("Tipo do delito"));
    m_tipo->setText(m_model.Tipo());
    m_tipo->installEventFilter(this);
    top->addWidget(m_tipo);
    top->addWidget(buildSlider());

    auto *image1 = namedLabel(QStringLiteral("Image1"), QString(), base);
    image1->setPixmap(
        svgPicture(QStringLiteral(":/pictures/icon.svg"), QSize(40, 40), devicePixelRatioF()));
    image1->setAlignment(Qt::AlignTop);

    m_list1 = new QListWidget(base);
    m_list1->setObjectName(QStringLiteral("List1"));
    m_list1->setAccessibleName(QStringLiteral("Padrões gravados"));
    m_list1->setMouseTracking(true);
    m_list1->viewport()->setMouseTracking(true);
    m_list1->viewport()->installEventFilter(this);
    m_list1->setMinimumWidth(180);

    auto *left = new QVBoxLayout;
    left->addWidget(picture2);
    left->addWidget(buildRows(), 1);
    auto *right = new QVBoxLayout;
    auto *listHead = new QHBoxLayout;
    listHead->addWidget(image1);
    listHead->addWidget(m_list1, 1);
    right->addLayout(listHead, 1);
    right->addWidget(buildChart(), 1);

    auto *columns = new QHBoxLayout;
    columns->addLayout(left, 3);
    columns->addLayout(right, 2);
    auto *whole = new QVBoxLayout(base);
    whole->addLayout(columns, 1);
    whole->addWidget(buildButtons());

    m_statusBar1 = new QStatusBar(this);
    m_statusBar1->setObjectName(QStringLiteral("StatusBar1"));
    m_statusBar1->setSizeGripEnabled(false);
    m_panel1 = namedLabel(QStringLiteral("Panel1"), QString(), m_statusBar1);
    m_statusBar1->addWidget(m_panel1, 1);
    setStatusBar(m_statusBar1);
}

QWidget *Configurador::buildSlider()
{
    auto *box = new QWidget;
    auto *layout = new QVBoxLayout(box);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(namedLabel(QStringLiteral("Label2"),
                                 QStringLiteral("Defina em quantos intervalos deseja a sua "
                                                "distribuição"),
                                 box));
    m_sl1 = new QSlider(Qt::Horizontal, box);
    m_sl1->setObjectName(QStringLiteral("SL1"));
    m_sl1->setRange(0, 5);
    m_sl1->setPageStep(1);
    m_sl1->setTickPosition(QSlider::TicksBelow);
    m_sl1->setTickInterval(1);
    m_sl1->setValue(m_model.SL1());
    m_sl1->setAccessibleName(QStringLiteral("Intervalos"));
    layout->addWidget(m_sl1);
    connect(m_sl1, &QSlider::valueChanged, this, [this](int value) { m_model.setSL1(value); });

    auto *marks = new QHBoxLayout;
    for (int i = 0; i < 6; ++i) {
        m_label3[i] = namedLabel(indexed("Label3", i), kLabel3[i], box);
        m_label3[i]->setCursor(Qt::PointingHandCursor);
        m_label3[i]->installEventFilter(this);
        if (i > 0)
            marks->addStretch(1);
        marks->addWidget(m_label3[i]);
    }
    layout->addLayout(marks);
    return box;
}

QWidget *Configurador::buildRows()
{
    auto *picture35 = namedFrame(QStringLiteral("Picture35"), nullptr);
    auto *layout = new QVBoxLayout(picture35);
    layout->addWidget(namedLabel(QStringLiteral("Label4"),
                                 QStringLiteral("Especifique as quantidades de ocorrências por "
                                                "intervalo"),
                                 picture35));
    auto *grid = new QGridLayout;
    grid->addWidget(namedLabel(QStringLiteral("Label5"), QStringLiteral("De"), picture35), 0, 0);
    grid->addWidget(namedLabel(QStringLiteral("Label6"), QStringLiteral("Até"), picture35), 0, 1);
    grid->addWidget(namedLabel(QStringLiteral("Label8"), QStringLiteral("Ocorrências"), picture35),
                    0, 2);
    grid->addWidget(
        namedLabel(QStringLiteral("Label11"), QStringLiteral("Participação %"), picture35), 0, 3);
    for (int row = 0; row < DistributionModel::kRows; ++row) {
        for (int side = 0; side < 2; ++side) {
            const int i = 2 * row + side;
            m_label7[i] = namedLabel(indexed("Label7", i), m_model.Label7(i), picture35);
            grid->addWidget(m_label7[i], row + 1, side);
        }
        m_quantidade[row] = new QLineEdit(picture35);
        m_quantidade[row]->setObjectName(indexed("Quantidade", row));
        m_quantidade[row]->setAccessibleName(
            QStringLiteral("Ocorrências no intervalo %1").arg(row + 1));
        m_quantidade[row]->setMaximumWidth(110);
        m_quantidade[row]->setText(m_model.Quantidade(row));
        m_quantidade[row]->installEventFilter(this);
        connect(m_quantidade[row], &QLineEdit::textChanged, this,
                [this, row](const QString &text) { m_model.setQuantidade(row, text); });
        grid->addWidget(m_quantidade[row], row + 1, 2);
        m_percentual[row] =
            namedLabel(indexed("Percentual", row), m_model.Percentual(row), picture35);
        m_percentual[row]->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        m_percentual[row]->setMinimumWidth(70);
        grid->addWidget(m_percentual[row], row + 1, 3);
    }
    layout->addLayout(grid);
    layout->addStretch(1);
    return picture35;
}

QWidget *Configurador::buildChart()
{
    auto *picture38 = namedFrame(QStringLiteral("Picture38"), nullptr);
    auto *layout = new QVBoxLayout(picture38);

    // The chart draws its own hour marks, each under its bar; the old spaced-out caption stays
    // only as a hidden named control.
    m_chart = new SpectrumChart(picture38);
    m_chart->setObjectName(QStringLiteral("MSChart3"));
    m_chart->setAccessibleName(QStringLiteral("Espectro da distribuição ao longo do dia"));
    m_chart->setBarColor(QColor(200, 40, 40));
    m_chart->setBarWidth(0.8);
    m_chart->setMinimumSize(260, 170);
    layout->addWidget(m_chart, 1);
    auto *label19 = namedLabel(
        QStringLiteral("Label19"),
        QStringLiteral("0     2     4    6    8    10  12 14  16  18  20   22"), picture38);
    label19->hide();
    return picture38;
}

QWidget *Configurador::buildButtons()
{
    m_picture1 = namedFrame(QStringLiteral("Picture1"), nullptr);
    m_picture1->setMouseTracking(true);
    m_picture1->installEventFilter(this);
    auto *layout = new QHBoxLayout(m_picture1);
    const std::array<std::pair<const char *, QString>, 4> captions = {{
        {"Label9(0)", QStringLiteral("Verifica dados")},
        {"Label10", QStringLiteral("limpa")},
        {"Label9(1)", QStringLiteral("confirma e salva")},
        {"Label9(2)", QStringLiteral("Usar esta distribuição como padrão")},
    }};
    for (int i = 0; i < 4; ++i) {
        auto *cell = new QVBoxLayout;
        m_botao[i] = new PictureButton(m_picture1);
        m_botao[i]->setObjectName(indexed("botao", i));
        m_botao[i]->setAccessibleName(captions[i].second);
        m_botao[i]->setToolTip(captions[i].second);
        m_botao[i]->setFixedSize(48, 48);
        m_botao[i]->setPicture(editorButtonPicture(i, QSize(48, 48), devicePixelRatioF()));
        PictureButton *b = m_botao[i];
        connect(b, &PictureButton::clicked, this, [this, i] { botao_Click(i); });
        connect(b, &PictureButton::mouseMoved, b, [b] { b->setBorderStyle(1); });
        connect(b, &PictureButton::mousePressed, b, [b] { b->setAppearance(0); });
        connect(b, &PictureButton::mouseReleased, b, [b] { b->setAppearance(1); });
        auto *caption =
            namedLabel(QLatin1String(captions[i].first), captions[i].second, m_picture1);
        caption->setAlignment(Qt::AlignCenter);
        caption->setWordWrap(true);
        cell->addWidget(m_botao[i], 0, Qt::AlignHCenter);
        cell->addWidget(caption);
        layout->addLayout(cell, 1);
    }
    return m_picture1;
}

void Configurador::buildMenus()
{
    QMenuBar *bar = menuBar();
    QMenu *arqarq = bar->addMenu(QStringLiteral("Arquivos      "));
    arqarq->setObjectName(QStringLiteral("arqarq"));
    QAction *openf = arqarq->addAction(QStringLiteral("Edita Padrão  "));
    openf->setObjectName(QStringLiteral("openf"));
    arqarq->addSeparator()->setObjectName(QStringLiteral("hgjghj"));
    QAction *refr = arqarq->addAction(QStringLiteral("Refresh Distribuição"));
    refr->setObjectName(QStringLiteral("refr"));

    QMenu *dist = bar->addMenu(QStringLiteral("Distribuição Horários         "));
    dist->setObjectName(QStringLiteral("dist"));
    dist->addAction(QStringLiteral("Homicidios"))->setObjectName(QStringLiteral("hom"));
    dist->addSeparator()->setObjectName(QStringLiteral("hty"));
    dist->addAction(QStringLiteral("Roubos"))->setObjectName(QStringLiteral("rou"));

    QAction *gogo = bar->addAction(QStringLiteral("Sair"));
    gogo->setObjectName(QStringLiteral("gogo"));

    connect(openf, &QAction::triggered, this, &Configurador::abretexto);
    connect(refr, &QAction::triggered, this, [this] { m_model.abrearquivo(); });
    connect(gogo, &QAction::triggered, this, &QWidget::close);
}

void Configurador::connectModel()
{
    connect(m_tipo, &QLineEdit::textChanged, this,
            [this](const QString &text) { m_model.setTipo(text); });
    connect(m_list1, &QListWidget::currentRowChanged, this, &Configurador::loadChosenPattern);
    // A click on the name already selected loads it again, throwing away edits in the cells
    // (a click on another name has loaded it already, through the change of row).
    connect(m_list1, &QListWidget::itemClicked, this, [this](QListWidgetItem *item) {
        const int row = m_list1->row(item);
        if (row == m_rowBeforePress)
            loadChosenPattern(row);
    });

    connect(&m_model, &DistributionModel::tipoChanged, this, [this](const QString &text) {
        if (m_tipo->text() != text) {
            const QSignalBlocker blocker(m_tipo);
            m_tipo->setText(text);
        }
    });
    connect(&m_model, &DistributionModel::quantidadeChanged, this,
            [this](int i, const QString &text) {
                if (m_quantidade[i]->text() != text) {
                    const QSignalBlocker blocker(m_quantidade[i]);
                    m_quantidade[i]->setText(text);
                }
            });
    connect(&m_model, &DistributionModel::percentualChanged, this,
            [this](int i, const QString &text) { m_percentual[i]->setText(text); });
    connect(&m_model, &DistributionModel::SL1Changed, this, [this](int position) {
        const QSignalBlocker blocker(m_sl1);
        m_sl1->setValue(position);
    });
    connect(&m_model, &DistributionModel::layoutChanged, this, &Configurador::mirrorLayout);
    connect(&m_model, &DistributionModel::listChanged, this, &Configurador::mirrorList);
    connect(&m_model, &DistributionModel::currentIndexChanged, this, [this](int index) {
        const QSignalBlocker blocker(m_list1);
        m_list1->setCurrentRow(index);
        if (index < 0)
            m_list1->clearSelection();
    });
    connect(&m_model, &DistributionModel::statusTextChanged, m_panel1, &QLabel::setText);
    connect(&m_model, &DistributionModel::marksChanged, this, &Configurador::mirrorMarks);
    connect(&m_model, &DistributionModel::chartChanged, this, &Configurador::mirrorChart);
    connect(&m_model, &DistributionModel::messageRequested, this,
            [](const QString &text) { mensagemWindow().showMessage(text); });
    connect(&m_model, &DistributionModel::hideRequested, this, &QWidget::hide);
    m_panel1->setText(m_model.statusText());
}

void Configurador::mirrorLayout()
{
    for (int i = 0; i < 2 * DistributionModel::kRows; ++i)
        m_label7[i]->setText(m_model.Label7(i));
    for (int row = 0; row < DistributionModel::kRows; ++row) {
        const bool shown = m_model.rowVisible(row);
        m_label7[2 * row]->setVisible(shown);
        m_label7[2 * row + 1]->setVisible(shown);
        m_quantidade[row]->setVisible(shown);
        m_percentual[row]->setVisible(shown);
    }
}

void Configurador::mirrorList()
{
    const QSignalBlocker blocker(m_list1);
    m_list1->clear();
    m_list1->addItems(m_model.List1());
    m_list1->setCurrentRow(m_model.currentIndex());
    if (m_model.currentIndex() < 0)
        m_list1->clearSelection();
}

void Configurador::mirrorMarks()
{
    setBackground(m_tipo, m_model.tipoMarked());
    for (int i = 0; i < DistributionModel::kRows; ++i)
        setBackground(m_quantidade[i], m_model.quantidadeMarked(i));
}

void Configurador::mirrorChart()
{
    SpectrumChart::Values values{};
    std::copy(m_model.chartValues().begin(), m_model.chartValues().end(), values.begin());
    m_chart->setValues(values);
}

void Configurador::botao_Click(int index)
{
    m_model.botao_Click(index);
}

void Configurador::abretexto()
{
    const QString path = m_model.filePath();
    if (!QFileInfo::exists(path)) {
        m_model.reportError(
            QStringLiteral("Erro: O arquivo QuorvelDistribuicao.txt não foi encontrado"));
        return;
    }
    // The desktop's opener answers when it has ended; the editor goes on meanwhile.
    m_desktop->openInApplication(path, this, [this](const DesktopServices::OpenResult &result) {
        if (!result.opened)
            m_model.reportError(
                QStringLiteral(
                    "Erro: Não foi possível abrir o arquivo QuorvelDistribuicao.txt (%1)")
                    .arg(result.reason));
    });
}

void Configurador::clearButtonBorders()
{
    for (PictureButton *button : m_botao)
        button->setBorderStyle(0);
}

bool Configurador::quantidadeKey(int index, QKeyEvent *event)
{
    int code = 0; // any key without a rule of its own
    switch (event->key()) {
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
        return false; // moves the focus; never reaches the cell's key rules
    case Qt::Key_Down:
        code = DistributionModel::KeyDown;
        break;
    case Qt::Key_Up:
        code = DistributionModel::KeyUp;
        break;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        code = DistributionModel::KeyEnter;
        break;
    case Qt::Key_Escape:
        code = DistributionModel::KeyEscape;
        break;
    default:
        // Digits of the main keyboard only: the keypad's are refused.
        if (event->key() >= Qt::Key_0 && event->key() <= Qt::Key_9 &&
            !(event->modifiers() & Qt::KeypadModifier))
            code = event->key();
        break;
    }
    const int target = m_model.Quantidade_KeyDown(index, code);
    if (target >= 0 && target < DistributionModel::kRows)
        m_quantidade[target]->setFocus(Qt::OtherFocusReason);
    return false; // the key still takes its own effect on the cell
}

bool Configurador::eventFilter(QObject *watched, QEvent *event)
{
    switch (event->type()) {
    case QEvent::KeyPress:
        for (int i = 0; i < DistributionModel::kRows; ++i) {
            if (watched == m_quantidade[i])
                return quantidadeKey(i, static_cast<QKeyEvent *>(event));
        }
        break;
    case QEvent::MouseButtonPress:
        if (watched == m_list1->viewport())
            m_rowBeforePress = m_list1->currentRow();
        if (watched == m_tipo)
            m_model.Tipo_Click();
        for (int i = 0; i < DistributionModel::kRows; ++i) {
            if (watched == m_quantidade[i])
                m_model.Quantidade_Click(i);
        }
        break;
    case QEvent::MouseButtonRelease:
        for (int i = 0; i < 6; ++i) {
            if (watched == m_label3[i] &&
                m_label3[i]->rect().contains(static_cast<QMouseEvent *>(event)->pos()))
                m_model.Label3_Click(i);
        }
        break;
    case QEvent::MouseMove: {
        // Over the background, the list or the buttons' frame, but not over a button.
        auto *widget = qobject_cast<QWidget *>(watched);
        if (!widget ||
            (widget != m_list1->viewport() && widget != m_picture1 && widget != centralWidget()))
            break;
        const QWidget *child =
            widget->childAt(static_cast<QMouseEvent *>(event)->position().toPoint());
        for (PictureButton *button : m_botao) {
            if (child && (child == button || button->isAncestorOf(child)))
                return false;
        }
        clearButtonBorders();
        break;
    }
    default:
        break;
    }
    return QMainWindow::eventFilter(watched, event);
}

// ---- Unsaved edits ------------------------------------------------------------------------

bool Configurador::settleUnsavedEdits()
{
    if (!m_model.hasUnsavedEdits() || !m_desktop)
        return true;
    switch (m_desktop->askToSave(this, windowTitle(),
                                 QStringLiteral("Salvar as alterações do padrão?"))) {
    case DesktopServices::SaveAnswer::Save:
        botao_Click(2); // check and save: a refusal says why, and the edits stay
        return !m_model.hasUnsavedEdits();
    case DesktopServices::SaveAnswer::Discard:
        m_model.discardEdits();
        return true;
    case DesktopServices::SaveAnswer::Cancel:
        break;
    }
    return false;
}

void Configurador::loadChosenPattern(int row)
{
    if (row != m_model.currentIndex() || m_model.hasUnsavedEdits()) {
        if (!settleUnsavedEdits()) {
            // Kept: the list goes back to the pattern whose edits are in the cells.
            const QSignalBlocker blocker(m_list1);
            m_list1->setCurrentRow(m_model.currentIndex());
            return;
        }
    }
    m_model.selectPattern(row);
}

void Configurador::closeEvent(QCloseEvent *event)
{
    if (!settleUnsavedEdits()) {
        event->ignore();
        return;
    }
    QMainWindow::closeEvent(event);
}
