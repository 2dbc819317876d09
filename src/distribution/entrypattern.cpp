#include "distribution/entrypattern.h"

#include "core/numbermask.h"
#include "distribution/distributionmodel.h"
#include "distribution/hourlyexpansion.h"
#include "distribution/intervallayout.h"

#include <algorithm>

namespace {

HourlyPattern makePattern(const QString &name, int intervals, const QList<double> &shares)
{
    return HourlyPattern{name, shares, expandHourly(intervals, shares)};
}

} // namespace

std::optional<HourlyPattern> patternForEntry(const QList<PatternRow> &rows, const QString &name)
{
    if (name.isEmpty())
        return std::nullopt; // a pattern needs a name to be checked
    const auto found = std::find_if(rows.cbegin(), rows.cend(),
                                    [&](const PatternRow &row) { return row.value(0) == name; });
    if (found == rows.cend())
        return std::nullopt;

    // The stored values run up to the first empty cell, as the editor loads them.
    QStringList values;
    for (int column = 1; column <= DistributionFile::kValueColumns; ++column) {
        const QString value = found->value(column);
        if (value.isEmpty())
            break;
        values << value;
    }
    const std::optional<int> position = IntervalLayout::positionForValueCount(int(values.size()));
    if (!position)
        return std::nullopt;
    const int intervals = IntervalLayout::intervalCount(*position);
    if (values.size() < intervals)
        return std::nullopt; // the layout's last cell is empty

    double total = 0.0;
    for (const QString &value : std::as_const(values)) {
        if (!isDigitsOnly(value))
            return std::nullopt;
        total += QLocale::c().toDouble(value);
    }
    if (total <= 0.0)
        return std::nullopt;

    // Each share as its caption shows it: the percentage rounded to hundredths.
    QList<double> shares;
    for (int i = 0; i < intervals; ++i) {
        const double percent = QLocale::c().toDouble(values[i]) / total * 100.0;
        shares << QLocale::c().toDouble(formatMask(percent, u"#0.00", QLocale::c()));
    }
    return makePattern(name, intervals, shares);
}

HourlyPattern patternInEditor(const DistributionModel &editor)
{
    const int intervals = editor.intervalCount();
    QStringList captions;
    for (int i = 0; i < intervals; ++i)
        captions << editor.Percentual(i);
    return makePattern(editor.Tipo(), intervals, sharesFromCaptions(captions, intervals));
}
