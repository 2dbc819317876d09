// The presentation view's side of the main window: entering and leaving it, lending it the
// odometer, the run control of its Space key, what it shows, the command-line start, reduced
// motion and the announcement of a new victim to assistive technology.
#include "windows/DeadZone/deadzone.h"

#include "core/clock.h"
#include "core/counter.h"
#include "core/countsentence.h"
#include "core/numbermask.h"
#include "core/recount.h"
#include "core/soundcues.h"
#include "data/sourcesreader.h"
#include "display/odometerview.h"
#include "display/victimannouncer.h"
#include "display/victimscene.h"
#include "windows/Apresentacao/apresentacao.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QShortcut>
#include <QSignalBlocker>
#include <QTimer>

namespace {

// The calm mark of a new victim under reduced motion, on the bar's caption.
const QColor kCalmMark(26, 95, 180);

} // namespace

void DeadZone::buildPresentationControls()
{
    // In the tool panel, under the kind of victim and the TILT switch.
    MovimentoReduzido = new QCheckBox(QStringLiteral("Movimento reduzido"), PainelFerramentas2);
    MovimentoReduzido->setObjectName(QStringLiteral("MovimentoReduzido"));
    MovimentoReduzido->setAccessibleName(QStringLiteral("Movimento reduzido"));
    MovimentoReduzido->setAccessibleDescription(
        QStringLiteral("Sem animações nem piscadas; a contagem não muda"));
    place(MovimentoReduzido, 90, 1480, 3390, 300);
    m_twips.setFontScale(MovimentoReduzido, 1.0);
    connect(MovimentoReduzido, &QCheckBox::toggled, this, &DeadZone::setReducedMotion);

    BotaoApresentacao = new QPushButton(QStringLiteral("Apresentação (F11)"), PainelFerramentas2);
    BotaoApresentacao->setObjectName(QStringLiteral("BotaoApresentacao"));
    BotaoApresentacao->setAccessibleName(QStringLiteral("Modo de apresentação"));
    BotaoApresentacao->setToolTip(QStringLiteral("Contagem em tela cheia (F11; Esc volta)"));
    place(BotaoApresentacao, 90, 1830, 2340, 400);
    m_twips.setFontScale(BotaoApresentacao, 1.0);
    connect(BotaoApresentacao, &QPushButton::clicked, this, &DeadZone::enterPresentation);

    // What the view names instead of the entry or the typed figure ("--titulo TEXTO").
    Titulo = new QLineEdit(PainelFerramentas2);
    Titulo->setObjectName(QStringLiteral("Titulo"));
    Titulo->setPlaceholderText(QStringLiteral("Título na apresentação"));
    Titulo->setAccessibleName(QStringLiteral("Título na apresentação"));
    Titulo->setToolTip(
        QStringLiteral("Nomeia o que é contado na apresentação; o período e o ritmo ficam"));
    place(Titulo, 90, 2290, 2340, 330);
    m_twips.setFontScale(Titulo, 1.0);
    connect(Titulo, &QLineEdit::textChanged, this, [this] {
        if (inPresentation())
            syncViewCounter();
    });

    auto *f11 = new QShortcut(QKeySequence(Qt::Key_F11), this);
    f11->setObjectName(QStringLiteral("AtalhoApresentacao"));
    connect(f11, &QShortcut::activated, this, &DeadZone::enterPresentation);

    m_announcer = new VictimAnnouncer(this);
    m_announcer->move(0, 0);
    m_announcer->lower();

    RelogMarcaVitima = new QTimer(this);
    RelogMarcaVitima->setObjectName(QStringLiteral("RelogMarcaVitima"));
    RelogMarcaVitima->setSingleShot(true);
    RelogMarcaVitima->setInterval(2000);
    connect(RelogMarcaVitima, &QTimer::timeout, this,
            [this] { PgCaption->setPalette(QPalette()); });
}

// ---- The presentation view --------------------------------------------------------------

void DeadZone::enterPresentation()
{
    if (inPresentation())
        return;
    if (!m_presentation) {
        m_viewCounter = new Counter(m_clock, this);
        m_presentation = new Apresentacao(*m_viewCounter, m_clock);
        connect(m_presentation, &Apresentacao::startOrPauseRequested, this,
                &DeadZone::startOrPause);
        connect(m_presentation, &Apresentacao::leaveRequested, this, &DeadZone::leavePresentation);
        connect(this, &DeadZone::runStateChanged, m_viewCounter, [this] {
            if (!inPresentation())
                return;
            if (counting())
                m_viewCounter->start();
            else
                m_viewCounter->pause();
        });
        connect(this, &DeadZone::counterReset, m_viewCounter, [this] {
            if (inPresentation())
                syncViewCounter();
        });
        connect(this, &DeadZone::reducedMotionChanged, m_presentation,
                &Apresentacao::setReducedMotion);
        // The view's counter recounts when this window does, at the same instants, so that
        // both show the same count; its own tick stays off.
        connect(m_viewCounter, &Counter::runStateChanged, m_viewCounter,
                [this] { m_viewCounter->tickTimer()->stop(); });
        connect(this, &DeadZone::recounted, m_viewCounter, [this] {
            if (inPresentation() && m_viewCounter->isCounting())
                m_viewCounter->recount();
        });
    }
    syncViewCounter();
    m_presentation->setReducedMotion(m_reducedMotion);
    m_presentation->setVictimKind(Option4Group->checkedId());
    m_presentation->open();
    hide();
}

