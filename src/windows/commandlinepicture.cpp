#include "windows/commandlinepicture.h"

#include "core/clock.h"
#include "core/counter.h"
#include "core/sharepicturetext.h"
#include "core/soundcues.h"
#include "core/wholefile.h"
#include "display/desktopservices.h"
#include "windows/Apresentacao/apresentacao.h"
#include "windows/Comparacao/comparacao.h"
#include "windows/Comparacao/comparedcounter.h"
#include "windows/DeadZone/deadzone.h"
#include "windows/sharepicture.h"

namespace {

// Nothing of the desktop while making a picture: a message a window would show is kept to
// be written to standard error, nothing is opened or started.
class QuietDesktop final : public DesktopServices
{
public:
    void openInApplication(const QString &, QObject *, OpenFinished finished) override
    {
        if (finished)
            finished({false, QString()});
    }
    void showModalMessage(QWidget *, const QString &, const QString &text, MessageIcon) override
    {
        messages.append(text);
    }
    // No editor is ever opened here, so nothing is unsaved.
    SaveAnswer askToSave(QWidget *, const QString &, const QString &) override
    {
        return SaveAnswer::Discard;
    }
    QString findExecutable(const QString &) override { return QString(); }
    bool startDetached(const QString &, const QStringList &) override { return false; }

    QStringList messages;
};

PictureRun refused(int status, const QString &message)
{
    return {status, QStringLiteral("quorvel-counter: %1\n").arg(message), QString()};
}

// The file written whole or not at all.
PictureRun writePicture(const QImage &image, const QString &path, const QString &count)
{
    // The suffix was checked with the options: .png or .jpg/.jpeg.
    const QByteArray bytes = pictureBytes(image, pictureFormatFor(path).value_or("PNG"));
    const QString reason = bytes.isEmpty() ? QStringLiteral("a imagem não pôde ser desenhada")
                                           : writeWholeFile(path, bytes);
    if (!reason.isEmpty())
        return refused(
            kPictureWriteErrorStatus,
            QStringLiteral("Não foi possível salvar a imagem em %1: %2").arg(path, reason));
    return {0, QString(), count};
}

// Several choices: the comparison view, every counter at the clock's instant.
PictureRun writeComparisonPicture(const StartOptions &options, Clock &clock,
                                  const QString &dataDirectory)
{
    const ChoiceFiles files = ChoiceFiles::read(dataDirectory);
    QList<PreparedChoice> prepared;
    for (const CounterChoice &choice : options.choices) {
        prepared.append(prepareChoice(choice, files));
        if (!prepared.constLast().isCountable())
            return refused(kCommandLineErrorStatus, prepared.constLast().error);
    }
    Comparacao view(clock);
    view.setReducedMotion(true);
    view.setChoices(prepared, options.mode.value_or(AccumulationMode::Dia));
    view.startAll();
    QStringList counts;
    for (int i = 0; i < view.counterCount(); ++i)
        counts.append(view.panel(i)->countText());
    const QImage image = SharePicture(view).draw(options.pictureSize, clock.now());
    return writePicture(image, *options.pictureFile, counts.join(QStringLiteral(" ")));
}

} // namespace

PictureRun writeStartPicture(const StartOptions &options, Clock &clock,
                             const QString &dataDirectory)
{
    if (options.comparison())
        return writeComparisonPicture(options, clock, dataDirectory);
    SilentSoundOutput silence;
    SoundCues cues(silence, QString());
    QuietDesktop desktop;
    DeadZone window(clock, cues, desktop, dataDirectory);
    window.setReducedMotion(true); // the wheels at rest, no animation started
    if (options.mode)
        window.selectMode(*options.mode);
    if (options.entry) {
        if (!window.chooseEntryNamed(*options.entry))
            return refused(kCommandLineErrorStatus,
                           QStringLiteral("Entrada desconhecida: %1").arg(*options.entry));
    } else if (options.monthly) {
        window.typeMonthlyFigure(*options.monthly);
    }
    window.pressPlay();
    window.showCountNow();
    if (!window.counter().count()) {
        const QString why = desktop.messages.isEmpty()
                                ? QStringLiteral("Não há contagem para mostrar na imagem")
                                : desktop.messages.join(u' ');
        return refused(kCommandLineErrorStatus, why);
    }

    return writePicture(window.sharePicture(options.pictureSize), *options.pictureFile,
                        window.odometerText());
}
