#pragma once

#include <QDateTime>
#include <QImage>
#include <QObject>
#include <QString>

#include <functional>

class QAction;
class QWidget;

// Saving and copying the picture of a view: "Salvar imagem…" (Ctrl+S) asks where and writes a
// PNG, "Copiar imagem" (Ctrl+C) puts it on the clipboard. A view gets both in two lines:
//
//     SharePictureActions::Hooks hooks{[this] { return picture(); }, ...};
//     SharePictureActions::attach(this, hooks);
//
// and a button elsewhere (the tool panel) calls saveAs() of the same object.
class SharePictureActions : public QObject
{
    Q_OBJECT

public:
    struct Hooks
    {
        // The picture as the view stands now.
        std::function<QImage()> picture;
        // The instant the default file name is made from.
        std::function<QDateTime()> now;
        // Where the outcome is told: "Imagem salva em …", or why not.
        std::function<void(const QString &)> report;
        // Asks for the file, suggesting a full path; empty when the user cancels. Unset: the
        // desktop's save dialog, for PNG pictures.
        std::function<QString(QWidget *parent, const QString &suggested)> askPath;
        // The folder the dialog opens in. Unset: the user's pictures folder. Either one, when
        // it does not exist: the home folder.
        QString folder;
    };

    SharePictureActions(QWidget *view, Hooks hooks);

    // Adds the two actions to the view (their shortcuts work in the view and its children).
    static SharePictureActions *attach(QWidget *view, Hooks hooks);

    QAction *saveAction() const { return m_save; }
    // Another way to ask for the file (a test's answer, a dialog of the caller's own).
    void setAskPath(std::function<QString(QWidget *, const QString &)> askPath)
    {
        m_hooks.askPath = std::move(askPath);
    }
    QAction *copyAction() const { return m_copy; }

    // Asks where and saves; returns the path written, empty when cancelled or refused.
    QString saveAs();
    // Writes the picture to that path; empty on success, otherwise the reason.
    QString saveTo(const QString &path);
    void copy();

    // The texts told after saving or failing to save.
    static QString savedText(const QString &path);
    static QString notSavedText(const QString &path, const QString &reason);

private:
    QString suggestedPath() const;
    void report(const QString &text) const;

    QWidget *m_view;
    Hooks m_hooks;
    QAction *m_save = nullptr;
    QAction *m_copy = nullptr;
};
