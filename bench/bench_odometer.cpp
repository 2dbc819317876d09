// What the counting main window costs, beside a floor that runs the same timers and only
// swaps the same nine wheel pictures.
//
// Each mode runs in a child process of its own, so that its peak memory is its own:
//   floor   a bare window with the nine wheels at the same places and the same timers,
//           doing nothing but setting the same faces the odometer would set
//   count   the main window counting at a monthly figure of 3000 (a victim every quarter of
//           an hour or so), measured once the first recount's animation is over
//   victims the main window at 1296000 a month: a victim, and so an animation, at every
//           recount, the heaviest counting there is
//   compare the comparison view at 1280 x 720 with six counters counting in year mode (five
//           states and crimes and 1296000 a month, a victim at every recount); it should
//           cost at most 3 times the floor
// Run without a mode, it runs the four three times and prints the medians and the ratios of
// count, victims and compare to the floor, and exits 1 when count costs over 1.3 times the floor or
// victims over 2 times or compare over 3 times (kept out of the test suite: a loaded machine makes
// them noisy). Reports CPU seconds per minute of counting (getrusage, user + system), the peak
// resident memory, and for the counts how often each integer wheel was redrawn against how often
// its digit changed. Measuring starts after a warm-up of 8 s (start-up, first recount and its
// animation).
//
// Run:  QT_QPA_PLATFORM=offscreen ./bench_odometer [seconds]
//       QUORVEL_BENCH_PAINTS=1 adds, for each mode, the widgets painted most (paints and pixels
//       a second)
// Also: ./bench_odometer shot out.png 00105.0372|start|reset [width-in-pixels]
//       (a picture of the window at that count, as it starts, or reset by a new figure)
//       ./bench_odometer guide folder
//       (the pictures of the user guide, docs/imagens/, at a fixed time: docs/make-pictures.sh)

#include "core/clock.h"
#include "core/counter.h"
#include "core/localtimezone.h"
#include "core/odometerframe.h"
#include "core/soundcues.h"
#include "display/desktopservices.h"
#include "display/picclip.h"
#include "display/picturebox.h"
#include "display/picturebutton.h"
#include "display/svgpicture.h"
#include "windows/Apresentacao/apresentacao.h"
#include "windows/Comparacao/comparacao.h"
#include "windows/Configurador/configurador.h"
#include "windows/DeadZone/deadzone.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QHash>
#include <QLineEdit>
#include <QListWidget>
#include <QPaintEvent>
#include <QProcess>
#include <QTemporaryDir>
#include <QTimer>

#include <algorithm>

#include <sys/resource.h>

// The digits the main window's odometer shows from, set by hand for a picture of a count.
struct DeadZoneProbe
{
    static CounterState &shownDigits(DeadZone &window) { return window.m_wheels->state(); }
};

#include <array>
#include <cstdio>
#include <cstring>

