// Tests of the single-instance guard, with real copies of the program.
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>
#include <cstring>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/file.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

namespace velmora {
namespace {

constexpr uid_t Nobody = 65534;

mode_t modeOf(const QString& path) {
    struct stat st {};
    return ::lstat(QFile::encodeName(path).constData(), &st) == 0 ? st.st_mode & 07777 : 0;
}

uid_t ownerOf(const QString& path) {
    struct stat st {};
    return ::lstat(QFile::encodeName(path).constData(), &st) == 0 ? st.st_uid : uid_t(-1);
}

// A running process and what it has written to its error stream so far.
struct Copy {
    std::unique_ptr<QProcess> process = std::make_unique<QProcess>();
    QByteArray err;

    // Reads until `text` appeared `times` times or the process ended; the deadline only bounds a
    // failing run.
    bool waitFor(const QByteArray& text, int times = 1) {
        QElapsedTimer t;
        t.start();
        while (err.count(text) < times && t.elapsed() < 60000) {
            if (process->state() == QProcess::NotRunning) {
                err += process->readAllStandardError();
                break;
            }
            process->waitForReadyRead(100);
            err += process->readAllStandardError();
        }
        return err.count(text) >= times;
    }

    void expectCleanExit() {
        ASSERT_TRUE(process->waitForFinished(60000));
        err += process->readAllStandardError();
        EXPECT_EQ(process->exitStatus(), QProcess::NormalExit);
        EXPECT_EQ(process->exitCode(), 0);
    }

    ~Copy() {
        if (process->state() != QProcess::NotRunning) {
            process->terminate();
            if (!process->waitForFinished(10000))
                process->kill();
        }
    }
};

// The peer tool as another user, listening or asking.
struct Peer {
    std::unique_ptr<QProcess> process = std::make_unique<QProcess>();

