#include "windows/Apresentacao/apresentacao.h"

#include "core/audiencelocale.h"
#include "core/capacity.h"
#include "core/clock.h"
#include "core/counter.h"
#include "core/counttext.h"
#include "display/eventscreen.h"
#include "display/odometerview.h"
#include "display/paintcache.h"
#include "display/twipsscale.h"
#include "display/victimannouncer.h"
#include "display/victimscene.h"
#include "windows/sharepageaction.h"
#include "windows/sharepictureactions.h"

#include <QCloseEvent>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QProgressBar>
#include <QTimer>

#include <algorithm>

namespace {

const QColor kBackground(16, 20, 26);
const QColor kText(240, 240, 240);
const QColor kQuiet(170, 176, 186);
// The calm mark of a new victim under reduced motion: a warm, not bright, colour.
const QColor kMark(255, 196, 92);
// "PAUSADO" above the wheels, never over them: the teacher pauses to talk about the number.
const QColor kPaused(255, 196, 92);

// The stage the new-victim scene measures its moves on, in twips: the main window's client
// area, so that the animations keep their pace and proportions at any screen size.
constexpr QSize kStageTwips{10515, 6225};

// Where, in the odometer's own twips, the wheels start when the leading ones are left out:
// at the divider before the first wheel shown (index: integer wheels left out).
constexpr int kIntegerStartTwips[5] = {0, 922, 1882, 2857, 3840};
// The gap between the two housings, where the comma stands.
constexpr int kCommaCentreTwips = 5078;
constexpr int kDecimalHousingLeftTwips = 5160;

QLabel *overlayLabel(QWidget *parent, const QString &name, const QColor &colour)
{
    auto *label = new QLabel(parent);
    label->setObjectName(name);
    label->setAttribute(Qt::WA_TransparentForMouseEvents);
    label->setAlignment(Qt::AlignCenter);
    QPalette p = label->palette();
    p.setColor(QPalette::WindowText, colour);
    label->setPalette(p);
    return label;
}

} // namespace

