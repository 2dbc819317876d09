#pragma once

#include <QString>
#include <QStringList>

// A list kept only for its items and its selected index, as the main window's hidden
// lists of quantities and names are: entry i of each belongs to entry i of the visible one.
struct ParallelList
{
    QStringList items;
    int currentIndex = -1;

    int count() const { return int(items.size()); }
    void clear()
    {
        items.clear();
        currentIndex = -1;
    }
    void setCurrentRow(int row) { currentIndex = row >= 0 && row < count() ? row : -1; }
    QString currentText() const { return currentIndex >= 0 ? items.at(currentIndex) : QString(); }
};
