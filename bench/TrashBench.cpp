// Times the trash source on a generated trash of 10,000 items (about 200,000 files) against
// trash-list, du and a bare loop over the info files, times the program's window from process
// start to its totals and the purge's dry run, and measures the memory it holds per item. Prints
// every figure beside its target with the command that reproduces it. Run it from an optimised
// build (CMAKE_BUILD_TYPE=Release).
//
//   velmora_trash_bench [--dir PARENT] [--items N] [--files-per-dir M] [--runs R] [--keep]
//   velmora_trash_bench --trash DATA_HOME     (an existing generated trash; left as it is)
//
// For 100,000 items of one file each: --items 100000 --files-per-dir 1.
//
// The trash is generated under PARENT (default /tmp) with tools/make-trash and deleted at the
// end unless --keep is given. Only that temporary trash is read: volumes are not scanned (their
// probe is timed apart, without reading any trash).

#include <dirent.h>
#include <fcntl.h>
#include <malloc.h>
#include <sys/stat.h>
#include <sys/statvfs.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QProcess>
#include <QSet>
#include <QTemporaryDir>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "RunProcess.h"
#include "core/FormatSettings.h"
#include "platform/FileNames.h"
#include "platform/LocaleSettings.h"
#include "platform/TrashSource.h"
#include "platform/Volumes.h"

using namespace velmora;

namespace {

struct Options {
    QString parent = QStringLiteral("/tmp");
    QString trash; // an existing data home
    int items = 10000;
    int filesPerDir = 100;
    int runs = 5;
    bool keep = false;
    QString windowStart = QStringLiteral(VELMORA_WINDOW_START);
    QString program = QStringLiteral(VELMORA_PROGRAM);
};

double median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v.empty() ? 0 : v[v.size() / 2];
}

QString shellQuote(const QString& s) {
    QString q = s;
    q.replace(u'\'', QStringLiteral("'\\''"));
    return u'\'' + q + u'\'';
}

// Runs a command with its output thrown away; the wall time in milliseconds, -1 on failure.
double timeCommand(const QString& program, const QStringList& args, const QStringList& env = {}) {
    const test::ProcessRun r = test::runProcess(program, args, env, -1, false);
    return r.finished && r.exitCode >= 0 ? r.milliseconds : -1;
}

TrashSourceOptions sourceOptions(const QString& dataHome) {
    TrashSourceOptions o;
    o.dataHome = dataHome;
    o.scanVolumes = false; // never the machine's own volume trashes
    o.locale = QLocale(QStringLiteral("zh_CN"));
    return o;
}

// Names and deletion-date texts of every row, as a list shows them before sizes are asked for.
qint64 listNamesAndDates(TrashSource& source) {
    source.enumerate();
    qint64 chars = 0;
    for (int i = 0; i < source.count(); ++i)
        chars += source.displayName(i).size() + source.detail(i, TrashColumn::Deleted).size();
    return chars;
}

// Every row with all its texts, sizes included.
qint64 listEverything(TrashSource& source) {
    source.enumerate();
    qint64 chars = 0;
    for (int i = 0; i < source.count(); ++i) {
        chars += source.displayName(i).size();
        for (const QString& text : source.details(i))
            chars += text.size();
    }
    return chars;
}

