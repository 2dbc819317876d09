#include "windows/MainWindow/incidencelistpanel.h"

#include "data/entrygroups.h"
#include "data/incidencereader.h"
#include "data/sourceline.h"
#include "display/desktopservices.h"
#include "windows/groupedentrylist.h"

#include <QComboBox>
#include <QDir>
#include <QFrame>
#include <QKeyEvent>
#include <QListWidget>
#include <QSignalBlocker>

IncidenceListPanel::IncidenceListPanel(QFrame *panel, QListWidget *crimes, QLineEdit *crimeSearch,
                                       QComboBox *states, DesktopServices &desktop,
                                       QString dataDirectory, QWidget *window)
    : QObject(window), m_panel(panel), m_crimes(crimes),
      m_crimeGroups(new GroupedEntryList(crimes, crimeSearch, this)), m_states(states),
      m_desktop(desktop), m_dataDirectory(std::move(dataDirectory)), m_window(window)
{
    connect(m_crimes, &QListWidget::itemDoubleClicked, this, [this](QListWidgetItem *item) {
        // A heading is no entry.
        if (const int entry = GroupedEntryList::entryIndex(item); entry >= 0)
            emit entryChosen({entry, CurrentChoice::List::Crimes});
    });
    connect(m_states, &QComboBox::currentIndexChanged, this, [this](int index) {
        emit entryChosen({index, CurrentChoice::List::States});
    });
    m_crimes->installEventFilter(this);
}

QString IncidenceListPanel::crimesFileName()
{
    return QStringLiteral("QuorvelParametros.txt");
}

QString IncidenceListPanel::statesFileName()
{
    return QStringLiteral("Quorvelhomicidios.txt");
}

void IncidenceListPanel::clear()
{
    m_crimeGroups->clear();
    m_crimeTexts.clear();
    m_List2.clear();
    m_List3.clear();
    {
        // Emptying the combo box is not a choice of a state.
        const QSignalBlocker blocker(m_states);
        m_states->clear();
    }
    m_List2b.clear();
    m_List3b.clear();
}

QString IncidenceListPanel::read()
{
    const QDir dir(m_dataDirectory);
    clear();
    // Optional: without it the entries simply show no source.
    m_sources = readSourcesFile(dir.filePath(sourcesFileName()));

    QString failedFile;
    const IncidenceReading crimes = readIncidenceFile(dir.filePath(crimesFileName()));
    m_crimeTexts = crimes.listTexts();
    m_crimeGroups->fill(m_crimeTexts, crimes.names, groupByIndicator(crimes.names, m_sources));
    m_List2.items = crimes.quantities;
    m_List3.items = crimes.names;
    if (crimes.failed()) {
        failedFile = crimesFileName();
    } else {
        m_panel->show();
        m_panel->raise();
        const IncidenceReading states = readIncidenceFile(dir.filePath(statesFileName()));
        {
            const QSignalBlocker blocker(m_states);
            m_states->addItems(states.listTexts());
            m_states->setCurrentIndex(-1);
        }
        m_List2b.items = states.quantities;
        m_List3b.items = states.names;
        if (states.failed())
            failedFile = statesFileName();
    }
    showSources();
    return failedFile;
}

void IncidenceListPanel::showSources()
{
    for (int row = 0; row < m_List3.count(); ++row) {
        QListWidgetItem *item = m_crimeGroups->itemOfEntry(row);
        if (const auto source = m_sources.find(m_List3.items.at(row)); source && item)
            item->setToolTip(sourceDetails(*source));
    }
    for (int row = 0; row < m_states->count() && row < m_List3b.count(); ++row) {
        if (const auto source = m_sources.find(m_List3b.items.at(row)))
            m_states->setItemData(row, sourceDetails(*source), Qt::ToolTipRole);
    }
}

void IncidenceListPanel::reportFailure(const QString &fileName) const
{
    m_desktop.showModalMessage(m_window, QStringLiteral("Quorvel Counter"),
                               incidenceFileErrorText(fileName),
                               DesktopServices::MessageIcon::Information);
}

std::optional<IncidenceListPanel::Entry> IncidenceListPanel::entryAt(const Row &row)
{
    const bool states = row.list == CurrentChoice::List::States;
    ParallelList &quantities = states ? m_List2b : m_List2;
    ParallelList &names = states ? m_List3b : m_List3;
    if (row.row < 0 || row.row >= quantities.count())
        return std::nullopt;
    quantities.setCurrentRow(row.row);
    names.setCurrentRow(row.row);
    Entry entry;
    entry.choice.chooseEntry(row.list, names.currentText(),
                             states ? m_states->itemText(row.row) : m_crimeTexts.value(row.row));
    entry.quantity = quantities.currentText();
    return entry;
}

std::optional<IncidenceListPanel::Row> IncidenceListPanel::select(const QString &name)
{
    if (const qsizetype row = m_List3.items.indexOf(name); row >= 0) {
        m_crimes->setCurrentItem(m_crimeGroups->itemOfEntry(int(row)));
        return Row{int(row), CurrentChoice::List::Crimes};
    }
    if (const qsizetype row = m_List3b.items.indexOf(name); row >= 0) {
        const QSignalBlocker blocker(m_states);
        m_states->setCurrentIndex(int(row));
        return Row{int(row), CurrentChoice::List::States};
    }
    return std::nullopt;
}

bool IncidenceListPanel::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_crimes && event->type() == QEvent::KeyPress) {
        // Enter and Space choose the entry, as a double click does.
        const int key = static_cast<QKeyEvent *>(event)->key();
        const int entry = GroupedEntryList::entryIndex(m_crimes->currentItem());
        if ((key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Space) && entry >= 0) {
            emit entryChosen({entry, CurrentChoice::List::Crimes});
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}
