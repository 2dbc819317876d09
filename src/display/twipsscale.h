#pragma once

#include <QHash>
#include <QPoint>
#include <QPointer>
#include <QRect>
#include <QSize>

class QWidget;

// Positions, sizes and text heights kept in twips (15 to a pixel at 96 dpi) and drawn at one
// scale factor, so that a window, or a part of one, is drawn again at another size at once.
class TwipsScale
{
public:
    static constexpr double TwipsPerPixel = 15.0;

    double factor() const { return m_factor; }
    // Takes effect on the widgets placed so far at the next apply().
    void setFactor(double factor) { m_factor = factor; }
    // The factor at which an area in twips fits into a size in pixels, keeping its shape.
    static double fitting(QSize twips, QSize pixels);

    int px(double twips) const;
    QSize px(QSize twips) const;
    // Pixels back to twips at the present factor.
    int twips(int pixels) const;

    // Places a widget at a rectangle in twips inside its parent, and keeps the rectangle so
    // that apply() places it again at a new factor.
    void place(QWidget *widget, const QRect &twips);
    void place(QWidget *widget, int left, int top, int width, int height);
    // The rectangle in twips a widget was placed at (null when it never was).
    QRect geometry(const QWidget *widget) const;

    // Where root stands in its own parent, in twips: its children are then placed where they
    // would fall had they been placed in root's parent, pixel for pixel.
    void setOrigin(const QWidget *root, QPoint twips);

    // A caption's text height, relative to the base height given to apply(), and weight.
    void setFontScale(QWidget *widget, double size, bool bold = false);

    // Every placed widget placed again at the present factor; root gets the base text height
    // in twips (none when 0) and every scaled caption its own.
    void apply(QWidget *root = nullptr, int baseFontTwips = 0);

private:
    QRect pixelRect(const QWidget *widget, const QRect &twips) const;

    struct Placed
    {
        QPointer<QWidget> widget;
        QRect twips;
    };
    struct FontScale
    {
        QPointer<QWidget> widget;
        double size = 1.0;
        bool bold = false;
    };
    QHash<const QWidget *, Placed> m_placed;
    QHash<const QWidget *, FontScale> m_fonts;
    double m_factor = 1.0;
    const QWidget *m_originRoot = nullptr;
    QPoint m_origin;
};
