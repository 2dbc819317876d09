#include "display/riskchart.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QEvent>
#include <QFontMetrics>
#include <QLocale>
#include <QPainter>
#include <QSlider>
#include <QStyle>
#include <QStyleOptionSlider>

#include <algorithm>
#include <cmath>

namespace {

constexpr int kTick = 3;           // scale tick length
constexpr int kGap = 3;            // between the scale labels, the plot and the hour marks
constexpr int kRightEdge = 4;      // room right of the last bar
constexpr qreal kSmallestMark = 5; // point size below which the marks stop shrinking

const QColor kGrid(225, 225, 225);
const QColor kAxis(130, 130, 130);

// Assistive technology sees the chart as a chart, named and described by the widget.
QAccessibleInterface *chartAccessible(const QString &key, QObject *object)
{
    if (key == QLatin1String("SpectrumChart") && object && object->isWidgetType())
        return new QAccessibleWidget(static_cast<QWidget *>(object), QAccessible::Chart);
    return nullptr;
}

double shown(double value)
{
    return std::isfinite(value) && value > 0 ? value : 0.0;
}

// At most two decimals, none when they are zeros: "3", "3,5", "4,17".
QString valueText(double value, const QLocale &locale)
{
    QString text = locale.toString(value, 'f', 2);
    const QString point = locale.decimalPoint();
    if (text.contains(point)) {
        while (text.endsWith(u'0'))
            text.chop(1);
        if (text.endsWith(point))
            text.chop(point.size());
    }
    return text;
}

// Decimals that a scale step needs: none for 5, one for 2.5.
int decimalsOf(double step)
{
    int decimals = 0;
    while (decimals < 6) {
        const double scaled = step * std::pow(10.0, decimals);
        if (std::abs(scaled - std::round(scaled)) < 1e-6 * std::max(1.0, scaled))
            break;
        ++decimals;
    }
    return decimals;
}

QString twoDigits(int hour)
{
    return QStringLiteral("%1").arg(hour, 2, 10, QLatin1Char('0'));
}

} // namespace

SpectrumChart::SpectrumChart(QWidget *parent) : QWidget(parent)
{
    static const bool factoryInstalled = [] {
        QAccessible::installFactory(chartAccessible);
        return true;
    }();
    Q_UNUSED(factoryInstalled);

    setAttribute(Qt::WA_OpaquePaintEvent);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    for (int band = 0; band < kBands; ++band)
        m_marks << QString::number(2 * band);
    setAccessibleName(QStringLiteral("Espectro de risco ao longo do dia"));
    describe();
}

SpectrumChart::~SpectrumChart()
{
    if (m_slider)
        m_slider->removeEventFilter(this);
}

void SpectrumChart::setValues(const Values &values)
{
    Values cleaned;
    std::transform(values.begin(), values.end(), cleaned.begin(), shown);
    if (cleaned == m_values)
        return;
    m_values = cleaned;
    describe();
    // The scale's labels may change width, and the plot with them.
    alignHourSlider();
    update();
}

void SpectrumChart::setBarColor(const QColor &color)
{
    m_barColor = color;
    update();
}

void SpectrumChart::setBarWidth(qreal fraction)
{
    m_barWidth = std::clamp(fraction, qreal(0.7), qreal(1.0));
    update();
}

void SpectrumChart::setScaleDivisions(int divisions)
{
    m_divisions = std::max(1, divisions);
    alignHourSlider();
    update();
}

double SpectrumChart::scaleTop() const
{
    return scale().top;
}

void SpectrumChart::setValueSuffix(const QString &suffix)
{
    m_suffix = suffix;
    describe();
}

void SpectrumChart::setHourMarks(const QStringList &marks)
{
    m_marks = marks.mid(0, kBands);
    while (m_marks.size() < kBands)
        m_marks << QString();
    update();
}

SpectrumChart::Scale SpectrumChart::scale() const
{
    const double highest = *std::max_element(m_values.begin(), m_values.end());
    if (highest <= 0)
        return {10.0, 10.0 / m_divisions, decimalsOf(10.0 / m_divisions)};
    // A round step (1, 2, 2.5 or 5 times a power of ten) and some room above the highest bar.
    const double wanted = highest * 1.1;
    const double raw = wanted / m_divisions;
    const double power = std::pow(10.0, std::floor(std::log10(raw)));
    double step = 10 * power;
    for (const double m : {1.0, 2.0, 2.5, 5.0}) {
        if (m * power >= raw * (1 - 1e-9)) {
            step = m * power;
            break;
        }
    }
    return {std::ceil(wanted / step - 1e-9) * step, step, decimalsOf(step)};
}