Apresentacao::Apresentacao(Counter &counter, Clock &clock, QWidget *parent)
    : QWidget(parent), m_counter(counter), m_clock(clock)
{
    setObjectName(QStringLiteral("Apresentacao"));
    setWindowTitle(QStringLiteral("Quorvel Counter - Apresentação"));
    setFocusPolicy(Qt::StrongFocus);
    m_shown.forgetShownDigits();
    build();

    connect(&m_counter, &Counter::recounted, this, &Apresentacao::onRecounted);
    connect(&m_counter, &Counter::counterReset, this, &Apresentacao::onReset);
    connect(&m_counter, &Counter::frameDue, this, &Apresentacao::onFrame);
    connect(&m_counter, &Counter::wheelStepped, this, [this](int step) {
        // The fastest wheel turns between frames, as on the main window.
        if (!m_reducedMotion && step != 0 && m_odometer->showsCount())
            m_odometer->setFace(OdometerFrame::Picture0, {OdometerFrame::Face::Spin, step});
    });
    connect(&m_counter, &Counter::runStateChanged, this, &Apresentacao::onRunStateChanged);
    connect(&m_counter, &Counter::capacityReached, this, &Apresentacao::onCapacityReached);
    connect(&m_counter, &Counter::figureChanged, this, &Apresentacao::refresh);
    connect(&m_counter, &Counter::modeChanged, this, &Apresentacao::refresh);
    connect(&m_counter, &Counter::patternChanged, this, &Apresentacao::refresh);

    // Ctrl+S and Ctrl+C: the picture of the view as it stands, at its own size.
    SharePictureActions::Hooks hooks;
    hooks.picture = [this] { return SharePicture(*this).draw(size(), m_clock.now()); };
    hooks.now = [this] { return m_clock.now(); };
    hooks.report = [this](const QString &text) {
        m_notice = text;
        m_noticeUntil = m_clock.now().addSecs(8);
        refresh();
        emit pictureReported(text);
    };
    SharePictureActions::attach(this, hooks);
    SharePageAction::attach(this, {[this] { return livePage(); }, hooks.now, hooks.report, {}, {}});
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
    // Said only when an hourly pattern weights the count: its hour, smaller, with its name.
    label(m_IntervaloHora, QStringLiteral("IntervaloHora"), false, kQuiet);
    label(m_DesdeInicio, QStringLiteral("DesdeInicio"), false, kText);
    label(m_LegendaProximaVitima, QStringLiteral("LegendaProximaVitima"), false, kQuiet);
    m_LegendaProximaVitima.label->setText(QStringLiteral("Contagem para próxima vítima"));
    // The one thing to cite: white, never washed out by a projector.
    label(m_Fonte, QStringLiteral("Fonte"), false, kText);
    label(m_Estado, QStringLiteral("Estado"), false, kQuiet);
    label(m_Hora, QStringLiteral("Hora"), false, kQuiet);
    m_Hora.label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    label(m_Capacidade, QStringLiteral("Capacidade"), true, kMark);
    m_Capacidade.label->hide();
    // In a square or upright picture the wheels cannot be tall enough side by side: the count
    // is written there, the decimals on a line of their own.
    m_ContagemTexto = new QLabel(this);
    m_ContagemTexto->setObjectName(QStringLiteral("ContagemTexto"));
    m_ContagemTexto->setAlignment(Qt::AlignCenter);
    m_ContagemTexto->setTextFormat(Qt::RichText);
    m_ContagemTexto->hide();

    // The wheels the count needs, cut out of the odometer and centred.
    m_Contador = new QWidget(this);
    m_Contador->setObjectName(QStringLiteral("Contador"));
    m_odometer = new OdometerView(m_Contador);
    m_Virgula = overlayLabel(m_Contador, QStringLiteral("Virgula"), kText);
    m_Virgula->setText(QStringLiteral(","));
    m_Virgula->setAlignment(Qt::AlignHCenter | Qt::AlignBottom);
    m_Virgula->setAccessibleName(QStringLiteral("vírgula"));
    // White on the dark gap, never on the housings' light metal ends.
    m_Virgula->setAutoFillBackground(true);
    QPalette gap = m_Virgula->palette();
    gap.setColor(QPalette::Window, kBackground);
    m_Virgula->setPalette(gap);
    m_Pausado = overlayLabel(this, QStringLiteral("Pausado"), kPaused);
    m_Pausado->setText(QStringLiteral("PAUSADO"));
    m_Pausado->hide();

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

    m_eventScreen = new EventScreen(*this);

    m_RelogMarca = new QTimer(this);
    m_RelogMarca->setObjectName(QStringLiteral("RelogMarca"));
    m_RelogMarca->setSingleShot(true);
    m_RelogMarca->setInterval(2000);
    connect(m_RelogMarca, &QTimer::timeout, this, [this] {
        QPalette p = m_Frase.label->palette();
        p.setColor(QPalette::WindowText, kText);
        m_Frase.label->setPalette(p);
    });
    // The new-victim pictures cross the view's texts: those redraw from what they last drew.
    PaintCache::attachToControlsOf(this);
}

void Apresentacao::setDescription(const CountDescription &what)
{
    m_what = what;
    refresh();
}

void Apresentacao::setSource(const QString &sourceLine, const QString &rateText)
{
    m_sourceLine = sourceLine;
    m_rateText = rateText;
    refresh();
}

void Apresentacao::setReducedMotion(bool on)
{
    m_reducedMotion = on;
    m_frame.setReducedMotion(on);
    if (on)
        m_scene->pause();
}

void Apresentacao::setVictimKind(int kind)
{
    m_victimKind = kind >= 0 && kind <= 2 ? kind : -1;
}

void Apresentacao::open(const QScreen *mainScreen)
{
    if (m_open)
        return;
    m_open = true;
    m_tally.start(m_clock.now(), m_counter.count());
    m_ProximaVitima->setValue(0);
    m_shown = CounterState();
    m_shown.forgetShownDigits();
    m_odometer->blank();
    if (m_counter.count())
        onRecounted();
    onRunStateChanged();
    arrange();
    // The count on show at once, not at the next frame.
    if (m_counter.count())
        onFrame();
    m_RelogApresentacao->start();
    m_eventScreen->open(mainScreen);
}

