#pragma once

#include "core/soundcues.h"
#include "distribution/distributionmodel.h"
#include "soundrecorder.h"

#include <QByteArray>
#include <QStringList>
#include <QTemporaryDir>

#include <memory>

// An editor over a pattern file in a temporary directory, with the cues recorded.
struct DistributionEditor
{
    // Writes `initial` as the file (unless `create` is false) and loads the editor over it.
    explicit DistributionEditor(const QByteArray &initial = QByteArray(), bool create = true);

    QString path() const;
    QByteArray bytes() const;
    // Loads a new editor over the file at `at`, or over path(); forgets the cues played.
    void load(const QString &at = QString());
    // Types a pattern in the editor: name, slider position and the cells.
    void type(const QString &name, int position, const QStringList &values);
    QStringList cells(int count) const;
    QStringList percentages(int count) const;

    QTemporaryDir dir;
    SoundRecorder sound;
    SoundCues cues{sound, dir.path()};
    std::unique_ptr<DistributionModel> model;
};