    // What it heard once its input is closed.
    QByteArray finish() {
        process->closeWriteChannel();
        process->waitForFinished(60000);
        return process->readAllStandardOutput();
    }
};

// What the copies' runtime directory is.
enum class Runtime { Private, Unset, OpenToOthers, OfAnotherUser };

// Real copies of the program on the offscreen platform, with a runtime directory and a shared
// temporary directory (like /tmp) of their own, an empty trash, and a umask that takes nothing
// away, so that the modes seen are the ones the program chose.
class InstanceTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir_.isValid());
        for (const char* sub : {"run", "tmp", "data", "home", "bin"})
            QDir(dir_.path()).mkpath(QString::fromLatin1(sub));
        // Another user can reach the shared temporary directory and the peer tool.
        ::chmod(QFile::encodeName(dir_.path()).constData(), 0755);
        ::chmod(QFile::encodeName(path("tmp")).constData(), 01777);
        ::chmod(QFile::encodeName(path("run")).constData(), 0700);
        const QString peer = path("bin") + QStringLiteral("/instance_peer");
        ASSERT_TRUE(QFile::copy(QStringLiteral(VELMORA_INSTANCE_PEER), peer));
        ::chmod(QFile::encodeName(peer).constData(), 0755);
    }

    QString path(const char* sub) const { return dir_.path() + u'/' + QString::fromLatin1(sub); }
    QString runtimeDir() const { return path("run"); }
    QString privateDir() const {
        return path("tmp") + QStringLiteral("/velmora-") + QString::number(::getuid());
    }

    std::unique_ptr<Copy> start(bool withRuntimeDir = true) {
        auto copy = std::make_unique<Copy>();
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        if (withRuntimeDir)
            env.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtimeDir());
        else
            env.remove(QStringLiteral("XDG_RUNTIME_DIR"));
        env.insert(QStringLiteral("TMPDIR"), path("tmp"));
        env.insert(QStringLiteral("XDG_DATA_HOME"), path("data"));
        env.insert(QStringLiteral("HOME"), path("home"));
        env.insert(QStringLiteral("VELMORA_TRASH_VOLUMES"), QString());
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        env.insert(QStringLiteral("QT_LOGGING_RULES"),
                   QStringLiteral("velmora.instance.info=true"));
        copy->process->setProcessEnvironment(env);
        copy->process->setChildProcessModifier([] { ::umask(0); });
        copy->process->setProgram(QStringLiteral(VELMORA_BINARY));
        copy->process->start();
        EXPECT_TRUE(copy->process->waitForStarted(10000));
        return copy;
    }

    // Runs the peer tool as user nobody; `throughFolders` lets it pass folders of ours without
    // changing who it is.
    std::unique_ptr<Peer> peer(const QStringList& args, bool throughFolders = false) {
        auto p = std::make_unique<Peer>();
        QStringList all{QStringLiteral("--reuid=65534"), QStringLiteral("--regid=65534"),
                        QStringLiteral("--clear-groups")};
        if (throughFolders)
            all << QStringLiteral("--inh-caps=+dac_override")
                << QStringLiteral("--ambient-caps=+dac_override");
        all << path("bin") + QStringLiteral("/instance_peer") << args;
        p->process->start(QStringLiteral("setpriv"), all);
        EXPECT_TRUE(p->process->waitForStarted(10000));
        return p;
    }

    // Waits until a peer that plants things has planted them.
    static bool planted(Peer& p) {
        const bool ready =
            p.process->waitForReadyRead(60000) && p.process->readLine().startsWith("ready");
        if (!ready)
            ADD_FAILURE() << p.process->readAllStandardError().toStdString();
        return ready;
    }

    // Whether a connection to the socket at `path` is taken: only once the first copy listens.
    // Between its bind and its listen the socket file is there but refuses connections.
    static bool acceptsConnections(const QString& path) {
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        const QByteArray name = QFile::encodeName(path);
        if (name.size() >= static_cast<qsizetype>(sizeof address.sun_path))
            return false;
        std::memcpy(address.sun_path, name.constData(), static_cast<std::size_t>(name.size()));
        const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
        const bool connected =
            fd >= 0 && ::connect(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0;
        if (fd >= 0)
            ::close(fd); // sends nothing: the first copy drops it as an idle connection
        return connected;
    }

    // Waits until the first copy listens for later ones in `folder`. The socket file alone is
    // not enough: a peer that connects between the copy's bind and its listen is refused, which
    // on a loaded machine happened (ConnectionFromAnotherUserIsRefused heard nothing at all).
    static bool waitForListener(Copy& first, const QString& folder) {
        const QString socket = folder + QStringLiteral("/velmoraInstance");
        QElapsedTimer t;
        t.start();
        while (t.elapsed() < 60000 && first.process->state() == QProcess::Running) {
            if (QFileInfo::exists(socket) && acceptsConnections(socket))
                return true;
            QThread::msleep(20);
        }
        return false;
    }

    static bool isRoot() { return ::geteuid() == 0; }

    QTemporaryDir dir_;
};

class RuntimeDirTest : public InstanceTest, public ::testing::WithParamInterface<Runtime> {};

