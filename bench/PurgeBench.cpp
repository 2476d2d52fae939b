// Times the purge's removal on a generated trash of 10,000 items (about 200,000 files) against
// rm -rf and trash-empty on identical fresh copies, for several thread counts, and checks that
// the GUI thread stays responsive meanwhile. Prints every figure with the command that reproduces
// it. Run it from an optimised build (CMAKE_BUILD_TYPE=Release).
//
//   velmora_purge_bench [--dir PARENT] [--items N] [--files-per-dir M] [--threads 16,4,1,8,2]
//                       [--holes] [--keep]
//
// The trash is generated under PARENT (default /tmp) with tools/make-trash, copied once per
// contestant with cp -a, and everything is deleted at the end unless --keep is given. Every item
// is removed: the cut-off lies after every deletion date. The listing (the trash source's
// enumeration with every size and text) is timed apart; the timed span is the click's walk and
// removal through the trash source, with the directorysizes rewrite and the re-read of the
// emptied trash.

#include <sys/resource.h>
#include <unistd.h>

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QTimer>
#include <QWidget>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <optional>
#include <vector>

#include "core/DetailColumns.h"
#include "core/Purge.h"
#include "platform/SourceRows.h"
#include "platform/TrashSource.h"
#include "ui/main/PurgeProgressWindow.h"

using namespace velmora;

namespace {

struct Options {
    QString parent = QStringLiteral("/tmp");
    int items = 10000;
    int filesPerDir = 100;
    std::vector<int> threads{16, 4, 1, 8, 2}; // mixed, so that the order favours none
    bool holes = false;
    bool keep = false;
};

struct Times {
    double wall = 0;
    double cpu = 0; // user + system
};

double seconds(const struct timeval& t) {
    return double(t.tv_sec) + double(t.tv_usec) / 1e6;
}

double cpuOf(int who) {
    struct rusage u {};
    ::getrusage(who, &u);
    return seconds(u.ru_utime) + seconds(u.ru_stime);
}

bool runQuiet(const QString& program, const QStringList& args, const QStringList& env = {}) {
    QProcess p;
    QProcessEnvironment e = QProcessEnvironment::systemEnvironment();
    for (const QString& kv : env)
        e.insert(kv.section(u'=', 0, 0), kv.section(u'=', 1));
    p.setProcessEnvironment(e);
    p.setStandardOutputFile(QProcess::nullDevice());
    p.start(program, args);
    return p.waitForFinished(-1) && p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0;
}

Times timeCommand(const QString& program, const QStringList& args, const QStringList& env = {}) {
    ::sync();
    const double cpu0 = cpuOf(RUSAGE_CHILDREN);
    QElapsedTimer t;
    t.start();
    if (!runQuiet(program, args, env))
        std::fprintf(stderr, "failed: %s\n", qPrintable(program));
    return {t.nsecsElapsed() / 1e9, cpuOf(RUSAGE_CHILDREN) - cpu0};
}

struct PurgeRun {
    Times times;
    double listing = 0;
    int removed = 0;
    double worstLateMs = 0; // of a 50 ms timer on the GUI thread
};

PurgeRun purgeCopy(const QString& dataHome, int threads) {
    PurgeRun result;
    QElapsedTimer t;
    t.start();
    QWidget window;
    {
        // The listing, with every size and text read, as the window has them before a click.
        TrashSourceOptions options;
        options.dataHome = dataHome;
        options.scanVolumes = false;
        TrashSource source(options);
        source.enumerate();
        if (source.count() > 0)
            source.details(0);
        result.listing = t.nsecsElapsed() / 1e9;

        QElapsedTimer tick;
        QTimer lateness;
        lateness.setInterval(50);
        QObject::connect(&lateness, &QTimer::timeout, [&] {
            result.worstLateMs = std::max(result.worstLateMs, tick.nsecsElapsed() / 1e6 - 50);
            tick.restart();
        });
        ::sync();
        const double cpu0 = cpuOf(RUSAGE_SELF);
        t.restart();
        tick.start();
        lateness.start();
        {
            // The click's walk and removal, as 清除 runs them.
            SourceRows rows(source);
            const DetailColumns columns = rows.detailColumns();
            CutOffChoice choice;
            choice.byDate = true;
            choice.pickerValue = 1e6; // far in the future: every item goes
            SourceRemover remover(source);
            WindowRemovalRunner runner(window, threads);
            result.removed =
                purge(rows, choice, columns.date, columns.size, remover, runner).removed;
            source.enumerate(); // ends the removal: the size cache rewritten
        }
        lateness.stop();
        result.times = {t.nsecsElapsed() / 1e9, cpuOf(RUSAGE_SELF) - cpu0};
    }
    return result;
}

bool volumeTrashExists() {
    QFile mounts(QStringLiteral("/proc/mounts"));
    if (!mounts.open(QIODevice::ReadOnly))
        return true;
    const QString uid = QString::number(::getuid());
    for (const QByteArray& line : mounts.readAll().split('\n')) {
        const QList<QByteArray> f = line.split(' ');
        if (f.size() < 2)
            continue;
        const QString mnt = QString::fromUtf8(f[1]);
        if (QFileInfo::exists(mnt + QStringLiteral("/.Trash/") + uid) ||
            QFileInfo::exists(mnt + QStringLiteral("/.Trash-") + uid))
            return true;
    }
    return false;
}

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    Options o;
    for (int i = 1; i < argc; ++i) {
        const QByteArray a = argv[i];
        const bool v = i + 1 < argc;
        if (a == "--dir" && v)
            o.parent = QString::fromLocal8Bit(argv[++i]);
        else if (a == "--items" && v)
            o.items = std::atoi(argv[++i]);
        else if (a == "--files-per-dir" && v)
            o.filesPerDir = std::atoi(argv[++i]);
        else if (a == "--threads" && v) {
            o.threads.clear();
            for (const QByteArray& n : QByteArray(argv[++i]).split(','))
                o.threads.push_back(std::max(1, n.toInt()));
        } else if (a == "--holes")
            o.holes = true;
        else if (a == "--keep")
            o.keep = true;
        else {
            std::fprintf(stderr, "velmora_purge_bench: unknown argument %s\n", argv[i]);
            return 2;
        }
    }
    QTemporaryDir work(o.parent + QStringLiteral("/velmora-purge-bench-XXXXXX"));
    work.setAutoRemove(!o.keep);
    const QString base = work.path() + QStringLiteral("/base");
    QStringList gen{QStringLiteral(VELMORA_SOURCE_DIR "/tools/make-trash"),
                    QStringLiteral("--root"),
                    base,
                    QStringLiteral("--items"),
                    QString::number(o.items),
                    QStringLiteral("--files-per-dir"),
                    QString::number(o.filesPerDir),
                    QStringLiteral("--seed"),
                    QStringLiteral("1"),
                    QStringLiteral("-q")};
    if (o.holes)
        gen << QStringLiteral("--content") << QStringLiteral("holes");
    std::printf("generating: python3 %s\n", qPrintable(gen.join(u' ')));
    std::fflush(stdout);
    if (!runQuiet(QStringLiteral("python3"), gen))
        return 1;
    auto copy = [&](const QString& name) {
        const QString to = work.path() + u'/' + name;
        runQuiet(QStringLiteral("cp"), {QStringLiteral("-a"), base, to});
        return to;
    };