namespace {

// Opens nothing and shows no message.
class SilentDesktop final : public DesktopServices
{
public:
    void openInApplication(const QString &, QObject *, OpenFinished) override {}
    void showModalMessage(QWidget *, const QString &, const QString &, MessageIcon) override {}
    SaveAnswer askToSave(QWidget *, const QString &, const QString &) override
    {
        return SaveAnswer::Discard;
    }
    QString findExecutable(const QString &) override { return {}; }
    bool startDetached(const QString &, const QStringList &) override { return false; }
};

// A named control of the main window.
template <typename T> T *named(const DeadZone &window, const char *name)
{
    return window.findChild<T *>(QLatin1String(name));
}

constexpr int kWarmupMs = 8000;

double cpuSeconds()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return double(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
           double(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

long peakRssKb()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

// How often each widget was painted and how many pixels it painted: where a repaint that
// should not happen shows up first.
class PaintTally final : public QObject
{
public:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint && watched->isWidgetType()) {
            const QString name = watched->objectName().isEmpty()
                                     ? QString::fromLatin1(watched->metaObject()->className())
                                     : watched->objectName();
            Tally &tally = m_tallies[name];
            ++tally.paints;
            for (const QRect &rect : static_cast<QPaintEvent *>(event)->region())
                tally.pixels += qint64(rect.width()) * rect.height();
        }
        return false;
    }

    void print(const char *label, double seconds) const
    {
        QList<std::pair<QString, Tally>> rows;
        for (auto it = m_tallies.cbegin(); it != m_tallies.cend(); ++it)
            rows.append({it.key(), it.value()});
        std::sort(rows.begin(), rows.end(),
                  [](const auto &a, const auto &b) { return a.second.paints > b.second.paints; });
        std::printf("%s paints a second (widget: paints, kilopixels):", label);
        for (qsizetype i = 0; i < std::min<qsizetype>(rows.size(), 16); ++i)
            std::printf(" %s: %.1f, %.0f;", qPrintable(rows[i].first),
                        rows[i].second.paints / seconds, rows[i].second.pixels / seconds / 1000.0);
        std::printf("\n");
    }

private:
    struct Tally
    {
        qint64 paints = 0;
        qint64 pixels = 0;
    };
    QHash<QString, Tally> m_tallies;
};

// The measured stretch of the event loop, in a function of its own so that a profiler can count
// it alone: valgrind --tool=callgrind --toggle-collect='*measuredStretch*' (instructions are
// steady where CPU seconds are not, on a shared machine).
[[gnu::noinline]] void measuredStretch(QEventLoop &loop, int seconds)
{
    QTimer::singleShot(seconds * 1000, &loop, &QEventLoop::quit);
    loop.exec();
}

// Runs the event loop for the warm-up, then measures CPU over the given time.
void measure(int seconds, const char *label)
{
    QEventLoop loop;
    QTimer::singleShot(kWarmupMs, &loop, &QEventLoop::quit);
    loop.exec();
    const double cpu0 = cpuSeconds();
    // Counting paints costs a little CPU of its own, so only when asked for.
    PaintTally tally;
    const bool tallying = qEnvironmentVariableIsSet("QUORVEL_BENCH_PAINTS");
    if (tallying)
        qApp->installEventFilter(&tally);
    QElapsedTimer wall;
    wall.start();
    measuredStretch(loop, seconds);
    const double cpu = cpuSeconds() - cpu0;
    const double elapsed = wall.elapsed() / 1000.0;
    std::printf("%s cpu_s_per_min=%.3f cpu_percent=%.2f peak_rss_mb=%.1f wall_s=%.1f\n", label,
                cpu / elapsed * 60.0, cpu / elapsed * 100.0, peakRssKb() / 1024.0, elapsed);
    if (tallying) {
        qApp->removeEventFilter(&tally);
        tally.print(label, elapsed);
    }
}

// A data directory with the shipped data files, so the window finds what it reads.
QString dataDirectory(const QTemporaryDir &dir)
{
    const QDir assets(QStringLiteral(QUORVEL_ASSETS "/data"));
    for (const QString &name : assets.entryList(QDir::Files))
        QFile::copy(assets.filePath(name), dir.filePath(name));
    return dir.path();
}

int runCount(int seconds, const QString &monthly, const char *label)
{
    QTemporaryDir dir;
    SystemClock clock;
    SilentSoundOutput output;
    SoundCues sound(output, dir.path());
    SilentDesktop desktop;
    DeadZone window(clock, sound, desktop, dataDirectory(dir));
    window.show();
    named<QLineEdit>(window, "ParametroMes")->setText(monthly);
    named<PictureButton>(window, "Image2")->click();

    // Digit changes seen by the display tick, against the integer wheels' redraws.
    const auto wheels = std::array<PictureBox *, 5>{
        named<PictureBox>(window, "Picture29"), named<PictureBox>(window, "Picture17"),
        named<PictureBox>(window, "Picture18"), named<PictureBox>(window, "Picture19"),
        named<PictureBox>(window, "Picture20")};
    std::array<int, 5> redrawsBefore{};
    std::array<int, 5> digitChanges{};
    std::array<float, 5> lastDigits{-1, -1, -1, -1, -1};
    bool counting = false;
    QObject::connect(window.counter().frameTimer(), &QTimer::timeout, &window, [&] {
        const CounterState &s = window.state();
        const std::array<float, 5> digits{s.DigitoDezenaMilhar, s.DigitoMilhar, s.DigitoCentena,
                                          s.DigitoDezena, s.DigitoUnidade};
        for (int i = 0; i < 5; ++i) {
            if (counting && digits[i] != lastDigits[i])
                ++digitChanges[i];
            lastDigits[i] = digits[i];
        }
    });
    QTimer::singleShot(kWarmupMs, &window, [&] {
        counting = true;
        for (int i = 0; i < 5; ++i)
            redrawsBefore[i] = wheels[i]->pictureChanges();
    });
    measure(seconds, label);
    std::printf("%s odometer=\"%s\" integer wheels (ten-thousands..units) redraws/digit "
                "changes:",
                label, qPrintable(window.odometerText()));
    for (int i = 0; i < 5; ++i)
        std::printf(" %d/%d", wheels[i]->pictureChanges() - redrawsBefore[i], digitChanges[i]);
    std::printf("\n");
    return 0;
}

// The nine wheels at the same places, with the same timers setting the same faces, and
// nothing else: what any odometer of pictures costs on this platform.
int runFloor(int seconds)
{
    QWidget window;
    window.resize(701, 415);
    const QSize cell(73, 65);
    const qreal dpr = window.devicePixelRatioF();
    PicClip spin(QStringLiteral(":/pictures/strip0.svg"));
    PicClip crisp(QStringLiteral(":/pictures/strip2.svg"));
    PicClip decimal(QStringLiteral(":/pictures/strip2_decimal.svg"));
    auto *integerBox = new QWidget(&window);
    auto *decimalBox = new QWidget(&window);
    integerBox->setGeometry(40, 296, 333, 63);
    decimalBox->setGeometry(384, 296, 269, 63);
    const int lefts[9] = {0, 64, 128, 194, 259, 0, 64, 130, 195};
    std::array<PictureBox *, 9> wheels{};
    for (int w = 0; w < 9; ++w) {
        wheels[w] = new PictureBox(w < 5 ? integerBox : decimalBox);
        wheels[w]->setGeometry(lefts[w], 0, cell.width(), cell.height());
        wheels[w]->setPicture((w < 5 ? crisp : decimal).cell(9, cell, dpr));
    }
    window.show();

    int frame = 0;
    int subTick = 0;
    int units = 0;
    QTimer display;
    display.setInterval(25);
    QObject::connect(&display, &QTimer::timeout, [&] {
        frame = frame == 9 ? -1 : frame + 1;
        if (frame >= 1 && frame <= 4) {
            wheels[7]->setPicture(decimal.cell(2, cell, dpr));
        } else if (frame >= 5 && frame <= 8) {
            wheels[7]->setPicture(spin.cell(frame, cell, dpr));
            wheels[8]->setPicture(decimal.cell(frame, cell, dpr));
        }
        wheels[6]->setPicture(decimal.cell(3, cell, dpr));
        wheels[5]->setPicture(decimal.cell(4, cell, dpr));
    });
    QTimer count;
    count.setInterval(200);
    QObject::connect(&count, &QTimer::timeout, [&] {
        subTick = (subTick + 1) % 10;
        if (subTick != 0) {
            wheels[8]->setPicture(spin.cell(subTick, cell, dpr));
            return;
        }
        units = (units + 1) % 10;
        wheels[4]->setPicture(crisp.cell(OdometerFrame::cellForDigit(units), cell, dpr));
    });
    // The jolts: each wheel down a pixel and back.
    std::vector<std::unique_ptr<QTimer>> jolts;
    const std::pair<int, int> joltWheels[] = {{476, 5}, {300, 6}, {199, 7}, {400, 4}, {637, 3}};
    for (const auto &[interval, w] : joltWheels) {
        auto timer = std::make_unique<QTimer>();
        timer->setInterval(interval);
        PictureBox *wheel = wheels[w];
        QObject::connect(timer.get(), &QTimer::timeout,
                         [wheel] { wheel->move(wheel->x(), wheel->y() == 0 ? 1 : 0); });
        timer->start();
        jolts.push_back(std::move(timer));
    }
    QTimer rolling;
    rolling.setInterval(100);
    QObject::connect(&rolling, &QTimer::timeout, [] {});
    display.start();
    count.start();
    rolling.start();
    measure(seconds, "floor");
    return 0;
}

int runComparison(int seconds)
{
    QTemporaryDir dir;
    SystemClock clock;
    const ChoiceFiles files = ChoiceFiles::read(dataDirectory(dir));
    QList<PreparedChoice> choices;
    for (const QString &name :
         {QStringLiteral("Bahia"), QStringLiteral("São Paulo"), QStringLiteral("Brasil"),
          QStringLiteral("Roubos em geral na cidade de São Paulo"),
          QStringLiteral("Furtos em geral na cidade de São Paulo")})
        choices.append(prepareChoice(CounterChoice::entry(name), files));
    choices.append(prepareChoice(CounterChoice::typed(1296000), files));
    Comparacao view(clock);
    view.setChoices(choices, AccumulationMode::Ano);
    view.resize(1280, 720);
    view.show();
    view.startAll();
    measure(seconds, "compare");
    return 0;
}

int runShot(const QString &path, const QString &countText, int width)
{
    QTemporaryDir dir;
    SystemClock clock;
    SilentSoundOutput output;
    SoundCues sound(output, dir.path());
    SilentDesktop desktop;
    DeadZone window(clock, sound, desktop, dataDirectory(dir));
    if (width > 0)
        window.resize(width, width * 6225 / 10515);
    window.show();
    if (countText == QLatin1String("start") || countText == QLatin1String("reset")) {
        // As the program comes up, or after a new figure was typed.
        if (countText == QLatin1String("reset"))
            named<QLineEdit>(window, "ParametroMes")->setText(QStringLiteral("3000"));
        QApplication::processEvents();
        return window.grab().save(path) ? 0 : 1;
    }
    named<QLineEdit>(window, "ParametroMes")->setText(QStringLiteral("3000"));
    named<PictureButton>(window, "Image2")->click();
    window.counter().tickTimer()->stop();

    // The count's digits as the recount would leave them: "00105.0372".
    const QString digits = countText.rightJustified(10, u'0');
    CounterState &s = DeadZoneProbe::shownDigits(window);
    float *places[] = {&s.DigitoDezenaMilhar, &s.DigitoMilhar, &s.DigitoCentena, &s.DigitoDezena,
                       &s.DigitoUnidade};
    for (int i = 0; i < 5; ++i)
        *places[i] = float(digits.at(i).digitValue());
    float *decimals[] = {&s.DigitoDecimal1, &s.DigitoDecimal2, &s.DigitoDecimal3,
                         &s.DigitoDecimal4};
    for (int i = 0; i < 4; ++i)
        *decimals[i] = float(digits.at(6 + i).digitValue());
    for (int i = 0; i < 12; ++i)
        QMetaObject::invokeMethod(window.counter().frameTimer(), "timeout");
    named<PictureButton>(window, "Image3")->click(); // pause: the fast wheels rest on their digits
    QApplication::processEvents();
    std::printf("odometer reads %s\n", qPrintable(window.odometerText()));
    return window.grab().save(path) ? 0 : 1;
}

// ---- Pictures of the user guide -----------------------------------------------------------

// A clock stopped at one evening, so the pictures come out the same at every run; moved on
// by hand where a picture shows time passing.
class StoppedClock final : public Clock
{
public:
    QDateTime now() const override { return m_at; }
    void advanceSeconds(int seconds) { m_at = m_at.addSecs(seconds); }

private:
    QDateTime m_at{QDate(2026, 3, 10), QTime(19, 42, 30)};
};

bool save(QWidget &widget, const QDir &folder, const QString &name)
{
    QApplication::processEvents();
    const QString path = folder.filePath(name);
    const bool saved = widget.grab().save(path);
    std::printf("%s %s\n", saved ? "wrote" : "could not write", qPrintable(path));
    return saved;
}

// One recount and the odometer pass that draws it, by hand instead of waiting for timers.
void recountAndDraw(DeadZone &window)
{
    for (int i = 0; i < 10; ++i)
        QMetaObject::invokeMethod(window.counter().tickTimer(), "timeout");
    for (int i = 0; i < 12; ++i)
        QMetaObject::invokeMethod(window.counter().frameTimer(), "timeout");
}

// The main window as it starts, with the list open, counting a crime with its hourly
// pattern, with the tool panel open, the presentation view at 1280 x 720 ten minutes after
// it opened and then paused, and the pattern in the editor.
int runGuidePictures(const QString &folderPath)
{
    const QDir folder(folderPath);
    if (!folder.mkpath(QStringLiteral("."))) {
        std::fprintf(stderr, "cannot make %s\n", qPrintable(folderPath));
        return 1;
    }
    // The program's own example line: the one shipped entry with an hourly pattern.
    const QString crime = QStringLiteral("Homicidios em São Paulo");
    QTemporaryDir dir;
    StoppedClock clock;
    SilentSoundOutput output;
    SoundCues sound(output, dir.path());
    SilentDesktop desktop;
    DeadZone window(clock, sound, desktop, dataDirectory(dir));
    window.show();
    bool ok = save(window, folder, QStringLiteral("inicio.png"));

    named<PictureButton>(window, "botao(0)")->click(); // the lists of crimes and of states
    ok = save(window, folder, QStringLiteral("lista.png")) && ok;
    // The same list found by a few letters typed above it: one group left.
    auto *search = named<QLineEdit>(window, "BuscaOcorrencias");
    search->setText(QStringLiteral("femin"));
    ok = save(window, folder, QStringLiteral("lista-busca.png")) && ok;
    search->clear();

    auto *list = named<QListWidget>(window, "List1");
    QListWidgetItem *item = nullptr;
    for (int row = 0; row < list->count() && !item; ++row) {
        if (list->item(row)->text().startsWith(crime))
            item = list->item(row);
    }
    if (!item) {
        std::fprintf(stderr, "no entry \"%s\" in the list\n", qPrintable(crime));
        return 1;
    }
    list->setCurrentItem(item);
    emit list->itemDoubleClicked(item);
    named<PictureButton>(window, "Image2")->click();
    recountAndDraw(window);
    // Counting, with the timers held so that the picture is the same at every run.
    window.counter().tickTimer()->stop();
    window.counter().frameTimer()->stop();
    std::printf("odometer reads %s\n", qPrintable(window.odometerText()));
    ok = save(window, folder, QStringLiteral("contando.png")) && ok;
    named<PictureButton>(window, "Image3")->click();

    named<PictureButton>(window, "botao(6)")->click(); // the tool panel
    ok = save(window, folder, QStringLiteral("ferramentas.png")) && ok;
    named<PictureButton>(window, "botao(7)")->click();

    // The presentation, counting again, ten minutes after it opened, at the two usual
    // projector sizes. Its counter is driven by hand as the main window's is.
    named<PictureButton>(window, "Image2")->click();
    recountAndDraw(window);
    window.enterPresentation();
    Apresentacao &view = *window.presentation();
    view.setWindowState(Qt::WindowNoState);
    clock.advanceSeconds(600);
    recountAndDraw(window);
    window.counter().recount();
    for (int i = 0; i < 12; ++i)
        QMetaObject::invokeMethod(window.counter().frameTimer(), "timeout");
    window.counter().tickTimer()->stop();
    window.counter().frameTimer()->stop();
    for (const QSize size : {QSize(1280, 720), QSize(1920, 1080)}) {
        view.resize(size);
        view.arrange();
        ok = save(view, folder,
                  size.width() == 1280 ? QStringLiteral("apresentacao.png")
                                       : QStringLiteral("apresentacao-1920.png")) &&
             ok;
    }
    // Paused: the word above the wheels, every digit in sight.
    window.counter().pause();
    view.resize(QSize(1280, 720));
    view.arrange();
    ok = save(view, folder, QStringLiteral("apresentacao-pausada.png")) && ok;
    window.leavePresentation();

    named<PictureButton>(window, "botao(8)")->click(); // the editor, holding the pattern
    Configurador &editor = window.configurador();
    ok = save(editor, folder, QStringLiteral("editor.png")) && ok;
    return ok ? 0 : 1;
}

} // namespace

