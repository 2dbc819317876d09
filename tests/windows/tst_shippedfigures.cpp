// The main window with the shipped data: a state's monthly figure and the source line under it.
#include "core/datadirectory.h"
#include "deadzonefixture.h"

#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QTest>

class TestShippedFigures : public QObject
{
    Q_OBJECT

private slots:
    void init() { QLocale::setDefault(QLocale(QLocale::Portuguese, QLocale::Brazil)); }
    void cleanup() { QLocale::setDefault(QLocale::c()); }
    void chosenStateShowsItsYearAndRate_data();
    void chosenStateShowsItsYearAndRate();
    void startNoticeInTheStatusBar();
};

void TestShippedFigures::chosenStateShowsItsYearAndRate_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("monthly");
    QTest::addColumn<QString>("source");

    QTest::newRow("Bahia, 2024 with its rate")
        << "pt_BR"
        << "Bahia"
        << "503"
        << "Fonte: Anuário Brasileiro de Segurança Pública 2025 (FBSP), dados de 2024; "
           "taxa de 40,6 por 100 mil habitantes em 2024";
    QTest::newRow("Bahia, decimal point")
        << "en_US"
        << "Bahia"
        << "503"
        << "Fonte: Anuário Brasileiro de Segurança Pública 2025 (FBSP), dados de 2024; "
           "taxa de 40.6 por 100 mil habitantes em 2024";
    QTest::newRow("Ceará keeps 2022, no rate")
        << "pt_BR"
        << "Ceará"
        << "260,25"
        << "Fonte: Anuário Brasileiro de Segurança Pública 2023 (FBSP), dados de 2022";
}

void TestShippedFigures::chosenStateShowsItsYearAndRate()
{
    QFETCH(QString, locale);
    QFETCH(QString, name);
    QFETCH(QString, monthly);
    QFETCH(QString, source);

    QLocale::setDefault(QLocale(locale));
    DeadZoneFixture f(FakeClock().now(), DeadZoneFixture::shippedData());
    QVERIFY(f.window.chooseEntryNamed(name));
    QCOMPARE(f.child<QLineEdit>("ParametroMes")->text(), monthly);
    QCOMPARE(f.child<QLabel>("FonteEntrada")->text(), source);
    QVERIFY(f.child<QLabel>("FonteEntrada")->toolTip().startsWith(source.section(u';', 0, 0)));

    // The whole line is read: its label is tall enough for it, and the hint that stood under
    // it gives way while an entry is chosen.
    f.window.show();
    const auto *label = f.child<QLabel>("FonteEntrada");
    QVERIFY2(label->heightForWidth(label->width()) <= label->height(),
             qPrintable(QStringLiteral("%1 px of text in %2 px")
                            .arg(label->heightForWidth(label->width()))
                            .arg(label->height())));
    QVERIFY(f.child<QLabel>("Label17")->isHidden());
    f.typeMonthly(QStringLiteral("10"));
    QCOMPARE(label->text(), QString());
    QVERIFY(f.child<QLabel>("Label17")->isVisible());
}

// The data folder's notice, said at start in the status bar beside any notice already there.
void TestShippedFigures::startNoticeInTheStatusBar()
{
    DeadZoneFixture f;
    auto *panel = f.child<QLabel>("st1Panel(1)");
    const QString before = panel->text();
    f.window.showStartNotice(QString());
    QCOMPARE(panel->text(), before);

    const QString notice = newerShippedNotice({QStringLiteral("Quorvelhomicidios.txt")},
                                              QStringLiteral("/usr/lib/quorvel-counter"));
    f.window.showStartNotice(notice);
    QCOMPARE(panel->text(), before.isEmpty() ? notice : before + QStringLiteral(" · ") + notice);
    QVERIFY(panel->text().contains(QStringLiteral("/usr/lib/quorvel-counter")));
}

QTEST_MAIN(TestShippedFigures)
#include "tst_shippedfigures.moc"
