#include "windows/Comparacao/comparedcounter.h"

#include "core/audiencelocale.h"
#include "core/clock.h"
#include "core/counter.h"
#include "core/counttext.h"
#include "display/victimannouncer.h"

#include <QFontMetrics>
#include <QLabel>
#include <QLocale>
#include <QTimer>

#include <algorithm>

namespace {

// The decimals are a fraction of a victim: smaller and quieter than the whole part.
constexpr double kDecimalScale = 0.55;
// How long the mark of a new victim stays.
constexpr int kMarkMs = 1500;

const QString kGroupStyle = QStringLiteral(
    "ComparedCounter { border: 2px solid #2c333d; border-radius: 10px; background: %1; }");
const QString kRestBackground = QStringLiteral("#161b22");
const QString kMarkBackground = QStringLiteral("#4a3a12");
const QString kText = QStringLiteral("#f0f0f0");
const QString kQuiet = QStringLiteral("#c8d0da");
const QString kMark = QStringLiteral("#ffc45c");

QLabel *textLabel(QWidget *parent, const QString &name, bool wraps)
{
    auto *label = new QLabel(parent);
    label->setObjectName(name);
    label->setWordWrap(wraps);
    label->setAlignment(Qt::AlignHCenter | Qt::AlignVCenter);
    label->setTextFormat(Qt::PlainText);
    label->setStyleSheet(QStringLiteral("color: %1; background: transparent;").arg(kQuiet));
    return label;
}

QFont pixelFont(int pixelSize, bool bold)
{
    QFont font;
    font.setPixelSize(std::max(1, pixelSize));
    font.setBold(bold);
    return font;
}

// A label's text fits its box: wrapped within the height, or on one line within the width.
bool fits(const QLabel *label, const QSize &box)
{
    const QFontMetrics metrics(label->font());
    if (label->wordWrap()) {
        const QRect needed = metrics.boundingRect(
            QRect(0, 0, box.width(), 100000), Qt::TextWordWrap | Qt::AlignHCenter, label->text());
        return needed.width() <= box.width() && needed.height() <= box.height();
    }
    return metrics.horizontalAdvance(label->text()) <= box.width() &&
           metrics.height() <= box.height();
}

// The count's two parts, for the text and for the widths.
QPair<QString, QString> countParts(double count)
{
    const CountTextParts parts = countTextParts(count, audienceLocale());
    return {parts.whole, parts.decimals};
}

} // namespace

ComparedCounter::ComparedCounter(Counter &counter, int position, QWidget *parent)
    : QGroupBox(parent), m_counter(counter)
{
    setObjectName(QStringLiteral("Comparado%1").arg(position));
    setFlat(true);
    setStyleSheet(kGroupStyle.arg(kRestBackground));
    m_sentence = textLabel(this, QStringLiteral("Frase"), true);
    m_sentence->setStyleSheet(QStringLiteral("color: %1; background: transparent;").arg(kText));
    m_count = textLabel(this, QStringLiteral("Contagem"), false);
    m_count->setTextFormat(Qt::RichText);
    m_interval = textLabel(this, QStringLiteral("Intervalo"), false);
    m_hourPace = textLabel(this, QStringLiteral("IntervaloHora"), false);
    m_hourPace->hide();
    m_source = textLabel(this, QStringLiteral("Fonte"), true);
    m_rate = textLabel(this, QStringLiteral("Taxa"), true);
    m_announcer = new VictimAnnouncer(this);
    m_announcer->move(0, 0);

    m_markTimer = new QTimer(this);
    m_markTimer->setObjectName(QStringLiteral("RelogMarca"));
    m_markTimer->setSingleShot(true);
    m_markTimer->setInterval(kMarkMs);
    connect(m_markTimer, &QTimer::timeout, this, &ComparedCounter::endMark);

    connect(&m_counter, &Counter::recounted, this, &ComparedCounter::refresh);
    connect(&m_counter, &Counter::counterReset, this, &ComparedCounter::refresh);
    connect(&m_counter, &Counter::figureChanged, this, &ComparedCounter::refresh);
    connect(&m_counter, &Counter::modeChanged, this, &ComparedCounter::refresh);
    connect(&m_counter, &Counter::patternChanged, this, &ComparedCounter::refresh);
    connect(&m_counter, &Counter::newVictim, this, &ComparedCounter::onNewVictim);
    refresh();
}

