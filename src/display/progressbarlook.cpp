#include "display/progressbarlook.h"

#include <QApplication>
#include <QPainter>
#include <QProgressBar>
#include <QStyle>

#include <algorithm>

QStyleOptionProgressBar progressBarOption(const QProgressBar *bar)
{
    QStyleOptionProgressBar option;
    option.initFrom(bar);
    if (bar->orientation() == Qt::Horizontal)
        option.state |= QStyle::State_Horizontal;
    option.minimum = bar->minimum();
    option.maximum = bar->maximum();
    option.progress = bar->value();
    option.textAlignment = bar->alignment();
    option.textVisible = bar->isTextVisible();
    option.text = bar->text();
    option.invertedAppearance = bar->invertedAppearance();
    option.bottomToTop = bar->textDirection() == QProgressBar::BottomToTop;
    return option;
}

// Fusion fills progress * span / range pixels of the contents (integer division), the span
// being the contents' width, or height when upright; the rest of its drawing does not move
// with the value. Other styles may draw steps, text or animations of their own.
std::optional<int> filledLength(const QProgressBar *bar)
{
    const QStyle *style = bar->style();
    if (style->name().compare(QLatin1String("fusion"), Qt::CaseInsensitive) != 0 ||
        !bar->styleSheet().isEmpty() || !qApp->styleSheet().isEmpty() || bar->isTextVisible() ||
        (bar->minimum() == 0 && bar->maximum() == 0))
        return std::nullopt;
    const QStyleOptionProgressBar option = progressBarOption(bar);
    const QRect contents = style->subElementRect(QStyle::SE_ProgressBarContents, &option, bar);
    const qint64 span = bar->orientation() == Qt::Horizontal ? contents.width() : contents.height();
    const qint64 steps = std::max<qint64>(bar->value(), bar->minimum()) - bar->minimum();
    const qint64 range = std::max<qint64>(1, qint64(bar->maximum()) - bar->minimum());
    return int(steps * span / range);
}

QPixmap progressBarPicture(const QProgressBar *bar)
{
    const qreal ratio = bar->devicePixelRatioF();
    QPixmap picture(bar->size() * ratio);
    picture.setDevicePixelRatio(ratio);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.setFont(bar->font());
    painter.setPen(bar->palette().color(bar->foregroundRole()));
    const QStyleOptionProgressBar option = progressBarOption(bar);
    bar->style()->drawControl(QStyle::CE_ProgressBar, &option, &painter, bar);
    return picture;
}
