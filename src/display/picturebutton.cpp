#include "display/picturebutton.h"

#include <QKeyEvent>
#include <QPainter>
#include <QStyleOptionFocusRect>
#include <QStylePainter>

PictureButton::PictureButton(QWidget *parent) : QAbstractButton(parent)
{
    setFocusPolicy(Qt::StrongFocus);
    setMouseTracking(true);
    setCursor(Qt::PointingHandCursor);
}

void PictureButton::setPicture(const QPixmap &picture)
{
    if (picture.cacheKey() == m_picture.cacheKey())
        return;
    m_picture = picture;
    update();
}

void PictureButton::setBorderStyle(int style)
{
    if (style == m_borderStyle)
        return;
    m_borderStyle = style;
    update();
}

void PictureButton::setAppearance(int appearance)
{
    if (appearance == m_appearance)
        return;
    m_appearance = appearance;
    update();
}

void PictureButton::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    QRect area = rect();
    if (m_appearance == 0)
        area.translate(1, 1); // flat: the picture sinks a little while pressed
    if (!m_picture.isNull())
        painter.drawPixmap(area.adjusted(1, 1, -1, -1), m_picture);
    if (m_appearance == 0) {
        painter.setPen(QColor(0, 0, 0, 90));
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
    }
    if (m_borderStyle == 1) {
        painter.setPen(QPen(QColor(255, 210, 0), 2));
        painter.drawRect(rect().adjusted(1, 1, -1, -1));
    }
    if (hasFocus()) {
        QStyleOptionFocusRect option;
        option.initFrom(this);
        option.rect = rect().adjusted(2, 2, -2, -2);
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &option, &painter, this);
    }
}

void PictureButton::mouseMoveEvent(QMouseEvent *event)
{
    emit mouseMoved();
    QAbstractButton::mouseMoveEvent(event);
}

void PictureButton::mousePressEvent(QMouseEvent *event)
{
    emit mousePressed();
    QAbstractButton::mousePressEvent(event);
}

void PictureButton::mouseReleaseEvent(QMouseEvent *event)
{
    emit mouseReleased();
    QAbstractButton::mouseReleaseEvent(event);
}

void PictureButton::keyPressEvent(QKeyEvent *event)
{
    // Enter activates too, as Space does for every button.
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        animateClick();
        return;
    }
    QAbstractButton::keyPressEvent(event);
}
