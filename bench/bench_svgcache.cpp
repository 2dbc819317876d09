// Memory of the rendered-picture cache when the window is rescaled again and again: every
// picture of the program rendered, as the windows draw them, at 150 window sizes one after
// the other (a window dragged larger and back to its first size, the widgets holding what
// they show), then the resize settled. Prints resident memory (VmRSS) on the way with what
// the cache holds, and after returning and at the peak against the first size's figure;
// exits 1 when over 5 MB after returning or 15 MB at the peak.
//
// Run:  QT_QPA_PLATFORM=offscreen ./bench_svgcache [sizes]

#include "display/svgpicture.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QSvgRenderer>
#include <QTimer>

#include <cstdio>
#include <cstdlib>

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

    // From the first size through 150 others, a new size at each step, then back to the first size
    // and a settled resize. The resident memory after returning must come back to within 5 MB of
    // the first size's figure, and never rise more than 15 MB above it on the way.
    constexpr long kReturnLimitKb = 5 * 1024;
    constexpr long kPeakLimitKb = 15 * 1024;
    long atFirstSize = 0;
    long peak = 0;
    qint64 renderedBytes = 0; // what a cache without a bound would hold
    QList<QPixmap> shown;     // what the widgets hold at the present size
    auto showSize = [&](double scale) {
        shown.clear();
        for (const Picture &picture : std::as_const(pictures)) {
            const QSize size = (picture.size * scale).toSize();
            const QPixmap first = svgPicture(picture.resource, size);
            renderedBytes += qint64(first.width()) * first.height() * 4;
            // A window asks again for what it shows: served from the cache.
            if (svgPicture(picture.resource, size).cacheKey() != first.cacheKey()) {
                std::fprintf(stderr, "%s at %dx%d was rendered twice in a row\n",
                             qPrintable(picture.resource), size.width(), size.height());
                std::exit(1);
            }
            shown.append(first);
        }
    };
    // The main window opens at 701 x 415 (scale 1); the sizes go from 600 x 360 to
    // 1500 x 950, as a window dragged from small to large.
    showSize(1.0);
    report("first size", 1);
    atFirstSize = residentKb();
    constexpr double kSmallest = 600.0 / 701;
    constexpr double kLargest = 1500.0 / 701;
    for (int step = 0; step < sizes; ++step) {
        showSize(kSmallest + (kLargest - kSmallest) * step / std::max(1, sizes - 1));
        peak = std::max(peak, residentKb());
        if ((step + 1) % 30 == 0 && step + 1 != sizes) {
            report("", step + 1);
        }
    }
    report("last size", sizes);
    showSize(1.0);
    report("back to the first size", sizes + 1);
    // The resize settles: the single-shot timer fires.
    QMetaObject::invokeMethod(svgPictureSettleTimer(), "timeout");
    report("settled", sizes + 1);
    const long atEnd = residentKb();
    std::printf("from the first size (%ld kB): after returning %+ld kB (limit %ld), peak %+ld kB "
                "(limit %ld); without a bound the cache would hold %lld kB\n",
                atFirstSize, atEnd - atFirstSize, kReturnLimitKb, peak - atFirstSize, kPeakLimitKb,
                renderedBytes / 1024);
    if (atEnd - atFirstSize > kReturnLimitKb || peak - atFirstSize > kPeakLimitKb) {
        std::printf("OVER THE LIMIT\n");
        return 1;
    }
    return 0;
}
