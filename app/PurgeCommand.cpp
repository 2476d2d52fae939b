// The purge without a window: cut-off, lock, walk, and the texts it prints.
#include "app/PurgeCommand.h"

#include <QCoreApplication>
#include <cstdint>
#include <cstdio>

#include "app/TrashEnvironment.h"
#include "core/CalendarDate.h"
#include "core/Conversions.h"
#include "core/DateTimeFormat.h"
#include "core/Errors.h"
#include "core/NumberReaders.h"
#include "core/Purge.h"
#include "platform/FileNames.h"
#include "platform/ItemRemoval.h"
#include "platform/LocaleSettings.h"
#include "platform/QtText.h"
#include "platform/RemovalPermit.h"
#include "platform/SourceRows.h"
#include "platform/TrashSource.h"

namespace velmora {

namespace {

// One line of output: the text with its carriage returns as line breaks, then a line break.
QByteArray lines(TextView text) {
    QString s = toQString(text);
    s.replace(u'\r', u'\n');
    return s.toUtf8() + '\n';
}

QByteArray errorLine(std::exception_ptr error) {
    return lines(shownErrorText(error));
}

// Where the item was before it was trashed; the stored object's path when that is not known
// (an orphan, an unreadable Path). Names keep their bytes.
QByteArray originalPath(ItemSource& source, const SourceRows& rows, int row) {
    const QString folder =
        toQString(rows.subItemText(row, rows.subItemOf(QStringLiteral("原位置"), 0)));
    if (folder.isEmpty())
        return fileNameToBytes(source.pathName(row));
    const QString name = source.displayName(row);
    return fileNameToBytes(folder.endsWith(u'/') ? folder + name : folder + u'/' + name);
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
        error = QStringLiteral("velmora: “%1” 不是日期：请写 2026-11-01、20261101 或 %2\n"
                               "velmora: '%1' is not a date: write 2026-11-01, 20261101 or %2")
                    .arg(text, exampleShortDate());
        return false;
    case CalendarDateRead::YearOutOfRange:
        error = QStringLiteral("velmora: “%1” 的年份不在 %2 到 %3 之间\n"
                               "velmora: the year of '%1' is not between %2 and %3")
                    .arg(text)
                    .arg(FirstCalendarYear)
                    .arg(LastCalendarYear);
        return false;
    }
    if (date > today) {
        error = QStringLiteral("velmora: %1 在今天之后：这样的清除会清空整个回收站\n"
                               "velmora: %1 is after today: that purge would empty the whole trash")
                    .arg(toQString(formatDateTime(u"yyyy-MM-dd", date)));
        return false;
    }
    return true;
}

// The walk of runPurge once the permit is had: the purge's report, or the dry run's analysis and
// items.
void runPurgeWalk(ItemSource& source, const CutOffChoice& choice, bool dryRun,
                  PurgeOutput& output) {
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
            output.err = errorLine(std::current_exception());
        }
        return;
    }
    try {
        // The analysis message first, then the purge's own plan: what the purge would remove.
        SourceRows analysed(source);
        const AgeAnalysis analysis = analyseAge(analysed, choice, columns.date, columns.size);
        output.out = lines(analysis.message);
        const PurgePlan plan = planPurge(rows, choice, columns.date, columns.size);
        if (plan.error)
            std::rethrow_exception(plan.error);
        for (const int row : plan.rows) {
            output.out += toQString(rows.subItemText(row, columns.date)).toUtf8() + '\t' +
                          toQString(rows.subItemText(row, columns.size)).toUtf8() + '\t' +
                          originalPath(source, rows, row) + '\n';
        }
    } catch (...) {
        output.status = PurgeConvertError;
        output.out.clear();
        output.err = errorLine(std::current_exception());
    }
}

} // namespace

bool readCutOff(const PurgeRequest& request, TDateTime today, CutOffChoice& choice,
                QString& error) {
    choice.today = today;
    choice.byDate = request.byDate;
    if (request.byDate)
        return readCutOffDate(request.before, today, choice.pickerValue, error);
    try {
        choice.daysText = toText(request.days);
        std::int32_t days = 0;
        if (tryReadWholeNumber(choice.daysText, days) && days < 0) {
            error = QStringLiteral("天数不能为负数");
            return false;
        }
        AgeCutOff(false, 0, choice.daysText, today); // its errors, before anything is read
    } catch (...) {
        error = toQString(shownErrorText(std::current_exception()));
        return false;
    }
    return true;
}

PurgeOutput runPurge(ItemSource& source, const CutOffChoice& choice, bool dryRun) {
    PurgeOutput output;
    // A listing that failed removes nothing; neither does a purge while another one runs. A
    // dry run checks the same, so that it says what a purge would do.
    const RemovalPermit permit = permitRemoval(source);
    if (!permit) {
        const bool busy = permit.refusal == RemovalPermit::Refusal::Busy;
        output.status = busy ? PurgeBusy : PurgeListingFailed;
        output.err =
            (busy ? permit.message : QStringLiteral("velmora: ") + permit.message).toUtf8() + '\n';
        return output;
    }
    runPurgeWalk(source, choice, dryRun, output);
    // The volumes that missed their deadline are not in the list: their items were neither
    // counted nor removed.
    for (const QString& volume : source.unavailableVolumes()) {
        output.err +=
            QStringLiteral("velmora: 卷“%1”未及时响应，未读取其中的回收站\n").arg(volume).toUtf8();
        output.status = PurgeListingFailed;
    }
    return output;
}

int runPurgeCommand(const PurgeRequest& request, int& argc, char** argv) {
    // The core application only: no platform plugin, so no display is needed.
    QCoreApplication app(argc, argv);
    loadSystemFormatSettings();

    CutOffChoice choice;
    QString error;
    if (!readCutOff(request, today(), choice, error)) {
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
    TrashSource source(options);
    source.enumerate();
    const PurgeOutput output = runPurge(source, choice, request.dryRun);
    write(stdout, output.out);
    write(stderr, output.err);
    return output.status;
}

} // namespace velmora
