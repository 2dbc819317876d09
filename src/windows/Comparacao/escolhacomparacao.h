#pragma once

#include "core/comparisonsettings.h"
#include "distribution/choicesetup.h"

#include <QDialog>

class QButtonGroup;
class QDialogButtonBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

// The dialog that chooses a comparison: entries of both lists and typed figures, two to six,
// in the order they are to be shown, and the mode they all count in. The choices are kept
// here as data; the list on screen only shows them.
class EscolhaComparacao : public QDialog
{
    Q_OBJECT

public:
    // The lists come from `files`; `offered` is filled in (the last comparison).
    EscolhaComparacao(const ChoiceFiles &files, const Comparison &offered,
                      QWidget *parent = nullptr);

    const Comparison &comparison() const { return m_comparison; }

    // The user's commands, also for tests.
    bool addEntry(const QString &name);
    // The typed field's figure: a whole number of occurrences a month.
    bool addTypedFigure();
    void removeChosen(int row);
    void moveChosen(int row, int by);
    void setMode(AccumulationMode mode);
    // Why "Comparar" is refused now; empty when two to six are chosen.
    QString problem() const;

private:
    void build(const ChoiceFiles &files);
    void showChoices(int currentRow);
    static QString choiceText(const CounterChoice &choice);
    // A command refused with a word: shown until the next change.
    bool refuse(const QString &why);
    // The choice once only: false and a word when it is already chosen.
    bool addOnce(const CounterChoice &choice);

    Comparison m_comparison;
    QListWidget *m_crimes = nullptr;
    QListWidget *m_states = nullptr;
    QLineEdit *m_typed = nullptr;
    QListWidget *m_chosen = nullptr;
    QButtonGroup *m_modes = nullptr;
    QLabel *m_notice = nullptr;
    QString m_refusal; // why the last command was refused; empty after any change
    QPushButton *m_up = nullptr;
    QPushButton *m_down = nullptr;
    QPushButton *m_remove = nullptr;
    QDialogButtonBox *m_buttons = nullptr;
    QPushButton *m_compare = nullptr;
};
