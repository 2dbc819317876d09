#include "core/datadirectory.h"

#include "core/shippedversions.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QSaveFile>

#include <optional>

QString programDirectoryBeforeStart(const QString &argv0)
{
    const QFileInfo running(QStringLiteral("/proc/self/exe"));
    const QString executable = running.exists() ? running.canonicalFilePath() : QString();
    if (!executable.isEmpty())
        return QFileInfo(executable).absolutePath();
    return QFileInfo(argv0).canonicalPath();
}

QStringList dataFileNames()
{
    return {QStringLiteral("QuorvelParametros.txt"), QStringLiteral("Quorvelhomicidios.txt"),
            QStringLiteral("QuorvelDistribuicao.txt"), QStringLiteral("QuorvelFontes.txt")};
}

QString shippedVersionsRecordName()
{
    return QStringLiteral(".QuorvelVersoes.txt");
}

namespace {

bool holdsDataFile(const QDir &directory)
{
    for (const QString &name : dataFileNames()) {
        if (directory.exists(name))
            return true;
    }
    return false;
}

// Files renewed together: each sources line names an entry of the incidence files.
bool describesEntries(const QString &name)
{
    return name != QLatin1String("QuorvelDistribuicao.txt");
}

std::optional<QByteArray> readAll(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return std::nullopt;
    return bytes;
}

using VersionRecord = QHash<QString, QByteArray>;

VersionRecord readRecord(const QDir &user)
{
    VersionRecord record;
    const auto bytes = readAll(user.filePath(shippedVersionsRecordName()));
    for (const QByteArray &line : bytes.value_or(QByteArray()).split('\n')) {
        const QList<QByteArray> parts = line.trimmed().split(' ');
        if (parts.size() == 2)
            record.insert(QString::fromUtf8(parts[0]), parts[1]);
    }
    return record;
}

void writeRecord(const QDir &user, const VersionRecord &record)
{
    QByteArray bytes;
    for (const QString &name : dataFileNames()) {
        if (record.contains(name))
            bytes += name.toUtf8() + ' ' + record.value(name) + '\n';
    }
    // Not written, the next start tells again: nothing is lost.
    QSaveFile file(user.filePath(shippedVersionsRecordName()));
    if (file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size())
        file.commit();
}

} // namespace

UserCopiesPlan planUserCopies(const QString &programDirectory, const QString &userDirectory)
{
    const QDir program(programDirectory);
    const QDir user(userDirectory);
    enum class Copy { Missing, Current, Unedited, Edited };
    QHash<QString, Copy> copies;
    bool entriesEdited = false;
    for (const QString &name : dataFileNames()) {
        const auto shipped = readAll(program.filePath(name));
        if (!shipped)
            continue; // nothing to give
        Copy copy = Copy::Missing;
        if (user.exists(name)) {
            const auto own = readAll(user.filePath(name));
            if (own && *own == *shipped)
                copy = Copy::Current;
            else if (own && shippedVersions(name).contains(fileChecksum(*own)))
                copy = Copy::Unedited;
            else
                copy = Copy::Edited; // unreadable counts as edited: it is left alone
        }
        copies.insert(name, copy);
        entriesEdited = entriesEdited || (copy == Copy::Edited && describesEntries(name));
    }

    UserCopiesPlan plan;
    for (const QString &name : dataFileNames()) {
        if (!copies.contains(name))
            continue;
        const Copy copy = copies.value(name);
        const bool heldBack = copy == Copy::Unedited && entriesEdited && describesEntries(name);
        if (copy == Copy::Missing || (copy == Copy::Unedited && !heldBack))
            plan.refreshed.append(name);
        else if (copy == Copy::Edited || heldBack)
            plan.kept.append(name);
    }
    return plan;
}

bool prefersUserDirectory(bool programDirectoryWritable, const QString &userDirectory)
{
    if (userDirectory.isEmpty())
        return false;
    const QDir user(userDirectory);
    return !programDirectoryWritable || (user.exists() && holdsDataFile(user));
}

DataDirectoryChoice prepareDataDirectory(const QString &programDirectory,
                                         bool programDirectoryWritable,
                                         const QString &userDirectory)
{
    if (!prefersUserDirectory(programDirectoryWritable, userDirectory))
        return {programDirectory, {}};
    const QDir user(userDirectory);
    if (!user.mkpath(QStringLiteral(".")))
        return {programDirectory, {}};

    const QDir program(programDirectory);
    const UserCopiesPlan plan = planUserCopies(programDirectory, userDirectory);
    VersionRecord record = readRecord(user);
    const VersionRecord before = record;
    DataDirectoryChoice choice{userDirectory, {}};
    for (const QString &name : dataFileNames()) {
        const auto shipped = readAll(program.filePath(name));
        if (!shipped)
            continue;
        const QByteArray current = fileChecksum(*shipped);
        if (plan.refreshed.contains(name)) {
            // A new file beside the copy, then renamed over it: never half a file.
            const QString target = user.filePath(name);
            QSaveFile file(target);
            if (!file.open(QIODevice::WriteOnly) || file.write(*shipped) != shipped->size() ||
                !file.commit())
                continue; // the old copy stays, and is offered again next time
        } else if (plan.kept.contains(name)) {
            // Before any record the user's copy came from the first shipped version.
            const QByteArrayList versions = shippedVersions(name);
            const QByteArray told =
                record.value(name, versions.isEmpty() ? current : versions.front());
            if (told != current)
                choice.newerShipped.append(name);
        }
        record.insert(name, current);
    }
    if (record != before)
        writeRecord(user, record);
    return choice;
}

QString chooseDataDirectory(const QString &programDirectory, bool programDirectoryWritable,
                            const QString &userDirectory)
{
    return prepareDataDirectory(programDirectory, programDirectoryWritable, userDirectory)
        .directory;
}

QString newerShippedNotice(const QStringList &files, const QString &programDirectory)
{
    if (files.isEmpty())
        return QString();
    return QStringLiteral("Há números mais novos em %1: %2. Suas cópias editadas foram mantidas.")
        .arg(QDir::toNativeSeparators(QDir::cleanPath(programDirectory)), files.join(u", "));
}

bool isApartFromProgram(const QString &dataDirectory, const QString &programDirectory)
{
    // Links resolved where the directories exist, so one directory has one name.
    const auto plainPath = [](const QString &path) {
        const QFileInfo info(path);
        const QString canonical = info.canonicalFilePath();
        return canonical.isEmpty() ? QDir::cleanPath(info.absoluteFilePath()) : canonical;
    };
    return plainPath(dataDirectory) != plainPath(programDirectory);
}
