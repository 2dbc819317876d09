#pragma once

#include <QPixmap>
#include <QSize>
#include <QString>

class QTimer;

// Renders a picture resource (SVG) at a size in device-independent pixels, crisp at the
// given device pixel ratio. Rendered pictures are cached, so asking again is cheap and
// returns the same pixmap (same cacheKey) while it stays in the cache. The cache holds the
// most recently asked pictures up to a budget in bytes (svgPictureCacheBudget), far more
// than one window size needs. Pictures that no widget holds are dropped, except the newest
// size asked for of each picture, as soon as the event that asked for new pictures is over,
// so a resize holds no more than the size shown and the one being drawn; once no new picture
// has been asked for a second (the resize has settled) the memory goes back to the system.
QPixmap svgPicture(const QString &resource, QSize size, qreal devicePixelRatio = 1.0);

// The cache's budget and what it holds now, in bytes of pixel data.
qint64 svgPictureCacheBudget();
qint64 svgPictureCacheBytes();

// The single-shot timer started by each newly rendered picture; its timeout settles the cache.
QTimer *svgPictureSettleTimer();
// Drops the pictures that only the cache holds, except the newest size of each picture.
void settleSvgPictureCache();

// Empties the cache; called when the application is about to quit, so that no pixmap
// outlives the application object.
void clearSvgPictureCache();
