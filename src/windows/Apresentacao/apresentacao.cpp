#include "windows/Apresentacao/apresentacao.h"

#include "core/clock.h"
#include "core/intervaltext.h"
#include "data/sourcesreader.h"
#include "display/odometerview.h"
#include "display/twipsscale.h"
#include "display/victimannouncer.h"
#include "display/victimscene.h"
#include "windows/DeadZone/deadzone.h"
#include "windows/sharepictureactions.h"

#include <QCloseEvent>
#include <QDir>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QLabel>
#include <QProgressBar>
#include <QTimer>

namespace {

const QColor kBackground(16, 20, 26);
const QColor kText(240, 240, 240);
const QColor kQuiet(170, 176, 186);
// The calm mark of a new victim under reduced motion: a warm, not bright, colour.
const QColor kMark(255, 196, 92);

// Month names are Portuguese whatever the system's language, as every text of the program.
const QLocale kPortuguese(QLocale::Portuguese, QLocale::Brazil);

} // namespace

Apresentacao::Apresentacao(DeadZone &main, Clock &clock, QWidget *parent)
    : QWidget(parent), m_main(main), m_clock(clock)
{
    setObjectName(QStringLiteral("Apresentacao"));
    setWindowTitle(QStringLiteral("Quorvel Counter - Apresentação"));
    setFocusPolicy(Qt::StrongFocus);
    build();

    connect(&m_main, &DeadZone::recounted, this, [this](double count) {
        m_tally.addCount(count);
        refresh();
    });
    connect(&m_main, &DeadZone::counterReset, this, [this] {
        m_tally.rebase();
        m_ProximaVitima->setValue(0);
        refresh();
    });
    connect(&m_main, &DeadZone::displayTicked, this, &Apresentacao::onDisplayTick);
    connect(&m_main, &DeadZone::runStateChanged, this, &Apresentacao::onRunStateChanged);
    connect(&m_main, &DeadZone::victimAnnounced, this, [this](const QString &count) {
        if (m_open)
            m_announcer->announce(count);
    });
    connect(&m_main, &DeadZone::reducedMotionChanged, this, [this](bool on) {
        if (on)
            m_scene->pause();
    });

    // Ctrl+S and Ctrl+C: the picture of the view as it stands, at its own size.
    SharePictureActions::Hooks hooks;
    hooks.picture = [this] { return SharePicture(*this).draw(size(), m_clock.now()); };
    hooks.now = [this] { return m_clock.now(); };
    hooks.report = [this](const QString &text) {
        m_main.showPictureReport(text);
        m_notice = text;
        m_noticeUntil = m_clock.now().addSecs(8);
        refresh();
    };
    SharePictureActions::attach(this, hooks);
}

Apresentacao::~Apresentacao() = default;

void Apresentacao::build()
{
    QPalette colours = palette();
    colours.setColor(QPalette::Window, kBackground);
    colours.setColor(QPalette::WindowText, kText);
    setPalette(colours);
    setAutoFillBackground(true);

    const auto label = [this](Caption &caption, const QString &name, bool bold,
                              const QColor &colour) {
        caption.label = new QLabel(this);
        caption.label->setObjectName(name);
        caption.label->setAlignment(Qt::AlignCenter);
        caption.label->setWordWrap(true);
        caption.label->setTextFormat(Qt::PlainText);
        caption.bold = bold;
        QPalette p = caption.label->palette();
        p.setColor(QPalette::WindowText, colour);
        caption.label->setPalette(p);
    };
    label(m_Frase, QStringLiteral("Frase"), true, kText);
    label(m_Intervalo, QStringLiteral("Intervalo"), true, kText);
    label(m_DesdeInicio, QStringLiteral("DesdeInicio"), false, kText);
    label(m_LegendaProximaVitima, QStringLiteral("LegendaProximaVitima"), false, kQuiet);
    m_LegendaProximaVitima.label->setText(QStringLiteral("Contagem para próxima vítima"));
    label(m_Fonte, QStringLiteral("Fonte"), false, kQuiet);
    label(m_Estado, QStringLiteral("Estado"), false, kQuiet);

    m_ProximaVitima = new QProgressBar(this);
    m_ProximaVitima->setObjectName(QStringLiteral("ProximaVitima"));
    m_ProximaVitima->setAccessibleName(QStringLiteral("Contagem para próxima vítima"));
    m_ProximaVitima->setRange(0, 1000);
    m_ProximaVitima->setValue(0);
    m_ProximaVitima->setTextVisible(false);
    m_ProximaVitima->setStyleSheet(
        QStringLiteral("QProgressBar { border: 2px solid #8a93a0; border-radius: 6px;"
                       " background: #262c35; }"
                       "QProgressBar::chunk { background: #c8d0da; border-radius: 4px; }"));

    m_announcer = new VictimAnnouncer(this);
    m_announcer->move(0, 0);

    m_scene = new VictimScene(this);
    // Nothing parked on the view between victims: the angel below it, the cars hidden.
    m_scene->pause();

    m_RelogApresentacao = new QTimer(this);
    m_RelogApresentacao->setObjectName(QStringLiteral("RelogApresentacao"));
    m_RelogApresentacao->setInterval(1000);
    connect(m_RelogApresentacao, &QTimer::timeout, this, &Apresentacao::refresh);

    m_RelogMarca = new QTimer(this);
    m_RelogMarca->setObjectName(QStringLiteral("RelogMarca"));
    m_RelogMarca->setSingleShot(true);
    m_RelogMarca->setInterval(2000);
    connect(m_RelogMarca, &QTimer::timeout, this, [this] {
        QPalette p = m_Frase.label->palette();
        p.setColor(QPalette::WindowText, kText);
        m_Frase.label->setPalette(p);
    });
}

