// What a screen magnifier or a screen reader's flat review is told of where things are: the
// accessible extents of the presentation's and the comparison's count, sentence, source and
// next-victim bar lie on the screen and around what each draws, at the usual screen sizes.
#include "core/counter.h"
#include "deadzonefixture.h"
#include "distribution/choicesetup.h"
#include "fakeclock.h"
#include "windows/Apresentacao/apresentacao.h"
#include "windows/Comparacao/comparacao.h"
#include "windows/Comparacao/comparedcounter.h"

#include <QAccessible>
#include <QFontMetrics>
#include <QLabel>
#include <QProgressBar>
#include <QTest>
#include <QTimer>

namespace {

const QDateTime kNoon(QDate(2026, 3, 10), QTime(12, 0));

QRect onScreen(const QWidget *widget, const QRect &local)
{
    return local.translated(widget->mapToGlobal(QPoint(0, 0)));
}

QRect accessibleRect(QWidget *widget)
{
    QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(widget);
    return iface ? iface->rect() : QRect();
}

// Where a plain label draws its text: the lines as wrapped in its width, aligned in its box.
QRect drawnText(const QLabel *label)
{
    const QFontMetrics metrics(label->font());
    const int flags = int(label->alignment()) | (label->wordWrap() ? Qt::TextWordWrap : 0);
    const QRect needed = metrics.boundingRect(label->contentsRect(), flags, label->text());
    return onScreen(label, needed);
}

QString described(const QRect &r)
{
    return QStringLiteral("%1,%2 %3x%4").arg(r.x()).arg(r.y()).arg(r.width()).arg(r.height());
}

// The extents of `widget` are on the screen, not empty, and hold `drawn`.
void checkAround(QWidget *widget, const QRect &screen, const QRect &drawn)
{
    const QRect reported = accessibleRect(widget);
    const QByteArray what = (widget->objectName() + QStringLiteral(": reports ") +
                             described(reported) + QStringLiteral(", draws ") + described(drawn))
                                .toUtf8();
    QVERIFY2(!reported.isEmpty(), what.constData());
    QVERIFY2(screen.contains(reported), what.constData());
    QVERIFY2(reported.contains(drawn), what.constData());
}

} // namespace

class TestAccessibleGeometry : public QObject
{
    Q_OBJECT

private slots:
    void presentation_data();
    void presentation();
    void comparison_data();
    void comparison();
};

void TestAccessibleGeometry::presentation_data()
{
    QTest::addColumn<QSize>("screen");
    QTest::addColumn<double>("monthly");
    // 300 a month at noon: 5,0000, one wheel of five shown (four leading wheels cut off);
    // 3,000,000: 50000,0000, all five.
    QTest::newRow("1920 x 1080, one wheel") << QSize(1920, 1080) << 300.0;
    QTest::newRow("1920 x 1080, five wheels") << QSize(1920, 1080) << 3000000.0;
    QTest::newRow("1280 x 720, one wheel") << QSize(1280, 720) << 300.0;
    QTest::newRow("1280 x 720, three wheels") << QSize(1280, 720) << 30000.0;
    QTest::newRow("1024 x 768, one wheel") << QSize(1024, 768) << 300.0;
    QTest::newRow("1024 x 768, five wheels") << QSize(1024, 768) << 3000000.0;
}

