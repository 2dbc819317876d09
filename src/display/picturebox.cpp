#include "display/picturebox.h"

#include <QMouseEvent>
#include <QPainter>

PictureBox::PictureBox(QWidget *parent) : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent, false);
}

void PictureBox::setPicture(const QPixmap &picture)
{
    if (picture.cacheKey() == m_picture.cacheKey())
        return;
    m_picture = picture;
    ++m_changes;
    update();
}

void PictureBox::setBorderStyle(int style)
{
    if (style == m_borderStyle)
        return;
    m_borderStyle = style;
    update();
}

void PictureBox::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    if (!m_picture.isNull()) {
        // A picture made at the box's size is copied as it is (the painter's quickest path,
        // which matters for the wheels and the moving pictures, drawn dozens of times a
        // second); any other is scaled to fill the box.
        if (m_picture.deviceIndependentSize() == QSizeF(size())) {
            painter.drawPixmap(QPoint(0, 0), m_picture);
        } else {
            painter.setRenderHint(QPainter::SmoothPixmapTransform);
            painter.drawPixmap(rect(), m_picture);
        }
    }
    if (m_borderStyle == 1) {
        painter.setPen(QPen(palette().color(QPalette::WindowText), 1));
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
    }
}

void PictureBox::mouseMoveEvent(QMouseEvent *event)
{
    emit mouseMoved();
    QWidget::mouseMoveEvent(event);
}

void PictureBox::mousePressEvent(QMouseEvent *event)
{
    emit mousePressed();
    QWidget::mousePressEvent(event);
}

void PictureBox::mouseReleaseEvent(QMouseEvent *event)
{
    emit mouseReleased();
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
    QWidget::mouseReleaseEvent(event);
}
