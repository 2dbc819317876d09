#pragma once

#include <QColor>
#include <QPointer>
#include <QStringList>
#include <QWidget>

#include <array>

class QSlider;

// The risk spectrum of a day: 12 bars, one per two-hour band (bar b covers hours 2b and
// 2b + 1), a value scale on the left and the hour marks drawn by the chart itself, each
// centred under its own bar. The geometry is public so that a window can line an hour slider
// up with the bars (setHourSlider) and tests can check what stands under what.
class SpectrumChart : public QWidget
{
    Q_OBJECT

public:
    static constexpr int kBands = 12;
    using Values = std::array<double, kBands>;

    explicit SpectrumChart(QWidget *parent = nullptr);
    ~SpectrumChart() override;

    // The 12 bar values, band 0 (00–02 h) first. Negative or non-finite values show as 0.
    void setValues(const Values &values);
    const Values &values() const { return m_values; }

    void setBarColor(const QColor &color);
    QColor barColor() const { return m_barColor; }
    // The part of each band's slot that its bar fills, kept within 0.7 to 1 so that both
    // hours of a band fall on the bar.
    void setBarWidth(qreal fraction);
    qreal barWidth() const { return m_barWidth; }
    // Steps of the scale between 0 and its top; the top is a round number above the highest
    // bar (10 while every bar is 0).
    void setScaleDivisions(int divisions);
    double scaleTop() const;
    // Written after each value in the text read out by assistive technology.
    void setValueSuffix(const QString &suffix);

    // One text per band, drawn centred under its bar; an empty text leaves the band unmarked.
    // By default the first hour of each band: "0", "2", ..., "22".
    void setHourMarks(const QStringList &marks);
    QStringList hourMarks() const { return m_marks; }

    // Geometry in the chart's own coordinates.
    QRect plotRect() const;
    QRect barRect(int band) const;
    QRect hourMarkRect(int band) const;
    // Where hour h of the day stands: the even hour of a band on the left half of its bar,
    // the odd hour on the right half. Hours outside 0..23 continue the same spacing.
    int hourToX(int hour) const;

    // Keeps a horizontal slider whose value is the hour of the day under the bars: its left
    // edge and width are set so that the handle at value h stands at hourToX(h); its top and
    // height stay. Done again whenever the chart or the slider moves or is resized, so a
    // window may keep placing the slider by its own rule. nullptr lets the slider go.
    void setHourSlider(QSlider *slider);
    void alignHourSlider();

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void moveEvent(QMoveEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void changeEvent(QEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    struct Scale
    {
        double top;
        double step;
        int decimals;
    };
    Scale scale() const;
    QStringList scaleLabels(const Scale &scale) const;
    double slotWidth() const;
    double hourPosition(double hour) const;
    QFont markFont() const;
    void describe();

    Values m_values{};
    QStringList m_marks;
    QColor m_barColor{200, 30, 30};
    qreal m_barWidth = 0.9;
    int m_divisions = 4;
    QString m_suffix = QStringLiteral("%");
    QPointer<QSlider> m_slider;
    bool m_aligning = false;
};
