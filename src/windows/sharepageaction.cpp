#include "windows/sharepageaction.h"

#include "core/savefolder.h"
#include "core/wholefile.h"

#include <QAction>
#include <QDir>
#include <QFileDialog>
#include <QStandardPaths>
#include <QWidget>

SharePageAction::SharePageAction(QWidget *view, Hooks hooks)
    : QObject(view), m_view(view), m_hooks(std::move(hooks))
{
    setObjectName(QStringLiteral("AcaoPagina"));
    m_save = new QAction(QStringLiteral("Salvar página…"), view);
    m_save->setObjectName(QStringLiteral("AcaoSalvarPagina"));
    m_save->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S));
    m_save->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    connect(m_save, &QAction::triggered, this, [this] { saveAs(); });
}

SharePageAction *SharePageAction::attach(QWidget *view, Hooks hooks)
{
    auto *action = new SharePageAction(view, std::move(hooks));
    view->addAction(action->saveAction());
    return action;
}

QString SharePageAction::suggestedPath() const
{
    const QString folder = m_hooks.folder.isEmpty()
                               ? saveFolder(QStandardPaths::DocumentsLocation)
                               : existingFolderOrHome(m_hooks.folder, QDir::homePath());
    const QDateTime at = m_hooks.now ? m_hooks.now() : QDateTime::currentDateTime();
    return QDir(folder).filePath(defaultPageFileName(at.date()));
}

QString SharePageAction::saveAs()
{
    const QString suggested = suggestedPath();
    QString path;
    if (m_hooks.askPath) {
        path = m_hooks.askPath(m_view, suggested);
    } else {
        path = QFileDialog::getSaveFileName(m_view, QStringLiteral("Salvar página"), suggested,
                                            QStringLiteral("Página HTML (*.html *.htm)"));
        if (!path.isEmpty() && QFileInfo(path).suffix().isEmpty())
            path += QStringLiteral(".html");
    }
    if (path.isEmpty())
        return QString();
    const QString reason = saveTo(path);
    if (!reason.isEmpty()) {
        report(notSavedText(path, reason));
        return QString();
    }
    report(savedText(path));
    return path;
}

QString SharePageAction::saveTo(const QString &path)
{
    const LivePage page = m_hooks.page ? m_hooks.page() : LivePage();
    if (page.counters.isEmpty())
        return QStringLiteral("nenhum número escolhido para contar");
    return writeWholeFile(path, livePageHtml(page));
}

QString SharePageAction::savedText(const QString &path)
{
    return QStringLiteral("Página salva em %1").arg(QDir::toNativeSeparators(path));
}

QString SharePageAction::notSavedText(const QString &path, const QString &reason)
{
    return QStringLiteral("Página não salva em %1: %2").arg(QDir::toNativeSeparators(path), reason);
}

void SharePageAction::report(const QString &text) const
{
    if (m_hooks.report)
        m_hooks.report(text);
}
