#pragma once

#include "display/desktopservices.h"

// The desktop services through Qt: the desktop's opener, QMessageBox, QStandardPaths and
// QProcess.
class QtDesktopServices final : public DesktopServices
{
public:
    bool openInApplication(const QString &path) override;
    void showModalMessage(QWidget *parent, const QString &title, const QString &text,
                          MessageIcon icon) override;
    QString findExecutable(const QString &name) override;
    bool startDetached(const QString &program, const QStringList &arguments) override;
};