void Apresentacao::closeView()
{
    if (!m_open)
        return;
    m_open = false;
    m_RelogApresentacao->stop();
    m_RelogMarca->stop();
    m_scene->pause();
    m_eventScreen->close();
    hide();
}

// ---- The counter's signals ----------------------------------------------------------------

void Apresentacao::onRecounted()
{
    const CounterState &digits = m_counter.digits();
    // The digits are the counter's, what the wheels last showed is this view's own.
    const CounterState shown = m_shown;
    m_shown = digits;
    m_shown.ExibidoUnidade = shown.ExibidoUnidade;
    m_shown.ExibidoDezena = shown.ExibidoDezena;
    m_shown.ExibidoCentena = shown.ExibidoCentena;
    m_shown.ExibidoMilhar = shown.ExibidoMilhar;
    m_shown.ExibidoDezenaMilhar = shown.ExibidoDezenaMilhar;
    m_shown.TiltDesligado = 0;
    if (m_counter.count())
        m_tally.addCount(*m_counter.count());

    const std::array<bool, 4> blanks = OdometerFrame::leadingZeros(m_shown);
    const int wheels = 5 - int(std::count(blanks.cbegin(), blanks.cend(), true));
    if (wheels != m_integerWheels) {
        m_integerWheels = wheels;
        placeWheels();
    }
    refresh();
}

void Apresentacao::onReset()
{
    m_tally.rebase();
    m_shown = CounterState();
    m_shown.forgetShownDigits();
    m_odometer->blank();
    m_ProximaVitima->setValue(0);
    if (m_integerWheels != 1) {
        m_integerWheels = 1;
        placeWheels();
    }
    refresh();
}

void Apresentacao::onFrame()
{
    const bool firstShow = m_shown.ExibidoUnidade == 99;
    const OdometerFrame::Step step = m_frame.tick(m_shown, m_victimKind);
    m_ProximaVitima->setValue(step.progress);
    m_odometer->apply(step, m_shown);
    if (!m_open || firstShow)
        return;
    if (!m_reducedMotion)
        m_scene->start(step.animation);
    else if (step.newVictim)
        markVictimCalmly();
    if (step.newVictim)
        m_announcer->announce(m_odometer->text());
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
    const Counter::RunState state = m_counter.runState();
    if (state != Counter::RunState::Running)
        m_scene->pause();
    const bool paused = state == Counter::RunState::Paused && m_pictureCaptionHeight == 0;
    if (paused != !m_Pausado->isHidden()) {
        m_Pausado->setVisible(paused);
        placeWheels();
    }
    // Paused, every digit reads, the fastest ones too.
    if (state == Counter::RunState::Paused)
        restFastWheels();
    if (state != Counter::RunState::OverCapacity && m_Capacidade.label->isVisible()) {
        m_Capacidade.label->hide();
        m_Contador->show();
    }
    refresh();
}

void Apresentacao::restFastWheels()
{
    // The two fastest wheels at rest on their digits, not on a spinning frame.
    if (m_odometer->showsCount()) {
        using Face = OdometerFrame::Face;
        m_odometer->setFace(OdometerFrame::Picture1, Face::digit(int(m_shown.DigitoDecimal3)));
        m_odometer->setFace(OdometerFrame::Picture0, Face::digit(int(m_shown.DigitoDecimal4)));
    }
}

void Apresentacao::onCapacityReached()
{
    // Said in the view itself, in large text where the wheels stand: no message box over a
    // full-screen view, and the view's keys go on working.
    RecountInput in;
    in.dailyRate = m_counter.dailyRate();
    in.useDistribution = m_counter.patternInUse();
    if (m_counter.pattern())
        in.hourly = m_counter.pattern()->table;
    in.now = m_clock.now();
    m_Capacidade.label->setText(overCapacityText(m_counter.mode(), modesWithinCapacity(in)));
    m_Contador->hide();
    m_Capacidade.label->show();
    refresh();
}

// ---- What the view says -------------------------------------------------------------------

