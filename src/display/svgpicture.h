#pragma once

#include <QPixmap>
#include <QSize>
#include <QString>

// Renders a picture resource (SVG) at a size in device-independent pixels, crisp at the
// given device pixel ratio. Rendered pictures are cached, so asking again is cheap and
// returns the same pixmap (same cacheKey).
QPixmap svgPicture(const QString &resource, QSize size, qreal devicePixelRatio = 1.0);
