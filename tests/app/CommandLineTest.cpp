// The command line: how arguments are read, and the real program's answers to them.
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/file.h>
#include <unistd.h>

#include "app/CommandLine.h"

namespace velmora {
namespace {

using Action = CommandLineRequest::Action;

TEST(CommandLine, ReadsVelmorasOptionsAndLetsQtsThrough) {
    struct Case {
        QStringList arguments;
        Action action;
        const char* textPart; // found in the text printed
    };
    const Case cases[] = {
        {{}, Action::OpenWindow, ""},
        {{"--version"}, Action::Print, "Velmora 1.4\n"},
        {{"-v"}, Action::Print, "Velmora 1.4\n"},
        {{"--help"}, Action::Print, "Usage: velmora [options]"},
        {{"-h"}, Action::Print, "用法"},
        {{"-platform", "offscreen"}, Action::OpenWindow, ""},
        {{"--platform=offscreen", "-style", "fusion", "-reverse"}, Action::OpenWindow, ""},
        {{"-style=fusion", "-qwindowtitle", "x", "-session", "s1"}, Action::OpenWindow, ""},
        {{"-platform", "offscreen", "--version"}, Action::Print, "Velmora 1.4\n"},
        {{"--frobnicate"}, Action::Fail, "unknown option '--frobnicate'"},
        {{"-frobnicate=1"}, Action::Fail, "unknown option '-frobnicate'"},
        {{"-x"}, Action::Fail, "未知选项 “-x”"},
        {{"--version=2"}, Action::Fail, "--version"},
        {{"-platform"}, Action::Fail, "Missing value after '-platform'"},
        {{"somefile"}, Action::Fail, "unexpected argument 'somefile'"},
        {{"--purge-days", "30", "--purge-before", "2026-11-01"}, Action::Fail, "once"},
        {{"--purge-days", "30", "--purge-days", "40"}, Action::Fail, "give one of"},
        {{"--dry-run"},
         Action::Fail,
         "--dry-run 需要 --purge-days、--purge-before、--max-size、--min-free 或 --all"},
        {{"--purge-days"}, Action::Fail, "Missing value after '--purge-days'"},
        {{"--purge-before"}, Action::Fail, "Missing value after '--purge-before'"},
        {{"--purge-days", "30", "extra"}, Action::Fail, "unexpected argument 'extra'"},
        {{"--purge-days", "30", "--help"}, Action::Print, "--purge-days N"},
    };
    for (const Case& c : cases) {
        const CommandLineRequest request =
            readCommandLine(QStringList{QStringLiteral("velmora")} + c.arguments);
        const std::string where = c.arguments.join(u' ').toStdString();
        EXPECT_EQ(request.action, c.action) << where;
        EXPECT_TRUE(request.text.contains(QString::fromUtf8(c.textPart))) << where;
        if (c.action == Action::Fail) {
            EXPECT_TRUE(request.text.contains(QStringLiteral("velmora --help"))) << where;
        }
    }
}

TEST(CommandLine, ReadsThePurgesCutOffAsGiven) {
    struct Case {
        QStringList arguments;
        bool byDate;
        const char* days;
        const char* before;
        bool dryRun;
    };
    // The texts are kept as typed: the purge reads them later, in the user's locale.
    const Case cases[] = {
        {{"--purge-days", "30"}, false, "30", "", false},
        {{"--purge-days=30", "--dry-run"}, false, "30", "", true},
        {{"--dry-run", "--purge-days", " 0x1E"}, false, " 0x1E", "", true},
        {{"--purge-days", "-5"}, false, "-5", "", false},
        {{"--purge-days", ""}, false, "", "", false},
        {{"--purge-before", "2026-11-01"}, true, "", "2026-11-01", false},
        {{"--purge-before=1.11.2026", "--dry-run"}, true, "", "1.11.2026", true},
        {{"-platform", "offscreen", "--purge-days", "7"}, false, "7", "", false},
    };
    for (const Case& c : cases) {
        const CommandLineRequest request =
            readCommandLine(QStringList{QStringLiteral("velmora")} + c.arguments);
        const std::string where = c.arguments.join(u' ').toStdString();
        ASSERT_EQ(request.action, Action::Purge) << where << ": " << request.text.toStdString();
        EXPECT_EQ(request.purge.byDate, c.byDate) << where;
        EXPECT_EQ(request.purge.days, QString::fromUtf8(c.days)) << where;
        EXPECT_EQ(request.purge.before, QString::fromUtf8(c.before)) << where;
        EXPECT_EQ(request.purge.dryRun, c.dryRun) << where;
    }
}

// The budgets and the output options: read as given, and every bad size or combination refused
// with one message naming what was wrong, before anything is read.
TEST(CommandLine, ReadsTheBudgetsAndRefusesBadSizes) {
    struct Accepted {
        QStringList arguments;
        bool hasCutOff, all;
        const char* maxSize; // null: not given
        const char* minFree;
        bool json, quiet, verbose;
    };
    const Accepted accepted[] = {
        {{"--max-size", "1G"}, false, false, "1G", nullptr, false, false, false},
        {{"--min-free=10%"}, false, false, nullptr, "10%", false, false, false},
        {{"--all", "--dry-run", "--json"}, false, true, nullptr, nullptr, true, false, false},
        {{"--purge-days", "30", "--max-size", "500M", "--min-free", "1.5G", "--quiet"},
         true,
         false,
         "500M",
         "1.5G",
         false,
         true,
         false},
        {{"--all", "--verbose"}, false, true, nullptr, nullptr, false, false, true},
    };
    for (const Accepted& c : accepted) {
        const CommandLineRequest request =
            readCommandLine(QStringList{QStringLiteral("velmora")} + c.arguments);
        const std::string where = c.arguments.join(u' ').toStdString();
        ASSERT_EQ(request.action, Action::Purge) << where << ": " << request.text.toStdString();
        EXPECT_EQ(request.purge.hasCutOff, c.hasCutOff) << where;
        EXPECT_EQ(request.purge.all, c.all) << where;
        EXPECT_EQ(request.purge.maxSize.isNull(), c.maxSize == nullptr) << where;
        if (c.maxSize) {
            EXPECT_EQ(request.purge.maxSize, QString::fromUtf8(c.maxSize)) << where;
        }
        EXPECT_EQ(request.purge.minFree.isNull(), c.minFree == nullptr) << where;
        if (c.minFree) {
            EXPECT_EQ(request.purge.minFree, QString::fromUtf8(c.minFree)) << where;
        }
        EXPECT_EQ(request.purge.json, c.json) << where;
        EXPECT_EQ(request.purge.quiet, c.quiet) << where;
        EXPECT_EQ(request.purge.verbose, c.verbose) << where;
    }
    struct Refused {
        QStringList arguments;
        const char* message; // the first line printed
    };
    const char* const notASize = "不是大小：请写数字加 K、M、G 或 T（如 500M、1.5G），"
                                 "或不超过 100% 的卷容量百分比（如 10%）";
    const Refused refused[] = {
        {{"--max-size", "12Q"}, "--max-size 的“12Q”"},
        {{"--max-size", "-1G"}, "--max-size 的“-1G”"},
        {{"--max-size=150%"}, "--max-size 的“150%”"},
        {{"--max-size="}, "--max-size 的“”"},
        {{"--min-free", "1 G"}, "--min-free 的“1 G”"},
        {{"--min-free", "ten"}, "--min-free 的“ten”"},
        {{"--max-size", "1G", "--max-size", "2G"}, "--max-size 只能给出一次"},
        {{"--min-free", "1G", "--min-free", "2G"}, "--min-free 只能给出一次"},
        {{"--all", "--purge-days", "30"}, "--all 已包含所有项目"},
        {{"--all", "--max-size", "1G"}, "--all 已包含所有项目"},
        {{"--all", "--min-free", "1G"}, "--all 已包含所有项目"},
        {{"--all", "--quiet", "--verbose"}, "--quiet 和 --verbose 只能选一个"},
        {{"--json"}, "--json 需要"},
        {{"--quiet"}, "--quiet 需要"},
        {{"--verbose"}, "--verbose 需要"},
    };
    for (const Refused& c : refused) {
        const CommandLineRequest request =
            readCommandLine(QStringList{QStringLiteral("velmora")} + c.arguments);
        const std::string where = c.arguments.join(u' ').toStdString();
        ASSERT_EQ(request.action, Action::Fail) << where;
        const QString first = request.text.section(u'\n', 0, 0);
        EXPECT_TRUE(first.startsWith(QStringLiteral("velmora: ") + QString::fromUtf8(c.message)))
            << where << ": " << first.toStdString();
        if (first.contains(QStringLiteral("的“"))) {
            EXPECT_TRUE(first.endsWith(QString::fromUtf8(notASize))) << where;
        }
    }
}

// The real program, without a display: it must answer before it would need one, and before the
// single-instance guard (a copy already running is simulated by holding its lock).
class CommandLineProcess : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir_.isValid());
        QDir(dir_.path()).mkpath(QStringLiteral("run"));
        QDir(dir_.path()).mkpath(QStringLiteral("data"));
        ::chmod(QFile::encodeName(runtimeDir()).constData(), 0700);
    }
    void TearDown() override {
        if (lock_ >= 0)
            ::close(lock_);
    }

    QString runtimeDir() const { return dir_.path() + QStringLiteral("/run"); }

    void holdInstanceLock() {
        const QByteArray path = QFile::encodeName(runtimeDir() + QStringLiteral("/Ostrevane"));
        lock_ = ::open(path.constData(), O_RDWR | O_CREAT, 0600);
        ASSERT_GE(lock_, 0);
        ASSERT_EQ(::flock(lock_, LOCK_EX | LOCK_NB), 0);
    }

    std::unique_ptr<QProcess> start(const QStringList& arguments, const QString& platform) {
        auto p = std::make_unique<QProcess>();
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.remove(QStringLiteral("DISPLAY"));
        env.remove(QStringLiteral("WAYLAND_DISPLAY"));
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), platform);
        env.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtimeDir());
        env.insert(QStringLiteral("XDG_DATA_HOME"), dir_.path() + QStringLiteral("/data"));
        env.insert(QStringLiteral("VELMORA_TRASH_VOLUMES"), QString());
        env.insert(QStringLiteral("LC_ALL"), QStringLiteral("C.UTF-8"));
        p->setProcessEnvironment(env);
        p->start(QStringLiteral(VELMORA_BINARY), arguments);
        EXPECT_TRUE(p->waitForStarted(10000));
        return p;
    }

    QTemporaryDir dir_;
    int lock_ = -1;
};

