#include "windows/sharepictureactions.h"

#include "core/savefolder.h"
#include "core/sharepicturetext.h"
#include "core/wholefile.h"
#include "windows/sharepicture.h"

#include <QAction>
#include <QClipboard>
#include <QDir>
#include <QFileDialog>
#include <QGuiApplication>
#include <QStandardPaths>
#include <QWidget>

SharePictureActions::SharePictureActions(QWidget *view, Hooks hooks)
    : QObject(view), m_view(view), m_hooks(std::move(hooks))
{
    setObjectName(QStringLiteral("AcoesImagem"));
    m_save = new QAction(QStringLiteral("Salvar imagem…"), view);
    m_save->setObjectName(QStringLiteral("AcaoSalvarImagem"));
    m_save->setShortcut(QKeySequence::Save);
    m_save->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    connect(m_save, &QAction::triggered, this, [this] { saveAs(); });

    m_copy = new QAction(QStringLiteral("Copiar imagem"), view);
    m_copy->setObjectName(QStringLiteral("AcaoCopiarImagem"));
    m_copy->setShortcut(QKeySequence::Copy);
    m_copy->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    connect(m_copy, &QAction::triggered, this, &SharePictureActions::copy);
}

SharePictureActions *SharePictureActions::attach(QWidget *view, Hooks hooks)
{
    auto *actions = new SharePictureActions(view, std::move(hooks));
    view->addAction(actions->saveAction());
    view->addAction(actions->copyAction());
    return actions;
}

QString SharePictureActions::suggestedPath() const
{
    const QString folder = m_hooks.folder.isEmpty()
                               ? saveFolder(QStandardPaths::PicturesLocation)
                               : existingFolderOrHome(m_hooks.folder, QDir::homePath());
    const QDateTime at = m_hooks.now ? m_hooks.now() : QDateTime::currentDateTime();
    return QDir(folder).filePath(defaultPictureFileName(at));
}

QString SharePictureActions::saveAs()
{
    const QString suggested = suggestedPath();
    QString path;
    if (m_hooks.askPath) {
        path = m_hooks.askPath(m_view, suggested);
    } else {
        path = QFileDialog::getSaveFileName(m_view, QStringLiteral("Salvar imagem"), suggested,
                                            QStringLiteral("Imagem PNG (*.png)"));
        if (!path.isEmpty() && QFileInfo(path).suffix().isEmpty())
            path += QStringLiteral(".png");
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

QString SharePictureActions::saveTo(const QString &path)
{
    const QImage image = m_hooks.picture ? m_hooks.picture() : QImage();
    // A name the user gave in .jpg gets a JPEG; anything else, as always, a PNG.
    const QByteArray bytes = pictureBytes(image, pictureFormatFor(path).value_or("PNG"));
    if (bytes.isEmpty())
        return QStringLiteral("a imagem não pôde ser desenhada");
    return writeWholeFile(path, bytes);
}

void SharePictureActions::copy()
{
    const QImage image = m_hooks.picture ? m_hooks.picture() : QImage();
    if (image.isNull()) {
        report(QStringLiteral("Imagem não copiada: a imagem não pôde ser desenhada"));
        return;
    }
    QGuiApplication::clipboard()->setImage(image);
    report(QStringLiteral("Imagem copiada para a área de transferência"));
}

QString SharePictureActions::savedText(const QString &path)
{
    return QStringLiteral("Imagem salva em %1").arg(QDir::toNativeSeparators(path));
}

QString SharePictureActions::notSavedText(const QString &path, const QString &reason)
{
    return QStringLiteral("Imagem não salva em %1: %2").arg(QDir::toNativeSeparators(path), reason);
}

void SharePictureActions::report(const QString &text) const
{
    if (m_hooks.report)
        m_hooks.report(text);
}