// The floor of a names-and-dates listing: list files/, then open, read and close every info file
// and stat every item, on one thread, doing nothing with what was read. Returns the items seen.
int bareLoop(const QString& trashDir) {
    const QByteArray dir = QFile::encodeName(trashDir);
    const int files = ::open((dir + "/files").constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    const int info = ::open((dir + "/info").constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (files < 0 || info < 0) {
        if (files >= 0)
            ::close(files);
        if (info >= 0)
            ::close(info);
        return 0;
    }
    std::vector<std::string> names;
    if (DIR* d = ::fdopendir(::dup(files))) {
        while (const dirent* e = ::readdir(d))
            if (std::strcmp(e->d_name, ".") != 0 && std::strcmp(e->d_name, "..") != 0)
                names.emplace_back(e->d_name);
        ::closedir(d);
    }
    char buffer[65536];
    int seen = 0;
    for (const std::string& name : names) {
        const std::string infoName = name + ".trashinfo";
        const int fd = ::openat(info, infoName.c_str(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW);
        if (fd >= 0) {
            while (::read(fd, buffer, sizeof buffer) > 0) {
            }
            ::close(fd);
        }
        struct stat st {};
        if (::fstatat(files, name.c_str(), &st, AT_SYMLINK_NOFOLLOW) == 0)
            ++seen;
    }
    ::close(files);
    ::close(info);
    return seen;
}

void removeTree(const QString& path) {
    QProcess::execute(QStringLiteral("chmod"),
                      {QStringLiteral("-R"), QStringLiteral("u+rwX"), path});
    QProcess::execute(QStringLiteral("rm"), {QStringLiteral("-rf"), path});
}

// The spread of a series: its smallest and largest value.
QString spread(const std::vector<double>& v) {
    if (v.empty())
        return {};
    const auto [low, high] = std::minmax_element(v.begin(), v.end());
    return QStringLiteral("(%1-%2)").arg(*low, 0, 'f', 1).arg(*high, 0, 'f', 1);
}

void lineWithSpread(const char* what, const std::vector<double>& v, const QString& command) {
    std::printf("  %-52s %9.1f ms %s   %s\n", what, median(v), spread(v).toUtf8().constData(),
                command.toUtf8().constData());
}

const char* met(bool ok) {
    return ok ? "met" : "NOT met";
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    setFormatSettings(formatSettingsFor(QLocale(QStringLiteral("zh_CN"))));
    const QString self = QCoreApplication::applicationFilePath();

    // A whole process that lists names and dates: timed from the parent run.
    if (argc == 3 && std::strcmp(argv[1], "--list-only") == 0) {
        TrashSource source(sourceOptions(QString::fromLocal8Bit(argv[2])));
        return listNamesAndDates(source) > 0 ? 0 : 1;
    }

    Options opt;
    for (int i = 1; i < argc; ++i) {
        const std::string a = argv[i];
        const bool value = i + 1 < argc;
        if (a == "--dir" && value)
            opt.parent = QString::fromLocal8Bit(argv[++i]);
        else if (a == "--trash" && value)
            opt.trash = QString::fromLocal8Bit(argv[++i]);
        else if (a == "--items" && value)
            opt.items = std::atoi(argv[++i]);
        else if (a == "--files-per-dir" && value)
            opt.filesPerDir = std::atoi(argv[++i]);
        else if (a == "--runs" && value)
            opt.runs = std::max(1, std::atoi(argv[++i]));
        else if (a == "--keep")
            opt.keep = true;
        else if (a == "--window-start" && value)
            opt.windowStart = QString::fromLocal8Bit(argv[++i]);
        else if (a == "--program" && value)
            opt.program = QString::fromLocal8Bit(argv[++i]);
        else {
            std::fprintf(stderr,
                         "usage: %s [--dir PARENT] [--items N] [--files-per-dir M] "
                         "[--runs R] [--keep] | --trash DATA_HOME; [--program VELMORA] "
                         "[--window-start VELMORA_WINDOW_START]\n",
                         argv[0]);
            return 2;
        }
    }
    std::printf("velmora_trash_bench: build type '%s', %u cores, %d runs per figure (medians)\n",
                VELMORA_BUILD_TYPE, std::max(1u, std::thread::hardware_concurrency()), opt.runs);
    if (QByteArray(VELMORA_BUILD_TYPE) != "Release" &&
        QByteArray(VELMORA_BUILD_TYPE) != "RelWithDebInfo")
        std::printf(
            "  warning: not an optimised build; configure with -DCMAKE_BUILD_TYPE=Release\n");

    QString scratch, dataHome = opt.trash;
    if (dataHome.isEmpty()) {
        struct statvfs fs {};
        if (::statvfs(QFile::encodeName(opt.parent).constData(), &fs) == 0) {
            const double freeGiB = double(fs.f_bavail) * double(fs.f_frsize) / (1 << 30);
            std::printf("free space in %s: %.1f GiB\n", opt.parent.toUtf8().constData(), freeGiB);
            if (freeGiB < 8) {
                std::fprintf(stderr, "need about 4 GiB (8 GiB to be safe) free in %s; give --dir\n",
                             opt.parent.toUtf8().constData());
                return 1;
            }
        }
        QTemporaryDir made(opt.parent + QStringLiteral("/velmora-bench-XXXXXX"));
        made.setAutoRemove(false);
        if (!made.isValid())
            return 1;
        scratch = made.path();
        dataHome = scratch + QStringLiteral("/home");
        const QStringList args{QStringLiteral(VELMORA_SOURCE_DIR "/tools/make-trash"),
                               QStringLiteral("--root"),
                               dataHome,
                               QStringLiteral("--items"),
                               QString::number(opt.items),
                               QStringLiteral("--files-per-dir"),
                               QString::number(opt.filesPerDir),
                               QStringLiteral("--seed"),
                               QStringLiteral("1"),
                               QStringLiteral("--now"),
                               QStringLiteral("2026-12-09T22:21:44"),
                               QStringLiteral("-q")};
        std::printf("generating: python3 %s\n", args.join(u' ').toUtf8().constData());
        std::fflush(stdout);
        const double ms = timeCommand(QStringLiteral("python3"), args);
        if (ms < 0) {
            removeTree(scratch);
            return 1;
        }
        std::printf("  generated in %.1f s\n", ms / 1000);
    }
    const QString trashDir = dataHome + QStringLiteral("/Trash");
    const QString sizes = trashDir + QStringLiteral("/directorysizes");
    const QStringList xdg{QStringLiteral("XDG_DATA_HOME=") + dataHome};
    const QString quotedHome = shellQuote(dataHome), quotedTrash = shellQuote(trashDir);

    // Warm the page cache for every tool alike.
    timeCommand(QStringLiteral("du"), {QStringLiteral("-s"), QStringLiteral("-B1"), trashDir});
    timeCommand(QStringLiteral("trash-list"), {}, xdg);
    {
        TrashSource warmUp(sourceOptions(dataHome));
        listNamesAndDates(warmUp);
    }

    // Each series runs back to back, so that no command started in between (a fork marks this
    // process's pages copy-on-write) slows the next run of another.
    std::vector<double> ours, oursProcess, trashList, cold, du, warm;
    int count = 0;
    for (int r = 0; r < opt.runs; ++r) {
        TrashSource source(sourceOptions(dataHome));
        QElapsedTimer t;
        t.start();
        listNamesAndDates(source);
        ours.push_back(double(t.nsecsElapsed()) / 1e6);
        count = source.count();
    }
    for (int r = 0; r < opt.runs; ++r)
        oursProcess.push_back(timeCommand(self, {QStringLiteral("--list-only"), dataHome}));
    for (int r = 0; r < opt.runs; ++r)
        trashList.push_back(timeCommand(QStringLiteral("trash-list"), {}, xdg));
    for (int r = 0; r < opt.runs; ++r) {
        QFile::remove(sizes);
        TrashSource source(sourceOptions(dataHome));
        QElapsedTimer t;
        t.start();
        listEverything(source);
        cold.push_back(double(t.nsecsElapsed()) / 1e6);
    }
    for (int r = 0; r < opt.runs; ++r)
        du.push_back(timeCommand(QStringLiteral("du"),
                                 {QStringLiteral("-s"), QStringLiteral("-B1"), trashDir}));
    for (int r = 0; r < opt.runs; ++r) {
        TrashSource source(sourceOptions(dataHome));
        QElapsedTimer t;
        t.start();
        listEverything(source);
        warm.push_back(double(t.nsecsElapsed()) / 1e6);
    }

    // The bare floor of the names-and-dates listing.
    std::vector<double> floor;
    for (int r = 0; r < opt.runs; ++r) {
        QElapsedTimer t;
        t.start();
        bareLoop(trashDir);
        floor.push_back(double(t.nsecsElapsed()) / 1e6);
    }

    // The program's window from process start until its totals are shown, on Qt's offscreen
    // platform, and the purge's dry run; both with no volume but the temporary trash.
    const QStringList programEnv{QStringLiteral("XDG_DATA_HOME=") + dataHome,
                                 QStringLiteral("VELMORA_TRASH_VOLUMES="),
                                 QStringLiteral("QT_QPA_PLATFORM=offscreen")};
    const QStringList dryRunArgs{QStringLiteral("--purge-days"), QStringLiteral("30"),
                                 QStringLiteral("--dry-run")};
    timeCommand(opt.windowStart, {}, programEnv);
    std::vector<double> window, dryRun;
    for (int r = 0; r < opt.runs; ++r)
        window.push_back(timeCommand(opt.windowStart, {}, programEnv));
    for (int r = 0; r < opt.runs; ++r)
        dryRun.push_back(timeCommand(opt.program, dryRunArgs, programEnv));

    // The volumes' probe, which a real listing adds: lstat calls only, no trash read.
    QElapsedTimer probeTimer;
    probeTimer.start();
    const QList<QByteArray> roots = mountedVolumeRoots();
    const uid_t uid = ::getuid();
    probeVolumes(
        roots, [uid](const QByteArray& top) { return volumeTrashesAt(top, uid); },
        std::chrono::milliseconds(500));
    const double probeMs = double(probeTimer.nsecsElapsed()) / 1e6;

    // Memory: bytes malloc hands out (mallinfo2, every arena) before and after one source has
    // listed everything, after a first listing has loaded the MIME database, ICU and the
    // threads' arenas. The texts are their characters: UTF-16 names and detail texts, stored
    // names as bytes, the shared folder and type texts once.
    std::unique_ptr<TrashSource> held;
    const std::size_t before = mallinfo2().uordblks;
    held = std::make_unique<TrashSource>(sourceOptions(dataHome));
    listEverything(*held);
    const std::size_t after = mallinfo2().uordblks;
    qint64 textBytes = 0;
    QSet<QString> shared;
    const qsizetype filesPrefix = QFile::encodeName(trashDir + QStringLiteral("/files/")).size();
    for (int i = 0; i < held->count(); ++i) {
        const QStringList d = held->details(i);
        textBytes += 2 * held->displayName(i).size();
        textBytes += held->nativePathName(i).size() - filesPrefix;
        textBytes += 2 * (d[1].size() + d[2].size() + d[4].size() + 2); // kept as one text
        shared.insert(d[0]);
        shared.insert(d[3]);
    }
    for (const QString& s : shared)
        textBytes += 2 * s.size();
    const double heldPerItem = double(after - before) / held->count();
    const double beyondTexts = double(qint64(after - before) - textBytes) / held->count();
    held.reset();

    const double oursMs = median(ours), listMs = median(trashList), coldMs = median(cold);
    const double duMs = median(du), warmMs = median(warm), processMs = median(oursProcess);
    const double floorMs = median(floor), windowMs = median(window), dryRunMs = median(dryRun);
    const QString env =
        QStringLiteral("XDG_DATA_HOME=") + quotedHome + QStringLiteral(" VELMORA_TRASH_VOLUMES= ");
    std::printf("\ntrash: %s (%d items); medians, (lowest-highest) of %d runs\n\n",
                trashDir.toUtf8().constData(), count, opt.runs);
    std::printf("the window from process start until its totals are shown (offscreen):\n");
    lineWithSpread("velmora window", window,
                   QStringLiteral("QT_QPA_PLATFORM=offscreen ") + env + opt.windowStart);
    std::printf("  target at 100,000 items: <= 500 ms warm: %s\n", met(windowMs <= 500));
    std::printf("\nlisting, names and deletion dates, no sizes:\n");
    lineWithSpread("velmora (in process)", ours, self + QStringLiteral(" --trash ") + quotedHome);
    lineWithSpread("bare loop: open, read, close each info file, stat each item", floor,
                   QStringLiteral("(in this bench, one thread)"));
    std::printf("  ratio velmora / bare loop: %.2f (target <= 1.3): %s\n", oursMs / floorMs,
                met(oursMs <= 1.3 * floorMs));
    lineWithSpread("velmora (whole process, Qt and ICU start-up included)", oursProcess,
                   self + QStringLiteral(" --list-only ") + quotedHome);
    lineWithSpread("trash-list", trashList,
                   QStringLiteral("XDG_DATA_HOME=") + quotedHome +
                       QStringLiteral(" trash-list > /dev/null"));
    std::printf("  ratio trash-list / velmora: %.1fx in process, %.1fx whole process "
                "(target >= 10x)\n",
                listMs / oursMs, listMs / processMs);
    std::printf("\nlisting with every size, cold (no directorysizes):\n");
    lineWithSpread("velmora", cold,
                   QStringLiteral("rm ") + shellQuote(sizes) + QStringLiteral("; ") + self +
                       QStringLiteral(" --trash ") + quotedHome);
    lineWithSpread("du -s -B1", du, QStringLiteral("du -s -B1 ") + quotedTrash);
    std::printf("  ratio velmora / du: %.2f (target <= 1.0): %s\n", coldMs / duMs,
                met(coldMs <= duMs));
    std::printf("\nlisting with every size, warm (directorysizes written by the cold run):\n");
    lineWithSpread("velmora", warm, self + QStringLiteral(" --trash ") + quotedHome);
    std::printf("  ratio warm / cold: %.3f (target for a trash of folders < 0.2): %s\n",
                warmMs / coldMs, met(warmMs < 0.2 * coldMs));
    std::printf("\nthe purge's dry run, page cache warm:\n");
    lineWithSpread("velmora --purge-days 30 --dry-run", dryRun,
                   env + opt.program + QStringLiteral(" --purge-days 30 --dry-run > /dev/null"));
    std::printf("  target at 100,000 items: <= 600 ms: %s\n", met(dryRunMs <= 600));
    std::printf("\nprobe of the %lld mounted volumes (lstat only): %.1f ms\n",
                static_cast<long long>(roots.size()), probeMs);
    std::printf("\nmemory held after listing everything (mallinfo2 uordblks delta):\n");
    std::printf("  %.0f bytes per item in all (target <= 353): %s; %.0f bytes per item beyond "
                "its texts (target <= 236): %s\n",
                heldPerItem, met(std::lround(heldPerItem) <= 353), beyondTexts,
                met(std::lround(beyondTexts) <= 236));

    if (!scratch.isEmpty()) {
        if (opt.keep) {
            std::printf("\nkept %s; remove it with: chmod -R u+rwX DIR; rm -rf DIR\n",
                        scratch.toUtf8().constData());
        } else {
            removeTree(scratch);
            std::printf("\nremoved %s\n", scratch.toUtf8().constData());
        }
    }
    return 0;
}
