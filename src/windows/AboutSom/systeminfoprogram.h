#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include <functional>

// A system-information program of the Linux desktops, as it is started.
struct SystemInfoProgram
{
    QString name;          // looked up on the PATH
    QStringList arguments; // what makes it open on the system overview
};

// The programs tried, in order: dedicated system profilers first, then the information
// panels of the KDE, GNOME and Xfce desktops, then a hardware viewer.
const QList<SystemInfoProgram> &systemInfoCandidates();

// The first candidate that findExecutable resolves to a full path (empty: not found), with
// name replaced by that path; an empty name when none is installed.
SystemInfoProgram
findSystemInfoProgram(const std::function<QString(const QString &name)> &findExecutable);