QString Apresentacao::runStateText() const
{
    if (!m_notice.isEmpty() && m_clock.now() < m_noticeUntil)
        return m_notice;
    // With a projector plugged in, the key that moves the view there (or back).
    const QString otherScreen =
        QGuiApplication::screens().size() > 1 ? QStringLiteral("  ·  F10: outra tela") : QString();
    switch (m_counter.runState()) {
    case Counter::RunState::Running:
        return QStringLiteral("Contando  ·  Espaço: pausar  ·  Esc: voltar") + otherScreen;
    case Counter::RunState::Paused:
        return QStringLiteral("Pausado  ·  Espaço: continuar  ·  Esc: voltar") + otherScreen;
    case Counter::RunState::OverCapacity:
        return QStringLiteral("Capacidade excedida  ·  Esc: voltar") + otherScreen;
    case Counter::RunState::Stopped:
        break;
    }
    return QStringLiteral("Parado  ·  Espaço: iniciar  ·  Esc: voltar") + otherScreen;
}

void Apresentacao::refresh()
{
    const QDateTime now = m_clock.now();
    CountDescription what = m_what;
    if (!m_counter.hasFigure())
        what = CountDescription();
    else if (what.entryName.isEmpty() && what.title.isEmpty() && !what.typedMonthly)
        what.typedMonthly = m_counter.monthlyFigure();
    const QLocale locale = audienceLocale();
    m_Frase.label->setText(countSentence(what, m_counter.mode(), now.date(), locale));
    const PaceLines pace = m_counter.paceLines(locale);
    m_Intervalo.label->setText(pace.average);
    m_IntervaloHora.label->setText(pace.hour);
    m_IntervaloHora.label->setVisible(!pace.hour.isEmpty());
    m_DesdeInicio.label->setText(m_tally.roundedText(now, locale));
    QString source = m_sourceLine;
    if (!m_rateText.isEmpty())
        source += (source.isEmpty() ? QString() : QStringLiteral(" · ")) + m_rateText;
    m_Fonte.label->setText(m_counter.hasFigure() ? source : QString());
    m_Estado.label->setText(runStateText());
    m_Hora.label->setText(now.time().toString(QStringLiteral("HH:mm")));
    for (Caption *caption : {&m_Frase, &m_Intervalo, &m_IntervaloHora, &m_DesdeInicio,
                             &m_LegendaProximaVitima, &m_Fonte, &m_Estado, &m_Hora, &m_Capacidade})
        fit(*caption);
}

void Apresentacao::fit(Caption &caption)
{
    // The largest text height, down to a tenth at a time, whose wrapped text fits its box.
    QFont font = this->font();
    font.setBold(caption.bold);
    const int flags = Qt::AlignCenter | Qt::TextWordWrap;
    const int smallest = std::min(caption.minimumPixelSize, caption.pixelSize);
    for (int size = caption.pixelSize;; size = std::max(smallest, size * 9 / 10)) {
        font.setPixelSize(size);
        const QRect needed = QFontMetrics(font).boundingRect(
            QRect(0, 0, caption.box.width(), 100000), flags, caption.label->text());
        if (size == smallest ||
            (needed.height() <= caption.box.height() && needed.width() <= caption.box.width()))
            break;
    }
    caption.label->setFont(font);
    caption.label->setGeometry(caption.box);
}

// ---- Layout -------------------------------------------------------------------------------

