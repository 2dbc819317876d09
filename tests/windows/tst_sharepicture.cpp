// The picture of the count to share: the presentation view drawn into an image of a chosen
// size with its caption line, a stand-in view through the same interface, saving and copying
// from the keyboard and the tool panel, and the command line's picture, whose count must be
// the main window's at the same instant. Timers are fired by hand, the clock set by the test.
#include "core/commandline.h"
#include "deadzonefixture.h"
#include "display/odometerview.h"
#include "windows/Apresentacao/apresentacao.h"
#include "windows/commandlinepicture.h"
#include "windows/sharepicture.h"
#include "windows/sharepictureactions.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFileInfo>
#include <QFontMetrics>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QStandardPaths>
#include <QTest>
#include <QTextDocument>
#include <QTimer>

namespace {

const QDateTime kNoon(QDate(2026, 3, 10), QTime(12, 0));

// Whether a region of the picture holds a drawing: enough pixels unlike its first one.
bool hasInk(const QImage &image, const QRect &area)
{
    const QRect box = area.intersected(image.rect());
    if (box.isEmpty())
        return false;
    const QRgb ground = image.pixel(box.topLeft());
    int unlike = 0;
    for (int y = box.top(); y <= box.bottom(); y += 2) {
        for (int x = box.left(); x <= box.right(); x += 2)
            unlike += image.pixel(x, y) != ground ? 1 : 0;
    }
    return unlike >= 20;
}

// A label's text, wrapped as drawn, inside its own box.
bool textFits(const QLabel *label)
{
    const QRect needed =
        QFontMetrics(label->font())
            .boundingRect(QRect(QPoint(0, 0), label->size()),
                          int(label->alignment()) | Qt::TextWordWrap, label->text());
    return needed.height() <= label->height() && needed.width() <= label->width();
}

// The presentation view as it was while being drawn: what each part said and where it was.
struct Drawn
{
    QString sentence;
    QString interval;
    QString source;
    QString count;
    QRect odometer;
    QList<QWidget *> parts;
    QList<QRect> boxes;
    QStringList unfitted; // labels whose text did not fit their box
};

class RecordingSource final : public PictureSource
{
public:
    RecordingSource(Apresentacao &view, OdometerView &odometer) : m_view(view), m_odometer(odometer)
    {
    }
    QWidget *pictureView() override { return m_view.pictureView(); }
    void preparePicture(const QSize &size, int captionHeight) override
    {
        m_view.preparePicture(size, captionHeight);
        drawn = Drawn{m_view.sentence(),
                      m_view.intervalText(),
                      m_view.sourceText(),
                      m_odometer.text(),
                      m_odometer.geometry(),
                      {},
                      {},
                      {}};
        for (QWidget *part : m_view.shownParts()) {
            if (part->isHidden())
                continue;
            drawn.parts.append(part);
            drawn.boxes.append(part->geometry());
            if (auto *label = qobject_cast<QLabel *>(part); label && !textFits(label))
                drawn.unfitted.append(label->objectName());
        }
    }
    void finishPicture() override { m_view.finishPicture(); }
    QStringList pictureSources() const override { return m_view.pictureSources(); }

    Drawn drawn;

private:
    Apresentacao &m_view;
    OdometerView &m_odometer;
};

// A view of a count of its own: a number, a name and a key hint, for the interface alone.
class StandInView final : public QWidget, public PictureSource
{
public:
    explicit StandInView(QStringList sources) : m_sources(std::move(sources))
    {
        QPalette p = palette();
        p.setColor(QPalette::Window, QColor(40, 0, 0));
        p.setColor(QPalette::WindowText, Qt::white);
        setPalette(p);
        setAutoFillBackground(true);
        number = new QLabel(QStringLiteral("6.355"), this);
        hint = new QLabel(QStringLiteral("Espaço: pausar"), this);
        resize(640, 360);
    }
    QWidget *pictureView() override { return this; }
    void preparePicture(const QSize &size, int captionHeight) override
    {
        before = this->size();
        resize(size);
        number->setGeometry(0, 0, size.width(), size.height() - captionHeight);
        QFont font;
        font.setPixelSize(size.height() / 4);
        number->setFont(font);
        hint->hide();
        givenCaptionHeight = captionHeight;
    }
    void finishPicture() override
    {
        hint->show();
        resize(before);
        ++finished;
    }
    QStringList pictureSources() const override { return m_sources; }

