#include "display/picclip.h"

#include <QImage>
#include <QPainter>
#include <QSvgRenderer>

#include <cmath>

PicClip::PicClip(const QString &resource, int columns)
    : m_resource(resource), m_columns(std::max(columns, 1)),
      m_renderer(std::make_unique<QSvgRenderer>(resource))
{
}

PicClip::~PicClip() = default;
PicClip::PicClip(PicClip &&) noexcept = default;
PicClip &PicClip::operator=(PicClip &&) noexcept = default;

bool PicClip::isValid() const
{
    return m_renderer && m_renderer->isValid();
}

QPixmap PicClip::cell(int i, QSize size, qreal dpr) const
{
    if (i < 0 || i >= m_columns)
        return {};
    const Row *found = row(size, dpr);
    return found ? found->cells.at(i) : QPixmap();
}

const PicClip::Row *PicClip::row(QSize size, qreal dpr) const
{
    if (size.isEmpty() || !(dpr > 0) || !isValid())
        return nullptr;
    for (int k = 0; k < m_rows.size(); ++k) {
        if (m_rows.at(k).size == size && qFuzzyCompare(m_rows.at(k).dpr, dpr)) {
            if (k != m_rows.size() - 1)
                m_rows.move(k, m_rows.size() - 1);
            return &m_rows.constLast();
        }
    }

    // The whole row at once, at exactly columns x cell width device pixels, so every cell
    // boundary falls on a pixel boundary whatever the picture's own width.
    const int w = std::max(1, int(std::lround(size.width() * dpr)));
    const int h = std::max(1, int(std::lround(size.height() * dpr)));
    QImage image(w * m_columns, h, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    m_renderer->render(&painter, QRectF(0, 0, image.width(), image.height()));
    painter.end();
    ++m_renderCount;

    Row fresh{size, dpr, {}};
    fresh.cells.reserve(m_columns);
    for (int c = 0; c < m_columns; ++c) {
        QPixmap pixmap = QPixmap::fromImage(image.copy(c * w, 0, w, h));
        pixmap.setDevicePixelRatio(dpr);
        fresh.cells.append(pixmap);
    }
    if (m_rows.size() >= MaxRows)
        m_rows.removeFirst();
    m_rows.append(std::move(fresh));
    return &m_rows.constLast();
}