// The count's housing reports the wheels it shows, not the leading ones placed off to the left
// and cut; the decimals, the sentence, the source and the bar where they are drawn.
void TestAccessibleGeometry::presentation()
{
    QFETCH(QSize, screen);
    QFETCH(double, monthly);
    FakeClock clock(kNoon);
    Counter counter(clock);
    Apresentacao view(counter, clock);
    counter.setTypedFigure(monthly);
    CountDescription what;
    what.typedMonthly = monthly;
    view.setDescription(what);
    view.setSource(QStringLiteral("Fonte: Anuário Brasileiro de Segurança Pública 2025 (FBSP), "
                                  "dados de 2024"),
                   QStringLiteral("taxa de 40,6 por 100 mil habitantes em 2024"));
    QVERIFY(counter.start());
    counter.recount();
    view.open();
    for (int i = 0; i < 11; ++i)
        QVERIFY(QMetaObject::invokeMethod(counter.frameTimer(), "timeout"));
    view.resize(screen);
    view.arrange();
    const QRect whole = onScreen(&view, view.rect());

    // The wheels drawn: each wheel's part inside the box that cuts the odometer.
    auto *box = view.findChild<QWidget *>(QStringLiteral("Contador"));
    const QRect cut = onScreen(box, box->rect());
    for (const char *housingName : {"Picture11", "Picture6"}) {
        auto *housing = view.findChild<QWidget *>(QString::fromLatin1(housingName));
        QRect drawn;
        const QList<QWidget *> wheels =
            housing->findChildren<QWidget *>(QString(), Qt::FindDirectChildrenOnly);
        // A wheel is drawn inside its housing, and the housing inside the box.
        const QRect inHousing = onScreen(housing, housing->rect()) & cut;
        for (const QWidget *wheel : wheels) {
            if (wheel->isVisible())
                drawn |= onScreen(wheel, wheel->rect()) & inHousing;
        }
        QVERIFY(!drawn.isEmpty());
        checkAround(housing, whole, drawn);
        // Around what it draws and no more: nothing of it lies outside the box that cuts it.
        QVERIFY2(cut.contains(accessibleRect(housing)), housingName);
    }
    for (const char *name : {"Frase", "Fonte"}) {
        auto *label = view.findChild<QLabel *>(QString::fromLatin1(name));
        QVERIFY(!label->text().isEmpty());
        checkAround(label, whole, drawnText(label));
    }
    auto *bar = view.findChild<QProgressBar *>(QStringLiteral("ProximaVitima"));
    checkAround(bar, whole, onScreen(bar, bar->rect()));
}

void TestAccessibleGeometry::comparison_data()
{
    QTest::addColumn<QSize>("screen");
    QTest::addColumn<int>("counters");
    QTest::newRow("1920 x 1080, six") << QSize(1920, 1080) << 6;
    QTest::newRow("1280 x 720, three") << QSize(1280, 720) << 3;
    QTest::newRow("1024 x 768, two") << QSize(1024, 768) << 2;
    QTest::newRow("1024 x 768, six") << QSize(1024, 768) << 6;
}

// Each counter's sentence, count and source report their place inside the screen and around
// the text they draw.
void TestAccessibleGeometry::comparison()
{
    QFETCH(QSize, screen);
    QFETCH(int, counters);
    DeadZoneFixture f(QDateTime(QDate(2026, 11, 30), QTime(23, 0)), DeadZoneFixture::shippedData());
    const QStringList all{"entrada:Furtos em geral na cidade de São Paulo",
                          "entrada:Bahia",
                          "entrada:Roubos em geral na cidade de São Paulo",
                          "mensal:80000",
                          "entrada:Brasil",
                          "entrada:São Paulo"};
    const ChoiceFiles files = ChoiceFiles::read(f.window.dataDirectory());
    QList<PreparedChoice> choices;
    for (const QString &choice : all.mid(0, counters))
        choices.append(prepareChoice(*CounterChoice::fromSetting(choice), files));
    Comparacao view(f.clock);
    view.setChoices(choices, AccumulationMode::Ano);
    view.startAll();
    view.show();
    view.resize(screen);
    view.arrange();
    const QRect whole = onScreen(&view, view.rect());

    for (int i = 0; i < counters; ++i) {
        ComparedCounter *panel = view.panel(i);
        checkAround(panel, whole, onScreen(panel, panel->rect()));
        for (const char *name : {"Frase", "Fonte"}) {
            auto *label = panel->findChild<QLabel *>(QString::fromLatin1(name));
            checkAround(label, whole, drawnText(label));
        }
        // The count is rich text: the whole part and its decimals, as the label lays them out.
        QLabel *count = panel->countLabel();
        const QSize needed = count->sizeHint();
        const QRect drawnCount(count->width() / 2 - needed.width() / 2 + 1,
                               count->height() / 2 - needed.height() / 2 + 1,
                               std::max(1, needed.width() - 2), std::max(1, needed.height() - 2));
        checkAround(count, whole, onScreen(count, drawnCount));
    }
}

QTEST_MAIN(TestAccessibleGeometry)
#include "tst_accessiblegeometry.moc"
