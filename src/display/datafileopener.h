#pragma once

#include <QObject>
#include <QString>

class DesktopServices;
class QWidget;
class SoundCues;
class StatusNotices;

// Opens a file of the data folder in the desktop's application for it. A file that is not
// there, or that the desktop could not open, is refused with a cue and a brief notice.
class DataFileOpener : public QObject
{
    Q_OBJECT

public:
    // window: the window whose part it is.
    DataFileOpener(DesktopServices &desktop, SoundCues &sound, StatusNotices &notices,
                   QString dataDirectory, QWidget *window);

    void open(const QString &fileName);

private:
    void fail(const QString &notice);

    DesktopServices &m_desktop;
    SoundCues &m_sound;
    StatusNotices &m_notices;
    QString m_dataDirectory;
};