void Apresentacao::placeWheels()
{
    if (m_wheelArea.isEmpty())
        return;
    if (m_writtenCount) {
        writeCount();
        return;
    }
    // Paused, the word takes a strip above the wheels and the wheels the rest: every digit
    // stays in sight while the teacher talks about the number.
    QRect room = m_wheelArea;
    if (!m_Pausado->isHidden()) {
        const int strip = room.height() / 4;
        m_Pausado->setGeometry(room.x(), room.y(), room.width(), strip);
        QFont paused = font();
        paused.setBold(true);
        paused.setPixelSize(std::max(8, strip * 7 / 10));
        m_Pausado->setFont(paused);
        room.setTop(room.top() + strip);
    }
    const QRect area = OdometerView::AreaTwips;
    const int left = kIntegerStartTwips[5 - std::clamp(m_integerWheels, 1, 5)];
    const int shownTwips = area.width() - left;
    // The whole digits as large as the room allows.
    const double factor =
        std::min(room.width() * TwipsScale::TwipsPerPixel / double(shownTwips),
                 room.height() * TwipsScale::TwipsPerPixel / double(area.height()));
    const auto px = [factor](double twips) {
        return qRound(twips * factor / TwipsScale::TwipsPerPixel);
    };
    const QSize box(px(shownTwips), px(area.height()));
    m_Contador->setGeometry(room.x() + (room.width() - box.width()) / 2,
                            room.y() + (room.height() - box.height()) / 2, box.width(),
                            box.height());
    m_odometer->setScale(factor);
    m_odometer->setGeometry(-px(left), 0, px(area.width()), box.height());

    // A comma as large as the gap between the housings holds, white on it.
    const int commaWidth = std::max(4, px(2 * (kDecimalHousingLeftTwips - kCommaCentreTwips)));
    QFont comma = font();
    comma.setBold(true);
    int commaSize = std::max(8, box.height());
    for (; commaSize > 8; --commaSize) {
        comma.setPixelSize(commaSize);
        if (QFontMetrics(comma).boundingRect(QStringLiteral(",")).width() <= commaWidth)
            break;
    }
    m_Virgula->setFont(comma);
    m_Virgula->setGeometry(px(kCommaCentreTwips - left) - commaWidth / 2, 0, commaWidth,
                           box.height());
    m_Virgula->raise();
}

int Apresentacao::writeCount()
{
    const CountTextParts parts = countTextParts(m_counter.count().value_or(0.0), audienceLocale());
    QFont whole = font();
    whole.setBold(true);
    // The whole part as wide as the room, both lines within its height.
    int size = std::max(8, m_wheelArea.height());
    int needed = 0;
    for (; size > 8; --size) {
        whole.setPixelSize(size);
        QFont decimals = font();
        decimals.setPixelSize(size / 2);
        needed = QFontMetrics(whole).height() + QFontMetrics(decimals).height();
        if (QFontMetrics(whole).horizontalAdvance(parts.whole) <= m_wheelArea.width() &&
            needed <= m_wheelArea.height())
            break;
    }
    m_countPixelSize = size;
    m_ContagemTexto->setGeometry(m_wheelArea);
    // The decimals smaller, in the same light colour: secondary by size, still readable.
    m_ContagemTexto->setText(
        QStringLiteral("<div style=\"font-size:%1px; font-weight:bold; color:%2\">%3</div>"
                       "<div style=\"font-size:%4px; color:%5\">%6</div>")
            .arg(size)
            .arg(kText.name(), parts.whole.toHtmlEscaped())
            .arg(size / 2)
            .arg(kText.name(), parts.decimals.toHtmlEscaped()));
    return needed;
}

void Apresentacao::arrange()
{
    const int w = width();
    const int h = height();
    if (w <= 0 || h <= 0)
        return;
    if (m_pictureCaptionHeight > 0) {
        arrangePicture();
        return;
    }
    const auto ph = [h](double share) { return qRound(h * share); };
    const int margin = qRound(w * 0.04);
    const int textWidth = w - 2 * margin;

    m_Hora.box = QRect(w - margin - qRound(w * 0.2), ph(0.005), qRound(w * 0.2), ph(0.04));
    m_Hora.pixelSize = m_Hora.minimumPixelSize = std::max(8, ph(0.025));

    int y = ph(0.05);
    const auto place = [&](Caption &caption, double height, double text, double gap) {
        caption.box = QRect(margin, y, textWidth, ph(height));
        caption.pixelSize = std::max(8, ph(text));
        y += ph(height) + ph(gap);
    };
    place(m_Frase, 0.12, 0.05, 0.02);
    m_wheelArea = QRect(margin, y, textWidth, ph(0.27));
    m_Capacidade.box = m_wheelArea;
    m_Capacidade.pixelSize = std::max(8, ph(0.07));
    y += ph(0.27) + ph(0.02);
    placeWheels();

    place(m_Intervalo, 0.065, 0.048, 0.0);
    place(m_IntervaloHora, 0.045, 0.032, 0.005);
    place(m_DesdeInicio, 0.05, 0.036, 0.01);
    place(m_LegendaProximaVitima, 0.04, 0.026, 0.0);
    const int barWidth = qRound(w * 0.6);
    m_ProximaVitima->setGeometry((w - barWidth) / 2, y, barWidth, ph(0.035));
    y += ph(0.035) + ph(0.02);
    // The source is cited from the back of the room: never under 4 % of the height (of the
    // width for a picture standing upright, where the long line would not fit otherwise).
    place(m_Fonte, 0.145, 0.048, 0.0);
    m_Fonte.minimumPixelSize = std::max(8, (std::min(h, w) * 4 + 99) / 100);
    y = h - ph(0.07);
    place(m_Estado, 0.05, 0.03, 0.0);

    m_scene->setScale(TwipsScale::fitting(kStageTwips, size()));
    m_scene->raise();
    refresh();
}