    QLabel *number = nullptr;
    QLabel *hint = nullptr;
    QSize before;
    int givenCaptionHeight = 0;
    int finished = 0;

private:
    QStringList m_sources;
};

struct Fixture : DeadZoneFixture
{
    Fixture() : DeadZoneFixture(kNoon, shippedData()) { window.setReducedMotion(true); }

    // The entry chosen in a mode, the count started, recounted and shown at rest.
    void count(const QString &entry, int mode)
    {
        if (entry.toInt() > 0 || entry == u"0") {
            typeMonthly(entry);
        } else if (!window.chooseEntryNamed(entry)) {
            QFAIL(qPrintable("no entry " + entry));
        }
        child<QRadioButton>("Option1", mode)->setChecked(true);
        play();
        recount();
        fire(timer("frameTimer"));
    }
    Apresentacao &view()
    {
        if (!window.presentation())
            window.enterPresentation();
        return *window.presentation();
    }
};

} // namespace

class TestSharePicture : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void presentationAtThreeSizes_data();
    void presentationAtThreeSizes();
    void standInView_data();
    void standInView();
    void saveAndCopyFromTheView();
    void saveRefusedSaysWhy();
    void toolPanelButton();
    void openViewSavesAtItsOwnSize();
    void commandLineCountIsTheMainWindows_data();
    void commandLineCountIsTheMainWindows();
};

void TestSharePicture::initTestCase()
{
    QLocale::setDefault(QLocale(QLocale::Portuguese, QLocale::Brazil));
}

void TestSharePicture::presentationAtThreeSizes_data()
{
    QTest::addColumn<QSize>("size");
    QTest::addColumn<QString>("entry");
    QTest::addColumn<int>("mode");
    QTest::newRow("1920 x 1080, Bahia by the year") << QSize(1920, 1080) << "Bahia" << 2;
    QTest::newRow("1080 x 1080, Bahia by the year") << QSize(1080, 1080) << "Bahia" << 2;
    QTest::newRow("1080 x 1920, Bahia by the year") << QSize(1080, 1920) << "Bahia" << 2;
    QTest::newRow("1080 x 1080, the longest name, by the month")
        << QSize(1080, 1080) << "Roubos de veículos na cidade de São Paulo" << 1;
}

