#pragma once

#include <QObject>
#include <QString>

class AboutSom;
class Configurador;
class Counter;
class DesktopServices;
class DistributionModel;
class QWidget;
class SoundCues;

// The windows the main window opens beside itself: the pattern editor over its model (made
// hidden on first use, reading the pattern file), whose "Usar esta distribuição como padrão"
// hands the checked pattern to the counter, and the about window (one for the run).
class SideWindows : public QObject
{
    Q_OBJECT

public:
    SideWindows(Counter &counter, SoundCues &sound, DesktopServices &desktop, QString dataDirectory,
                QWidget *window);
    ~SideWindows() override;

    DistributionModel &distributionModel();
    Configurador &editor();
    bool editorLoaded() const { return m_editor != nullptr; }
    AboutSom *aboutWindow() const { return m_about; }

    void showEditor();
    void showAbout();
    // Whether the program may end now: asks about the editor's unsaved edits, if any.
    bool mayClose();
    // Deletes both windows (the editor before the model it shows).
    void closeAll();

private:
    Counter &m_counter;
    SoundCues &m_sound;
    DesktopServices &m_desktop;
    QString m_dataDirectory;
    QWidget *m_window;
    DistributionModel *m_distribution = nullptr;
    Configurador *m_editor = nullptr;
    AboutSom *m_about = nullptr;
};
