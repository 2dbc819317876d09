#pragma once

#include "core/comparisonsettings.h"

#include <QObject>
#include <QPointer>
#include <QString>

#include <functional>

class Clock;
class Comparacao;
struct ChoiceFiles;
class EscolhaComparacao;
class QWidget;

// Opens the comparison view for the main window: the dialog that chooses it (the last
// comparison offered again, and kept when the user compares), or a comparison given on the
// command line; then the view, full screen and counting, and back to the main window on Esc.
class ComparisonLauncher : public QObject
{
    Q_OBJECT

public:
    ComparisonLauncher(Clock &clock, const QString &dataDirectory, QWidget *mainWindow);
    ~ComparisonLauncher() override;

    // The file the last comparison is kept in (comparisonSettingsFile() unless a test says).
    void setSettingsFile(const QString &path) { m_settingsFile = path; }
    // How the dialog is run; unset, modally. A test answers it in its place.
    void setDialogRunner(std::function<int(EscolhaComparacao &)> run)
    {
        m_runDialog = std::move(run);
    }

    // Ctrl+K and "Comparar…": asks, keeps the choice, opens.
    void chooseAndOpen();
    // Opens the view on these counters, counting; empty when it opened, otherwise why not
    // (an entry that is not in the lists any more).
    QString open(const Comparison &comparison);
    void leave();

    void setReducedMotion(bool on);
    // The screen the view opens on, as Qt lists them from 0 (--tela); -1: one that is not
    // the main window's.
    void setScreen(int index);
    // The view, once opened.
    Comparacao *view() const { return m_view; }
    bool isOpen() const;

signals:
    // A message for the main window's status line.
    void reported(const QString &text);

private:
    Comparacao &ensureView();
    // The files the dialog was filled from are the ones counted from: read once.
    QString openWith(const Comparison &comparison, const ChoiceFiles &files);

    Clock &m_clock;
    QString m_dataDirectory;
    QWidget *m_mainWindow;
    QString m_settingsFile;
    std::function<int(EscolhaComparacao &)> m_runDialog;
    Comparacao *m_view = nullptr;
    bool m_reducedMotion = false;
};