void TestSharePicture::presentationAtThreeSizes()
{
    QFETCH(QSize, size);
    QFETCH(QString, entry);
    QFETCH(int, mode);
    Fixture f;
    f.count(entry, mode);
    const QString mainCount = f.window.odometerText();
    QVERIFY(!mainCount.isEmpty());
    const QRect mainPlace = f.odometer().geometry();

    Apresentacao &view = f.window.presentationView();
    RecordingSource source(view, *view.odometer());
    SharePicture picture(source);
    const QImage image = picture.draw(size, kNoon);

    QCOMPARE(image.size(), size);
    QCOMPARE(image.devicePixelRatio(), 1.0);
    const Drawn &drawn = source.drawn;

    // What the picture says, read from the widgets that drew it.
    QCOMPARE(drawn.count, mainCount);
    QVERIFY2(drawn.sentence.startsWith(entry), qPrintable(drawn.sentence));
    QVERIFY(drawn.interval.startsWith(QStringLiteral("uma vítima a cada")));
    QVERIFY2(drawn.source.startsWith(QStringLiteral("Fonte: ")), qPrintable(drawn.source));
    QCOMPARE(picture.caption().dateText(), QStringLiteral("em 10/03/2026 às 12:00"));
    QCOMPARE(picture.caption().sourcesText(), drawn.source);
    QCOMPARE(picture.caption().programText(), QStringLiteral("Quorvel Counter"));
    for (const QLabel *label : picture.caption().labels())
        QVERIFY2(textFits(label), qPrintable(label->objectName() + ": " + label->text()));

    // Nothing cut, nothing over the caption line, nothing overlapping; no key hints.
    const int captionTop = size.height() - pictureCaptionHeight(size);
    const QRect above(0, 0, size.width(), captionTop);
    QVERIFY2(drawn.unfitted.isEmpty(), qPrintable(drawn.unfitted.join(u' ')));
    QVERIFY(drawn.parts.contains(view.findChild<QWidget *>(QStringLiteral("Frase"))));
    QVERIFY(!drawn.parts.contains(view.findChild<QWidget *>(QStringLiteral("Estado"))));
    for (qsizetype i = 0; i < drawn.parts.size(); ++i) {
        const QString name = drawn.parts.at(i)->objectName();
        QVERIFY2(above.contains(drawn.boxes.at(i)), qPrintable(name));
        for (qsizetype j = i + 1; j < drawn.parts.size(); ++j)
            QVERIFY2(!drawn.boxes.at(i).intersects(drawn.boxes.at(j)),
                     qPrintable(name + " / " + drawn.parts.at(j)->objectName()));
    }

    // Drawn where the widgets were: the sentence, the wheels, the caption. The source is
    // cited once, in the caption; a still picture has no next victim to wait for.
    QVERIFY(hasInk(image, drawn.boxes.at(drawn.parts.indexOf(
                              view.findChild<QWidget *>(QStringLiteral("Frase"))))));
    const bool written = size.width() * 2 < size.height() * 3;
    if (!written)
        QVERIFY(hasInk(image, drawn.odometer));
    for (const char *name : {"Fonte", "ProximaVitima", "LegendaProximaVitima"})
        QVERIFY2(!drawn.parts.contains(view.findChild<QWidget *>(QString::fromLatin1(name))), name);
    // No wide empty band: the parts above the caption cover most of its height.
    int top = captionTop;
    int bottom = 0;
    for (qsizetype i = 0; i < drawn.parts.size(); ++i) {
        if (drawn.parts.at(i)->objectName() == u"Hora")
            continue;
        top = std::min(top, drawn.boxes.at(i).top());
        bottom = std::max(bottom, drawn.boxes.at(i).bottom());
    }
    QVERIFY2(top < captionTop / 4 && captionTop - bottom < captionTop / 4,
             qPrintable(QStringLiteral("%1 to %2 of %3").arg(top).arg(bottom).arg(captionTop)));
    for (const QLabel *label : picture.caption().labels())
        QVERIFY2(hasInk(image, label->geometry().translated(0, captionTop)),
                 qPrintable(label->objectName()));

    // The whole digits: the wheels' face, 975 of the odometer's 1120 twips of height; in a
    // square or upright picture the count is written instead, the decimals on a line below.
    double digitShare = drawn.odometer.height() * 975.0 / 1120.0 / size.height();
    if (written) {
        const QLabel *written = view.countWritten();
        QVERIFY(drawn.parts.contains(written));
        QVERIFY(hasInk(image, written->geometry()));
        QTextDocument document;
        document.setHtml(written->text());
        QCOMPARE(document.toPlainText().remove(u'.').remove(u'\n'), mainCount);
        QFont digits;
        digits.setBold(true);
        digits.setPixelSize(view.writtenCountPixelSize());
        digitShare = QFontMetrics(digits).tightBoundingRect(QStringLiteral("0")).height() /
                     double(size.height());
    }
    QVERIFY2(digitShare >= 0.08, qPrintable(QString::number(digitShare)));
    QVERIFY(view.countWritten()->isHidden() || !view.isVisible());

    // The wheels went back to the main window, where they were, with the same count.
    QCOMPARE(f.odometer().parentWidget(), &f.window);
    QCOMPARE(f.odometer().geometry(), mainPlace);
    QCOMPARE(f.window.odometerText(), mainCount);
}

void TestSharePicture::standInView_data()
{
    QTest::addColumn<QSize>("size");
    QTest::addColumn<QStringList>("sources");
    QTest::addColumn<QString>("caption");
    QTest::newRow("one counter, 1920 x 1080")
        << QSize(1920, 1080) << QStringList{"Fonte: FBSP, dados de 2022"}
        << "Fonte: FBSP, dados de 2022";
    QTest::newRow("two counters, 1080 x 1080")
        << QSize(1080, 1080)
        << QStringList{"Fonte: FBSP, dados de 2022", "Fonte: SSP-SP, dados de 2023"}
        << "Fonte: FBSP, dados de 2022  ·  Fonte: SSP-SP, dados de 2023";
    QTest::newRow("a typed figure, 1080 x 1920")
        << QSize(1080, 1920) << QStringList{QString()} << QString();
    QTest::newRow("the smallest") << QSize(320, 320) << QStringList{"Fonte: FBSP, dados de 2022"}
                                  << "Fonte: FBSP, dados de 2022";
}

