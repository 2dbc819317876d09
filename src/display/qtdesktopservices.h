#pragma once

#include "display/desktopservices.h"

// The desktop services through Qt: the desktop's opener run by QProcess, QMessageBox,
// QStandardPaths and QProcess.
class QtDesktopServices final : public DesktopServices
{
public:
    // opener: the program that opens a file in its application, given the file's path.
    explicit QtDesktopServices(QString opener = QStringLiteral("xdg-open"));

    void openInApplication(const QString &path, QObject *receiver, OpenFinished finished) override;
    SaveAnswer askToSave(QWidget *parent, const QString &title, const QString &question) override;
    void showModalMessage(QWidget *parent, const QString &title, const QString &text,
                          MessageIcon icon) override;
    QString findExecutable(const QString &name) override;
    bool startDetached(const QString &program, const QStringList &arguments) override;

private:
    QString m_opener;
};