void Apresentacao::arrangePicture()
{
    // A still picture has no next victim to wait for and cites its source in the caption:
    // the sentence, the count and the pace share the room above it, centred, the texts
    // grown into what the count leaves, so that no wide band is left empty at any shape.
    const int w = width();
    const int room = height() - m_pictureCaptionHeight;
    const int margin = qRound(w * 0.04);
    const int textWidth = w - 2 * margin;
    const int unit = std::min(room, w * 6 / 5);
    const auto pu = [unit](double share) { return qRound(unit * share); };
    const bool hourLine = !m_IntervaloHora.label->text().isEmpty();

    // The count first: the room it takes decides where the rest goes.
    m_wheelArea = QRect(margin, 0, textWidth, pu(m_writtenCount ? 0.5 : 0.42));
    int countHeight = m_wheelArea.height();
    if (m_writtenCount) {
        countHeight = std::min(countHeight, writeCount());
    } else if (m_Capacidade.label->isHidden()) {
        placeWheels();
        countHeight = m_Contador->height();
    }
    const int gap = pu(0.03);
    const double texts = 0.16 + 0.08 + (hourLine ? 0.055 : 0.0);
    const double spare = room * 0.88 - countHeight - 2 * gap - pu(texts);
    const double grow = std::clamp(1.0 + spare / std::max(1, pu(texts)), 1.0, 2.2);
    const auto grown = [&](double share) { return qRound(unit * share * grow); };
    const int sentence = grown(0.16);
    const int interval = grown(0.08);
    const int hour = hourLine ? grown(0.055) : 0;
    const int total = sentence + gap + countHeight + gap + interval + hour;
    int y = std::max(pu(0.05), (room - total) / 2);

    m_Hora.box = QRect(w - margin - qRound(w * 0.2), 0, qRound(w * 0.2), pu(0.04));
    m_Hora.pixelSize = m_Hora.minimumPixelSize = std::max(8, pu(0.025));
    const auto place = [&](Caption &caption, int height, double text) {
        caption.box = QRect(margin, y, textWidth, height);
        caption.pixelSize = std::max(8, grown(text));
        y += height;
    };
    place(m_Frase, sentence, 0.055);
    y += gap;
    m_wheelArea = QRect(margin, y, textWidth, countHeight);
    m_Capacidade.box = m_wheelArea;
    m_Capacidade.pixelSize = std::max(8, pu(0.07));
    placeWheels();
    y += countHeight + gap;
    place(m_Intervalo, interval, 0.05);
    place(m_IntervaloHora, hour, 0.034);
    refresh();
}

// ---- Read back for checks -------------------------------------------------------------------

QString Apresentacao::sentence() const
{
    return m_Frase.label->text();
}

QString Apresentacao::intervalText() const
{
    return m_Intervalo.label->text();
}

QString Apresentacao::hourPaceText() const
{
    return m_IntervaloHora.label->text();
}

QString Apresentacao::tallyText() const
{
    return m_DesdeInicio.label->text();
}

QString Apresentacao::sourceText() const
{
    return m_Fonte.label->text();
}

QString Apresentacao::stateText() const
{
    return m_Estado.label->text();
}

QString Apresentacao::capacityText() const
{
    return m_Capacidade.label->isHidden() ? QString() : m_Capacidade.label->text();
}

