// The odometer on its own, as another window shows it: the same count reads back the same
// at any size, to the eye (the wheels drawn at the size they stand) and to assistive
// technology.
#include "core/counterstate.h"
#include "core/odometerframe.h"
#include "countdigits.h"
#include "display/odometerview.h"
#include "display/picturebox.h"
#include "display/twipsscale.h"

#include <QLocale>
#include <QTest>
#include <QWidget>

namespace {

// What the view shows after the display ticks of a whole roll cycle over a count.
struct Shown
{
    QString text;
    QString accessibleName;
};

Shown showAlone(const QString &masked, QSize size)
{
    OdometerView view;
    view.resize(size);
    view.show();
    if (!QTest::qWaitForWindowExposed(&view))
        return {QStringLiteral("not exposed"), {}};

    CounterState state;
    setCountDigits(state, masked);
    state.forgetShownDigits();
    OdometerFrame frame;
    for (int i = 0; i < 11; ++i)
        view.apply(frame.tick(state, -1), state);

    // Every wheel is drawn at the size it stands at this scale.
    TwipsScale scale;
    scale.setFactor(TwipsScale::fitting(OdometerView::AreaTwips.size(), size));
    const QSize wheel = scale.px(OdometerView::WheelTwips);
    for (const char *name : {"Picture29", "Picture20", "Picture3", "Picture0"}) {
        const auto *w = view.findChild<PictureBox *>(QLatin1String(name));
        if (!w || w->size() != wheel || w->picture().deviceIndependentSize().toSize() != wheel)
            return {QStringLiteral("%1 not drawn at %2x%3")
                        .arg(QLatin1String(name))
                        .arg(wheel.width())
                        .arg(wheel.height()),
                    {}};
    }
    const auto *housing = view.findChild<QWidget *>(QStringLiteral("Picture11"));
    return {view.text(), housing ? housing->accessibleName() : QString()};
}

} // namespace

class TestOdometerView : public QObject
{
    Q_OBJECT

private slots:
    void init() { QLocale::setDefault(QLocale(QLocale::Portuguese, QLocale::Brazil)); }

    void sameCountAtTwoSizes_data()
    {
        QTest::addColumn<QString>("masked");
        QTest::addColumn<QString>("reads");
        QTest::newRow("below one") << QStringLiteral("00000.0000") << QStringLiteral("0,0000");
        QTest::newRow("leading zeros blank")
            << QStringLiteral("00105.0372") << QStringLiteral("105,0372");
        QTest::newRow("inner zeros kept")
            << QStringLiteral("10005.0009") << QStringLiteral("10005,0009");
        QTest::newRow("every wheel nine")
            << QStringLiteral("99999.9999") << QStringLiteral("99999,9999");
    }
    void sameCountAtTwoSizes()
    {
        QFETCH(QString, masked);
        QFETCH(QString, reads);
        // The main window's own size for it, and a projector's: three times as large.
        for (const QSize size : {QSize(613, 75), QSize(1838, 224)}) {
            const Shown shown = showAlone(masked, size);
            QCOMPARE(shown.text, reads);
            QCOMPARE(shown.accessibleName, QStringLiteral("Contagem: ") + reads);
        }
    }

    void blankReadsAsBlank()
    {
        OdometerView view;
        CounterState state;
        setCountDigits(state, QStringLiteral("00105.0372"));
        view.showDecimals(state);
        QCOMPARE(view.text(), QStringLiteral("0,0372"));
        view.blank();
        QCOMPARE(view.text(), QString());
        QCOMPARE(view.findChild<QWidget *>(QStringLiteral("Picture11"))->accessibleName(),
                 QStringLiteral("Contagem: em branco"));
    }
};

QTEST_MAIN(TestOdometerView)
#include "tst_odometerview.moc"
