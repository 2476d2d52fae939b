// The purge without a window (--purge-days, --purge-before, --dry-run): the cut-off read from the
// command line, the walk over the user's trash, and the texts the window would show, printed.
#pragma once

#include <QByteArray>
#include <QString>

#include <chrono>
#include <optional>

#include "app/CommandLine.h"
#include "core/AgeAnalysis.h"
#include "core/SpaceBudget.h"
#include "platform/ItemSource.h"
#include "platform/TrashSource.h"

namespace velmora {

// Exit statuses of a purge.
enum PurgeStatus {
    PurgeDone = 0,         // every qualifying item is gone (a dry run: the analysis succeeded)
    PurgeSomeStayed = 1,   // some qualifying items could not be removed
    PurgeBadInput = 2,     // a bad option, day count or date: nothing was read or removed
    PurgeBusy = 3,         // another purge holds the lock
    PurgeConvertError = 4, // a row's text could not be converted; the items before it are gone
    PurgeListingFailed = 5 // the trash could not be read (nothing removed), or a volume did not
                           // answer in time (its items neither counted nor removed)
};

// How long the command line waits for the volumes: to answer the probe, and to have their trash
// directories read. The window waits 0.5 s and 2 s, so as not to freeze; a purge without a
// window would rather wait than leave a slow disk out.
inline constexpr std::chrono::milliseconds CommandLineProbeDeadline{5000};
inline constexpr std::chrono::milliseconds CommandLineVolumeDeadline{20000};

// What a purge prints, and its exit status.
struct PurgeOutput {
    int status = PurgeDone;
    QByteArray out; // standard output
    QByteArray err; // standard error
};

// Reads the request's cut-off in the locale of FormatSettings: the days with the days box's rule
// (its error texts; a negative count is refused, since it would empty the whole trash), or the
// date as a calendar date only (readCalendarDate), refused after today, since it would empty
// the whole trash too. False with the error text when it cannot be read.
bool readCutOff(const PurgeRequest& request, TDateTime today, CutOffChoice& choice, QString& error);

// Runs the walk on the source's rows (enumerated already). A dry run prints the analysis, then
// each item of the purge's plan (planPurge) on a line of its own: its deletion date, size and
// original path (as lineField writes it, every byte kept), tab-separated. A purge removes the
// plan's items through removePlan with a SourceRemover and prints what it removed and what that
// freed.
// Both first take the removal permit: a failed listing ends them with status 5 and its reason,
// another purge holding the lock with status 3, nothing removed. Each volume that did not answer
// in time is named on standard error afterwards, with status 5.
PurgeOutput runPurge(ItemSource& source, const CutOffChoice& choice, bool dryRun);

// What a purge was asked beyond its cut-off (PurgeRequest, its sizes read).
struct PurgeSettings {
    bool hasCutOff = true; // the cut-off of the CutOffChoice applies
    bool all = false;      // every item goes
    std::optional<SpaceSize> maxSize, minFree;
    bool dryRun = false, json = false, quiet = false, verbose = false;
    // Whether the plain purge (runPurge) says all there is to say.
    bool plain() const { return hasCutOff && !maxSize && !minFree && !json && !verbose; }
};

// The request's settings; its sizes were checked by readCommandLine.
PurgeSettings purgeSettings(const PurgeRequest& request);

class TrashSource;

// The purge with --all, budgets, --json or --verbose, after the permit as runPurge takes it. The
// plan: the items of the cut-off (planPurge, in list order) or every item (--all), and with a
// budget, those and the items planBudget adds, oldest first. A dry run prints the plan's summary
// and items (or the JSON document); a purge removes the plan through removePlan
// (removeBudgetPlan with a budget, on one thread for --min-free, which reads the free space of
// the volume again before each item), prints the report, with --verbose one line per removed
// or stayed item, or the JSON document. Human texts go to standard output, to standard error
// with --json, nowhere with --quiet. A volume that lacks --min-free with every eligible item
// gone is named on standard error; the status stays 0.
PurgeOutput runTrashPurge(TrashSource& source, const CutOffChoice& choice,
                          const PurgeSettings& settings);

// The options of --trash-dir: each DIR by its kind, the home trash (a folder named Trash, one
// only), a volume's .Trash-$uid or .Trash/$uid; only those are read, each with the checks of its
// kind. `paths` gets each as an absolute path. False with the error text for a DIR of no kind.
bool readTrashDirs(const QStringList& dirs, uid_t uid, TrashSourceOptions& options,
                   QList<QByteArray>& paths, QString& error);

// The whole run: an application object without a display, the user's locale, the cut-off, the
// user's trash. Prints what it has to say and returns the exit status.
int runPurgeCommand(const PurgeRequest& request, int& argc, char** argv);

} // namespace velmora