QList<QWidget *> Apresentacao::shownParts() const
{
    QList<QWidget *> parts{
        m_Frase.label,   m_Intervalo.label, m_DesdeInicio.label, m_LegendaProximaVitima.label,
        m_ProximaVitima, m_Fonte.label,     m_Estado.label,      m_Hora.label};
    if (!m_IntervaloHora.label->text().isEmpty())
        parts.insert(2, m_IntervaloHora.label);
    if (!m_Pausado->isHidden())
        parts.append(m_Pausado);
    parts.insert(1, !m_Capacidade.label->isHidden() ? static_cast<QWidget *>(m_Capacidade.label)
                    : m_writtenCount                ? m_ContagemTexto
                                                    : m_Contador);
    return parts;
}

// ---- Keys ---------------------------------------------------------------------------------

void Apresentacao::keyPressEvent(QKeyEvent *event)
{
    switch (event->key()) {
    case Qt::Key_Space:
        if (!event->isAutoRepeat())
            emit startOrPauseRequested();
        event->accept();
        return;
    case Qt::Key_Escape:
    case Qt::Key_F11:
        emit leaveRequested();
        event->accept();
        return;
    case Qt::Key_F10:
        m_eventScreen->moveToNextScreen();
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
        emit leaveRequested();
}

// ---- The picture to share ------------------------------------------------------------------

void Apresentacao::preparePicture(const QSize &size, int captionHeight)
{
    // Not on screen, the view shows the count of this instant straight away.
    if (!m_open) {
        m_shown = CounterState();
        m_shown.forgetShownDigits();
        m_odometer->blank();
        if (m_counter.count()) {
            onRecounted();
            onFrame();
        }
    }
    restFastWheels();
    m_ProximaVitima->setValue(m_counter.nextVictimShare());
    // Eight wheels side by side are at most a seventh of the width tall: in a square or an
    // upright picture the count is written in large figures instead.
    m_writtenCount = size.width() * 2 < size.height() * 3;
    m_pictureCaptionHeight = std::max(1, captionHeight);
    m_Contador->setVisible(!m_writtenCount && m_Capacidade.label->isHidden());
    m_ContagemTexto->setVisible(m_writtenCount);
    // The key hints sit in the strip the caption line takes; the tally counts from when this
    // screen opened and the bar waits for a next victim, which mean nothing in a still
    // picture; the caption cites the source, once. A picture of a pause is a count.
    for (QWidget *onScreenOnly :
         std::initializer_list<QWidget *>{m_Estado.label, m_DesdeInicio.label, m_Fonte.label,
                                          m_LegendaProximaVitima.label, m_ProximaVitima, m_Pausado})
        onScreenOnly->hide();
    m_sizeBeforePicture = this->size();
    if (size != this->size())
        resize(size);
    arrange();
    m_scene->pause();
}

void Apresentacao::finishPicture()
{
    m_writtenCount = false;
    m_pictureCaptionHeight = 0;
    m_ContagemTexto->hide();
    m_Contador->setVisible(m_Capacidade.label->isHidden());
    for (QWidget *onScreenOnly :
         std::initializer_list<QWidget *>{m_Estado.label, m_DesdeInicio.label, m_Fonte.label,
                                          m_LegendaProximaVitima.label, m_ProximaVitima})
        onScreenOnly->show();
    m_Pausado->setVisible(m_counter.runState() == Counter::RunState::Paused);
    if (m_sizeBeforePicture.isValid() && m_sizeBeforePicture != size())
        resize(m_sizeBeforePicture);
    arrange();
}

LivePage Apresentacao::livePage() const
{
    LivePage page;
    page.madeAt = m_clock.now();
    page.timeZoneId = localTimeZoneId();
    if (!m_counter.hasFigure())
        return page;
    CountDescription what = m_what;
    if (what.entryName.isEmpty() && what.title.isEmpty() && !what.typedMonthly)
        what.typedMonthly = m_counter.monthlyFigure();
    page.counters.append(livePageCounter(m_counter, {what, m_sourceLine, m_rateText}));
    return page;
}

QStringList Apresentacao::pictureSources() const
{
    QString source = m_sourceLine;
    if (!m_rateText.isEmpty())
        source += (source.isEmpty() ? QString() : QStringLiteral(" · ")) + m_rateText;
    return {source};
}
