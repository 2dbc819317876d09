#pragma once

#include <QString>
#include <QStringList>

#include <functional>

class QObject;
class QWidget;

// What the windows ask of the desktop: opening a file in the application for it, a modal
// message with an OK button, finding and starting another program. Injected like the clock
// and the sound output, so that tests record the requests instead of acting on them.
class DesktopServices
{
public:
    enum class MessageIcon { None, Information };
    // The answers to a question about unsaved edits.
    enum class SaveAnswer { Save, Discard, Cancel };

    // How an opening ended: whether the desktop opened the file, and if not, why.
    struct OpenResult
    {
        bool opened = false;
        QString reason;
    };
    using OpenFinished = std::function<void(const OpenResult &)>;

    virtual ~DesktopServices() = default;

    // Opens a file in the desktop's application for its type without waiting for it:
    // `finished` runs once the desktop's opener has ended or could not start (possibly before
    // this returns), and not at all once `receiver` is gone.
    virtual void openInApplication(const QString &path, QObject *receiver,
                                   OpenFinished finished) = 0;
    // Shows a modal message over a window and returns when it is closed.
    virtual void showModalMessage(QWidget *parent, const QString &title, const QString &text,
                                  MessageIcon icon) = 0;
    // Asks over a window whether to save unsaved edits ("Salvar", "Descartar", "Cancelar")
    // and returns the answer; closing the question is Cancel.
    virtual SaveAnswer askToSave(QWidget *parent, const QString &title,
                                 const QString &question) = 0;
    // Full path of a program found on the PATH, empty when there is none.
    virtual QString findExecutable(const QString &name) = 0;
    // Starts a program without waiting for it; false when it could not be started.
    virtual bool startDetached(const QString &program, const QStringList &arguments) = 0;
};
