#pragma once

#include <QObject>
#include <QString>

#include <array>

class SpectrumChart;
struct HourlyPattern;

// The bars of a window's count (MSChart3): the pattern in use's shares over
// the day's twelve two-hour bands, a flat spectrum at the hour's figure when the pattern is
// switched off, and no bars after a reset. changed() says when the bars were drawn anew.
class DayBandsChart : public QObject
{
    Q_OBJECT

public:
    DayBandsChart(SpectrumChart *chart, QObject *parent);

    void showPattern(const HourlyPattern &pattern);
    // Every band at the figure of the hour, as its field shows it.
    void showFlat(const QString &hourlyText);
    void clear();
    std::array<double, 12> values() const;

signals:
    void changed();

private:
    void setBars(const std::array<double, 12> &values);

    SpectrumChart *m_chart;
};
