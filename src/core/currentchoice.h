#pragma once

#include <QString>

// The figure being counted as the user chose it: an entry of one of the two incidence lists,
// or a figure typed by hand (or none yet), which comes from no list and has no pattern.
class CurrentChoice
{
public:
    // The list an entry was chosen from.
    enum class List { None, Crimes, States };

    // name: the entry's name, which a stored pattern must equal to be its pattern. Kept here
    // because the window's lists are emptied whenever they are read again.
    // caption: the entry as its list shows it, the header that names what is counted.
    void chooseEntry(List list, const QString &name, const QString &caption)
    {
        m_list = list;
        m_name = name;
        m_caption = caption;
    }
    // Any other change of the monthly figure, or clearing it: it belongs to no entry any more.
    void forget() { *this = CurrentChoice(); }

    List list() const { return m_list; }
    bool isEntry() const { return m_list != List::None; }
    const QString &name() const { return m_name; }
    // Empty for a typed figure: the header then names nothing.
    const QString &caption() const { return m_caption; }

private:
    List m_list = List::None;
    QString m_name;
    QString m_caption;
};
