#include "core/odometerframe.h"
#include "display/picclip.h"

#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <QtTest>

// The digit strips and every picture other windows load by name.
class TestPicClip : public QObject
{
    Q_OBJECT

private slots:
    void stripCells_data();
    void stripCells();
    void cellsComeFromTheirOwnPlace();
    void badRequestsGiveNullPixmaps();
    void cellForDigit_data();
    void cellForDigit();
    void namedPictures_data();
    void namedPictures();
};

void TestPicClip::stripCells_data()
{
    QTest::addColumn<QString>("resource");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<qreal>("dpr");
    const QStringList strips{"strip0", "strip1", "strip2", "strip3", "strip2_decimal"};
    for (const QString &strip : strips) {
        const QString path = ":/pictures/" + strip + ".svg";
        QTest::addRow("%s nominal", qPrintable(strip)) << path << QSize(68, 59) << 1.0;
        QTest::addRow("%s wheel hidpi", qPrintable(strip)) << path << QSize(73, 65) << 2.0;
        QTest::addRow("%s fractional", qPrintable(strip)) << path << QSize(91, 81) << 1.25;
    }
}

void TestPicClip::stripCells()
{
    QFETCH(QString, resource);
    QFETCH(QSize, size);
    QFETCH(qreal, dpr);

    PicClip clip(resource);
    QVERIFY(clip.isValid());
    QList<qint64> keys;
    QList<QImage> images;
    for (int i = 0; i < 10; ++i) {
        const QPixmap cell = clip.cell(i, size, dpr);
        QVERIFY2(!cell.isNull(), qPrintable(QString::number(i)));
        QCOMPARE(cell.deviceIndependentSize().toSize(), size);
        QCOMPARE(cell.devicePixelRatio(), dpr);
        keys.append(cell.cacheKey());
        images.append(cell.toImage());
    }
    QCOMPARE(clip.renderCount(), 1);

    // Asking again at the same size hands out the very same pixmaps without rendering.
    for (int i = 0; i < 10; ++i)
        QCOMPARE(clip.cell(i, size, dpr).cacheKey(), keys.at(i));
    QCOMPARE(clip.renderCount(), 1);

    // Each cell is a drum face filled to its edges, and no two cells are alike.
    for (int i = 0; i < 10; ++i) {
        const QImage &img = images.at(i);
        QCOMPARE(qAlpha(img.pixel(img.width() / 2, img.height() / 2)), 255);
        QCOMPARE(qAlpha(img.pixel(1, 1)), 255);
        QCOMPARE(qAlpha(img.pixel(img.width() - 2, img.height() - 2)), 255);
        for (int j = i + 1; j < 10; ++j)
            QVERIFY2(img != images.at(j), qPrintable(QStringLiteral("%1 == %2").arg(i).arg(j)));
    }
}

void TestPicClip::cellsComeFromTheirOwnPlace()
{
    // Cell i is the i-th tenth of the whole picture, not a squeezed copy of all of it.
    const QSize cellSize(68, 59);
    QSvgRenderer renderer(QStringLiteral(":/pictures/strip2.svg"));
    QImage whole(cellSize.width() * 10, cellSize.height(), QImage::Format_ARGB32_Premultiplied);
    whole.fill(Qt::transparent);
    QPainter painter(&whole);
    renderer.render(&painter);
    painter.end();

    PicClip clip(QStringLiteral(":/pictures/strip2.svg"));
    for (int i = 0; i < 10; ++i) {
        const QImage expected =
            whole.copy(i * cellSize.width(), 0, cellSize.width(), cellSize.height());
        const QImage cell = clip.cell(i, cellSize).toImage().convertToFormat(expected.format());
        int differing = 0;
        for (int y = 0; y < cell.height(); ++y)
            for (int x = 0; x < cell.width(); ++x)
                differing += qAbs(qGray(cell.pixel(x, y)) - qGray(expected.pixel(x, y))) > 24;
        QVERIFY2(differing < cell.width() * cell.height() / 50, qPrintable(QString::number(i)));
    }

    // The crisp strip used for the first face of the first decimal wheel is the same picture.
    PicClip same(QStringLiteral(":/pictures/strip3.svg"));
    for (int i = 0; i < 10; ++i)
        QCOMPARE(same.cell(i, cellSize).toImage(), clip.cell(i, cellSize).toImage());

    // Cells again at the size shown do not render again; a new size renders once, and the
    // size it replaced is not kept (a resize would otherwise keep every size it passed).
    const int renders = clip.renderCount();
    clip.cell(3, cellSize);
    clip.cell(7, cellSize);
    QCOMPARE(clip.renderCount(), renders);
    const QPixmap shownBefore = clip.cell(3, cellSize);
    clip.cell(0, QSize(30, 26));
    clip.cell(5, QSize(30, 26));
    QCOMPARE(clip.renderCount(), renders + 1);
    QVERIFY(shownBefore.isDetached()); // the wheel holding it is all that is left
    clip.cell(3, cellSize);
    QCOMPARE(clip.renderCount(), renders + 2);
}

