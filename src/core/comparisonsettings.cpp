#include "core/comparisonsettings.h"

#include "core/commandline.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>

namespace {

const QString kChoicesKey = QStringLiteral("comparacao/contadores");
const QString kModeKey = QStringLiteral("comparacao/modo");

} // namespace

QString comparisonSettingsFile()
{
    return QDir(QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation))
        .filePath(QStringLiteral("comparacao.ini"));
}

Comparison loadComparison(const QString &path)
{
    Comparison comparison;
    if (!QFileInfo::exists(path))
        return comparison;
    const QSettings settings(path, QSettings::IniFormat);
    for (const QString &text : settings.value(kChoicesKey).toStringList()) {
        if (comparison.choices.size() == kMaxComparedCounters)
            break;
        if (const std::optional<CounterChoice> choice = CounterChoice::fromSetting(text))
            comparison.choices.append(*choice);
    }
    comparison.mode =
        modeFromOptionText(settings.value(kModeKey).toString()).value_or(AccumulationMode::Dia);
    return comparison;
}

bool saveComparison(const QString &path, const Comparison &comparison)
{
    if (!QDir().mkpath(QFileInfo(path).absolutePath()))
        return false;
    QSettings settings(path, QSettings::IniFormat);
    QStringList choices;
    for (const CounterChoice &choice : comparison.choices)
        choices.append(choice.toSetting());
    settings.setValue(kChoicesKey, choices);
    settings.setValue(kModeKey, modeOptionText(comparison.mode));
    settings.sync();
    return settings.status() == QSettings::NoError;
}
