// The command line: read before anything else starts, so that --version, --help and the purge
// need neither a display nor the single-instance guard.
#pragma once

#include <QString>
#include <QStringList>

namespace velmora {

// A purge without a window: its cut-off as given (read later, in the user's locale).
struct PurgeRequest {
    bool byDate = false;   // --purge-before, otherwise --purge-days
    QString days;          // the text after --purge-days
    QString before;        // the text after --purge-before
    bool dryRun = false;   // --dry-run: report what would go, remove nothing
    bool hasCutOff = true; // --purge-days or --purge-before given; otherwise a budget or --all
    bool all = false;      // --all: every item, whatever its date
    QString maxSize;       // the text after --max-size (checked by readSpaceSize), or null
    QString minFree;       // the text after --min-free (checked by readSpaceSize), or null
    bool json = false;     // --json: one JSON document on standard output
    bool quiet = false;    // --quiet: nothing but errors
    bool verbose = false;  // --verbose: one line per removed or stayed item
    QStringList trashDirs; // --trash-dir, each as given: only these trash directories are read
};

// What the process was asked to do.
struct CommandLineRequest {
    enum class Action {
        OpenWindow, // no option of Velmora's own: the usual start-up (Qt's options pass through)
        Print,      // print `text` on standard output and end with status 0
        Fail,       // print `text` on standard error and end with status 2
        Purge,      // run `purge` without a window
    };
    Action action = Action::OpenWindow;
    QString text;
    PurgeRequest purge;
};

// The arguments as QStrings (argv[0] included), without needing an application object.
QStringList argumentList(int argc, char** argv);

// Reads the arguments (argv[0] first). Qt's own options (-platform, -style, …) are recognised
// and left for QApplication; anything else that is not Velmora's is an error.
CommandLineRequest readCommandLine(const QStringList& arguments);

// Prints the request's text where it belongs and returns the exit status for it.
int finishRequest(const CommandLineRequest& request);

// "Velmora 1.4"
QString versionText();

} // namespace velmora
