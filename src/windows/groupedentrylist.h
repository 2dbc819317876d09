#pragma once

#include "data/entrygroups.h"

#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>

class QLineEdit;
class QListWidget;
class QListWidgetItem;

// A list of incidence entries under the headings of their groups, filtered by a search field
// as the user types (case and accents ignored). Headings show only when there is more than one
// group, and a heading hides with the last of its entries. Each entry's item keeps its index
// in the file, so that the window's lists of quantities and names stay in file order; screen
// readers read its group as the item's description.
class GroupedEntryList : public QObject
{
    Q_OBJECT

public:
    // The search field comes before the list in the keyboard's order.
    GroupedEntryList(QListWidget *list, QLineEdit *search, QObject *parent);

    // Shows entry i as texts[i]; names[i] (and its group's heading) is what the search finds.
    void fill(const QStringList &texts, const QStringList &names, const QList<EntryGroup> &groups);
    void clear();

    // The entry an item stands for; -1 for a heading or no item.
    static int entryIndex(const QListWidgetItem *item);
    // The item of entry i; none outside the list.
    QListWidgetItem *itemOfEntry(int index) const;
    // Shows the entries that match the query and the headings of their groups.
    void filter(const QString &query);

private:
    struct Heading
    {
        QListWidgetItem *item = nullptr;
        QList<qsizetype> entries;
    };

    QListWidget *m_list;
    QLineEdit *m_search;
    QList<QListWidgetItem *> m_entryItems; // by entry index
    QStringList m_searchTexts;             // by entry index, folded for search
    QList<Heading> m_headings;
};
