#pragma once

#include <QObject>
#include <QString>

class DesktopServices;
class QWidget;

// Opens a file of the data folder in the desktop's application for it. A file that is not
// there, or that the desktop could not open, is reported by failed() with the notice to show.
class DataFileOpener : public QObject
{
    Q_OBJECT

public:
    // window: the window the desktop's opener belongs to.
    DataFileOpener(DesktopServices &desktop, QString dataDirectory, QWidget *window);

    void open(const QString &fileName);

signals:
    void failed(const QString &notice);

private:
    DesktopServices &m_desktop;
    QString m_dataDirectory;
    QWidget *m_window;
};