void TestPicClip::badRequestsGiveNullPixmaps()
{
    PicClip clip(QStringLiteral(":/pictures/strip2.svg"));
    for (int i : {-1, 10, 11, 1000, std::numeric_limits<int>::min()})
        QVERIFY2(clip.cell(i, QSize(68, 59)).isNull(), qPrintable(QString::number(i)));
    QVERIFY(clip.cell(0, QSize()).isNull());
    QVERIFY(clip.cell(0, QSize(0, 59)).isNull());
    QVERIFY(clip.cell(0, QSize(68, 59), 0.0).isNull());
    QCOMPARE(clip.renderCount(), 0);

    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("Cannot open file.*"));
    PicClip missing(QStringLiteral(":/pictures/no-such-strip.svg"));
    QVERIFY(!missing.isValid());
    QVERIFY(missing.cell(0, QSize(68, 59)).isNull());
}

void TestPicClip::cellForDigit_data()
{
    QTest::addColumn<int>("digit");
    QTest::addColumn<int>("cell");
    QTest::newRow("1 is the first cell") << 1 << 0;
    QTest::newRow("5") << 5 << 4;
    QTest::newRow("9") << 9 << 8;
    QTest::newRow("0 is the last cell") << 0 << 9;
    QTest::newRow("negative") << -1 << 9;
    QTest::newRow("10") << 10 << 9;
    QTest::newRow("99, nothing drawn yet") << 99 << 9;
}

void TestPicClip::cellForDigit()
{
    QFETCH(int, digit);
    QFETCH(int, cell);
    QCOMPARE(OdometerFrame::cellForDigit(digit), cell);
}

void TestPicClip::namedPictures_data()
{
    // Name and nominal size in pixels; the windows rely on both (size sets the aspect).
    QTest::addColumn<QString>("name");
    QTest::addColumn<QSize>("size");
    // clang-format off
    const QList<std::pair<const char *, QSize>> pictures{
        {"strip0", {692, 59}},   {"strip1", {692, 59}},   {"strip2", {680, 59}},
        {"strip3", {680, 59}},   {"strip2_decimal", {680, 59}},
        {"neutro", {68, 59}},    {"neutro_decimal", {68, 59}},
        {"playon", {48, 48}},    {"playoff", {48, 48}},   {"waiton", {48, 48}},
        {"waitoff", {48, 48}},   {"anjo", {94, 139}},     {"auto", {100, 50}},
        {"pol1", {100, 67}},     {"pol2", {100, 67}},     {"divider", {14, 59}},
        {"endpiece", {21, 59}},  {"botao0", {36, 29}},    {"botao1", {32, 32}},
        {"botao2", {24, 24}},    {"botao3", {35, 25}},    {"botao4", {43, 41}},
        {"botao5", {32, 32}},    {"botao6", {32, 32}},    {"botao7", {24, 24}},
        {"botao8", {37, 32}},    {"botao9", {32, 32}},    {"reel", {547, 65}},
        {"cover", {640, 96}},    {"icon", {256, 256}},    {"tilt", {}},
        {"som", {}},
    };
    // clang-format on
    for (const auto &[name, size] : pictures)
        QTest::newRow(name) << QString::fromLatin1(name) << size;
}

void TestPicClip::namedPictures()
{
    QFETCH(QString, name);
    QFETCH(QSize, size);
    // The renderer complains about what it cannot draw (duplicate ids, unknown elements).
    QTest::failOnWarning(QRegularExpression(".*"));
    QSvgRenderer renderer(":/pictures/" + name + ".svg");
    QVERIFY(renderer.isValid());
    if (size.isValid())
        QCOMPARE(renderer.defaultSize(), size);
    else
        QVERIFY(!renderer.defaultSize().isEmpty());
}

QTEST_MAIN(TestPicClip)
#include "tst_picclip.moc"