void Apresentacao::open()
{
    if (m_open)
        return;
    m_open = true;
    m_odometer = m_main.lendOdometer();
    m_odometer->setParent(this);
    m_odometer->show();
    m_scene->raise();
    m_tally.start(m_clock.now(), m_main.shownCount());
    m_ProximaVitima->setValue(0);
    readSource();
    onRunStateChanged();
    arrange();
    m_RelogApresentacao->start();
    showFullScreen();
    raise();
    activateWindow();
    setFocus();
}

void Apresentacao::closeView()
{
    if (!m_open)
        return;
    m_open = false;
    m_RelogApresentacao->stop();
    m_RelogMarca->stop();
    m_scene->pause();
    hide();
    m_odometer = nullptr;
    m_main.takeOdometerBack();
}

void Apresentacao::readSource()
{
    const QString name = m_main.chosenEntryName();
    m_sourceOf = name;
    m_source.clear();
    if (name.isEmpty())
        return;
    const SourcesTable sources =
        readSourcesFile(QDir(m_main.dataDirectory()).filePath(sourcesFileName()));
    if (const std::optional<EntrySource> source = sources.find(name))
        m_source = sourceLine(*source);
}

QString Apresentacao::whatIsCounted() const
{
    const QString name = m_main.chosenEntryName();
    if (!name.isEmpty())
        return name;
    const QString monthly = m_main.monthlyText();
    if (monthly.isEmpty())
        return QStringLiteral("Nenhum número escolhido");
    return QStringLiteral("Número digitado: %1 por mês").arg(monthly);
}

QString Apresentacao::periodText() const
{
    const QDate today = m_clock.now().date();
    switch (m_main.mode()) {
    case AccumulationMode::Mes:
        return QStringLiteral("neste mês, %1 de %2")
            .arg(kPortuguese.standaloneMonthName(today.month()))
            .arg(today.year());
    case AccumulationMode::Ano:
        return QStringLiteral("neste ano, %1").arg(today.year());
    case AccumulationMode::Dia:
        break;
    }
    return QStringLiteral("hoje, %1").arg(today.toString(QStringLiteral("dd/MM/yyyy")));
}

QString Apresentacao::runStateText() const
{
    if (!m_notice.isEmpty() && m_clock.now() < m_noticeUntil)
        return m_notice;
    switch (m_main.runState()) {
    case DeadZone::RunState::Running:
        return QStringLiteral("Contando  ·  Espaço: pausar  ·  Esc: voltar");
    case DeadZone::RunState::Waiting:
        return QStringLiteral("Em pausa  ·  Espaço: continuar  ·  Esc: voltar");
    case DeadZone::RunState::Off:
        break;
    }
    return QStringLiteral("Parado  ·  Espaço: iniciar  ·  Esc: voltar");
}

void Apresentacao::refresh()
{
    // An entry chosen while the view is open (a script, the editor) has its own source.
    if (m_main.chosenEntryName() != m_sourceOf)
        readSource();
    m_Frase.label->setText(whatIsCounted() + QStringLiteral(" — ") + periodText());
    const std::optional<double> pace = m_main.paceNow();
    m_Intervalo.label->setText(pace ? intervalSentence(*pace) : QString());
    m_DesdeInicio.label->setText(m_tally.text(m_clock.now()));
    m_Fonte.label->setText(m_source);
    m_Estado.label->setText(runStateText());
    for (Caption *caption :
         {&m_Frase, &m_Intervalo, &m_DesdeInicio, &m_LegendaProximaVitima, &m_Fonte, &m_Estado})
        fit(*caption);
}

void Apresentacao::fit(Caption &caption)
{
    // The largest text height, down to a tenth at a time, whose wrapped text fits its box.
    QFont font = this->font();
    font.setBold(caption.bold);
    const int flags = Qt::AlignCenter | Qt::TextWordWrap;
    for (int size = caption.pixelSize; size >= 6; size = size * 9 / 10) {
        font.setPixelSize(size);
        const QRect needed = QFontMetrics(font).boundingRect(
            QRect(0, 0, caption.box.width(), 100000), flags, caption.label->text());
        if (needed.height() <= caption.box.height() && needed.width() <= caption.box.width())
            break;
    }
    caption.label->setFont(font);
    caption.label->setGeometry(caption.box);
}

