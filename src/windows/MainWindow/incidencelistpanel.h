#pragma once

#include "core/currentchoice.h"
#include "core/parallellist.h"
#include "data/sourcesreader.h"

#include <QObject>

#include <optional>
#include <utility>

class DesktopServices;
class QComboBox;
class GroupedEntryList;
class QFrame;
class QLineEdit;
class QListWidget;
class QWidget;

// The main window's incidence list panel: reads the crimes' file into List1 and the states'
// file into Homicidios, each entry with its source as a tooltip, reports a file it could not
// read, and turns a row into the entry it stands for. List1 groups the crimes under what they
// count and shows those its search field finds. A double click, Enter or Space on a crime, or
// a state picked in the box, choose that entry (entryChosen).
class IncidenceListPanel : public QObject
{
    Q_OBJECT

public:
    // An entry of a list: what is counted and its monthly quantity as the file gives it.
    struct Entry
    {
        CurrentChoice choice;
        QString quantity;
    };
    // An entry by its place in its file (List1's row when it shows no headings).
    struct Row
    {
        int row = -1;
        CurrentChoice::List list = CurrentChoice::List::None;
    };

    // window: where the file error report shows.
    IncidenceListPanel(QFrame *panel, QListWidget *crimes, QLineEdit *crimeSearch,
                       QComboBox *states, DesktopServices &desktop, QString dataDirectory,
                       QWidget *window);

    // Reads both files (and the sources) again and shows the panel; the name of the file that
    // could not be read, or empty.
    QString read();
    // The message about a file that could not be read.
    void reportFailure(const QString &fileName) const;

    // The entry of a row of a list, made the current row of its quantities and names; none
    // for a row outside the list.
    std::optional<Entry> entryAt(const Row &row);
    // The row of the entry of this exact name, crimes first (the first equal name wins), made
    // current in its list without choosing it; none when neither list has it.
    std::optional<Row> select(const QString &name);

    // Where each entry's figure comes from (QuorvelFontes.txt); empty without the file.
    const SourcesTable &sources() const { return m_sources; }
    // Quantity and name of each crime, and the name of each state.
    const ParallelList &crimeQuantities() const { return m_List2; }
    const ParallelList &crimeNames() const { return m_List3; }
    const ParallelList &stateNames() const { return m_List3b; }

    static QString crimesFileName();
    static QString statesFileName();

signals:
    void entryChosen(const IncidenceListPanel::Row &row);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void clear();
    void showSources();

    QFrame *m_panel;
    QListWidget *m_crimes;
    GroupedEntryList *m_crimeGroups;
    QStringList m_crimeTexts; // List1's text of each crime, in file order
    QComboBox *m_states;
    DesktopServices &m_desktop;
    QString m_dataDirectory;
    QWidget *m_window;

    // Quantities and names of the crimes (m_List2, m_List3) and of the states (…b).
    ParallelList m_List2;
    ParallelList m_List3;
    ParallelList m_List2b;
    ParallelList m_List3b;
    SourcesTable m_sources;
};
