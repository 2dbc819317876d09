#include "windows/Configurador/editorpictures.h"

#include <QPainter>
#include <QPainterPath>

namespace {

void drawCheck(QPainter &p)
{
    p.setPen(QPen(QColor(20, 130, 40), 7, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    QPainterPath tick;
    tick.moveTo(14, 34);
    tick.lineTo(27, 47);
    tick.lineTo(50, 17);
    p.drawPath(tick);
}

void drawClear(QPainter &p)
{
    p.setPen(QPen(QColor(60, 60, 60), 2));
    p.setBrush(QColor(240, 240, 240));
    p.drawRoundedRect(QRectF(12, 10, 40, 44), 4, 4);
    p.setPen(QPen(QColor(190, 30, 30), 6, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(22, 22), QPointF(42, 42));
    p.drawLine(QPointF(42, 22), QPointF(22, 42));
}

void drawSave(QPainter &p)
{
    p.setPen(QPen(QColor(20, 40, 90), 2));
    p.setBrush(QColor(40, 80, 160));
    p.drawRoundedRect(QRectF(10, 10, 44, 44), 4, 4);
    p.setBrush(QColor(235, 235, 235));
    p.drawRect(QRectF(18, 12, 28, 16));
    p.setBrush(QColor(20, 40, 90));
    p.drawRect(QRectF(36, 14, 6, 11));
    p.setBrush(QColor(250, 250, 250));
    p.drawRect(QRectF(17, 36, 30, 16));
}

void drawHandOver(QPainter &p)
{
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(200, 120, 0));
    QPainterPath arrow;
    arrow.moveTo(10, 24);
    arrow.lineTo(34, 24);
    arrow.lineTo(34, 12);
    arrow.lineTo(56, 32);
    arrow.lineTo(34, 52);
    arrow.lineTo(34, 40);
    arrow.lineTo(10, 40);
    arrow.closeSubpath();
    p.drawPath(arrow);
}

} // namespace

QPixmap editorButtonPicture(int index, QSize size, qreal devicePixelRatio)
{
    QPixmap picture(size * devicePixelRatio);
    picture.setDevicePixelRatio(devicePixelRatio);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    // Drawn on a 64 x 64 grid.
    painter.scale(size.width() / 64.0, size.height() / 64.0);
    switch (index) {
    case 0:
        drawCheck(painter);
        break;
    case 1:
        drawClear(painter);
        break;
    case 2:
        drawSave(painter);
        break;
    default:
        drawHandOver(painter);
        break;
    }
    return picture;
}