    // Every copy first, written out, so that no run pays for another's writes.
    const bool withEmpty = !volumeTrashExists();
    const QString rmCopy = copy(QStringLiteral("rm")), rmLastCopy = copy(QStringLiteral("rm-last"));
    const QString emptyCopy = withEmpty ? copy(QStringLiteral("trash-empty")) : QString();
    std::vector<QString> mine;
    for (int threads : o.threads)
        mine.push_back(copy(QStringLiteral("velmora-%1").arg(threads)));
    ::sync();

    // rm runs first and last; its mean is the measure, so that a disk busier at one end of the
    // run favours no one.
    auto timeRm = [](const QString& dataHome) {
        return timeCommand(QStringLiteral("rm"),
                           {QStringLiteral("-rf"), dataHome + QStringLiteral("/Trash/files"),
                            dataHome + QStringLiteral("/Trash/info")});
    };
    const Times rmFirst = timeRm(rmCopy);
    std::printf("rm -rf Trash/files Trash/info (first): %.2f s wall, %.2f s CPU\n", rmFirst.wall,
                rmFirst.cpu);
    std::fflush(stdout);

    std::optional<Times> empty;
    if (!withEmpty) {
        std::printf("trash-empty: skipped, a mounted volume holds a trash of this user, which it "
                    "would empty too\n");
    } else {
        empty = timeCommand(QStringLiteral("trash-empty"), {},
                            {QStringLiteral("XDG_DATA_HOME=") + emptyCopy});
        std::printf("XDG_DATA_HOME=COPY trash-empty: %.2f s wall, %.2f s CPU\n", empty->wall,
                    empty->cpu);
    }
    std::fflush(stdout);

    std::vector<PurgeRun> results;
    for (std::size_t i = 0; i < o.threads.size(); ++i) {
        const int threads = o.threads[i];
        const PurgeRun r = purgeCopy(mine[i], threads);
        results.push_back(r);
        std::printf("velmora, %2d threads: %.2f s wall, %.2f s CPU", threads, r.times.wall,
                    r.times.cpu);
        std::printf("; GUI timer late by %.0f ms at worst (target 100); %d items removed; "
                    "listing %.2f s apart\n",
                    r.worstLateMs, r.removed, r.listing);
        std::fflush(stdout);
    }
    const Times rmLast = timeRm(rmLastCopy);
    std::printf("rm -rf Trash/files Trash/info (last): %.2f s wall, %.2f s CPU\n", rmLast.wall,
                rmLast.cpu);
    const Times rm{(rmFirst.wall + rmLast.wall) / 2, (rmFirst.cpu + rmLast.cpu) / 2};
    std::printf("rm -rf, mean: %.2f s wall, %.2f s CPU\n", rm.wall, rm.cpu);
    if (empty)
        std::printf("trash-empty / rm: %.2f\n", empty->wall / rm.wall);
    for (std::size_t i = 0; i < o.threads.size(); ++i)
        std::printf("velmora, %2d threads: %.2f of rm's wall time (target 0.6, aim 0.4), %.2f of "
                    "its CPU time (target 1.5)%s\n",
                    o.threads[i], results[i].times.wall / rm.wall,
                    results[i].times.cpu / std::max(rm.cpu, 1e-9),
                    empty && results[i].times.wall < empty->wall ? ", faster than trash-empty"
                                                                 : "");
    std::printf("reproduce: velmora_purge_bench --items %d --files-per-dir %d%s\n", o.items,
                o.filesPerDir, o.holes ? " --holes" : "");
    return 0;
}
