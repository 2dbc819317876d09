// Renders SVG pictures into one PNG contact sheet, stacked top to bottom, the way the
// program renders them (QSvgRenderer), so the artwork can be checked by eye.
// Build: g++ -std=c++20 -fPIC svgpreview.cpp $(pkg-config --cflags --libs Qt6Svg Qt6Gui)
// Use:   ./a.out out.png SCALE a.svg [b.svg ...]
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>

#include <cstdio>

int main(int argc, char **argv)
{
    QGuiApplication app(argc, argv);
    if (argc < 4) {
        std::fprintf(stderr, "usage: %s out.png scale a.svg [b.svg ...]\n", argv[0]);
        return 2;
    }
    const double scale = QString::fromLocal8Bit(argv[2]).toDouble();
    QList<QSvgRenderer *> renderers;
    int width = 0;
    int height = 0;
    for (int i = 3; i < argc; ++i) {
        auto *r = new QSvgRenderer(QString::fromLocal8Bit(argv[i]), &app);
        if (!r->isValid()) {
            std::fprintf(stderr, "invalid: %s\n", argv[i]);
            return 1;
        }
        renderers.append(r);
        const QSize s = (r->viewBoxF().size() * scale).toSize();
        width = std::max(width, s.width());
        height += s.height() + 8;
    }
    QImage sheet(width + 16, height + 8, QImage::Format_ARGB32_Premultiplied);
    sheet.fill(QColor(120, 130, 140));
    QPainter p(&sheet);
    p.setRenderHint(QPainter::Antialiasing);
    int y = 8;
    for (QSvgRenderer *r : renderers) {
        // Each picture in its own image, cut at its edges as the program cuts it.
        const QSize size = (r->viewBoxF().size() * scale).toSize();
        QImage one(size, QImage::Format_ARGB32_Premultiplied);
        one.fill(Qt::transparent);
        QPainter q(&one);
        r->render(&q);
        q.end();
        p.drawImage(8, y, one);
        y += one.height() + 8;
    }
    p.end();
    return sheet.save(QString::fromLocal8Bit(argv[1])) ? 0 : 1;
}
