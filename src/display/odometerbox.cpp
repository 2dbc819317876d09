#include "display/odometerbox.h"

#include <QLinearGradient>
#include <QPainter>

OdometerBox::OdometerBox(QWidget *parent) : QFrame(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void OdometerBox::paintEvent(QPaintEvent *)
{
    // Darkest at the edges, as the inside of a housing lit from the front.
    QPainter painter(this);
    QLinearGradient shade(0, 0, 0, height());
    shade.setColorAt(0.0, QColor(8, 8, 10));
    shade.setColorAt(0.5, QColor(34, 34, 38));
    shade.setColorAt(1.0, QColor(8, 8, 10));
    painter.fillRect(rect(), shade);
}

void OdometerBox::resizeEvent(QResizeEvent *event)
{
    QFrame::resizeEvent(event);
    emit resized();
}
