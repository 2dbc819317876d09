#include "windows/Comparacao/comparacao.h"

#include "core/clock.h"
#include "core/counter.h"
#include "display/eventscreen.h"
#include "windows/Comparacao/comparedcounter.h"
#include "windows/sharepageaction.h"
#include "windows/sharepictureactions.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QPalette>

#include <algorithm>
#include <cmath>

namespace {

const QColor kBackground(16, 20, 26);
const QColor kQuiet(200, 208, 218);

// The strip at the foot with the state and the keys, as a share of the height.
constexpr double kFooterShare = 0.06;
// The most of a counter's box its count's line may take.
constexpr double kCountShareOfBox = 0.40;
constexpr int kGap = 12;

} // namespace

Comparacao::Comparacao(Clock &clock, QWidget *parent) : QWidget(parent), m_clock(clock)
{
    setObjectName(QStringLiteral("Comparacao"));
    setWindowTitle(QStringLiteral("Quorvel Counter - Comparação"));
    setFocusPolicy(Qt::StrongFocus);
    setAutoFillBackground(true);
    QPalette colours = palette();
    colours.setColor(QPalette::Window, kBackground);
    setPalette(colours);
    resize(1280, 720);

    m_state = new QLabel(this);
    m_state->setObjectName(QStringLiteral("Estado"));
    m_state->setAlignment(Qt::AlignCenter);
    m_state->setStyleSheet(QStringLiteral("color: %1;").arg(kQuiet.name()));

    m_eventScreen = new EventScreen(*this);

    SharePictureActions::Hooks hooks;
    hooks.picture = [this] { return SharePicture(*this).draw(size(), m_clock.now()); };
    hooks.now = [this] { return m_clock.now(); };
    hooks.report = [this](const QString &text) {
        m_notice = text;
        showState();
        emit pictureReported(text);
    };
    SharePictureActions::attach(this, hooks);
    SharePageAction::attach(this, {[this] { return livePage(); }, hooks.now, hooks.report, {}, {}});
    showState();
}

Comparacao::~Comparacao() = default;

void Comparacao::setChoices(const QList<PreparedChoice> &choices, AccumulationMode mode)
{
    qDeleteAll(m_panels);
    m_panels.clear();
    qDeleteAll(m_counters);
    m_counters.clear();
    m_choices = choices;
    int position = 0;
    for (const PreparedChoice &choice : choices) {
        auto *counter = new Counter(m_clock, this);
        counter->setStopsAtCapacity(false);
        counter->setPacesWheels(false);
        counter->setMode(mode);
        applyChoice(*counter, choice);
        connect(counter, &Counter::runStateChanged, this, &Comparacao::showState);
        auto *panel = new ComparedCounter(*counter, ++position, this);
        panel->setReducedMotion(m_reducedMotion);
        panel->setDescription(choice.description, choice.source);
        panel->show();
        m_counters.append(counter);
        m_panels.append(panel);
    }
    arrange();
    showState();
}

Counter &Comparacao::counter(int index) const
{
    return *m_counters.at(index);
}

void Comparacao::startAll()
{
    for (Counter *counter : std::as_const(m_counters)) {
        if (counter->start())
            counter->recount(); // the figure at once, not two seconds later
    }
    arrange(); // the counts' widths are known now
}

void Comparacao::pauseAll()
{
    for (Counter *counter : std::as_const(m_counters))
        counter->pause();
}

void Comparacao::startOrPauseAll()
{
    if (isCounting())
        pauseAll();
    else
        startAll();
}

bool Comparacao::isCounting() const
{
    return std::any_of(m_counters.cbegin(), m_counters.cend(),
                       [](const Counter *counter) { return counter->isCounting(); });
}

void Comparacao::setReducedMotion(bool on)
{
    m_reducedMotion = on;
    for (ComparedCounter *panel : std::as_const(m_panels))
        panel->setReducedMotion(on);
}

void Comparacao::open(const QScreen *mainScreen)
{
    m_open = true;
    arrange();
    m_eventScreen->open(mainScreen);
}

void Comparacao::closeView()
{
    if (!m_open)
        return;
    m_open = false;
    pauseAll();
    m_eventScreen->close();
    hide();
}

QString Comparacao::stateText() const
{
    return m_state->text();
}

void Comparacao::showState()
{
    QString state = isCounting() ? QStringLiteral("Contando") : QStringLiteral("Em pausa");
    state +=
        QStringLiteral(" · Espaço: iniciar ou pausar · Esc: voltar · F10: outra tela · Ctrl+S: "
                       "salvar imagem");
    if (!m_notice.isEmpty())
        state = m_notice;
    m_state->setText(state);
}

