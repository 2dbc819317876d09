#include "display/twipsscale.h"

#include <QFont>
#include <QWidget>

#include <algorithm>

double TwipsScale::fitting(QSize twips, QSize pixels)
{
    if (twips.isEmpty() || pixels.isEmpty())
        return 0;
    return std::min(pixels.width() / (twips.width() / TwipsPerPixel),
                    pixels.height() / (twips.height() / TwipsPerPixel));
}

int TwipsScale::px(double twips) const
{
    return qRound(twips / TwipsPerPixel * m_factor);
}

QSize TwipsScale::px(QSize twips) const
{
    return {px(twips.width()), px(twips.height())};
}

int TwipsScale::twips(int pixels) const
{
    return qRound(pixels * TwipsPerPixel / m_factor);
}

QRect TwipsScale::pixelRect(const QWidget *widget, const QRect &twips) const
{
    if (m_originRoot && widget->parentWidget() == m_originRoot) {
        const int x = px(m_origin.x() + twips.x()) - px(m_origin.x());
        const int y = px(m_origin.y() + twips.y()) - px(m_origin.y());
        return {x, y, px(twips.width()), px(twips.height())};
    }
    return {px(twips.x()), px(twips.y()), px(twips.width()), px(twips.height())};
}

void TwipsScale::place(QWidget *widget, const QRect &twips)
{
    m_placed.insert(widget, {widget, twips});
    widget->setGeometry(pixelRect(widget, twips));
}

void TwipsScale::place(QWidget *widget, int left, int top, int width, int height)
{
    place(widget, QRect(left, top, width, height));
}

QRect TwipsScale::geometry(const QWidget *widget) const
{
    return m_placed.value(widget).twips;
}

void TwipsScale::setOrigin(const QWidget *root, QPoint twips)
{
    m_originRoot = root;
    m_origin = twips;
}

void TwipsScale::setFontScale(QWidget *widget, double size, bool bold)
{
    m_fonts.insert(widget, {widget, size, bold});
}

void TwipsScale::apply(QWidget *root, int baseFontTwips)
{
    for (const Placed &placed : std::as_const(m_placed)) {
        if (placed.widget)
            placed.widget->setGeometry(pixelRect(placed.widget, placed.twips));
    }
    if (!root || baseFontTwips <= 0)
        return;
    QFont base = root->font();
    base.setPixelSize(std::max(8, px(baseFontTwips)));
    root->setFont(base);
    for (const FontScale &scaled : std::as_const(m_fonts)) {
        if (!scaled.widget)
            continue;
        QFont font = base;
        font.setPixelSize(std::max(8, qRound(base.pixelSize() * scaled.size)));
        font.setBold(scaled.bold);
        scaled.widget->setFont(font);
    }
}