// Wherever the folder is, later copies reach the first through it; only a runtime directory
// that is ours and closed to others is used, and what is made is closed to others too.
TEST_P(RuntimeDirTest, LaterCopiesAskTheFirstToComeForwardAndEnd) {
    const Runtime runtime = GetParam();
    const QByteArray run = QFile::encodeName(runtimeDir());
    if (runtime == Runtime::OpenToOthers) {
        ASSERT_EQ(::chmod(run.constData(), 0755), 0);
    }
    if (runtime == Runtime::OfAnotherUser) {
        if (!isRoot())
            GTEST_SKIP() << "needs root to give the runtime directory to user 65534";
        ASSERT_EQ(::chown(run.constData(), Nobody, Nobody), 0);
    }
    const QString folder = runtime == Runtime::Private ? runtimeDir() : privateDir();

    auto first = start(runtime != Runtime::Unset);
    ASSERT_TRUE(waitForListener(*first, folder)) << first->err.toStdString();
    EXPECT_EQ(modeOf(folder), 0700u);
    EXPECT_EQ(ownerOf(folder), ::getuid());
    EXPECT_EQ(modeOf(folder + QStringLiteral("/velmoraInstance")), 0600u);
    EXPECT_EQ(modeOf(folder + QStringLiteral("/Ostrevane")), 0600u);
    if (folder != runtimeDir()) {
        EXPECT_TRUE(QDir(runtimeDir()).isEmpty());
    }

    for (int copy = 2; copy <= 3; ++copy) {
        auto later = start(runtime != Runtime::Unset);
        later->expectCleanExit();
        EXPECT_TRUE(later->err.contains("the running copy came forward"))
            << copy << later->err.toStdString();
    }
    // The first copy heard both requests and is still running.
    EXPECT_TRUE(first->waitFor("asked to come forward", 2)) << first->err.toStdString();
    EXPECT_EQ(first->process->state(), QProcess::Running);
}

INSTANTIATE_TEST_SUITE_P(, RuntimeDirTest,
                         ::testing::Values(Runtime::Private, Runtime::Unset, Runtime::OpenToOthers,
                                           Runtime::OfAnotherUser),
                         [](const auto& param) {
                             switch (param.param) {
                             case Runtime::Private:
                                 return "PrivateRuntimeDir";
                             case Runtime::Unset:
                                 return "NoRuntimeDir";
                             case Runtime::OpenToOthers:
                                 return "RuntimeDirOpenToOthers";
                             case Runtime::OfAnotherUser:
                                 return "RuntimeDirOfAnotherUser";
                             }
                             return "";
                         });

TEST_F(InstanceTest, CopyStartedWhileTheFirstIsStillStartingEndsQuietly) {
    // The first copy holds its marker but does not listen yet.
    const QByteArray lock = QFile::encodeName(runtimeDir() + QStringLiteral("/Ostrevane"));
    const int fd = ::open(lock.constData(), O_RDWR | O_CREAT, 0600);
    ASSERT_GE(fd, 0);
    ASSERT_EQ(::flock(fd, LOCK_EX | LOCK_NB), 0);
    auto later = start();
    later->expectCleanExit();
    EXPECT_TRUE(later->err.contains("no running copy answered")) << later->err.toStdString();
    ::close(fd);
}

// Connections that send nothing neither hold up the first copy nor crowd out a later one: more
// of them than the first copy keeps open, made before the later copy starts.
TEST_F(InstanceTest, IdleConnectionsDoNotStallALaterCopy) {
    auto first = start();
    ASSERT_TRUE(waitForListener(*first, runtimeDir()));
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    const QByteArray socketPath =
        QFile::encodeName(runtimeDir() + QStringLiteral("/velmoraInstance"));
    ASSERT_LT(socketPath.size(), static_cast<qsizetype>(sizeof address.sun_path));
    std::memcpy(address.sun_path, socketPath.constData(),
                static_cast<std::size_t>(socketPath.size()));
    std::vector<int> idle;
    for (int attempt = 0; attempt < 400 && idle.size() < 40; ++attempt) {
        const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK, 0);
        ASSERT_GE(fd, 0);
        if (::connect(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0) {
            idle.push_back(fd);
        } else {
            ::close(fd);
            QThread::msleep(5); // the queue is full until the first copy takes some
        }
    }
    ASSERT_EQ(idle.size(), 40u);

    auto later = start();
    later->expectCleanExit();
    EXPECT_TRUE(later->err.contains("the running copy came forward")) << later->err.toStdString();
    EXPECT_TRUE(first->waitFor("asked to come forward")) << first->err.toStdString();
    for (const int fd : idle)
        ::close(fd);
}

