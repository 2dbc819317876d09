#pragma once

#include <QString>

// The figure being counted as the user chose it: an entry of one of the two incidence lists,
// or a figure typed by hand (or none yet), which comes from no list and has no pattern.
class CurrentChoice
{
public:
    // The list an entry was chosen from.
    enum class List { None, Crimes, States };

    void chooseEntry(List list) { m_list = list; }
    // Any other change of the monthly figure: it belongs to no list any more.
    void typeFigure() { *this = CurrentChoice(); }

    List list() const { return m_list; }

private:
    List m_list = List::None;
};
