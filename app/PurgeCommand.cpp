// The purge without a window: cut-off, lock, walk, and the texts it prints.
#include "app/PurgeCommand.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <unistd.h>

#include "app/OneLine.h"
#include "app/PathText.h"
#include "app/PurgeJson.h"
#include "app/PurgeProgress.h"
#include "app/TrashEnvironment.h"
#include "core/CalendarDate.h"
#include "core/Conversions.h"
#include "core/DateTimeFormat.h"
#include "core/Errors.h"
#include "core/NumberReaders.h"
#include "core/NumberRules.h"
#include "core/Purge.h"
#include "core/SpaceBudget.h"
#include "platform/FileNames.h"
#include "platform/ItemRemoval.h"
#include "platform/LocaleSettings.h"
#include "platform/QtText.h"
#include "platform/RemovalPermit.h"
#include "platform/SourceRows.h"
#include "platform/TrashSource.h"
#include "platform/TrashVolumes.h"

namespace velmora {

namespace {

// One line of output: the text with its carriage returns as line breaks, then a line break.
QByteArray lines(TextView text) {
    QString s = toQString(text);
    s.replace(u'\r', u'\n');
    return s.toUtf8() + '\n';
}

// The line of a walk that stopped at a row whose date or size cannot be read (status 4): the
// text named, and what became of the items before it; not the window's conversion message.
QByteArray unreadableRowLine(std::exception_ptr error, bool removedBefore) {
    Text input;
    try {
        std::rethrow_exception(error);
    } catch (const ConvertError& e) {
        input = e.input();
    } catch (...) {
    }
    QString sentence;
    if (input.empty())
        sentence =
            removedBefore
                ? QCoreApplication::translate(
                      "PurgeCommand", "列表中有一项无法读取：清除在这一项停止，之前的项目已删除")
                : QCoreApplication::translate("PurgeCommand",
                                              "列表中有一项无法读取：未删除任何项目");
    else
        sentence = (removedBefore
                        ? QCoreApplication::translate(
                              "PurgeCommand", "列表中的“%1”不是可读的日期或大小：清除在这一项停止，"
                                              "之前的项目已删除")
                        : QCoreApplication::translate(
                              "PurgeCommand", "列表中的“%1”不是可读的日期或大小：未删除任何项目"))
                       .arg(toQString(input));
    return commandLineError(sentence).toUtf8() + '\n';
}

// Where the item was before it was trashed; the stored object's path when that is not known
// (an orphan, an unreadable Path). Names keep their bytes.
QByteArray originalPath(ItemSource& source, const SourceRows& rows, int row) {
    const QString folder =
        toQString(rows.subItemText(row, rows.subItemOf(QStringLiteral("原位置"), 0)));
    if (folder.isEmpty())
        return fileNameToBytes(source.pathName(row));
    const QString name = source.displayName(row);
    const QString path = folder.endsWith(u'/') ? folder + name : folder + u'/' + name;
    // The list shows each byte that is not UTF-8 as U+FFFD: only the source has the bytes.
    if (path.contains(QChar::ReplacementCharacter)) {
        const QByteArray bytes = source.originalPath(row);
        if (!bytes.isNull())
            return bytes;
    }
    return fileNameToBytes(path);
}

// One item of a dry run: its deletion date, size and original path (lineField: no tab or line
// break of a name can break the line), tab-separated.
QByteArray itemLine(ItemSource& source, const SourceRows& rows, const DetailColumns& columns,
                    int row) {
    return toQString(rows.subItemText(row, columns.date)).toUtf8() + '\t' +
           toQString(rows.subItemText(row, columns.size)).toUtf8() + '\t' +
           lineField(originalPath(source, rows, row)) + '\n';
}

void write(std::FILE* stream, const QByteArray& bytes) {
    std::fwrite(bytes.constData(), 1, static_cast<std::size_t>(bytes.size()), stream);
    std::fflush(stream);
}

// The locale's short date of 1 November 2026, as the date picker writes it.
QString exampleShortDate() {
    TDateTime example = 0;
    tryEncodeDate(2026, 11, 1, example);
    return toQString(formatDateTime(formatSettings().ShortDateFormat, example));
}

// The date of --purge-before: a calendar date only, and never after today, since every item
// deleted before a later day would go.
bool readCutOffDate(const QString& text, TDateTime today, TDateTime& date, QString& error) {
    switch (readCalendarDate(toText(text), date)) {
    case CalendarDateRead::Ok:
        break;
    case CalendarDateRead::NotADate:
        error =
            commandLineError(QCoreApplication::translate(
                                 "PurgeCommand", "“%1” 不是日期：请写 2026-11-01、20261101 或 %2")
                                 .arg(text, exampleShortDate()));
        return false;
    case CalendarDateRead::YearOutOfRange:
        error = commandLineError(
            QCoreApplication::translate("PurgeCommand", "“%1” 的年份不在 %2 到 %3 之间")
                .arg(text)
                .arg(FirstCalendarYear)
                .arg(LastCalendarYear));
        return false;
    }
    if (date > today) {
        error = commandLineError(
            QCoreApplication::translate(
                "PurgeCommand", "%1 在今天之后：这样的清除会清空整个回收站，请写今天或更早的日期")
                .arg(toQString(formatDateTime(u"yyyy-MM-dd", date))));
        return false;
    }
    return true;
}

// The walk of runPurge once the permit is had: the purge's report, or the dry run's analysis and
// items.
void runPurgeWalk(ItemSource& source, const CutOffChoice& choice, bool dryRun,
                  PurgeOutput& output) {
    source.loadEveryRow(); // the walk reads every row
    SourceRows rows(source);
    const DetailColumns columns = rows.detailColumns();
    if (!dryRun) {
        SourceRemover remover(source);
        PlainRemovalRunner runner(RemovalThreads);
        try {
            const PurgeReport report =
                purge(rows, choice, columns.date, columns.size, remover, runner);
            output.out = lines(report.removedMessage) + lines(report.freedMessage);
            output.status = report.stayed > 0 ? PurgeSomeStayed : PurgeDone;
        } catch (...) {
            // The items before the row that could not be read are gone, as with the button.
            output.status = PurgeConvertError;
            output.err = unreadableRowLine(std::current_exception(), true);
        }
        return;
    }
    try {
        // The purge's own plan: what the purge would remove. The analysis message first, of the
        // same rows, from the one walk.
        const PurgePlan plan = planPurge(rows, choice, columns.date, columns.size);
        if (plan.error)
            std::rethrow_exception(plan.error);
        output.out = lines(analysisOfSizes(choice, plan.sizes).message);
        for (const int row : plan.rows)
            output.out += itemLine(source, rows, columns, row);
    } catch (...) {
        output.status = PurgeConvertError;
        output.out.clear();
        output.err = unreadableRowLine(std::current_exception(), false);
    }
}

} // namespace

bool readCutOff(const PurgeRequest& request, TDateTime today, CutOffChoice& choice,
                QString& error) {
    choice.today = today;
    choice.byDate = request.byDate;
    if (request.byDate)
        return readCutOffDate(request.before, today, choice.pickerValue, error);
    // One sentence naming the text, never the days box's conversion texts: the box's rule
    // decides what is accepted, the command line says what it expected.
    const auto refuse = [&](const QString& sentence) {
        error = commandLineError(sentence.arg(request.days));
        return false;
    };
    choice.daysText = toText(request.days);
    std::int32_t days = 0;
    if (!tryReadWholeNumber(choice.daysText, days))
        return refuse(QCoreApplication::translate("PurgeCommand",
                                                  "“%1”不是天数：请写 0 或更大的整数，如 30"));
    if (days < 0)
        return refuse(QCoreApplication::translate("PurgeCommand",
                                                  "天数“%1”是负数：请写 0 或更大的整数，如 30"));
    try {
        AgeCutOff(false, 0, choice.daysText, today); // its errors, before anything is read
    } catch (...) {
        return refuse(QCoreApplication::translate("PurgeCommand",
                                                  "天数“%1”太大：截止日期超出了可以表示的范围"));
    }
    return true;
}

namespace {

// A listing that failed removes nothing; neither does a purge while another one runs. A dry run
// checks the same, so that it says what a purge would do. False with the output's status and
// error set when the permit is refused.
bool permitted(const RemovalPermit& permit, PurgeOutput& output) {
    if (permit)
        return true;
    const bool busy = permit.refusal == RemovalPermit::Refusal::Busy;
    output.status = busy ? PurgeBusy : PurgeListingFailed;
    output.err = commandLineError(permit.message).toUtf8() + '\n';
    return false;
}

// The volumes that missed their deadline are not in the list: their items were neither counted
// nor removed.
void nameUnavailableVolumes(ItemSource& source, PurgeOutput& output) {
    for (const QString& volume : source.unavailableVolumes()) {
        output.err += commandLineError(QCoreApplication::translate(
                                           "PurgeCommand", "卷“%1”未及时响应，未读取其中的回收站")
                                           .arg(volume))
                          .toUtf8() +
                      '\n';
        output.status = PurgeListingFailed;
    }
}

} // namespace

PurgeOutput runPurge(ItemSource& source, const CutOffChoice& choice, bool dryRun) {
    PurgeOutput output;
    const RemovalPermit permit = permitRemoval(source);
    if (!permitted(permit, output))
        return output;
    runPurgeWalk(source, choice, dryRun, output);
    nameUnavailableVolumes(source, output);
    return output;
}

PurgeSettings purgeSettings(const PurgeRequest& request) {
    PurgeSettings settings;
    settings.hasCutOff = request.hasCutOff;
    settings.all = request.all;
    SpaceSize size;
    if (!request.maxSize.isNull() && readSpaceSize(toText(request.maxSize), size))
        settings.maxSize = size;
    if (!request.minFree.isNull() && readSpaceSize(toText(request.minFree), size))
        settings.minFree = size;
    settings.dryRun = request.dryRun;
    settings.json = request.json;
    settings.quiet = request.quiet;
    settings.verbose = request.verbose;
    return settings;
}

namespace {

// The plan of a purge with settings: its rows for removePlan, and with a budget the items and
// plan the removal watches.
struct TrashPlan {
    PurgePlan rows;
    bool budgeted = false;
    std::vector<BudgetItem> items;
    BudgetPlan budget;
};

// The plan of the cut-off or of --all, then the budgets. Throws the conversion error of a text
// that cannot be read; with a cut-off and no budget the rows before it are kept with the error.
TrashPlan planTrashPurge(TrashSource& source, SourceRows& rows, const DetailColumns& columns,
                         const TrashVolumes& volumes, VolumeSpace& space,
                         const CutOffChoice& choice, const PurgeSettings& settings) {
    TrashPlan plan;
    if (settings.hasCutOff) {
        plan.rows = planPurge(rows, choice, columns.date, columns.size);
    } else if (settings.all) {
        for (int row = 0; row < rows.rowCount(); ++row) {
            plan.rows.rows.push_back(row);
            plan.rows.sizes.push_back(SizeTextToMB(rows.subItemText(row, columns.size)));
        }
    }
    plan.budgeted = settings.maxSize || settings.minFree;
    if (!plan.budgeted)
        return plan;
    if (plan.rows.error) // a plan that could not be read is not budgeted on
        std::rethrow_exception(plan.rows.error);
    const int count = rows.rowCount();
    std::vector<int> rowOf(static_cast<std::size_t>(count));
    std::vector<double> sizes(static_cast<std::size_t>(count));
    plan.items.resize(std::size_t(count));
    for (int row = 0; row < count; ++row) {
        BudgetItem& item = plan.items[std::size_t(row)];
        rowOf[std::size_t(row)] = row;
        sizes[std::size_t(row)] = SizeTextToMB(rows.subItemText(row, columns.size));
        item.bytes = std::uint64_t(source.itemBytes(row));
        item.deleted = source.deletionDate(row);
        item.trash = source.trashIndex(row);
        item.volume = volumes.volumeOf(item.trash);
    }
    for (const int row : plan.rows.rows)
        plan.items[std::size_t(row)].taken = true;
    BudgetRule rule;
    rule.maxSize = settings.maxSize;
    rule.minFree = settings.minFree;
    plan.budget = planBudget(plan.items, rule, space);
    plan.rows = budgetPurgePlan(plan.budget, rowOf, sizes, settings.dryRun);
    return plan;
}

// The item of a row as the JSON document gives it.
JsonItem jsonItem(TrashSource& source, int row) {
    JsonItem item;
    item.trash = fileNameToBytes(source.trashDirectories().value(source.trashIndex(row)));
    item.stored = source.storedName(row);
    item.original = source.originalPath(row);
    item.deleted = source.deletionDate(row);
    item.bytes = std::uint64_t(source.itemBytes(row));
    item.kind = source.itemKind(row);
    return item;
}

} // namespace

PurgeOutput runTrashPurge(TrashSource& source, const CutOffChoice& choice,
                          const PurgeSettings& settings) {
    PurgeOutput output;
    const RemovalPermit permit = permitRemoval(source);
    if (!permitted(permit, output))
        return output;
    SourceRows rows(source);
    const DetailColumns columns = rows.detailColumns();
    TrashVolumes volumes(source);
    QByteArray human;
    QByteArray warnings;
    TrashPlan plan;
    std::exception_ptr error;
    source.loadEveryRow(); // the plan reads every row
    try {
        plan = planTrashPurge(source, rows, columns, volumes, volumes, choice, settings);
    } catch (...) {
        output.status = PurgeConvertError;
        output.err = unreadableRowLine(std::current_exception(), false);
        return output;
    }
    // A cut-off whose walk stopped at a row that cannot be read: the rows before it go, as with
    // the button, and the status says so.
    std::swap(error, plan.rows.error);

    // What the JSON says of each planned item, and the path --verbose names (from its info
    // file, when the list cannot show it), read before anything is removed.
    std::map<int, JsonItem> facts;
    if (settings.json)
        for (const int row : plan.rows.rows)
            facts[row] = jsonItem(source, row);
    std::map<int, QByteArray> paths;
    if (settings.verbose && !settings.dryRun)
        for (const int row : plan.rows.rows)
            paths[row] = originalPath(source, rows, row);

    PurgeReport report;
    std::map<int, std::uint64_t> shortfall = plan.budget.shortfall;
    if (settings.dryRun) {
        if (settings.hasCutOff && !plan.budgeted) {
            // A walk that stopped has no analysis: the dry run says so, as runPurge's does.
            if (error) {
                output.status = PurgeConvertError;
                output.err = unreadableRowLine(error, false);
                return output;
            }
            human += lines(analysisOfSizes(choice, plan.rows.sizes).message);
        } else {
            MegabyteSum sum;
            for (const double megabytes : plan.rows.sizes)
                sum.add(megabytes);
            human +=
                lines(toText(QCoreApplication::translate(
                                 "PurgeCommand", "计划删除文件或文件夹：%1项\r合计占用空间：%2MB")
                                 .arg(plan.rows.rows.size())
                                 .arg(toQString(sum.wholeText()))));
        }
        std::vector<int> listed = plan.rows.rows;
        std::sort(listed.begin(), listed.end());
        for (const int row : listed)
            human += itemLine(source, rows, columns, row);
    } else {
        SourceRemover remover(source);
        // --min-free reads the free space before each item: one item at a time, so that none
        // goes while an older one is still returning its space.
        const int threads = settings.minFree ? 1 : RemovalThreads;
        PlainRemovalRunner plainRunner(threads);
        TerminalProgressRunner progressRunner(threads, plan.rows.rows, plan.rows.sizes, stderr,
                                              progressDelay());
        RemovalRunner& runner = settings.quiet ? static_cast<RemovalRunner&>(plainRunner)
                                               : static_cast<RemovalRunner&>(progressRunner);
        if (plan.budgeted) {
            BudgetRemoval removal =
                removeBudgetPlan(plan.budget, plan.items, plan.rows, remover, runner, volumes);
            report = std::move(removal.report);
            shortfall = removal.shortfall;
        } else {
            report = removePlan(plan.rows, remover, runner);
        }
        human += lines(report.removedMessage) + lines(report.freedMessage);
        if (settings.verbose) {
            for (std::size_t k = 0; k < plan.rows.rows.size(); ++k) {
                const std::optional<RemoveOutcome> outcome =
                    k < report.outcomes.size() ? report.outcomes[k] : std::nullopt;
                if (outcome != RemoveOutcome::Removed && outcome != RemoveOutcome::Stayed)
                    continue;
                const QString path = QString::fromUtf8(lineField(paths[plan.rows.rows[k]]));
                human += (outcome == RemoveOutcome::Removed
                              ? QCoreApplication::translate("PurgeCommand", "已删除：%1")
                              : QCoreApplication::translate("PurgeCommand", "未能删除：%1"))
                             .arg(path)
                             .toUtf8() +
                         '\n';
            }
        }
        output.status = report.stayed > 0 ? PurgeSomeStayed : PurgeDone;
    }
    for (const auto& [volume, bytes] : shortfall)
        warnings += commandLineError(
                        QCoreApplication::translate(
                            "PurgeCommand", "卷“%1”即使删除所有可删除的项目，可用空间仍少 %2 字节")
                            .arg(volumes.volumeName(volume))
                            .arg(bytes))
                        .toUtf8() +
                    '\n';

    if (settings.json) {
        JsonRule rule;
        if (settings.hasCutOff)
            rule.cutOff =
                AgeCutOff(choice.byDate, choice.pickerValue, choice.daysText, choice.today);
        rule.all = settings.all;
        rule.maxSize = settings.maxSize;
        rule.minFree = settings.minFree;
        for (int volume = 0; volume < volumes.count(); ++volume) {
            const std::uint64_t total = volumes.totalBytes(volume);
            if (settings.maxSize)
                rule.maxSizeBytes[volumes.volumeName(volume)] = settings.maxSize->resolve(total);
            if (settings.minFree)
                rule.minFreeBytes[volumes.volumeName(volume)] = settings.minFree->resolve(total);
        }
        // The planned items in list order, each with its outcome in a purge; those --min-free
        // left because their volume had the space by then are not in it.
        std::vector<std::pair<int, std::optional<RemoveOutcome>>> planned;
        for (std::size_t k = 0; k < plan.rows.rows.size(); ++k) {
            const std::optional<RemoveOutcome> outcome =
                settings.dryRun || k >= report.outcomes.size() ? std::nullopt : report.outcomes[k];
            if (settings.dryRun || outcome)
                planned.emplace_back(plan.rows.rows[k], outcome);
        }
        std::sort(planned.begin(), planned.end(),
                  [](const auto& a, const auto& b) { return a.first < b.first; });
        QList<JsonItem> items;
        for (const auto& [row, outcome] : planned) {
            JsonItem item = facts[row];
            item.outcome = outcome;
            items.append(item);
        }
        std::map<QString, std::uint64_t> missing;
        for (const auto& [volume, target] : plan.budget.minFreeTarget)
            missing[volumes.volumeName(volume)] = shortfall.count(volume) ? shortfall[volume] : 0;
        for (auto it = missing.begin(); it != missing.end();)
            it = it->second == 0 ? missing.erase(it) : std::next(it);
        output.out = purgeJson(settings.dryRun, rule, items, missing);
        if (!settings.quiet)
            output.err += human;
    } else if (!settings.quiet) {
        output.out = human;
    }
    output.err += warnings;
    if (error) {
        output.status = PurgeConvertError;
        output.err += unreadableRowLine(error, !settings.dryRun);
    }
    nameUnavailableVolumes(source, output);
    return output;
}

bool readTrashDirs(const QStringList& dirs, uid_t uid, TrashSourceOptions& options,
                   QList<QByteArray>& paths, QString& error) {
    if (dirs.isEmpty())
        return true;
    options.readHome = false;
    options.scanVolumes = false;
    QList<QByteArray> volumeTrashes;
    QStringList roots;
    const QString uidText = QString::number(uid);
    for (const QString& given : dirs) {
        const QString dir = QDir::cleanPath(QDir::current().absoluteFilePath(given));
        const QFileInfo info(dir);
        const QString name = info.fileName();
        const QString parent = info.path();
        const QString grandParent = QFileInfo(parent).path();
        paths.append(fileNameToBytes(dir));
        if (name == QStringLiteral(".Trash-") + uidText) {
            roots.append(parent); // .Trash-$uid: ours, not a link
        } else if (name == uidText && QFileInfo(parent).fileName() == QStringLiteral(".Trash")) {
            roots.append(grandParent); // .Trash/$uid: the parent sticky, not a link; ours
        } else if (name == QStringLiteral("Trash") && !options.readHome) {
            options.readHome = true; // the home trash: ours and a folder
            options.dataHome = parent;
            continue;
        } else {
            error = commandLineError(
                QCoreApplication::translate(
                    "PurgeCommand",
                    "“%1”不是回收站目录：请写家目录的回收站（如 "
                    "~/.local/share/Trash，只能一个）、卷上的 .Trash-%2 或 .Trash/%2")
                    .arg(given, uidText));
            return false;
        }
        volumeTrashes.append(fileNameToBytes(dir));
    }
    if (!roots.isEmpty()) {
        options.scanVolumes = true;
        options.volumeRoots = roots;
        options.onlyVolumeTrashes = volumeTrashes;
    }
    return true;
}

int runPurgeCommand(const PurgeRequest& request, int& argc, char** argv) {
    // The core application only: no platform plugin, so no display is needed.
    QCoreApplication app(argc, argv);
    loadSystemFormatSettings();

    CutOffChoice choice;
    choice.today = today();
    QString error;
    if (request.hasCutOff && !readCutOff(request, today(), choice, error)) {
        write(stderr, error.toUtf8() + '\n');
        return PurgeBadInput;
    }

    // Not the window's guard: a purge while the window is open is safe, since both take the
    // removal lock on the trash (runPurge) and removal checks that each item is still the one
    // listed.
    TrashSourceOptions options = trashSourceOptionsFromEnvironment();
    options.updateSizeCache = !request.dryRun; // a dry run changes nothing, not even the cache
    // No window to keep responsive: the volumes get longer to answer than in the window.
    options.probeDeadline = CommandLineProbeDeadline;
    options.volumeDeadline = CommandLineVolumeDeadline;
    QList<QByteArray> named;
    if (!readTrashDirs(request.trashDirs, ::getuid(), options, named, error)) {
        write(stderr, error.toUtf8() + '\n');
        return PurgeBadInput;
    }
    TrashSource source(options);
    source.enumerate();
    // A trash directory named on the command line that could not be read, or failed the checks
    // of its kind, is an error: nothing is removed.
    QList<QByteArray> read;
    for (const QString& dir : source.trashDirectories())
        read.append(fileNameToBytes(dir));
    for (const QByteArray& dir : named) {
        if (read.contains(dir))
            continue;
        write(
            stderr,
            commandLineError(
                QCoreApplication::translate(
                    "PurgeCommand",
                    "未能读取回收站目录“%1”：它不存在、不是本用户的、是链接，或不符合其种类的要求")
                    .arg(fileNameFromBytes(dir)))
                    .toUtf8() +
                '\n');
        return PurgeListingFailed;
    }
    const PurgeSettings settings = purgeSettings(request);
    // A purge on a terminal shows its progress: runTrashPurge has the line.
    const bool progress = !settings.dryRun && !settings.quiet && ::isatty(STDERR_FILENO) == 1;
    PurgeOutput output = settings.plain() && !progress ? runPurge(source, choice, request.dryRun)
                                                       : runTrashPurge(source, choice, settings);
    if (settings.quiet && settings.plain())
        output.out.clear();
    write(stdout, output.out);
    write(stderr, output.err);
    return output.status;
}

} // namespace velmora