void Apresentacao::arrange()
{
    const int w = width();
    const int h = height();
    if (w <= 0 || h <= 0)
        return;
    const auto ph = [h](double share) { return qRound(h * share); };
    const int margin = qRound(w * 0.04);
    const int textWidth = w - 2 * margin;
    int y = ph(0.05);

    const auto place = [&](Caption &caption, double height, double text, double gap) {
        caption.box = QRect(margin, y, textWidth, ph(height));
        caption.pixelSize = qMax(8, ph(text));
        y += ph(height) + ph(gap);
    };
    place(m_Frase, 0.13, 0.05, 0.02);

    // The odometer: 92 % of the width, less on a screen too wide for its height.
    const QSize area = OdometerView::AreaTwips.size();
    const int odometerWidth =
        qMin(qRound(w * 0.92), qRound(h * 0.24 * area.width() / double(area.height())));
    const double factor = odometerWidth * TwipsScale::TwipsPerPixel / area.width();
    const int odometerHeight = qRound(area.height() * factor / TwipsScale::TwipsPerPixel);
    if (m_odometer) {
        m_odometer->setScale(factor);
        m_odometer->setGeometry((w - odometerWidth) / 2, y, odometerWidth, odometerHeight);
    }
    y += odometerHeight + ph(0.03);

    place(m_Intervalo, 0.09, 0.06, 0.01);
    place(m_DesdeInicio, 0.06, 0.035, 0.02);
    place(m_LegendaProximaVitima, 0.04, 0.026, 0.0);
    const int barWidth = qRound(w * 0.6);
    m_ProximaVitima->setGeometry((w - barWidth) / 2, y, barWidth, ph(0.035));
    y += ph(0.035) + ph(0.03);
    place(m_Fonte, 0.08, 0.026, 0.0);
    y = h - ph(0.06);
    place(m_Estado, 0.045, 0.022, 0.0);

    m_scene->setScale(TwipsScale::fitting(DeadZone::ClientTwips, size()));
    m_scene->raise();
    refresh();
}

QString Apresentacao::sentence() const
{
    return m_Frase.label->text();
}

QString Apresentacao::intervalText() const
{
    return m_Intervalo.label->text();
}

QString Apresentacao::tallyText() const
{
    return m_DesdeInicio.label->text();
}

QString Apresentacao::sourceText() const
{
    return m_Fonte.label->text();
}

QList<QWidget *> Apresentacao::shownParts() const
{
    QList<QWidget *> parts{
        m_Frase.label,   m_Intervalo.label, m_DesdeInicio.label, m_LegendaProximaVitima.label,
        m_ProximaVitima, m_Fonte.label,     m_Estado.label};
    if (m_odometer)
        parts.insert(1, m_odometer);
    return parts;
}

void Apresentacao::onDisplayTick(const OdometerFrame::Step &step)
{
    m_ProximaVitima->setValue(step.progress);
    if (!m_open)
        return;
    if (!m_main.reducedMotion())
        m_scene->start(step.animation);
    else if (step.newVictim)
        markVictimCalmly();
}

void Apresentacao::markVictimCalmly()
{
    QPalette p = m_Frase.label->palette();
    p.setColor(QPalette::WindowText, kMark);
    m_Frase.label->setPalette(p);
    m_RelogMarca->start();
}

void Apresentacao::onRunStateChanged()
{
    if (m_main.runState() != DeadZone::RunState::Running)
        m_scene->pause();
    refresh();
}

void Apresentacao::keyPressEvent(QKeyEvent *event)
{
    switch (event->key()) {
    case Qt::Key_Space:
        if (!event->isAutoRepeat())
            m_main.startOrPause();
        event->accept();
        return;
    case Qt::Key_Escape:
    case Qt::Key_F11:
        m_main.leavePresentation();
        event->accept();
        return;
    default:
        QWidget::keyPressEvent(event);
    }
}

void Apresentacao::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    arrange();
}

void Apresentacao::closeEvent(QCloseEvent *event)
{
    // Closed by the desktop (a window button, Alt+F4): back to the main window, as with Esc.
    event->accept();
    if (m_open)
        m_main.leavePresentation();
}

void Apresentacao::preparePicture(const QSize &size, int)
{
    // The key hints sit in the bottom strip the caption line takes; the tally counts from
    // when this screen opened, which means nothing to whoever sees the picture.
    if (!m_open) {
        m_odometer = m_main.lendOdometer();
        m_odometer->setParent(this);
        m_odometer->show();
        m_pictureBorrowed = true;
    }
    m_main.restWheels();
    m_ProximaVitima->setValue(OdometerFrame::progress(m_main.state()));
    readSource();
    m_sizeBeforePicture = this->size();
    if (size != this->size())
        resize(size);
    arrange();
    m_Estado.label->hide();
    m_DesdeInicio.label->hide();
    // A new victim's animation stops where the picture is taken: the angel parked, the cars
    // hidden, as on a pause.
    m_scene->pause();
}

void Apresentacao::finishPicture()
{
    m_Estado.label->show();
    m_DesdeInicio.label->show();
    if (m_pictureBorrowed) {
        m_pictureBorrowed = false;
        m_odometer = nullptr;
        m_main.takeOdometerBack();
    }
    if (m_sizeBeforePicture.isValid() && m_sizeBeforePicture != size())
        resize(m_sizeBeforePicture);
    arrange();
}
