// The crime list of the main window over the shipped files: grouped under what each entry
// counts, filtered by its search field as one types (case and accents ignored), reached by the
// keyboard in a natural order, and read to a screen reader with each entry's group.
#include "deadzonefixture.h"

#include <QAccessible>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QRegularExpression>
#include <QTest>

namespace {

struct Fixture : DeadZoneFixture
{
    Fixture() : DeadZoneFixture(QDateTime(QDate(2026, 3, 10), QTime(15, 0)), shippedData())
    {
        window.openLists();
    }
    QListWidget *list() const { return child<QListWidget>("List1"); }
    QLineEdit *search() const { return child<QLineEdit>("BuscaOcorrencias"); }

    // The texts of the rows shown, headings in brackets.
    QStringList shownRows() const
    {
        QStringList rows;
        for (int i = 0; i < list()->count(); ++i) {
            const QListWidgetItem *item = list()->item(i);
            if (!item->isHidden())
                rows.append(item->flags() & Qt::ItemIsSelectable ? item->text()
                                                                 : u'[' + item->text() + u']');
        }
        return rows;
    }
};

} // namespace

class TestIncidenceSearch : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::Portuguese, QLocale::Brazil)); }
    void entriesStandUnderTheirGroup();
    void searchFiltersAsOneTypes_data();
    void searchFiltersAsOneTypes();
    void foundEntryIsChosenByKeyboard();
    void screenReaderReadsTheGroups();
};

void TestIncidenceSearch::entriesStandUnderTheirGroup()
{
    Fixture f;
    const QStringList rows = f.shownRows();
    // Every entry of the shipped crime file, each once, and a heading per group.
    QCOMPARE(rows.size() - rows.filter(QRegularExpression("^\\[")).size(), 49);
    const qsizetype feminicides = rows.indexOf("[Feminicídios]");
    const qsizetype rapes = rows.indexOf("[Estupros]");
    const qsizetype police = rows.indexOf("[Mortes por intervenção policial]");
    QVERIFY(feminicides >= 0 && rapes >= 0 && police >= 0);
    QCOMPARE(rows.at(feminicides + 1), "Feminicídios no Brasil   124,33");
    QCOMPARE(rows.at(feminicides + 20), "Feminicídios em Sergipe   0,83");
    QVERIFY(rows.at(feminicides + 21).startsWith(u'['));
    // The state's rapes of the SSP stand with the Anuário's, in file order.
    QCOMPARE(rows.mid(rapes + 1, 2), QStringList({"Estupros no estado de São Paulo   1051,25",
                                                  "Estupros no Brasil   7295,42"}));
    QCOMPARE(rows.at(police + 1), "Mortes por intervenção policial no Brasil   520,25");
    // The example line, which counts nothing named, heads the list in its own group.
    QCOMPARE(rows.mid(0, 2), QStringList({"[Outras entradas]", "Homicidios em São Paulo   937"}));
}

void TestIncidenceSearch::searchFiltersAsOneTypes_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QStringList>("rows"); // empty: checked by count below
    QTest::addColumn<int>("entries");

    QTest::newRow("femin: the feminicides only") << "femin" << QStringList() << 20;
    QTest::newRow("bahia, capitals and no accent")
        << "BAHIA"
        << QStringList{"[Estupros]",
                       "Estupros na Bahia   443,58",
                       "[Feminicídios]",
                       "Feminicídios na Bahia   9,25",
                       "[Mortes por intervenção policial]",
                       "Mortes por intervenção policial na Bahia   129,67"}
        << 3;
    QTest::newRow("sao paulo finds São Paulo") << "sao paulo" << QStringList() << 14;
    QTest::newRow("two words: both")
        << "femin  sao paulo" << QStringList{"[Feminicídios]", "Feminicídios em São Paulo   21,08"}
        << 1;
    QTest::newRow("the group's words find its entries") << "policial" << QStringList() << 10;
    QTest::newRow("nothing found: no heading either") << "xyz" << QStringList() << 0;
}

void TestIncidenceSearch::searchFiltersAsOneTypes()
{
    QFETCH(QString, typed);
    QFETCH(QStringList, rows);
    QFETCH(int, entries);

    Fixture f;
    f.search()->setFocus();
    QTest::keyClicks(f.search(), typed);
    const QStringList shown = f.shownRows();
    const QStringList shownEntries =
        shown.filter(QRegularExpression("^[^\\[]")); // headings left out
    QCOMPARE(shownEntries.size(), entries);
    if (!rows.isEmpty())
        QCOMPARE(shown, rows);
    for (const QString &entry : shownEntries) {
        const QString name = entry.section(QStringLiteral("   "), 0, 0);
        if (typed == QLatin1String("femin"))
            QVERIFY2(name.startsWith("Feminicídios"), qPrintable(name));
        if (typed == QLatin1String("sao paulo"))
            QVERIFY2(name.contains("São Paulo"), qPrintable(name));
    }
    // Emptied, the field shows the whole list again.
    f.search()->clear();
    QCOMPARE(f.shownRows().size(), f.list()->count());
}

// Tab goes from the field to the list; Down skips what the search hides and the headings;
// Enter chooses the entry, whose figure the field shows in Brazilian form.
void TestIncidenceSearch::foundEntryIsChosenByKeyboard()
{
    Fixture f;
    f.window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&f.window));
    f.search()->setFocus();
    QTest::keyClicks(f.search(), "sergipe");
    QTest::keyClick(f.search(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), f.list());
    f.list()->setCurrentItem(nullptr);
    QTest::keyClick(f.list(), Qt::Key_Down);
    QCOMPARE(f.list()->currentItem()->text(), "Feminicídios em Sergipe   0,83");
    QTest::keyClick(f.list(), Qt::Key_Return);
    QCOMPARE(f.child<QLineEdit>("ParametroMes")->text(), "0,83");
    QCOMPARE(f.child<QLabel>("Label9")->text(), "Feminicídios em Sergipe   0,83");
    QCOMPARE(f.child<QLabel>("FonteEntrada")->text(),
             "Fonte: Anuário Brasileiro de Segurança Pública 2025 (FBSP), dados de 2024; taxa "
             "de 0,8 por 100 mil mulheres em 2024");
}

void TestIncidenceSearch::screenReaderReadsTheGroups()
{
    Fixture f;
    QAccessibleInterface *list = QAccessible::queryAccessibleInterface(f.list());
    QVERIFY(list);
    QString headingFound;
    QString groupOfBahia;
    for (int i = 0; i < list->childCount(); ++i) {
        QAccessibleInterface *child = list->child(i);
        if (!child)
            continue;
        if (child->text(QAccessible::Name) == QStringLiteral("Feminicídios"))
            headingFound = child->text(QAccessible::Description);
        if (child->text(QAccessible::Name) == QStringLiteral("Feminicídios na Bahia   9,25"))
            groupOfBahia = child->text(QAccessible::Description);
    }
    QCOMPARE(headingFound, "Grupo");
    QCOMPARE(groupOfBahia, "Grupo: Feminicídios");
}

QTEST_MAIN(TestIncidenceSearch)
#include "tst_incidencesearch.moc"