void ComparedCounter::setDescription(const CountDescription &what,
                                     const std::optional<EntrySource> &source)
{
    m_what = what;
    const QString name = !what.entryName.isEmpty() ? what.entryName
                         : what.typedMonthly
                             ? QStringLiteral("%1 ocorrências por mês")
                                   .arg(audienceLocale().toString(*what.typedMonthly, 'f', 0))
                             : QString();
    setAccessibleName(name);
    setAccessibleDescription(QStringLiteral("Contador da comparação"));
    m_fullSource = source ? sourceLine(*source) : QStringLiteral("Número digitado");
    m_source->setText(m_fullSource);
    m_source->setToolTip(source ? sourceDetails(*source, audienceLocale()) : QString());
    m_fullRate = source ? ::rateText(*source, audienceLocale()) : QString();
    m_rate->setText(m_fullRate);
    m_rate->setVisible(!m_fullRate.isEmpty());
    m_fullSentence.clear();
    refresh();
}

void ComparedCounter::refresh()
{
    // Texts that change (the day, the hour's pace) are fitted again in the box they have.
    const QLocale locale = audienceLocale();
    const QString sentence =
        countSentence(m_what, m_counter.mode(), m_counter.clock().now().date(), locale);
    if (sentence != m_fullSentence) {
        m_fullSentence = sentence;
        m_sentence->setToolTip(sentence);
        fitSentence(m_sentence->geometry());
    }
    const PaceLines pace = m_counter.paceLines(locale);
    if (pace.average != m_fullInterval) {
        m_fullInterval = pace.average;
        fitPlain(m_interval, m_interval->geometry(), m_fullInterval, m_countPixelSize * 30 / 100,
                 9);
    }
    if (pace.hour != m_fullHourPace) {
        // A pattern switched on or off needs a line of its own, or gives it back.
        const bool relayout = pace.hour.isEmpty() != m_fullHourPace.isEmpty();
        m_fullHourPace = pace.hour;
        m_hourPace->setVisible(!m_fullHourPace.isEmpty());
        if (relayout && !m_laidOut.isEmpty())
            arrange(m_laidOut, m_countPixelSize);
        else
            fitPlain(m_hourPace, m_hourPace->geometry(), m_fullHourPace,
                     m_countPixelSize * 22 / 100, 8);
    }
    showCount();
}

void ComparedCounter::showCount()
{
    const std::optional<double> count = m_counter.count();
    if (!count) {
        m_count->setText(QStringLiteral("—"));
        return;
    }
    const auto [whole, decimals] = countParts(*count);
    const QString colour = m_marked && m_reducedMotion ? kMark : kText;
    m_count->setText(
        QStringLiteral("<span style=\"font-size:%1px; font-weight:bold; color:%2\">%3</span>"
                       "<span style=\"font-size:%4px; color:%5\">%6</span>")
            .arg(m_countPixelSize)
            .arg(colour, whole.toHtmlEscaped())
            .arg(int(m_countPixelSize * kDecimalScale))
            .arg(kQuiet, decimals.toHtmlEscaped()));
}

void ComparedCounter::onNewVictim()
{
    m_marked = true;
    // Moving pictures or not, the mark is a change of colour for a moment: the whole box
    // lights up, or with reduced motion only the count's figure.
    if (!m_reducedMotion)
        setStyleSheet(kGroupStyle.arg(kMarkBackground));
    showCount();
    m_markTimer->start();
    m_announcer->announceText(
        QStringLiteral("Nova vítima em %1. Contagem: %2").arg(accessibleName(), countText()));
}

void ComparedCounter::endMark()
{
    m_markTimer->stop();
    if (!m_marked)
        return;
    m_marked = false;
    setStyleSheet(kGroupStyle.arg(kRestBackground));
    showCount();
}

bool ComparedCounter::isMarked() const
{
    return m_marked;
}

int ComparedCounter::announcements() const
{
    return m_announcer->announcements();
}

int ComparedCounter::countLineHeight(int countPixelSize)
{
    return QFontMetrics(pixelFont(countPixelSize, true)).height();
}

int ComparedCounter::countWidth(int countPixelSize) const
{
    // The widest digit stands for every digit, so that the size does not change as they do.
    const std::optional<double> count = m_counter.count();
    auto [whole, decimals] = countParts(count.value_or(0.0));
    for (QString *part : {&whole, &decimals}) {
        for (QChar &c : *part) {
            if (c.isDigit())
                c = u'0';
        }
    }
    const QFontMetrics big(pixelFont(countPixelSize, true));
    const QFontMetrics small(pixelFont(int(countPixelSize * kDecimalScale), false));
    return big.horizontalAdvance(whole) + small.horizontalAdvance(decimals) + 8;
}