void TestSharePicture::standInView()
{
    QFETCH(QSize, size);
    QFETCH(QStringList, sources);
    QFETCH(QString, caption);
    StandInView view(sources);
    SharePicture picture(view);
    const QImage image = picture.draw(size, QDateTime(QDate(2026, 12, 10), QTime(14, 32)));

    QCOMPARE(image.size(), size);
    QCOMPARE(image.devicePixelRatio(), 1.0);
    const int captionHeight = pictureCaptionHeight(size);
    QCOMPARE(view.givenCaptionHeight, captionHeight);
    QVERIFY(captionHeight >= 24 && captionHeight <= size.height() / 12);
    QCOMPARE(picture.caption().dateText(), QStringLiteral("em 10/12/2026 às 14:32"));
    QCOMPARE(picture.caption().sourcesText(), caption);
    // The view above, in its own colour and with its number; the caption line below it.
    QCOMPARE(QColor(image.pixel(0, 0)), QColor(40, 0, 0));
    QVERIFY(hasInk(image, QRect(0, 0, size.width(), size.height() - captionHeight)));
    QVERIFY(QColor(image.pixel(0, size.height() - 1)) != QColor(40, 0, 0));
    QVERIFY(hasInk(image, QRect(0, size.height() - captionHeight, size.width(), captionHeight)));
    // And the view as it was on screen.
    QCOMPARE(view.finished, 1);
    QCOMPARE(view.size(), QSize(640, 360));
    QVERIFY(!view.hint->isHidden());
}

void TestSharePicture::saveAndCopyFromTheView()
{
    StandInView view({QStringLiteral("Fonte: FBSP, dados de 2022")});
    QTemporaryDir dir;
    QStringList told;
    QString suggested;
    SharePictureActions::Hooks hooks;
    hooks.picture = [&] { return SharePicture(view).draw(QSize(1080, 1080), kNoon); };
    hooks.now = [] { return kNoon; };
    hooks.report = [&](const QString &text) { told.append(text); };
    hooks.askPath = [&](QWidget *, const QString &offered) {
        suggested = offered;
        return dir.filePath(QStringLiteral("bahia.png"));
    };
    SharePictureActions *actions = SharePictureActions::attach(&view, hooks);
    QVERIFY(view.actions().contains(actions->saveAction()));
    QCOMPARE(actions->saveAction()->shortcut(), QKeySequence(QKeySequence::Save));
    QCOMPARE(actions->copyAction()->shortcut(), QKeySequence(QKeySequence::Copy));

    // Ctrl+S as typed in the view, which has the keyboard as the presentation view has.
    view.setFocusPolicy(Qt::StrongFocus);
    view.show();
    view.activateWindow();
    view.setFocus();
    QVERIFY(QTest::qWaitForWindowActive(&view));
    QTest::keyClick(&view, Qt::Key_S, Qt::ControlModifier);
    const QString path = dir.filePath(QStringLiteral("bahia.png"));
    QCOMPARE(told, QStringList{"Imagem salva em " + QDir::toNativeSeparators(path)});
    // The pictures folder, or the home folder on a desktop that has none.
    const QString pictures = QStandardPaths::writableLocation(QStandardPaths::PicturesLocation);
    QCOMPARE(suggested, QDir(QFileInfo(pictures).isDir() ? pictures : QDir::homePath())
                            .filePath(QStringLiteral("quorvel-2026-03-10-1200.png")));
    QImage saved;
    QVERIFY(saved.load(path, "PNG"));
    QCOMPARE(saved.size(), QSize(1080, 1080));

    // Ctrl+C: the same picture on the clipboard.
    QTest::keyClick(&view, Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(told.last(), QStringLiteral("Imagem copiada para a área de transferência"));
    QCOMPARE(QGuiApplication::clipboard()->image().size(), QSize(1080, 1080));

    // Cancelled: nothing written, nothing said.
    actions->setAskPath([](QWidget *, const QString &) { return QString(); });
    QCOMPARE(actions->saveAs(), QString());
    QCOMPARE(told.size(), 2);
}

void TestSharePicture::saveRefusedSaysWhy()
{
    StandInView view({});
    QTemporaryDir dir;
    QStringList told;
    SharePictureActions::Hooks hooks;
    hooks.picture = [&] { return SharePicture(view).draw(QSize(640, 360), kNoon); };
    hooks.report = [&](const QString &text) { told.append(text); };
    const QString path = dir.filePath(QStringLiteral("falta/x.png"));
    hooks.askPath = [&](QWidget *, const QString &) { return path; };
    SharePictureActions actions(&view, hooks);
    QCOMPARE(actions.saveAs(), QString());
    QCOMPARE(told, QStringList{SharePictureActions::notSavedText(
                       path, "a pasta " + dir.filePath(QStringLiteral("falta")) + " não existe")});
    QVERIFY(QDir(dir.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries).isEmpty());
}

void TestSharePicture::toolPanelButton()
{
    Fixture f;
    f.count(QStringLiteral("Bahia"), 2);
    const QRect mainPlace = f.odometer().geometry();
    auto *button = f.child<QPushButton>("BotaoSalvarImagem");
    QCOMPARE(button->text(), QStringLiteral("Salvar imagem…"));
    QCOMPARE(button->parentWidget(), f.child<QWidget>("PainelFerramentas2"));
    // Inside its panel, clear of every other control there.
    QWidget *panel = button->parentWidget();
    QVERIFY(panel->rect().contains(button->geometry()));
    for (QWidget *other : panel->findChildren<QWidget *>(Qt::FindDirectChildrenOnly)) {
        if (other != button && !other->isHidden())
            QVERIFY2(!other->geometry().intersects(button->geometry()),
                     qPrintable(other->objectName()));
    }

    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("hoje.png"));
    f.window.pictureActions()->setAskPath([&](QWidget *, const QString &) { return path; });
    button->click();
    QImage saved;
    QVERIFY(saved.load(path, "PNG"));
    QCOMPARE(saved.size(), QSize(1920, 1080));
    QCOMPARE(f.child<QLabel>("st1Panel(1)")->text(),
             "Imagem salva em " + QDir::toNativeSeparators(path));
    QCOMPARE(f.odometer().parentWidget(), &f.window);
    QCOMPARE(f.odometer().geometry(), mainPlace);
    QVERIFY(!f.window.inPresentation());
}

