#include "display/noticelabel.h"

#include <QFontInfo>
#include <QFontMetrics>
#include <QHelpEvent>
#include <QPainter>
#include <QToolTip>

#include <algorithm>

NoticeLabel::NoticeLabel(QWidget *parent) : QLabel(parent)
{
    setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
}

const NoticeLabel::Fit &NoticeLabel::fit() const
{
    const QRect area = contentsRect();
    const bool sameSpace = m_fitKnown && m_fit.area == area.size() && m_fit.font == font() &&
                           m_fit.alignment == alignment();
    if (sameSpace && m_fit.text == text())
        return m_fit;
    // The running count changes the panel's text at every recount, by a digit or two: the size
    // it was fitted in is tried first.
    const int before = sameSpace && m_fit.wraps ? QFontInfo(m_fit.fitted).pixelSize() : 0;
    m_fit = {text(), area.size(), font(), alignment(), false, font()};
    m_fitKnown = true;
    m_fit.wraps = !text().isEmpty() && fontMetrics().horizontalAdvance(text()) > area.width();
    if (!m_fit.wraps)
        return m_fit;
    QFont &fitted = m_fit.fitted;
    const int largest = QFontInfo(fitted).pixelSize();
    const auto fitsAt = [&](int size) {
        fitted.setPixelSize(size);
        const QRect needed =
            QFontMetrics(fitted).boundingRect(area, int(alignment()) | Qt::TextWordWrap, text());
        return needed.width() <= area.width() && needed.height() <= area.height();
    };
    if (before >= kSmallestPixelSize && before < largest && !fitsAt(before + 1) && fitsAt(before))
        return m_fit;
    for (int size = largest; size >= kSmallestPixelSize; --size) {
        if (fitsAt(size))
            break;
    }
    return m_fit;
}

bool NoticeLabel::wraps() const
{
    return fit().wraps;
}

QFont NoticeLabel::fittedFont() const
{
    return fit().fitted;
}

// The panel takes the width its bar gives it: a long notice wraps instead of pushing the
// panels beside it out.
QSize NoticeLabel::minimumSizeHint() const
{
    return {0, QLabel::minimumSizeHint().height()};
}

bool NoticeLabel::event(QEvent *event)
{
    if (event->type() == QEvent::ToolTip && toolTip().isEmpty() && !text().isEmpty()) {
        QToolTip::showText(static_cast<QHelpEvent *>(event)->globalPos(), text(), this);
        return true;
    }
    return QLabel::event(event);
}

void NoticeLabel::paintEvent(QPaintEvent *event)
{
    if (!wraps()) {
        QLabel::paintEvent(event);
        return;
    }
    QPainter painter(this);
    painter.setFont(fittedFont());
    painter.setPen(palette().color(foregroundRole()));
    painter.drawText(contentsRect(), int(alignment()) | Qt::TextWordWrap, text());
}
