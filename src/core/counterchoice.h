#pragma once

#include <QList>
#include <QString>

#include <optional>

// A comparison shows from two to six counters side by side.
inline constexpr int kMinComparedCounters = 2;
inline constexpr int kMaxComparedCounters = 6;

// What one counter is asked to count, before any file is read: an entry of the incidence
// lists by its exact name, or a monthly figure typed by hand.
struct CounterChoice
{
    QString entryName;          // empty for a typed figure
    std::optional<int> monthly; // the typed figure, a whole number

    static CounterChoice entry(const QString &name) { return {name, std::nullopt}; }
    static CounterChoice typed(int figure) { return {QString(), figure}; }

    bool isEntry() const { return !entryName.isEmpty(); }
    bool isValid() const { return isEntry() != monthly.has_value(); }

    // How a choice is kept in a settings file: "entrada:Bahia" or "mensal:937".
    QString toSetting() const;
    // Nothing for a text that is neither (a hand-edited or damaged file).
    static std::optional<CounterChoice> fromSetting(const QString &text);

    friend bool operator==(const CounterChoice &, const CounterChoice &) = default;
};

using CounterChoices = QList<CounterChoice>;
