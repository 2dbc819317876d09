#include "display/odometerbox.h"

#include <QAccessibleWidget>
#include <QLinearGradient>
#include <QPainter>

namespace {

// A view may place the housing partly outside what it shows (the presentation cuts the
// leading wheels a small count does not need): a magnifier or a flat review follows the
// accessible extents, so they are the part that is drawn, not the whole housing.
class DrawnPartAccessible : public QAccessibleWidget
{
public:
    explicit DrawnPartAccessible(QWidget *widget) : QAccessibleWidget(widget, QAccessible::Border)
    {
    }

    QRect rect() const override
    {
        const QWidget *w = widget();
        if (!w->isVisible())
            return QRect();
        QRect drawn(w->mapToGlobal(QPoint(0, 0)), w->size());
        for (const QWidget *p = w->parentWidget(); p && !drawn.isEmpty(); p = p->parentWidget())
            drawn &= QRect(p->mapToGlobal(QPoint(0, 0)), p->size());
        return drawn;
    }
};

QAccessibleInterface *housingAccessible(const QString &key, QObject *object)
{
    if (key == QLatin1String("OdometerBox") && object && object->isWidgetType())
        return new DrawnPartAccessible(static_cast<QWidget *>(object));
    return nullptr;
}

} // namespace

OdometerBox::OdometerBox(QWidget *parent) : QFrame(parent)
{
    static const bool factoryInstalled = [] {
        QAccessible::installFactory(housingAccessible);
        return true;
    }();
    Q_UNUSED(factoryInstalled);
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
