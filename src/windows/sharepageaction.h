#pragma once

#include "distribution/livepage.h"

#include <QDateTime>
#include <QObject>
#include <QString>

#include <functional>

class QAction;
class QWidget;

// "Salvar página…" (Ctrl+Shift+S): asks where and writes the page that counts by itself in any
// browser (distribution/livepage.h), offering quorvel-AAAA-MM-DD.html in the documents folder.
// A view gets it beside "Salvar imagem…":
//
//     SharePageAction::attach(this, {[this] { return livePage(); }, ...});
//
// and a button elsewhere (the tool panel) calls saveAs() of the same object.
class SharePageAction : public QObject
{
    Q_OBJECT

public:
    struct Hooks
    {
        // The page of what the view counts now; no counters when there is nothing to count.
        std::function<LivePage()> page;
        // The instant the default file name is made from.
        std::function<QDateTime()> now;
        // Where the outcome is told: "Página salva em …", or why not.
        std::function<void(const QString &)> report;
        // Asks for the file, suggesting a full path; empty when the user cancels. Unset: the
        // desktop's save dialog, for HTML pages.
        std::function<QString(QWidget *parent, const QString &suggested)> askPath;
        // The folder the dialog opens in. Unset: the user's documents folder, or the home
        // folder when there is none.
        QString folder;
    };

    SharePageAction(QWidget *view, Hooks hooks);

    // Adds the action to the view (its shortcut works in the view and its children).
    static SharePageAction *attach(QWidget *view, Hooks hooks);

    QAction *saveAction() const { return m_save; }
    void setAskPath(std::function<QString(QWidget *, const QString &)> askPath)
    {
        m_hooks.askPath = std::move(askPath);
    }

    // The full path offered: the folder and quorvel-AAAA-MM-DD.html.
    QString suggestedPath() const;
    // Asks where and saves; returns the path written, empty when cancelled or refused.
    QString saveAs();
    // Writes the page to that path; empty on success, otherwise the reason.
    QString saveTo(const QString &path);

    static QString savedText(const QString &path);
    static QString notSavedText(const QString &path, const QString &reason);

private:
    void report(const QString &text) const;

    QWidget *m_view;
    Hooks m_hooks;
    QAction *m_save = nullptr;
};
