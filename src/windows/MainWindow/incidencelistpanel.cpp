#include "windows/MainWindow/incidencelistpanel.h"

#include "data/incidencereader.h"
#include "data/sourceline.h"
#include "display/desktopservices.h"

#include <QComboBox>
#include <QDir>
#include <QFrame>
#include <QKeyEvent>
#include <QListWidget>
#include <QSignalBlocker>

IncidenceListPanel::IncidenceListPanel(QFrame *panel, QListWidget *crimes, QComboBox *states,
                                       DesktopServices &desktop, QString dataDirectory,
                                       QWidget *window)
    : QObject(window), m_panel(panel), m_crimes(crimes), m_states(states), m_desktop(desktop),
      m_dataDirectory(std::move(dataDirectory)), m_window(window)
{
    connect(m_crimes, &QListWidget::itemDoubleClicked, this, [this] {
        emit entryChosen({m_crimes->currentRow(), CurrentChoice::List::Crimes});
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
    m_crimes->clear();
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
    m_crimes->setUpdatesEnabled(false);
    m_crimes->addItems(crimes.listTexts());
    m_crimes->setUpdatesEnabled(true);
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
    for (int row = 0; row < m_crimes->count() && row < m_List3.count(); ++row) {
        if (const auto source = m_sources.find(m_List3.items.at(row)))
            m_crimes->item(row)->setToolTip(sourceDetails(*source));
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
                             states ? m_states->itemText(row.row)
                                    : m_crimes->item(row.row)->text());
    entry.quantity = quantities.currentText();
    return entry;
}

std::optional<IncidenceListPanel::Row> IncidenceListPanel::select(const QString &name)
{
    if (const qsizetype row = m_List3.items.indexOf(name); row >= 0) {
        m_crimes->setCurrentRow(int(row));
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
        if ((key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Space) &&
            m_crimes->currentItem()) {
            emit entryChosen({m_crimes->currentRow(), CurrentChoice::List::Crimes});
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}