void Comparacao::arrange()
{
    // In a picture the caption line takes the foot (a hidden view gets its resize late,
    // when it is drawn, so the caption's height is kept for it).
    const int footer = m_picture ? m_pictureFooter : int(std::round(height() * kFooterShare));
    arrangeIn(size(), footer);
}

void Comparacao::arrangeIn(const QSize &size, int footerHeight)
{
    m_state->setGeometry(0, size.height() - footerHeight, size.width(), footerHeight);
    QFont font = m_state->font();
    font.setPixelSize(std::max(10, footerHeight * 2 / 5));
    m_state->setFont(font);
    m_state->setVisible(footerHeight > 0 && !m_picture);
    const int count = int(m_panels.size());
    if (count == 0)
        return;

    // The grid whose boxes give the counts the largest size: width and height both bound it.
    const QSize area(size.width() - kGap, size.height() - footerHeight - kGap);
    int bestColumns = 1;
    int bestPixelSize = 0;
    for (int columns = 1; columns <= count; ++columns) {
        const int rows = (count + columns - 1) / columns;
        const int boxWidth = area.width() / columns - kGap;
        const int boxHeight = area.height() / rows - kGap;
        const int margin = std::max(6, boxHeight / 25);
        int pixelSize = 400;
        for (ComparedCounter *panel : std::as_const(m_panels)) {
            const int widthAt100 = std::max(1, panel->countWidth(100));
            pixelSize = std::min(pixelSize, (boxWidth - 2 * margin) * 100 / widthAt100);
        }
        while (pixelSize > 6 &&
               ComparedCounter::countLineHeight(pixelSize) > boxHeight * kCountShareOfBox)
            --pixelSize;
        if (pixelSize > bestPixelSize) {
            bestPixelSize = pixelSize;
            bestColumns = columns;
        }
    }
    m_countPixelSize = std::max(6, bestPixelSize);
    const int rows = (count + bestColumns - 1) / bestColumns;
    const int boxWidth = area.width() / bestColumns - kGap;
    const int boxHeight = area.height() / rows - kGap;
    for (int i = 0; i < count; ++i) {
        const int row = i / bestColumns;
        // A last row that is not full is centred.
        const int inRow = std::min(bestColumns, count - row * bestColumns);
        const int offset = (bestColumns - inRow) * (boxWidth + kGap) / 2;
        const int column = i % bestColumns;
        m_panels[i]->setGeometry(kGap + offset + column * (boxWidth + kGap),
                                 kGap + row * (boxHeight + kGap), boxWidth, boxHeight);
        m_panels[i]->arrange(QSize(boxWidth, boxHeight), m_countPixelSize);
    }
}

void Comparacao::keyPressEvent(QKeyEvent *event)
{
    switch (event->key()) {
    case Qt::Key_Space:
        if (!event->isAutoRepeat())
            startOrPauseAll();
        event->accept();
        return;
    case Qt::Key_Escape:
    case Qt::Key_F11:
        event->accept();
        emit leaveRequested();
        return;
    case Qt::Key_F10:
        event->accept();
        m_eventScreen->moveToNextScreen();
        return;
    default:
        QWidget::keyPressEvent(event);
    }
}

void Comparacao::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    arrange();
}

void Comparacao::closeEvent(QCloseEvent *event)
{
    // Closed by the desktop (a window button, Alt+F4): as Esc.
    event->accept();
    if (m_open)
        emit leaveRequested();
}

// ---- The picture to share ------------------------------------------------------------------

void Comparacao::preparePicture(const QSize &size, int captionHeight)
{
    m_picture = true;
    m_pictureFooter = captionHeight;
    m_sizeBeforePicture = this->size();
    for (Counter *counter : std::as_const(m_counters)) {
        if (!counter->count() && counter->hasFigure())
            counter->recount();
    }
    for (ComparedCounter *panel : std::as_const(m_panels))
        panel->endMark();
    if (size != this->size())
        resize(size);
    arrangeIn(size, captionHeight);
    m_state->hide();
}

void Comparacao::finishPicture()
{
    m_picture = false;
    if (m_sizeBeforePicture.isValid() && m_sizeBeforePicture != size())
        resize(m_sizeBeforePicture);
    arrange();
}

QStringList Comparacao::pictureSources() const
{
    QStringList sources;
    for (const PreparedChoice &choice : m_choices) {
        if (!choice.source)
            continue;
        const QString line = sourceLine(*choice.source);
        if (!sources.contains(line))
            sources.append(line);
    }
    return sources;
}

LivePage Comparacao::livePage() const
{
    LivePage page;
    page.madeAt = m_clock.now();
    page.timeZoneId = localTimeZoneId();
    for (const ComparedCounter *panel : m_panels) {
        if (panel->counter().hasFigure())
            page.counters.append(livePageCounter(
                panel->counter(), {panel->description(), panel->sourceText(), panel->rateText()}));
    }
    return page;
}
