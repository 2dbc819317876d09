// Memory of the rendered-picture cache when the window is rescaled again and again: every
// picture of the program rendered, as the windows draw them, at 150 window sizes one after
// the other (a window dragged larger and back). Prints resident memory (VmRSS) at the start,
// after the first sizes and at the end, with what the cache holds. Without a bound the
// memory grows with every size; with it, it stays flat once the cache is full.
//
// Run:  QT_QPA_PLATFORM=offscreen ./bench_svgcache [sizes]

#include "display/svgpicture.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QSvgRenderer>

#include <cstdio>

namespace {

long residentKb()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly | QIODevice::Text))
        return -1;
    // Read whole: a file under /proc has no size, so line by line would stop at once.
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').value(0).toLong();
    }
    return -1;
}

void report(const char *when, int sizes)
{
    std::printf("%-24s %4d sizes  VmRSS %7ld kB  cache %6lld kB\n", when, sizes, residentKb(),
                svgPictureCacheBytes() / 1024);
    std::fflush(stdout);
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    const int sizes = argc > 1 ? std::max(1, std::atoi(argv[1])) : 150;

    struct Picture
    {
        QString resource;
        QSizeF size;
    };
    QList<Picture> pictures;
    const QDir dir(QStringLiteral(":/pictures"));
    for (const QString &name : dir.entryList({QStringLiteral("*.svg")}, QDir::Files)) {
        const QString resource = dir.filePath(name);
        pictures.append({resource, QSvgRenderer(resource).defaultSize()});
    }
    std::printf("%lld pictures, cache budget %lld kB\n", qint64(pictures.size()),
                svgPictureCacheBudget() / 1024);
    report("start", 0);
    const long atStart = residentKb();

    // From the first size (scale 1) to a bit over three times it, a new size at each step.
    // Once the cache is full (by about the 30th size) the memory should stay where it is.
    constexpr int kFull = 30;
    long whenFull = 0;
    qint64 renderedBytes = 0; // what a cache without a bound would hold
    for (int step = 0; step < sizes; ++step) {
        const double scale = 1.0 + 2.2 * step / std::max(1, sizes - 1);
        for (const Picture &picture : std::as_const(pictures)) {
            const QSize size = (picture.size * scale).toSize();
            const QPixmap first = svgPicture(picture.resource, size);
            renderedBytes += qint64(first.width()) * first.height() * 4;
            // A window asks again for what it shows: served from the cache.
            if (svgPicture(picture.resource, size).cacheKey() != first.cacheKey()) {
                std::fprintf(stderr, "%s at %dx%d was rendered twice in a row\n",
                             qPrintable(picture.resource), size.width(), size.height());
                return 1;
            }
        }
        if (step + 1 == kFull) {
            report("cache full", step + 1);
            whenFull = residentKb();
        } else if ((step + 1) % 30 == 0 && step + 1 != sizes) {
            report("", step + 1);
        }
    }
    report("end", sizes);
    const long atEnd = residentKb();
    std::printf("growth: %ld kB from the start, %ld kB after the cache filled; "
                "without a bound the cache would hold %lld kB\n",
                atEnd - atStart, whenFull > 0 ? atEnd - whenFull : 0, renderedBytes / 1024);
    return 0;
}
