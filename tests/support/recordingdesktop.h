#pragma once

#include "display/desktopservices.h"

#include <QList>
#include <QObject>
#include <QPointer>
#include <QStringList>

#include <utility>

// Records what the windows ask of the desktop instead of doing it. Programs named in
// `installed` are found in /opt/bin. An opening is answered at once with `openResult`, or,
// with `answerLater`, when the test calls answerOpenings().
class RecordingDesktop : public DesktopServices
{
public:
    void openInApplication(const QString &path, QObject *receiver, OpenFinished finished) override
    {
        opened << path;
        m_pending.append({receiver, std::move(finished)});
        if (!answerLater)
            answerOpenings();
    }
    // Ends every opening asked for so far, as openResult and openFailure say.
    void answerOpenings()
    {
        const auto pending = std::exchange(m_pending, {});
        for (const auto &[receiver, finished] : pending) {
            if (receiver && finished)
                finished({openResult, openResult ? QString() : openFailure});
        }
    }
    void showModalMessage(QWidget *parent, const QString &, const QString &text,
                          MessageIcon) override
    {
        messages << text;
        messageParents << parent;
    }
    SaveAnswer askToSave(QWidget *, const QString &, const QString &question) override
    {
        questions << question;
        return saveAnswer;
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

    QList<QPointer<QWidget>> messageParents;    // the window each message showed over
    QStringList questions;                      // questions about unsaved edits
    SaveAnswer saveAnswer = SaveAnswer::Cancel; // the answer to each of them
    QStringList opened;                         // paths given to openInApplication
    bool openResult = true;                     // whether an opening succeeds
    QString openFailure = QStringLiteral("no application");
    bool answerLater = false;
    QStringList messages;  // texts of the modal messages
    QStringList installed; // programs findExecutable finds
    QStringList lookedUp;  // names findExecutable was asked for
    QStringList started;   // program and arguments, joined by blanks
    bool startResult = true;

private:
    QList<std::pair<QPointer<QObject>, OpenFinished>> m_pending;
};