void ComparedCounter::arrange(const QSize &size, int countPixelSize)
{
    m_countPixelSize = countPixelSize;
    m_laidOut = size;
    const int margin = std::max(6, size.height() / 25);
    const int width = size.width() - 2 * margin;
    const int countHeight = countLineHeight(countPixelSize);
    const int rest = std::max(0, size.height() - 2 * margin - countHeight);
    const bool hasRate = !m_fullRate.isEmpty();
    const int sentenceHeight = rest * 40 / 100;
    const bool hasHourPace = !m_fullHourPace.isEmpty();
    const int intervalHeight = rest * (hasHourPace ? 12 : 17) / 100;
    const int hourPaceHeight = hasHourPace ? rest * 9 / 100 : 0;
    const int rateHeight = hasRate ? rest * 15 / 100 : 0;
    const int sourceHeight = rest - sentenceHeight - intervalHeight - hourPaceHeight - rateHeight;

    int y = margin;
    const QRect sentenceBox(margin, y, width, sentenceHeight);
    y += sentenceHeight;
    m_count->setGeometry(margin, y, width, countHeight);
    y += countHeight;
    const QRect intervalBox(margin, y, width, intervalHeight);
    y += intervalHeight;
    const QRect hourPaceBox(margin, y, width, hourPaceHeight);
    y += hourPaceHeight;
    const QRect sourceBox(margin, y, width, sourceHeight);
    y += sourceHeight;
    const QRect rateBox(margin, y, width, rateHeight);

    fitSentence(sentenceBox);
    fitPlain(m_interval, intervalBox, m_fullInterval, countPixelSize * 30 / 100, 9);
    if (hasHourPace)
        fitPlain(m_hourPace, hourPaceBox, m_fullHourPace, countPixelSize * 22 / 100, 8);
    fitPlain(m_source, sourceBox, m_fullSource, countPixelSize * 22 / 100, 8);
    if (hasRate)
        fitPlain(m_rate, rateBox, m_fullRate, countPixelSize * 22 / 100, 8);
    showCount();
}

// The largest size at which the text fits its box; at the smallest, a single line is
// shortened with "…" (the whole text stays in the tooltip).
void ComparedCounter::fitPlain(QLabel *label, const QRect &box, const QString &full, int largest,
                               int smallest)
{
    label->setGeometry(box);
    label->setText(full);
    for (int size = std::max(largest, smallest); size >= smallest; --size) {
        label->setFont(pixelFont(size, false));
        if (fits(label, box.size()))
            return;
    }
    const QFontMetrics metrics(label->font());
    label->setText(metrics.elidedText(full, Qt::ElideRight, box.width()));
}

// The sentence shrinks down to a readable size; below it the entry's name is shortened with
// "…", so that what is counted and when still read whole.
void ComparedCounter::fitSentence(const QRect &box)
{
    m_sentence->setGeometry(box);
    const int largest = std::max(12, m_countPixelSize * 32 / 100);
    const int smallest = std::min(largest, std::max(11, box.height() / 5));
    const QDate today = m_counter.clock().now().date();
    m_sentence->setText(m_fullSentence);
    for (int size = largest; size >= smallest; --size) {
        m_sentence->setFont(pixelFont(size, true));
        if (fits(m_sentence, box.size()))
            return;
    }
    CountDescription shortened = m_what;
    QString name = m_what.title.isEmpty() ? m_what.entryName : m_what.title;
    while (name.size() > 1) {
        name.chop(1);
        const QString cut = name.trimmed() + QStringLiteral("…");
        (m_what.title.isEmpty() ? shortened.entryName : shortened.title) = cut;
        m_sentence->setText(countSentence(shortened, m_counter.mode(), today, audienceLocale()));
        if (fits(m_sentence, box.size()))
            return;
    }
}

QString ComparedCounter::sentenceText() const
{
    return m_fullSentence;
}

QString ComparedCounter::countText() const
{
    const std::optional<double> count = m_counter.count();
    if (!count)
        return QString();
    const auto [whole, decimals] = countParts(*count);
    return whole + decimals;
}

QString ComparedCounter::intervalText() const
{
    return m_fullInterval;
}

QString ComparedCounter::hourPaceText() const
{
    return m_fullHourPace;
}

QString ComparedCounter::sourceText() const
{
    return m_fullSource;
}

QString ComparedCounter::rateText() const
{
    return m_fullRate;
}

QList<QLabel *> ComparedCounter::texts() const
{
    QList<QLabel *> labels{m_sentence, m_count, m_interval, m_source};
    if (!m_fullHourPace.isEmpty())
        labels.append(m_hourPace);
    if (m_rate->isVisibleTo(this))
        labels.append(m_rate);
    return labels;
}
