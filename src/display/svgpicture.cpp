#include "display/svgpicture.h"

#include <QCache>
#include <QPainter>
#include <QSvgRenderer>

#include <algorithm>

namespace {

// Every picture of the program at its own size takes about 1.7 MB, at two and a half times
// it about 11 MB; one window size of the main window needs far less than either. Pictures
// asked least recently (those of sizes no longer shown) go first.
constexpr qint64 kBudgetBytes = 24LL * 1024 * 1024;
QCache<QString, QPixmap> &cache()
{
    static QCache<QString, QPixmap> pictures(kBudgetBytes);
    return pictures;
}

qint64 bytesOf(const QPixmap &pixmap)
{
    return qint64(pixmap.width()) * pixmap.height() * ((pixmap.depth() + 7) / 8);
}

} // namespace

qint64 svgPictureCacheBudget()
{
    return kBudgetBytes;
}

qint64 svgPictureCacheBytes()
{
    return cache().totalCost();
}

void clearSvgPictureCache()
{
    cache().clear();
}

QPixmap svgPicture(const QString &resource, QSize size, qreal devicePixelRatio)
{
    if (size.isEmpty())
        return {};
    const QString key = QStringLiteral("%1@%2x%3@%4")
                            .arg(resource)
                            .arg(size.width())
                            .arg(size.height())
                            .arg(devicePixelRatio);
    if (const QPixmap *found = cache().object(key)) // also marks it as the newest
        return *found;

    QPixmap pixmap;
    QSvgRenderer renderer(resource);
    if (renderer.isValid()) {
        pixmap = QPixmap(size * devicePixelRatio);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        renderer.render(&painter);
        painter.end();
        pixmap.setDevicePixelRatio(devicePixelRatio);
    }
    // At least one byte, so that even unreadable pictures count toward the budget. A
    // picture larger than the whole budget is handed out but not kept.
    cache().insert(key, new QPixmap(pixmap), std::max<qint64>(1, bytesOf(pixmap)));
    return pixmap;
}