int main(int argc, char *argv[])
{
    pinLocalTimeZone(); // as the program does
    QApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments().mid(1);
    if (args.value(0) == QLatin1String("guide"))
        return runGuidePictures(args.value(1, QStringLiteral("imagens")));
    if (args.value(0) == QLatin1String("shot"))
        return runShot(args.value(1, QStringLiteral("odometer.png")),
                       args.value(2, QStringLiteral("105.0372")), args.value(3).toInt());

    int seconds = 20;
    QString mode;
    for (const QString &arg : args) {
        if (arg.toInt() > 0)
            seconds = arg.toInt();
        else
            mode = arg;
    }
    if (mode == QLatin1String("count"))
        return runCount(seconds, QStringLiteral("3000"), "count");
    if (mode == QLatin1String("victims"))
        return runCount(seconds, QStringLiteral("1296000"), "victims");
    if (mode == QLatin1String("floor"))
        return runFloor(seconds);
    if (mode == QLatin1String("compare"))
        return runComparison(seconds);

    // All four, one after the other, each in a process of its own, three rounds: the
    // machine's load makes one run noisy, so the median of each counts.
    constexpr int kRounds = 3;
    constexpr double kCountLimit = 1.3;
    constexpr double kVictimsLimit = 2.0;
    constexpr double kCompareLimit = 3.0;
    std::printf("odometer benchmark: %d s measured after %d s warm-up, %d rounds\n", seconds,
                kWarmupMs / 1000, kRounds);
    std::fflush(stdout);
    const QStringList modes = {QStringLiteral("floor"), QStringLiteral("count"),
                               QStringLiteral("victims"), QStringLiteral("compare")};
    QHash<QString, QList<double>> perMinute;
    for (int round = 0; round < kRounds; ++round) {
        for (const QString &child : modes) {
            QProcess process;
            process.setProcessChannelMode(QProcess::MergedChannels);
            process.start(QCoreApplication::applicationFilePath(),
                          {child, QString::number(seconds)});
            process.waitForFinished(-1);
            const QByteArray output = process.readAll();
            std::fwrite(output.constData(), 1, size_t(output.size()), stdout);
            std::fflush(stdout);
            const qsizetype at = output.indexOf("cpu_s_per_min=");
            if (at < 0) {
                std::fprintf(stderr, "%s gave no figure\n", qPrintable(child));
                return 1;
            }
            perMinute[child].append(output.mid(at + 14).split(' ').value(0).toDouble());
        }
    }
    auto median = [&](const QString &mode) {
        QList<double> values = perMinute.value(mode);
        std::sort(values.begin(), values.end());
        return values.value(values.size() / 2);
    };
    const double floor = median(QStringLiteral("floor"));
    const double countRatio = median(QStringLiteral("count")) / floor;
    const double victimsRatio = median(QStringLiteral("victims")) / floor;
    const double compareRatio = median(QStringLiteral("compare")) / floor;
    std::printf("median cpu_s_per_min: floor %.3f count %.3f victims %.3f compare %.3f\n", floor,
                median(QStringLiteral("count")), median(QStringLiteral("victims")),
                median(QStringLiteral("compare")));
    std::printf("count/floor %.2f (limit %.1f)  victims/floor %.2f (limit %.1f)\n", countRatio,
                kCountLimit, victimsRatio, kVictimsLimit);
    std::printf("compare/floor %.2f (limit %.1f)\n", compareRatio, kCompareLimit);
    if (countRatio > kCountLimit || victimsRatio > kVictimsLimit || compareRatio > kCompareLimit) {
        std::printf("OVER THE LIMIT\n");
        return 1;
    }
    return 0;
}