QStringList SpectrumChart::scaleLabels(const Scale &scale) const
{
    const QLocale locale;
    QStringList labels;
    const int ticks = int(std::lround(scale.top / scale.step));
    for (int i = 0; i <= ticks; ++i)
        labels << locale.toString(i * scale.step, 'f', scale.decimals);
    return labels;
}

QRect SpectrumChart::plotRect() const
{
    const QFontMetrics metrics(font());
    int labelWidth = 0;
    for (const QString &label : scaleLabels(scale()))
        labelWidth = std::max(labelWidth, metrics.horizontalAdvance(label));
    const int left = labelWidth + kTick + kGap;
    const int top = metrics.height() / 2 + 1;
    const int bottom = metrics.height() + 2 * kGap; // the hour marks
    return QRect(left, top, std::max(0, width() - left - kRightEdge),
                 std::max(0, height() - top - bottom));
}

double SpectrumChart::slotWidth() const
{
    return plotRect().width() / double(kBands);
}

QRect SpectrumChart::barRect(int band) const
{
    if (band < 0 || band >= kBands)
        return {};
    const QRect plot = plotRect();
    const double slot = plot.width() / double(kBands);
    const double from = plot.left() + slot * (band + (1 - m_barWidth) / 2);
    const int left = int(std::lround(from));
    const int right = int(std::lround(from + slot * m_barWidth));
    const int height =
        std::min(plot.height(), int(std::lround(m_values[band] / scaleTop() * plot.height())));
    return QRect(left, plot.bottom() + 1 - height, right - left, height);
}

QFont SpectrumChart::markFont() const
{
    QFont markFont = font();
    const int room = barRect(0).width() - 2;
    auto widest = [&markFont, this] {
        const QFontMetrics metrics(markFont);
        int widest = 0;
        for (const QString &mark : m_marks)
            widest = std::max(widest, metrics.horizontalAdvance(mark));
        return widest;
    };
    // Narrow bars get smaller marks rather than marks that spill under the next bar.
    const bool byPixels = markFont.pointSizeF() <= 0;
    qreal size = byPixels ? markFont.pixelSize() * 0.75 : markFont.pointSizeF();
    while (widest() > room && size > kSmallestMark) {
        size -= 0.5;
        markFont.setPointSizeF(size);
    }
    return markFont;
}

QRect SpectrumChart::hourMarkRect(int band) const
{
    if (band < 0 || band >= kBands)
        return {};
    const QFontMetrics metrics(markFont());
    const QRect bar = barRect(band);
    const int textWidth = metrics.horizontalAdvance(m_marks[band]);
    const double centre = bar.left() + bar.width() / 2.0;
    return QRect(int(std::lround(centre - textWidth / 2.0)), plotRect().bottom() + 1 + kGap,
                 textWidth, metrics.height());
}

double SpectrumChart::hourPosition(double hour) const
{
    return plotRect().left() + slotWidth() * (hour + 0.5) / 2;
}

int SpectrumChart::hourToX(int hour) const
{
    return int(std::lround(hourPosition(hour)));
}

void SpectrumChart::setHourSlider(QSlider *slider)
{
    if (m_slider == slider)
        return;
    if (m_slider) {
        m_slider->removeEventFilter(this);
        disconnect(m_slider, nullptr, this, nullptr);
    }
    m_slider = slider;
    if (!slider)
        return;
    slider->installEventFilter(this);
    connect(slider, &QSlider::rangeChanged, this, &SpectrumChart::alignHourSlider);
    alignHourSlider();
}

