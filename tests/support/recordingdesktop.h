#pragma once

#include "display/desktopservices.h"

#include <QStringList>

// Records what the windows ask of the desktop instead of doing it. Programs named in
// `installed` are found in /opt/bin.
class RecordingDesktop : public DesktopServices
{
public:
    bool openInApplication(const QString &path) override
    {
        opened << path;
        return openResult;
    }
    void showModalMessage(QWidget *, const QString &, const QString &text, MessageIcon) override
    {
        messages << text;
    }
    QString findExecutable(const QString &name) override
    {
        lookedUp << name;
        return installed.contains(name) ? QStringLiteral("/opt/bin/") + name : QString();
    }
    bool startDetached(const QString &program, const QStringList &arguments) override
    {
        started << (QStringList{program} + arguments).join(u' ');
        return startResult;
    }

    QStringList opened;     // paths given to openInApplication
    bool openResult = true; // what openInApplication answers
    QStringList messages;   // texts of the modal messages
    QStringList installed;  // programs findExecutable finds
    QStringList lookedUp;   // names findExecutable was asked for
    QStringList started;    // program and arguments, joined by blanks
    bool startResult = true;
};
