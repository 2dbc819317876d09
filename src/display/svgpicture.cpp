#include "display/svgpicture.h"

#include <QCache>
#include <QCoreApplication>
#include <QHash>
#include <QPainter>
#include <QPointer>
#include <QStringList>
#include <QSvgRenderer>
#include <QTimer>

#include <algorithm>

#ifdef __GLIBC__
#include <malloc.h>
#endif

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

// A resize renders every picture anew at each size it passes through; a second after the last
// new picture the sizes have settled, and what no widget holds any more is dropped.
constexpr int kSettleMs = 1000;

// The cache keys of each picture (resource and ratio) the cache may hold, in the order they
// were last asked for: the last is the newest size. QCache lists no entries, so the drops go
// through these.
QHash<QString, QStringList> &sizesOfPicture()
{
    static QHash<QString, QStringList> keys;
    return keys;
}

qint64 bytesOf(const QPixmap &pixmap)
{
    return qint64(pixmap.width()) * pixmap.height() * ((pixmap.depth() + 7) / 8);
}

QTimer *dropTimer();

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
    sizesOfPicture().clear();
    if (QTimer *timer = svgPictureSettleTimer())
        timer->stop();
    if (QTimer *timer = dropTimer())
        timer->stop();
}

QTimer *svgPictureSettleTimer()
{
    static QPointer<QTimer> timer;
    if (!timer && QCoreApplication::instance()) {
        // Owned by the application, so that it never outlives it.
        timer = new QTimer(QCoreApplication::instance());
        timer->setSingleShot(true);
        timer->setInterval(kSettleMs);
        QObject::connect(timer, &QTimer::timeout, timer, &settleSvgPictureCache);
    }
    return timer;
}

namespace {

// The pictures that only the cache holds, except the newest size of each picture.
void dropUnheldPictures()
{
    for (QStringList &sizes : sizesOfPicture()) {
        for (qsizetype i = 0; i < sizes.size();) {
            const QPixmap *pixmap = cache().object(sizes.at(i));
            // A pixmap that is not detached is shared: a widget shows it.
            if (pixmap && (i == sizes.size() - 1 || !pixmap->isDetached())) {
                ++i;
                continue;
            }
            cache().remove(sizes.at(i));
            sizes.removeAt(i);
        }
    }
}

// Started by each newly rendered picture, run once the event that asked for it is over: by
// then the widgets hold their new pictures and the sizes they left can go, so a long resize
// never holds more than the size shown and the one being drawn.
QTimer *dropTimer()
{
    static QPointer<QTimer> timer;
    if (!timer && QCoreApplication::instance()) {
        timer = new QTimer(QCoreApplication::instance());
        timer->setSingleShot(true);
        timer->setInterval(0);
        QObject::connect(timer, &QTimer::timeout, timer, &dropUnheldPictures);
    }
    return timer;
}

} // namespace

void settleSvgPictureCache()
{
    dropUnheldPictures();
#ifdef __GLIBC__
    // The pictures' memory goes back to the system, not only to the allocator's free lists.
    malloc_trim(0);
#endif
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
    QStringList &sizes = sizesOfPicture()[resource + u'@' + QString::number(devicePixelRatio)];
    if (const QPixmap *found = cache().object(key)) {
        // The newest size of this picture from now on.
        sizes.removeOne(key);
        sizes.append(key);
        return *found;
    }

    // A new size of this picture: its other sizes that no widget holds any more are ones a
    // resize has passed. The size just before is usually still shown (the widget takes the
    // new picture after this call) and goes at the next new size, so a long resize keeps two
    // sizes of each picture, not every size it passed.
    for (qsizetype i = 0; i < sizes.size();) {
        const QPixmap *before = cache().object(sizes.at(i));
        if (before && !before->isDetached()) {
            ++i;
            continue;
        }
        cache().remove(sizes.at(i));
        sizes.removeAt(i);
    }
    sizes.append(key);
    if (QTimer *timer = svgPictureSettleTimer())
        timer->start();
    if (QTimer *timer = dropTimer(); timer && !timer->isActive())
        timer->start();

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
