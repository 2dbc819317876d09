#pragma once

#include <QColor>
#include <QImage>
#include <QRect>

#include <algorithm>
#include <cmath>
#include <vector>

// Contrast measured from drawn pixels, as a reader at the back of the room sees it.

// The relative luminance of a colour (sRGB, as the contrast guidelines define it).
inline double relativeLuminance(QRgb rgb)
{
    const auto channel = [](int value) {
        const double c = value / 255.0;
        return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * channel(qRed(rgb)) + 0.7152 * channel(qGreen(rgb)) +
           0.0722 * channel(qBlue(rgb));
}

inline double contrastRatio(double a, double b)
{
    return (std::max(a, b) + 0.05) / (std::min(a, b) + 0.05);
}

// The contrast of the text in an area against what lies behind it: the ground is the median
// luminance of the area (text covers less than half of it), the text the pixel that stands
// out most from it. 1 for an empty area or one with nothing drawn.
inline double textContrast(const QImage &image, const QRect &area)
{
    const QRect box = area.intersected(image.rect());
    std::vector<double> values;
    values.reserve(size_t(std::max(0, box.width() * box.height())));
    for (int y = box.top(); y <= box.bottom(); ++y) {
        for (int x = box.left(); x <= box.right(); ++x)
            values.push_back(relativeLuminance(image.pixel(x, y)));
    }
    if (values.empty())
        return 1.0;
    std::nth_element(values.begin(), values.begin() + long(values.size() / 2), values.end());
    const double ground = values[values.size() / 2];
    const auto [low, high] = std::minmax_element(values.cbegin(), values.cend());
    return std::max(contrastRatio(ground, *low), contrastRatio(ground, *high));
}
