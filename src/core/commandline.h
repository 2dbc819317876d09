#pragma once

#include "core/counterchoice.h"
#include "core/counterstate.h"
#include "core/sharepicturetext.h"

#include <QSize>
#include <QString>
#include <QStringList>

#include <optional>

// What the command line asks of a run: a screen at an event can start straight into a
// running count, in the presentation view.
struct StartOptions
{
    // With one choice alone, what it is: its figure or its entry.
    std::optional<int> monthly; // --mensal N: a whole figure, 0 to kMaxMonthlyFigure
    // --entrada NOME: as typed, then the entry's own name once resolveStartEntries found it.
    std::optional<QString> entry;
    // Every --mensal and --entrada in the order given: two to six open a comparison.
    CounterChoices choices;
    std::optional<AccumulationMode> mode; // --modo dia|mes|ano
    std::optional<QString> title;         // --titulo TEXTO: names what is counted in views
    bool presentation = false;            // --apresentacao
    // --tela N: the screen the presentation view opens on, 1 the first screen listed. Whether
    // there is such a screen is known only with the display (checkStartScreen).
    std::optional<int> screen;
    bool noSound = false;       // --sem-som
    bool reducedMotion = false; // --movimento-reduzido
    // --imagem ARQUIVO: the picture of the count written there, and the program ends.
    std::optional<QString> pictureFile;
    QSize pictureSize = kDefaultPictureSize; // --tamanho LARGURAxALTURA
    // --pagina ARQUIVO.html: a page that counts by itself written there, and the program ends.
    std::optional<QString> pageFile;

    // Any option at all: the splash is skipped.
    bool anyGiven = false;
    // A figure or an entry: the count starts at once, as if play were pressed.
    bool startsCount() const
    {
        return monthly.has_value() || entry.has_value() || !choices.isEmpty();
    }
    // Two choices or more: the comparison view, started, instead of the main window's count.
    bool comparison() const { return choices.size() >= kMinComparedCounters; }
    // A window is shown; a run that writes a file and ends needs no display.
    bool opensWindow() const { return !pictureFile && !pageFile; }
};

// Exit status of a command line the program refuses.
inline constexpr int kCommandLineErrorStatus = 2;
// Exit status of a run that needs a window with no graphical session to show it in.
inline constexpr int kNoDisplayStatus = 1;
// Exit status of --listar when an incidence file could not be read whole.
inline constexpr int kDataReadErrorStatus = 1;

struct CommandLineResult
{
    enum class Action {
        Run,         // go on with `options`
        Print,       // write `text` to standard output and end with status 0 (--help, --version)
        ListEntries, // --listar: write every entry to standard output, status 0
        Fail,        // write `text` to standard error and end with status 2, touching no file
    };
    Action action = Action::Run;
    StartOptions options;
    QString text; // ends with a line break
    int exitStatus = 0;
};

// Reads the program's arguments, the program's own path first (as
// QCoreApplication::arguments() gives them). Never prints and never exits: the caller does.
// --mensal and --entrada may each be given several times, mixed: two to six of them make a
// comparison, more are refused, as is a value option of any other kind given twice and any
// argument that is not an option.
CommandLineResult parseCommandLine(const QStringList &arguments, const QString &version);

// The mode as --modo and the settings file write it: "dia", "mes", "ano"; nothing for any
// other text (accents and capitals included).
QString modeOptionText(AccumulationMode mode);
std::optional<AccumulationMode> modeFromOptionText(const QString &text);

// The text of --help, in Portuguese; a manual page can be made from it (help2man).
QString commandLineHelp();

// The text of --version.
QString commandLineVersion(const QString &version);
