// How long a large incidence file takes to read and to show in the crime list.
//
// Generates every made-up municipality times every crime (100,000 entries), then measures,
// as the median of several runs: the raw read of the file (the floor), the read and parse,
// the three parallel lists built, and the visible list filled (and painted once).
//
// Run: QT_QPA_PLATFORM=offscreen ./bench_incidence [runs]

#include "data/incidencereader.h"
#include "data/textcodec.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QListWidget>
#include <QRandomGenerator>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

namespace {

constexpr int kMunicipalities = 5000;

const char16_t *const kCrimes[] = {
    u"Homicídios dolosos",
    u"Latrocínios",
    u"Lesões corporais dolosas",
    u"Estupros",
    u"Roubos em geral",
    u"Roubos de veículos",
    u"Roubos de carga",
    u"Roubos a banco",
    u"Furtos em geral",
    u"Furtos de veículos",
    u"Tentativas de homicídio",
    u"Sequestros",
    u"Extorsões",
    u"Tráfico de entorpecentes",
    u"Porte ilegal de arma",
    u"Ameaças",
    u"Estelionatos",
    u"Danos ao patrimônio",
    u"Receptações",
    u"Violência doméstica",
};
constexpr int kCrimeCount = int(std::size(kCrimes));

QString municipality(int i)
{
    static const char16_t *const first[] = {u"São",   u"Santa", u"Nova",  u"Vila", u"Porto",
                                            u"Campo", u"Rio",   u"Serra", u"Água", u"Bom"};
    static const char16_t *const second[] = {u"José",   u"Luzia",  u"Esperança", u"Conceição",
                                             u"Alegre", u"Grande", u"Branca",    u"Verde",
                                             u"Jesus",  u"Paraíso"};
    static const char16_t *const third[] = {u"do Norte",    u"do Sul",    u"da Serra", u"das Águas",
                                            u"do Oeste",    u"de Minas",  u"do Piauí", u"da Mata",
                                            u"do Araguaia", u"dos Campos"};
    return QString::fromUtf16(first[i % 10]) + u' ' + QString::fromUtf16(second[i / 10 % 10]) +
           u' ' + QString::fromUtf16(third[i / 100 % 10]) + u' ' + QString::number(i / 1000);
}

// Every municipality times every crime, as the editor of the file would write it.
QByteArray generate(TextEncoding encoding)
{
    QString text;
    text.reserve(kMunicipalities * kCrimeCount * 64);
    QRandomGenerator random(2024);
    for (int m = 0; m < kMunicipalities; ++m) {
        const QString place = municipality(m);
        for (int c = 0; c < kCrimeCount; ++c) {
            text += u'"' + QString::fromUtf16(kCrimes[c]) + QStringLiteral(" em ") + place +
                    QStringLiteral("\",\"") + QString::number(random.bounded(1, 20000)) +
                    QStringLiteral("\"\r\n");
        }
    }
    return encodeText(text, encoding).value_or(QByteArray());
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

// Milliseconds of one call, median of `runs` calls after one warm-up.
double measure(int runs, const std::function<void()> &work)
{
    work();
    std::vector<double> times;
    for (int i = 0; i < runs; ++i) {
        QElapsedTimer timer;
        timer.start();
        work();
        times.push_back(timer.nsecsElapsed() / 1e6);
    }
    return median(times);
}

void fill(QListWidget &list, const QStringList &texts)
{
    list.setUpdatesEnabled(false);
    list.clear();
    list.addItems(texts);
    list.setUpdatesEnabled(true);
}

void report(const char *what, double ms, double floor)
{
    std::printf("  %-58s %8.2f ms  %7.1fx floor\n", what, ms, ms / floor);
}

void benchFile(const QString &path, const char *label, int runs)
{
    QFile probe(path);
    const qint64 size = probe.size();
    std::printf("\n%s: %d entries, %.1f MB\n", label, kMunicipalities * kCrimeCount, size / 1e6);

    const double floor = measure(runs, [&] {
        QFile file(path);
        file.open(QIODevice::ReadOnly);
        const QByteArray bytes = file.readAll();
        Q_UNUSED(bytes);
    });
    report("raw read (QFile::readAll): the floor", floor, floor);

    report("read + decode",
           measure(runs,
                   [&] {
                       QFile file(path);
                       file.open(QIODevice::ReadOnly);
                       const DecodedText decoded = decodeText(file.readAll());
                       Q_UNUSED(decoded);
                   }),
           floor);

    int entries = 0;
    report("read + decode + parse (readIncidenceFile)",
           measure(runs, [&] { entries = int(readIncidenceFile(path).size()); }), floor);
    if (entries != kMunicipalities * kCrimeCount)
        std::printf("  !! read %d entries\n", entries);

    report("... + the texts of List1",
           measure(runs,
                   [&] {
                       const IncidenceReading reading = readIncidenceFile(path);
                       const QStringList shown = reading.listTexts();
                   }),
           floor);

    // List1 as the window fills it, hidden and then shown and painted once.
    for (bool uniform : {true, false}) {
        QListWidget list1;
        list1.setUniformItemSizes(uniform);
        list1.resize(400, 300);
        const double fillOnly = measure(runs, [&] {
            const IncidenceReading reading = readIncidenceFile(path);
            fill(list1, reading.listTexts());
        });
        report(uniform ? "... + fill List1 (uniform item sizes)"
                       : "... + fill List1 (item sizes measured)",
               fillOnly, floor);

        list1.show();
        const double shown = measure(runs, [&] {
            const IncidenceReading reading = readIncidenceFile(path);
            fill(list1, reading.listTexts());
            list1.repaint();
            QApplication::processEvents(); // the delayed item layout and its paint
            list1.repaint();
        });
        report(uniform ? "... + fill List1 shown, laid out, painted (uniform)"
                       : "... + fill List1 shown, laid out, painted (measured)",
               shown, floor);
        list1.hide();
    }

    // The quantities and names behind List1 kept as string lists (a model) or as two more
    // hidden list widgets.
    QListWidget list1, list2, list3;
    list1.setUniformItemSizes(true);
    list1.resize(400, 300);
    list1.show();
    QStringList keptQuantities, keptNames;
    report("... + List1 shown, List2/List3 kept as string lists",
           measure(runs,
                   [&] {
                       IncidenceReading reading = readIncidenceFile(path);
                       fill(list1, reading.listTexts());
                       keptQuantities = std::move(reading.quantities);
                       keptNames = std::move(reading.names);
                       QApplication::processEvents();
                       list1.repaint();
                   }),
           floor);
    report("... + List1 shown, List2/List3 as hidden list widgets",
           measure(runs,
                   [&] {
                       const IncidenceReading reading = readIncidenceFile(path);
                       fill(list1, reading.listTexts());
                       fill(list2, reading.quantities);
                       fill(list3, reading.names);
                       QApplication::processEvents();
                       list1.repaint();
                   }),
           floor);
}

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    const int runs = argc > 1 ? std::max(3, QString::fromLocal8Bit(argv[1]).toInt()) : 7;

    QTemporaryDir dir;
    if (!dir.isValid())
        return 1;
    const struct
    {
        TextEncoding encoding;
        const char *label;
        const char *file;
    } files[] = {
        {TextEncoding::Windows1252, "Windows-1252, CR LF", "incidencias-1252.txt"},
        {TextEncoding::Utf8, "UTF-8, CR LF", "incidencias-utf8.txt"},
    };
    std::printf("median of %d runs each\n", runs);
    for (const auto &f : files) {
        QFile out(dir.filePath(f.file));
        if (!out.open(QIODevice::WriteOnly) || out.write(generate(f.encoding)) < 0)
            return 1;
        out.close();
        benchFile(out.fileName(), f.label, runs);
    }
    return 0;
}
