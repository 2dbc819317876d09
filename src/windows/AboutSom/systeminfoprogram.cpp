#include "windows/AboutSom/systeminfoprogram.h"

const QList<SystemInfoProgram> &systemInfoCandidates()
{
    static const QList<SystemInfoProgram> candidates{
        {QStringLiteral("hardinfo2"), {}},
        {QStringLiteral("hardinfo"), {}},
        {QStringLiteral("kinfocenter"), {}},
        {QStringLiteral("gnome-control-center"), {QStringLiteral("info-overview")}},
        {QStringLiteral("xfce4-about"), {}},
        {QStringLiteral("cpu-x"), {}},
    };
    return candidates;
}

SystemInfoProgram
findSystemInfoProgram(const std::function<QString(const QString &name)> &findExecutable)
{
    for (const SystemInfoProgram &candidate : systemInfoCandidates()) {
        const QString path = findExecutable(candidate.name);
        if (!path.isEmpty())
            return {path, candidate.arguments};
    }
    return {};
}