// The first copy answers only its own user, even one that can reach its socket.
TEST_F(InstanceTest, ConnectionFromAnotherUserIsRefused) {
    if (!isRoot())
        GTEST_SKIP() << "needs root to connect as user 65534 (setpriv)";
    auto first = start();
    ASSERT_TRUE(waitForListener(*first, runtimeDir()));
    auto stranger =
        peer({QStringLiteral("ask"), runtimeDir() + QStringLiteral("/velmoraInstance")}, true);
    EXPECT_EQ(stranger->finish(), "no answer\n")
        << stranger->process->readAllStandardError().toStdString();
    // A copy of our own is still heard, and it is the only one that was.
    auto later = start();
    later->expectCleanExit();
    EXPECT_TRUE(first->waitFor("asked to come forward"));
    EXPECT_TRUE(first->err.contains("refused a connection from another user"));
    EXPECT_EQ(first->err.count("asked to come forward"), 1) << first->err.toStdString();
}

// Without a runtime directory, another user who gets to the shared temporary directory first
// (the private folder, and a lock and a socket in the directory itself) neither stops a copy
// nor hears from one: the copies run without the guard.
TEST_F(InstanceTest, LockAndSocketPlantedByAnotherUserAreIgnored) {
    if (!isRoot())
        GTEST_SKIP() << "needs root to plant as user 65534 (setpriv)";
    const QString uid = QString::number(::getuid());
    const QString tmp = path("tmp");
    auto planter =
        peer({QStringLiteral("plant"), QStringLiteral("--dir"), privateDir(),
              QStringLiteral("--lock"), privateDir() + QStringLiteral("/Ostrevane"),
              QStringLiteral("--listen"), privateDir() + QStringLiteral("/velmoraInstance"),
              QStringLiteral("--lock"), tmp + QStringLiteral("/Ostrevane-") + uid,
              QStringLiteral("--lock"), tmp + QStringLiteral("/Ostrevane"),
              QStringLiteral("--listen"), tmp + QStringLiteral("/velmoraInstance-") + uid,
              QStringLiteral("--listen"), tmp + QStringLiteral("/velmoraInstance")});
    ASSERT_TRUE(planted(*planter));

    std::vector<std::unique_ptr<Copy>> copies;
    for (int copy = 1; copy <= 2; ++copy) {
        copies.push_back(start(false));
        EXPECT_TRUE(copies.back()->waitFor("running without the instance guard"))
            << copy << copies.back()->err.toStdString();
        EXPECT_EQ(copies.back()->process->state(), QProcess::Running) << copy;
    }
    copies.clear();
    EXPECT_FALSE(planter->finish().contains("heard"));
    EXPECT_EQ(ownerOf(privateDir()), Nobody);
}

// A socket of another user in our runtime directory (left there by someone who could pass our
// folders) is not told anything by a later copy.
TEST_F(InstanceTest, ListenerOfAnotherUserIsNotAsked) {
    if (!isRoot())
        GTEST_SKIP() << "needs root to listen as user 65534 (setpriv)";
    const QByteArray lock = QFile::encodeName(runtimeDir() + QStringLiteral("/Ostrevane"));
    const int fd = ::open(lock.constData(), O_RDWR | O_CREAT, 0600);
    ASSERT_GE(fd, 0);
    ASSERT_EQ(::flock(fd, LOCK_EX | LOCK_NB), 0);
    auto planter = peer({QStringLiteral("plant"), QStringLiteral("--listen"),
                         runtimeDir() + QStringLiteral("/velmoraInstance")},
                        true);
    ASSERT_TRUE(planted(*planter));
    auto later = start();
    later->expectCleanExit();
    EXPECT_TRUE(later->err.contains("no running copy answered")) << later->err.toStdString();
    EXPECT_FALSE(planter->finish().contains("raise"));
    ::close(fd);
}

} // namespace
} // namespace velmora
