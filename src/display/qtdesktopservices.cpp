#include "display/qtdesktopservices.h"

#include <QFileInfo>
#include <QMessageBox>
#include <QPointer>
#include <QProcess>
#include <QPushButton>
#include <QStandardPaths>

#include <memory>
#include <utility>

namespace {

// The opener's own words on its failure: the last line it wrote on its error output.
QString openerReason(QProcess &process, int exitCode, QProcess::ExitStatus status)
{
    if (status == QProcess::CrashExit)
        return QStringLiteral("o programa %1 terminou de forma anormal")
            .arg(QFileInfo(process.program()).fileName());
    const QStringList lines =
        QString::fromLocal8Bit(process.readAllStandardError()).split(u'\n', Qt::SkipEmptyParts);
    QString reason = lines.isEmpty() ? QString() : lines.last().trimmed();
    if (reason.size() > 120)
        reason = reason.left(119) + QChar(0x2026);
    return reason.isEmpty() ? QStringLiteral("código de saída %1").arg(exitCode) : reason;
}

} // namespace

QtDesktopServices::QtDesktopServices(QString opener) : m_opener(std::move(opener)) {}

void QtDesktopServices::openInApplication(const QString &path, QObject *receiver,
                                          OpenFinished finished)
{
    // No parent: the opener may outlive the window that asked (an editor opened through it
    // is not ended with the window), and the process object goes when the opener ends.
    auto *process = new QProcess;
    process->setProgram(m_opener);
    process->setArguments({path});
    process->setStandardOutputFile(QProcess::nullDevice());
    const QPointer<QObject> guard(receiver);
    auto reported = std::make_shared<bool>(false);
    auto report = [guard, finished, process, reported](const DesktopServices::OpenResult &result) {
        if (std::exchange(*reported, true))
            return;
        process->deleteLater();
        if (guard && finished)
            finished(result);
    };
    QObject::connect(
        process, &QProcess::finished, process,
        [process, report](int exitCode, QProcess::ExitStatus status) {
            const bool opened = status == QProcess::NormalExit && exitCode == 0;
            report({opened, opened ? QString() : openerReason(*process, exitCode, status)});
        });
    QObject::connect(process, &QProcess::errorOccurred, process,
                     [process, report](QProcess::ProcessError error) {
                         // Other errors end with finished(), which reports them.
                         if (error != QProcess::FailedToStart)
                             return;
                         report({false, QStringLiteral("o programa %1 não pôde ser iniciado")
                                            .arg(QFileInfo(process->program()).fileName())});
                     });
    process->start();
}

void QtDesktopServices::showModalMessage(QWidget *parent, const QString &title, const QString &text,
                                         MessageIcon icon)
{
    QMessageBox box(icon == MessageIcon::Information ? QMessageBox::Information
                                                     : QMessageBox::NoIcon,
                    title, text, QMessageBox::Ok, parent);
    box.exec();
}

DesktopServices::SaveAnswer QtDesktopServices::askToSave(QWidget *parent, const QString &title,
                                                         const QString &question)
{
    QMessageBox box(QMessageBox::Question, title, question, QMessageBox::NoButton, parent);
    QPushButton *save = box.addButton(QStringLiteral("Salvar"), QMessageBox::AcceptRole);
    QPushButton *discard = box.addButton(QStringLiteral("Descartar"), QMessageBox::DestructiveRole);
    QPushButton *cancel = box.addButton(QStringLiteral("Cancelar"), QMessageBox::RejectRole);
    box.setDefaultButton(save);
    box.setEscapeButton(cancel);
    box.exec();
    if (box.clickedButton() == save)
        return SaveAnswer::Save;
    if (box.clickedButton() == discard)
        return SaveAnswer::Discard;
    return SaveAnswer::Cancel;
}

QString QtDesktopServices::findExecutable(const QString &name)
{
    return QStandardPaths::findExecutable(name);
}

bool QtDesktopServices::startDetached(const QString &program, const QStringList &arguments)
{
    return QProcess::startDetached(program, arguments);
}
