// The command line: how arguments are read, and the real program's answers to them.
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QHash>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QThread>
#include <algorithm>
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
    // Without an application object there is no catalog: the texts are the source texts.
    const Case cases[] = {
        {{}, Action::OpenWindow, ""},
        {{"--version"}, Action::Print, "Velmora 1.4\n"},
        {{"-v"}, Action::Print, "Velmora 1.4\n"},
        {{"--help"}, Action::Print, "用法：velmora [选项]\n"},
        {{"-h"}, Action::Print, "用法"},
        {{"-platform", "offscreen"}, Action::OpenWindow, ""},
        {{"--platform=offscreen", "-style", "fusion", "-reverse"}, Action::OpenWindow, ""},
        {{"-style=fusion", "-qwindowtitle", "x", "-session", "s1"}, Action::OpenWindow, ""},
        {{"-platform", "offscreen", "--version"}, Action::Print, "Velmora 1.4\n"},
        {{"--frobnicate"},
         Action::Fail,
         "velmora: 未知选项“--frobnicate”：可用的选项见 velmora --help"},
        {{"-frobnicate=1"}, Action::Fail, "未知选项“-frobnicate”"},
        {{"-x"}, Action::Fail, "未知选项“-x”"},
        {{"--frob", "--purge-days"}, Action::Fail, "未知选项“--frob”"},
        {{"--version=2"},
         Action::Fail,
         "velmora: --version 不带值：请只写 --version，而不是“--version=2”"},
        {{"--all", "--dry-run=yes"},
         Action::Fail,
         "--dry-run 不带值：请只写 --dry-run，而不是“--dry-run=yes”"},
        {{"-platform"}, Action::Fail, "velmora: -platform 后面缺少它的值\n"},
        {{"somefile"},
         Action::Fail,
         "velmora: 多余的参数“somefile”：velmora 只接受选项，见 velmora --help"},
        {{"--purge-days", "30", "--", "--all"}, Action::Fail, "多余的参数“--all”"},
        {{"--purge-days", "30", "--purge-before", "2026-11-01"},
         Action::Fail,
         "velmora: --purge-days 和 --purge-before 只能给出一个，且只能一次"},
        {{"--purge-days", "30", "--purge-days", "40"}, Action::Fail, "只能给出一个，且只能一次"},
        {{"--dry-run"},
         Action::Fail,
         "--dry-run 需要 --purge-days、--purge-before、--max-size、--min-free 或 --all"},
        {{"--purge-days"},
         Action::Fail,
         "velmora: --purge-days 后面缺少它的值，例如 --purge-days 30\n"},
        {{"--purge-before"},
         Action::Fail,
         "--purge-before 后面缺少它的值，例如 --purge-before 2026-11-01"},
        {{"--all", "--max-size"}, Action::Fail, "--max-size 后面缺少它的值，例如 --max-size 1G"},
        {{"--all", "--min-free"}, Action::Fail, "--min-free 后面缺少它的值，例如 --min-free 10%"},
        {{"--all", "--trash-dir"}, Action::Fail, "例如 --trash-dir ~/.local/share/Trash"},
        {{"--purge-days", "30", "extra"}, Action::Fail, "多余的参数“extra”"},
        // What was typed keeps the message on one line: its control characters as %XX.
        {{"--fr\nob"}, Action::Fail, "未知选项“--fr%0Aob”"},
        {{"--purge-days", "30", "a\tb\x1b[2J"}, Action::Fail, "多余的参数“a%09b%1B[2J”"},
        {{"--purge-days", "30", "--help"}, Action::Print, "--purge-days N"},
    };
    for (const Case& c : cases) {
        const CommandLineRequest request =
            readCommandLine(QStringList{QStringLiteral("velmora")} + c.arguments);
        const std::string where = c.arguments.join(u' ').toStdString();
        EXPECT_EQ(request.action, c.action) << where;
        EXPECT_TRUE(request.text.contains(QString::fromUtf8(c.textPart)))
            << where << ": " << request.text.toStdString();
        if (c.action == Action::Fail) {
            // One line: "velmora: " and one sentence, nothing after it.
            EXPECT_TRUE(request.text.startsWith(QStringLiteral("velmora: "))) << where;
            EXPECT_TRUE(request.text.endsWith(u'\n')) << where;
            EXPECT_EQ(request.text.count(u'\n'), 1) << where << ": " << request.text.toStdString();
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

    // `language`: LANGUAGE for the program; the tests' own (zh_CN) when empty.
    std::unique_ptr<QProcess> start(const QStringList& arguments, const QString& platform,
                                    const QString& language = QString()) {
        auto p = std::make_unique<QProcess>();
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        if (!language.isEmpty())
            env.insert(QStringLiteral("LANGUAGE"), language);
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

    // Runs the program to its end without a display; its exit status, output and errors.
    struct Run {
        int exitCode = -1;
        QString out, err;
    };
    Run run(const QStringList& arguments, const QString& language) {
        auto p = start(arguments, QStringLiteral("xcb"), language);
        Run r;
        if (!p->waitForFinished(15000) || p->exitStatus() != QProcess::NormalExit)
            return r;
        r.exitCode = p->exitCode();
        r.out = QString::fromUtf8(p->readAllStandardOutput());
        r.err = QString::fromUtf8(p->readAllStandardError());
        return r;
    }

    QTemporaryDir dir_;
    int lock_ = -1;
};

// Chinese, Japanese or Korean script, or their full-width punctuation.
bool isCjk(uint c) {
    return (c >= 0x1100 && c <= 0x11FF) || (c >= 0x2E80 && c <= 0x9FFF) ||
           (c >= 0xAC00 && c <= 0xD7AF) || (c >= 0xF900 && c <= 0xFAFF) ||
           (c >= 0xFE30 && c <= 0xFE4F) || (c >= 0xFF00 && c <= 0xFF60) ||
           (c >= 0xFFE0 && c <= 0xFFE6) || (c >= 0x20000 && c <= 0x3FFFD);
}

bool hasCjk(const QString& text) {
    const QList<uint> chars = text.toUcs4();
    return std::any_of(chars.begin(), chars.end(), isCjk);
}

// The columns a terminal gives the line: two for each wide (CJK) character.
qsizetype columns(const QString& line) {
    qsizetype n = 0;
    for (const uint c : line.toUcs4())
        n += isCjk(c) ? 2 : 1;
    return n;
}

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
        {{"--help"}, 0, "用法：velmora [选项]", "", false},
        {{"--no-such-option"}, 2, "", "velmora: 未知选项“--no-such-option”", true},
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

// Every mistake on the command line, in the source language and in two others: status 2,
// nothing on standard output, and on standard error exactly one line, "velmora: " and one
// sentence of the interface's language that names what was written. The program reads the
// language before the command line, without a display.
TEST_F(CommandLineProcess, EveryMistakeIsOneLineInTheInterfacesLanguage) {
    struct Case {
        QStringList arguments;
        const char* named; // the text the sentence names
    };
    const Case cases[] = {
        {{"--frobnicate"}, "--frobnicate"},
        {{"-x"}, "-x"},
        {{"--version=2"}, "--version=2"},
        {{"--all", "--dry-run=yes"}, "--dry-run=yes"},
        {{"-platform"}, "-platform"},
        {{"--purge-days"}, "--purge-days 30"},
        {{"--purge-before"}, "--purge-before 2026-11-01"},
        {{"--all", "--max-size"}, "--max-size 1G"},
        {{"--all", "--trash-dir"}, "--trash-dir"},
        {{"somefile"}, "somefile"},
        {{"--purge-days", "30", "extra"}, "extra"},
        {{"--purge-days", "30", "--purge-before", "2026-01-01"}, "--purge-before"},
        {{"--purge-days", "30", "--purge-days", "40"}, "--purge-days"},
        {{"--dry-run"}, "--dry-run"},
        {{"--json"}, "--json"},
        {{"--max-size", "12Q"}, "12Q"},
        {{"--min-free", "150%"}, "150%"},
        {{"--max-size", "1G", "--max-size", "2G"}, "--max-size"},
        {{"--all", "--purge-days", "30"}, "--all"},
        {{"--all", "--quiet", "--verbose"}, "--verbose"},
        {{"--purge-days", "abc"}, "abc"},
        {{"--purge-days", "-5"}, "-5"},
        {{"--purge-days", "2147483647"}, "2147483647"},
        {{"--purge-before", "2026-13-01"}, "2026-13-01"},
        {{"--purge-before", "10000-01-01"}, "10000-01-01"},
        {{"--purge-before", "2999-11-01"}, "2999-11-01"},
        {{"--all", "--trash-dir", "/no/such/place"}, "/no/such/place"},
        {{"--purge-days", "3\n0"}, "3%0A0"},
    };
    for (const Case& c : cases) {
        const std::string where = c.arguments.join(u' ').toStdString();
        QHash<QString, QString> lines; // by language
        for (const QString& language :
             {QStringLiteral("zh_CN"), QStringLiteral("en"), QStringLiteral("de")}) {
            const Run r = run(c.arguments, language);
            const std::string in = where + " (" + language.toStdString() + ")";
            EXPECT_EQ(r.exitCode, 2) << in;
            EXPECT_EQ(r.out.toStdString(), "") << in;
            ASSERT_TRUE(r.err.endsWith(u'\n')) << in << ": " << r.err.toStdString();
            const QString line = r.err.chopped(1);
            EXPECT_FALSE(line.contains(u'\n')) << in << ": " << r.err.toStdString();
            EXPECT_TRUE(line.startsWith(QStringLiteral("velmora: "))) << in;
            EXPECT_TRUE(line.contains(QString::fromUtf8(c.named)))
                << in << ": " << line.toStdString();
            EXPECT_EQ(hasCjk(line), language == u"zh_CN") << in << ": " << line.toStdString();
            EXPECT_FALSE(line.contains(QStringLiteral("Try"))) << in;
            lines.insert(language, line);
        }
        // German is a translation of its own, not the English fallback.
        EXPECT_NE(lines.value(QStringLiteral("de")), lines.value(QStringLiteral("en"))) << where;
    }
    // The sentence the command line gives for a date that is not one, in English.
    const Run date =
        run({QStringLiteral("--purge-before"), QStringLiteral("2026-13-01")}, QStringLiteral("en"));
    EXPECT_TRUE(date.err.startsWith(QStringLiteral(
        "velmora: '2026-13-01' is not a date; expected 2026-11-01, 20261101 or the local form ")))
        << date.err.toStdString();
}

// --help in every shipped language and in the source: the options and the exit statuses in
// their columns, no line wider than 80 columns, and no line of another language.
TEST_F(CommandLineProcess, HelpIsTranslatedWithinEightyColumns) {
    const char* const options[] = {
        "-h, --help", "-v, --version", "--purge-days N",  "--purge-before DATE",
        "--dry-run",  "--all",         "--max-size SIZE", "--min-free SIZE",
        "--json",     "--quiet",       "--verbose",       "--trash-dir DIR",
    };
    QHash<QString, QString> helps;
    for (const QString& language :
         {QStringLiteral("zh_CN"), QStringLiteral("en"), QStringLiteral("zh_TW"),
          QStringLiteral("ja"), QStringLiteral("ko"), QStringLiteral("de"), QStringLiteral("fr"),
          QStringLiteral("es"), QStringLiteral("pt_BR"), QStringLiteral("ru")}) {
        const std::string in = language.toStdString();
        const Run r = run({QStringLiteral("--help")}, language);
        ASSERT_EQ(r.exitCode, 0) << in;
        EXPECT_EQ(r.err.toStdString(), "") << in;
        const QStringList lines = r.out.split(u'\n');
        for (const QString& line : lines)
            EXPECT_LE(columns(line), 80) << in << ": " << line.toStdString();
        // Each option at the start of its line, its description from column 25 on.
        for (const char* option : options) {
            const QString start = QStringLiteral("  ") + QString::fromLatin1(option) + u' ';
            const auto line = std::find_if(lines.begin(), lines.end(),
                                           [&](const QString& l) { return l.startsWith(start); });
            ASSERT_NE(line, lines.end()) << in << ": " << option;
            EXPECT_EQ(line->indexOf(QRegularExpression(QStringLiteral("\\S")), start.size()), 24)
                << in << ": " << line->toStdString();
        }
        for (const char status : {'0', '1', '2', '3', '4', '5'}) {
            const QString start = QStringLiteral("  ") + QLatin1Char(status) + u' ';
            EXPECT_TRUE(std::any_of(lines.begin(), lines.end(),
                                    [&](const QString& l) { return l.startsWith(start); }))
                << in << ": exit status " << status;
        }
        EXPECT_TRUE(r.out.contains(QStringLiteral("-platform"))) << in;
        if (language == u"zh_CN") {
            // No English sentence: once the option names, paths and value names are taken out,
            // no two Latin words follow each other.
            const QRegularExpression words(QStringLiteral("[A-Za-z]{2,}[ ,]+[A-Za-z]{2,}"));
            for (QString line : lines) {
                line.remove(QRegularExpression(QStringLiteral("-[-\\w]+|\\S*/\\S*")));
                EXPECT_FALSE(line.contains(words)) << line.toStdString();
            }
        } else {
            EXPECT_NE(r.out, helps.value(QStringLiteral("zh_CN"))) << in;
        }
        if (language != u"zh_CN" && language != u"zh_TW" && language != u"ja" &&
            language != u"ko") {
            EXPECT_FALSE(hasCjk(r.out)) << in;
        }
        helps.insert(language, r.out);
    }
    EXPECT_TRUE(
        helps.value(QStringLiteral("en")).startsWith(QStringLiteral("Usage: velmora [options]\n")));
    EXPECT_TRUE(helps.value(QStringLiteral("de"))
                    .startsWith(QStringLiteral("Aufruf: velmora [Optionen]\n")));
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
