#include "display/qtdesktopservices.h"

#include <QDesktopServices>
#include <QMessageBox>
#include <QProcess>
#include <QStandardPaths>
#include <QUrl>

bool QtDesktopServices::openInApplication(const QString &path)
{
    return QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}

void QtDesktopServices::showModalMessage(QWidget *parent, const QString &title, const QString &text,
                                         MessageIcon icon)
{
    QMessageBox box(icon == MessageIcon::Information ? QMessageBox::Information
                                                     : QMessageBox::NoIcon,
                    title, text, QMessageBox::Ok, parent);
    box.exec();
}

QString QtDesktopServices::findExecutable(const QString &name)
{
    return QStandardPaths::findExecutable(name);
}

bool QtDesktopServices::startDetached(const QString &program, const QStringList &arguments)
{
    return QProcess::startDetached(program, arguments);
}
