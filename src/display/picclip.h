#pragma once

#include <QList>
#include <QPixmap>
#include <QSize>
#include <QString>

#include <memory>

class QSvgRenderer;

// A picture cut into one row of equal cells, each handed out by index, as the odometer's
// digit strips need. The whole row is rendered once per cell size and pixel ratio and kept,
// so asking for cells again at that size costs nothing and returns the same pixmaps.
class PicClip
{
public:
    explicit PicClip(const QString &resource, int columns = 10);
    ~PicClip();
    PicClip(PicClip &&) noexcept;
    PicClip &operator=(PicClip &&) noexcept;
    Q_DISABLE_COPY(PicClip)

    QString resource() const { return m_resource; }
    int columns() const { return m_columns; }
    // False when the picture could not be read: every cell is then a null pixmap.
    bool isValid() const;

    // Cell i (0 = leftmost) at a size in device-independent pixels, crisp at the given
    // device pixel ratio. A null pixmap for an index outside the row or an empty size.
    QPixmap cell(int i, QSize size, qreal dpr = 1.0) const;

    // How many times the row has been rendered (each new size or ratio renders once).
    int renderCount() const { return m_renderCount; }

private:
    struct Row
    {
        QSize size;
        qreal dpr = 1.0;
        QList<QPixmap> cells;
    };
    const Row *row(QSize size, qreal dpr) const;

    QString m_resource;
    int m_columns;
    std::unique_ptr<QSvgRenderer> m_renderer;
    // The wheels of one odometer show one size; the pixmaps they show keep a row gone by
    // alive until they are handed the new size's cells.
    static constexpr int MaxRows = 1;
    mutable QList<Row> m_rows;
    mutable int m_renderCount = 0;
};