void TestSharePicture::openViewSavesAtItsOwnSize()
{
    Fixture f;
    f.count(QStringLiteral("Bahia"), 2);
    Apresentacao &view = f.view();
    view.resize(1280, 720);
    view.arrange();
    auto *actions = view.findChild<SharePictureActions *>();
    QVERIFY(actions);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("sala.png"));
    actions->setAskPath([&](QWidget *, const QString &) { return path; });
    actions->saveAction()->trigger();
    QImage saved;
    QVERIFY(saved.load(path, "PNG"));
    QCOMPARE(saved.size(), QSize(1280, 720));
    // Still the open view, with its wheels, and the outcome where the key hints stand.
    QVERIFY(f.window.inPresentation());
    QVERIFY(view.isAncestorOf(view.odometer()));
    QVERIFY(!view.findChild<QLabel *>(QStringLiteral("Estado"))->isHidden());
    QCOMPARE(view.findChild<QLabel *>(QStringLiteral("Estado"))->text(),
             "Imagem salva em " + QDir::toNativeSeparators(path));
}

void TestSharePicture::commandLineCountIsTheMainWindows_data()
{
    QTest::addColumn<QString>("entry"); // or a typed figure
    QTest::addColumn<int>("mode");
    QTest::addColumn<QDateTime>("at");
    QTest::newRow("Bahia, by the year, with its pattern")
        << "Bahia" << 2 << QDateTime(QDate(2026, 12, 10), QTime(14, 32, 17));
    QTest::newRow("a typed figure, today") << "937" << 0 << kNoon;
    QTest::newRow("a crime with its pattern, this month, just after midnight")
        << "Homicidios em São Paulo" << 1 << QDateTime(QDate(2026, 3, 1), QTime(0, 0, 30));
}

void TestSharePicture::commandLineCountIsTheMainWindows()
{
    QFETCH(QString, entry);
    QFETCH(int, mode);
    QFETCH(QDateTime, at);
    Fixture f;
    f.clock.set(at);
    f.count(entry, mode);

    QTemporaryDir dir;
    StartOptions options;
    if (entry.toInt() > 0)
        options.monthly = entry.toInt();
    else
        options.entry = entry;
    options.mode =
        std::array{AccumulationMode::Dia, AccumulationMode::Mes, AccumulationMode::Ano}[mode];
    options.pictureFile = dir.filePath(QStringLiteral("x.png"));
    options.pictureSize = QSize(1080, 1080);
    FakeClock clock(at);
    const PictureRun run = writeStartPicture(options, clock, f.dir.path());
    QCOMPARE(run.exitStatus, 0);
    QCOMPARE(run.message, QString());
    QCOMPARE(run.count, f.window.odometerText());
    QImage saved;
    QVERIFY(saved.load(*options.pictureFile, "PNG"));
    QCOMPARE(saved.size(), QSize(1080, 1080));
}

QTEST_MAIN(TestSharePicture)
#include "tst_sharepicture.moc"
