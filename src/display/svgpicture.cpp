#include "display/svgpicture.h"

#include <QHash>
#include <QPainter>
#include <QSvgRenderer>

QPixmap svgPicture(const QString &resource, QSize size, qreal devicePixelRatio)
{
    static QHash<QString, QPixmap> cache;
    if (size.isEmpty())
        return {};
    const QString key = QStringLiteral("%1@%2x%3@%4")
                            .arg(resource)
                            .arg(size.width())
                            .arg(size.height())
                            .arg(devicePixelRatio);
    const auto found = cache.constFind(key);
    if (found != cache.cend())
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
    cache.insert(key, pixmap);
    return pixmap;
}
