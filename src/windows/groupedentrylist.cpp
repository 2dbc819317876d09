#include "windows/groupedentrylist.h"

#include "data/searchtext.h"

#include <QFont>
#include <QLineEdit>
#include <QListWidget>
#include <QWidget>

namespace {

constexpr int kEntryIndexRole = Qt::UserRole + 1;

} // namespace

GroupedEntryList::GroupedEntryList(QListWidget *list, QLineEdit *search, QObject *parent)
    : QObject(parent), m_list(list), m_search(search)
{
    m_search->setClearButtonEnabled(true);
    QWidget::setTabOrder(m_search, m_list);
    connect(m_search, &QLineEdit::textChanged, this, &GroupedEntryList::filter);
}

void GroupedEntryList::clear()
{
    m_list->clear();
    m_entryItems.clear();
    m_searchTexts.clear();
    m_headings.clear();
}

void GroupedEntryList::fill(const QStringList &texts, const QStringList &names,
                            const QList<EntryGroup> &groups)
{
    clear();
    m_entryItems.resize(texts.size(), nullptr);
    m_searchTexts.resize(texts.size());
    const bool headed = groups.size() > 1;
    m_list->setUpdatesEnabled(false);
    for (const EntryGroup &group : groups) {
        if (headed) {
            auto *heading = new QListWidgetItem(group.heading, m_list);
            // Not an entry: neither chosen nor selected, only read.
            heading->setFlags(Qt::NoItemFlags);
            QFont bold = m_list->font();
            bold.setBold(true);
            heading->setFont(bold);
            // A heading reads as text, not as a greyed entry.
            heading->setForeground(m_list->palette().windowText());
            heading->setData(Qt::AccessibleDescriptionRole, QStringLiteral("Grupo"));
            m_headings.append(Heading{heading, group.entries});
        }
        for (const qsizetype index : group.entries) {
            if (index < 0 || index >= texts.size())
                continue;
            auto *item = new QListWidgetItem(texts.at(index), m_list);
            item->setData(kEntryIndexRole, int(index));
            if (headed)
                item->setData(Qt::AccessibleDescriptionRole,
                              QStringLiteral("Grupo: ") + group.heading);
            m_entryItems[index] = item;
            m_searchTexts[index] = foldForSearch(names.value(index) + u' ' + group.heading);
        }
    }
    m_list->setUpdatesEnabled(true);
    filter(m_search->text());
}

int GroupedEntryList::entryIndex(const QListWidgetItem *item)
{
    if (!item)
        return -1;
    const QVariant index = item->data(kEntryIndexRole);
    return index.isValid() ? index.toInt() : -1;
}

QListWidgetItem *GroupedEntryList::itemOfEntry(int index) const
{
    return index >= 0 && index < m_entryItems.size() ? m_entryItems.at(index) : nullptr;
}

void GroupedEntryList::filter(const QString &query)
{
    const QStringList words = searchWords(query);
    for (qsizetype i = 0; i < m_entryItems.size(); ++i) {
        if (QListWidgetItem *item = m_entryItems.at(i))
            item->setHidden(!containsEveryWord(m_searchTexts.at(i), words));
    }
    for (const Heading &heading : std::as_const(m_headings)) {
        bool shown = false;
        for (const qsizetype index : heading.entries)
            shown = shown || (itemOfEntry(int(index)) && !itemOfEntry(int(index))->isHidden());
        heading.item->setHidden(!shown);
    }
}