void DeadZone::syncViewCounter()
{
    Counter &counter = *m_viewCounter;
    counter.setMode(accumulationMode());
    const std::optional<double> monthly = readNumber(ParametroMes->text());
    CountDescription what;
    QString source;
    if (m_choice.isEntry() && monthly) {
        std::optional<HourlyPattern> pattern;
        if (opcaoDistribuicao[0]->isChecked())
            pattern = HourlyPattern{QString(), {}, m_state.hourly};
        counter.chooseEntry(m_choice, *monthly, pattern);
        what.entryName = m_choice.name();
        const SourcesTable sources =
            readSourcesFile(QDir(m_dataDirectory).filePath(sourcesFileName()));
        if (const std::optional<EntrySource> found = sources.find(m_choice.name())) {
            source = sourceLine(*found);
            what.dataYear = found->year;
        }
    } else {
        counter.setTypedFigure(monthly);
        what.typedMonthly = monthly;
    }
    what.title = Titulo->text().trimmed();
    m_presentation->setDescription(what);
    m_presentation->setSource(source, QString());
    if (counting()) {
        // Both recount now, at the same instant, so that both show the same count.
        counter.start();
        recountNow();
        counter.recount();
    }
}

void DeadZone::leavePresentation()
{
    if (!inPresentation())
        return;
    m_presentation->closeView();
    m_viewCounter->reset();
    show();
    raise();
    activateWindow();
}

bool DeadZone::inPresentation() const
{
    return m_presentation && m_presentation->isOpen();
}

OdometerView *DeadZone::lendOdometer()
{
    // The sibling above it, so that it goes back under the same panels and pictures.
    m_odometerAbove = nullptr;
    const QObjectList &siblings = children();
    const qsizetype at = siblings.indexOf(m_odometerView);
    for (qsizetype i = at + 1; at >= 0 && i < siblings.size(); ++i) {
        if (auto *widget = qobject_cast<QWidget *>(siblings.at(i)); widget && !widget->isWindow()) {
            m_odometerAbove = widget;
            break;
        }
    }
    return m_odometerView;
}

void DeadZone::takeOdometerBack()
{
    if (m_odometerView->parentWidget() == this)
        return;
    m_odometerView->setParent(this);
    m_odometerView->setScale(m_twips.factor());
    const QRect area = OdometerView::AreaTwips;
    place(m_odometerView, area.x(), area.y(), area.width(), area.height());
    if (m_odometerAbove && m_odometerAbove->parentWidget() == this)
        m_odometerView->stackUnder(m_odometerAbove);
    m_odometerView->show();
}

void DeadZone::dropPresentation()
{
    if (!m_presentation)
        return;
    m_presentation->closeView();
    delete m_presentation;
    m_presentation = nullptr;
    delete m_viewCounter;
    m_viewCounter = nullptr;
}

void DeadZone::startOrPause()
{
    if (counting())
        Image3_Click();
    else if (!ParametroMes->text().isEmpty())
        Image2_Click();
    else
        m_sound.TocaAbaixo(); // nothing to count: the refusal, without opening the lists
}

// ---- What the presentation shows -------------------------------------------------------

QString DeadZone::chosenEntryName() const
{
    return m_choice.name();
}

QString DeadZone::monthlyText() const
{
    return ParametroMes->text();
}

std::optional<double> DeadZone::shownCount() const
{
    return readNumber(ParametroHoje->text());
}

std::optional<double> DeadZone::paceNow() const
{
    const std::optional<double> daily = readNumber(ParametroDia->text());
    if (!daily)
        return std::nullopt;
    return dailyPaceNow(recountInput(*daily));
}

// ---- The command-line start -------------------------------------------------------------

void DeadZone::selectMode(AccumulationMode mode)
{
    const int index = mode == AccumulationMode::Mes ? 1 : mode == AccumulationMode::Ano ? 2 : 0;
    Option1[index]->setChecked(true);
}

void DeadZone::typeMonthlyFigure(int figure)
{
    ParametroMes->setText(QString::number(figure));
}

bool DeadZone::chooseEntryNamed(const QString &name)
{
    abrearquivo();
    // The crimes first, then the states; the first equal name wins, as the lookup finds it.
    if (const qsizetype row = m_List3.items.indexOf(name); row >= 0) {
        List1->setCurrentRow(int(row));
        chooseIncidence(int(row), false);
        return true;
    }
    if (const qsizetype row = m_List3b.items.indexOf(name); row >= 0) {
        {
            const QSignalBlocker blocker(Homicidios);
            Homicidios->setCurrentIndex(int(row));
        }
        chooseIncidence(int(row), true);
        return true;
    }
    PainelList1->hide();
    return false;
}

void DeadZone::setPresentationTitle(const QString &title)
{
    Titulo->setText(title);
}

void DeadZone::pressPlay()
{
    Image2_Click();
}

// ---- Reduced motion and the announcement -------------------------------------------------

void DeadZone::setReducedMotion(bool on)
{
    {
        const QSignalBlocker blocker(MovimentoReduzido);
        MovimentoReduzido->setChecked(on);
    }
    if (on == m_reducedMotion)
        return;
    m_reducedMotion = on;
    m_odometer.setReducedMotion(on);
    if (on) {
        // A run under way stops where it is; the pictures park as on a pause.
        m_scene->pause();
        if (Timer4->isActive())
            Timer4_Timer();
    }
    emit reducedMotionChanged(on);
}

void DeadZone::markVictimCalmly()
{
    QPalette calm = PgCaption->palette();
    calm.setColor(QPalette::WindowText, kCalmMark);
    PgCaption->setPalette(calm);
    RelogMarcaVitima->start();
}

void DeadZone::announceVictim()
{
    const QString count = m_odometerView->text();
    m_announcer->announce(count);
    emit victimAnnounced(count);
}
