// The comparison dialog's two lists: every entry's name and figure shown whole (a long name
// shortened keeps its figure), grouped under what the entries count, and each list filtered
// by its own search field.
#include "windows/Comparacao/escolhacomparacao.h"

#include <QApplication>
#include <QFontMetrics>
#include <QLineEdit>
#include <QListWidget>
#include <QTest>

namespace {

ChoiceFiles shippedFiles()
{
    return ChoiceFiles::read(QStringLiteral(QUORVEL_ASSETS "/data"));
}

QStringList shownEntries(const QListWidget *list)
{
    QStringList texts;
    for (int i = 0; i < list->count(); ++i) {
        const QListWidgetItem *item = list->item(i);
        if (!item->isHidden() && (item->flags() & Qt::ItemIsSelectable))
            texts.append(item->text());
    }
    return texts;
}

QListWidgetItem *itemWithText(const QListWidget *list, const QString &text)
{
    const QList<QListWidgetItem *> found = list->findItems(text, Qt::MatchExactly);
    return found.isEmpty() ? nullptr : found.front();
}

} // namespace

class TestComparisonLists : public QObject
{
    Q_OBJECT

private slots:
    void textsAreShownWhole();
    void shortenedNameKeepsItsFigure();
    void eachListHasItsSearch();
};

// 11110,33 a month used to show cut short; the row is as tall as its wrapped text needs.
void TestComparisonLists::textsAreShownWhole()
{
    EscolhaComparacao dialog(shippedFiles(), Comparison());
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    for (const char *name : {"ListaOcorrencias", "ListaEstados"}) {
        auto *list = dialog.findChild<QListWidget *>(QString::fromLatin1(name));
        QVERIFY(list);
        QVERIFY(list->wordWrap());
        QCOMPARE(list->textElideMode(), Qt::ElideNone);
    }
    auto *crimes = dialog.findChild<QListWidget *>(QStringLiteral("ListaOcorrencias"));
    for (const QString &text :
         {QStringLiteral("Roubos em geral na cidade de São Paulo   11110,33"),
          QStringLiteral("Mortes por intervenção policial no Rio Grande do Norte   6,58")}) {
        QListWidgetItem *item = itemWithText(crimes, text);
        QVERIFY2(item, qPrintable(text));
        crimes->scrollToItem(item);
        const QRect row = crimes->visualItemRect(item);
        const QRect needed =
            QFontMetrics(crimes->font())
                .boundingRect(QRect(0, 0, row.width() - 8, 10000), Qt::TextWordWrap, text);
        QVERIFY2(needed.height() <= row.height(), qPrintable(text));
    }
}

void TestComparisonLists::shortenedNameKeepsItsFigure()
{
    ChoiceFiles files;
    files.parametros = readIncidences(QByteArray("\"Roubos\",\"11110\"\r\n\"") +
                                      QByteArray(300, 'A') + "\",\"9,25\"\r\n");
    EscolhaComparacao dialog(files, Comparison());
    auto *crimes = dialog.findChild<QListWidget *>(QStringLiteral("ListaOcorrencias"));
    QCOMPARE(crimes->count(), 2); // one group: no heading
    QCOMPARE(crimes->item(0)->text(), QStringLiteral("Roubos   11110"));
    const QString shortened = crimes->item(1)->text();
    QVERIFY(shortened.startsWith(QStringLiteral("AAAA")));
    QVERIFY(shortened.contains(QChar(0x2026)));
    QVERIFY(shortened.endsWith(QStringLiteral("…   9,25")));
    // The choice is the whole name.
    crimes->setCurrentItem(crimes->item(1));
    emit crimes->itemDoubleClicked(crimes->item(1));
    QCOMPARE(dialog.comparison().choices.value(0).entryName, QString(300, u'A'));
}

void TestComparisonLists::eachListHasItsSearch()
{
    EscolhaComparacao dialog(shippedFiles(), Comparison());
    auto *crimes = dialog.findChild<QListWidget *>(QStringLiteral("ListaOcorrencias"));
    auto *states = dialog.findChild<QListWidget *>(QStringLiteral("ListaEstados"));
    auto *crimeSearch = dialog.findChild<QLineEdit *>(QStringLiteral("BuscaListaOcorrencias"));
    auto *stateSearch = dialog.findChild<QLineEdit *>(QStringLiteral("BuscaListaEstados"));
    QVERIFY(crimeSearch && stateSearch);
    // Tab goes from each field to its own list.
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    for (const auto &[search, list] :
         {std::pair{crimeSearch, crimes}, std::pair{stateSearch, states}}) {
        search->setFocus();
        QTest::keyClick(search, Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), list);
    }

    QTest::keyClicks(crimeSearch, QStringLiteral("femin"));
    const QStringList feminicides = shownEntries(crimes);
    QCOMPARE(feminicides.size(), 20);
    for (const QString &text : feminicides)
        QVERIFY2(text.startsWith(QStringLiteral("Feminicídios")), qPrintable(text));
    QCOMPARE(shownEntries(states).size(), 28); // the other list keeps its entries

    QTest::keyClicks(stateSearch, QStringLiteral("sao paulo"));
    QCOMPARE(shownEntries(states), QStringList{QStringLiteral("São Paulo   312,58")});

    // A heading is no entry: double-clicking it chooses nothing.
    QListWidgetItem *heading = itemWithText(crimes, QStringLiteral("Feminicídios"));
    QVERIFY(heading);
    crimes->setCurrentItem(heading);
    emit crimes->itemDoubleClicked(heading);
    QVERIFY(dialog.comparison().choices.isEmpty());
    QListWidgetItem *bahia = itemWithText(crimes, QStringLiteral("Feminicídios na Bahia   9,25"));
    crimes->setCurrentItem(bahia);
    emit crimes->itemDoubleClicked(bahia);
    QCOMPARE(dialog.comparison().choices.value(0).entryName,
             QStringLiteral("Feminicídios na Bahia"));
}

QTEST_MAIN(TestComparisonLists)
#include "tst_comparisonlists.moc"