void SpectrumChart::alignHourSlider()
{
    QSlider *slider = m_slider;
    if (!slider || m_aligning || !slider->parentWidget() ||
        slider->orientation() != Qt::Horizontal || slider->maximum() <= slider->minimum())
        return;

    // Where the style puts the handle's centre at the two ends, from the slider's left edge.
    // Between the ends it moves in proportion, and only the span between the ends depends on
    // the slider's width.
    QStyleOptionSlider option;
    option.initFrom(slider);
    option.orientation = Qt::Horizontal;
    option.state |= QStyle::State_Horizontal;
    option.minimum = slider->minimum();
    option.maximum = slider->maximum();
    option.tickPosition = slider->tickPosition();
    option.tickInterval = slider->tickInterval();
    option.upsideDown = slider->invertedAppearance() != (option.direction == Qt::RightToLeft);
    option.direction = Qt::LeftToRight;
    if (option.upsideDown)
        return; // hours that run right to left cannot stand under these bars
    auto handleCentre = [&](int value) {
        option.sliderPosition = option.sliderValue = value;
        const QRect handle = slider->style()->subControlRect(QStyle::CC_Slider, &option,
                                                             QStyle::SC_SliderHandle, slider);
        return handle.left() + handle.width() / 2.0;
    };
    const double startOffset = handleCentre(option.minimum);
    const double endOffset = slider->width() - handleCentre(option.maximum);

    QWidget *parent = slider->parentWidget();
    const double origin = parent->mapFromGlobal(mapToGlobal(QPoint(0, 0))).x();
    const double first = origin + hourPosition(option.minimum);
    const double last = origin + hourPosition(option.maximum);
    const int left = int(std::lround(first - startOffset));
    const int right = int(std::lround(last + endOffset));
    const QRect wanted(left, slider->y(), right - left, slider->height());
    if (wanted == slider->geometry())
        return;
    m_aligning = true;
    slider->setGeometry(wanted);
    m_aligning = false;
}

QSize SpectrumChart::sizeHint() const
{
    return QSize(300, 130);
}

QSize SpectrumChart::minimumSizeHint() const
{
    const QFontMetrics metrics(font());
    return QSize(kBands * 12 + 4 * metrics.averageCharWidth(), 4 * metrics.height());
}

void SpectrumChart::describe()
{
    const QLocale locale;
    QStringList parts;
    for (int band = 0; band < kBands; ++band) {
        parts << QStringLiteral("%1–%2 h: %3%4")
                     .arg(twoDigits(2 * band), twoDigits(2 * band + 2),
                          valueText(m_values[band], locale), m_suffix);
    }
    setAccessibleDescription(parts.join(QStringLiteral("; ")));
}

void SpectrumChart::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), palette().color(QPalette::Base));
    const QRect plot = plotRect();
    if (plot.isEmpty())
        return;

    // The scale: a grid line and a label at each step.
    const Scale s = scale();
    const QStringList labels = scaleLabels(s);
    const QFontMetrics metrics(font());
    painter.setFont(font());
    for (int i = 0; i < labels.size(); ++i) {
        const int y = plot.bottom() + 1 - int(std::lround(i * s.step / s.top * plot.height()));
        if (i > 0) {
            painter.setPen(kGrid);
            painter.drawLine(plot.left(), y, plot.right(), y);
        }
        painter.setPen(kAxis);
        painter.drawLine(plot.left() - kTick, y, plot.left() - 1, y);
        painter.setPen(palette().color(QPalette::Text));
        const QRect labelRect(0, y - metrics.height() / 2, plot.left() - kTick - kGap,
                              metrics.height());
        painter.drawText(labelRect, Qt::AlignRight | Qt::AlignVCenter, labels[i]);
    }

    for (int band = 0; band < kBands; ++band)
        painter.fillRect(barRect(band), m_barColor);

    painter.setPen(kAxis);
    painter.drawLine(plot.left() - 1, plot.top(), plot.left() - 1, plot.bottom() + 1);
    painter.drawLine(plot.left() - 1, plot.bottom() + 1, plot.right(), plot.bottom() + 1);

    painter.setPen(palette().color(QPalette::Text));
    painter.setFont(markFont());
    for (int band = 0; band < kBands; ++band)
        painter.drawText(hourMarkRect(band), Qt::AlignCenter, m_marks[band]);
}

void SpectrumChart::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    alignHourSlider();
}

void SpectrumChart::moveEvent(QMoveEvent *event)
{
    QWidget::moveEvent(event);
    alignHourSlider();
}

void SpectrumChart::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    alignHourSlider();
}

void SpectrumChart::changeEvent(QEvent *event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::FontChange || event->type() == QEvent::StyleChange) {
        updateGeometry();
        alignHourSlider();
        update();
    }
}

bool SpectrumChart::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_slider) {
        switch (event->type()) {
        case QEvent::Move:
        case QEvent::Resize:
        case QEvent::Show:
        case QEvent::StyleChange:
        case QEvent::LayoutDirectionChange:
            alignHourSlider();
            break;
        default:
            break;
        }
    }
    return QWidget::eventFilter(watched, event);
}