TEST_F(CommandLineProcess, AnswersWithoutDisplayOrInstanceCheck) {
    holdInstanceLock();
    struct Case {
        QStringList arguments;
        int exitCode;
        QByteArray out; // standard output, exactly, or the part given
        QByteArray err;
        bool exactOut;
    };
    const Case cases[] = {
        {{"--version"}, 0, "Velmora 1.4\n", "", true},
        {{"--help"}, 0, "Usage: velmora [options]", "", false},
        {{"--help"}, 0, "用法：velmora [选项]", "", false},
        {{"--no-such-option"}, 2, "", "unknown option '--no-such-option'", true},
    };
    for (const Case& c : cases) {
        // xcb without a display: creating the application object would abort the process.
        auto p = start(c.arguments, QStringLiteral("xcb"));
        const std::string where = c.arguments.join(u' ').toStdString();
        ASSERT_TRUE(p->waitForFinished(15000)) << where;
        EXPECT_EQ(p->exitStatus(), QProcess::NormalExit) << where;
        EXPECT_EQ(p->exitCode(), c.exitCode) << where;
        const QByteArray out = p->readAllStandardOutput();
        const QByteArray err = p->readAllStandardError();
        if (c.exactOut) {
            EXPECT_EQ(out.toStdString(), c.out.toStdString()) << where;
        } else {
            EXPECT_TRUE(out.contains(c.out)) << where << "\n" << out.toStdString();
        }
        EXPECT_TRUE(err.contains(c.err)) << where << "\n" << err.toStdString();
    }
}

TEST_F(CommandLineProcess, QtsOwnOptionsStillReachQt) {
    // The environment asks for xcb, which has no display here; only the -platform option lets
    // the window open, and the program then listens for later copies.
    auto p = start({QStringLiteral("-platform"), QStringLiteral("offscreen"),
                    QStringLiteral("-style"), QStringLiteral("fusion")},
                   QStringLiteral("xcb"));
    const QString listener = runtimeDir() + QStringLiteral("/velmoraInstance");
    QElapsedTimer t;
    t.start();
    while (!QFileInfo::exists(listener) && p->state() == QProcess::Running && t.elapsed() < 30000)
        QThread::msleep(50);
    EXPECT_TRUE(QFileInfo::exists(listener)) << p->readAllStandardError().toStdString();
    EXPECT_EQ(p->state(), QProcess::Running);
    p->terminate();
    p->waitForFinished(10000);
}

} // namespace
} // namespace velmora
