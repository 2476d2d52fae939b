// Tests of the single-instance guard, with real copies of the program.
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

namespace velmora {
namespace {

// Real copies of the program on the offscreen platform, with their own runtime directory and an
// empty trash of their own.
class InstanceTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir_.isValid());
        QDir(dir_.path()).mkpath(QStringLiteral("run"));
        QDir(dir_.path()).mkpath(QStringLiteral("data"));
        QDir(dir_.path()).mkpath(QStringLiteral("home"));
        ::chmod(QFile::encodeName(runtimeDir()).constData(), 0700);
    }

    QString runtimeDir() const { return dir_.path() + QStringLiteral("/run"); }

    std::unique_ptr<QProcess> start() {
        auto p = std::make_unique<QProcess>();
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtimeDir());
        env.insert(QStringLiteral("XDG_DATA_HOME"), dir_.path() + QStringLiteral("/data"));
        env.insert(QStringLiteral("HOME"), dir_.path() + QStringLiteral("/home"));
        env.insert(QStringLiteral("VELMORA_TRASH_VOLUMES"), QString());
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        env.insert(QStringLiteral("QT_LOGGING_RULES"),
                   QStringLiteral("velmora.instance.info=true"));
        p->setProcessEnvironment(env);
        p->setProgram(QStringLiteral(VELMORA_BINARY));
        p->start();
        EXPECT_TRUE(p->waitForStarted(10000));
        return p;
    }

    // Waits until the first copy listens for later ones.
    bool waitForListener() const {
        QElapsedTimer t;
        t.start();
        while (t.elapsed() < 30000) {
            if (QFileInfo::exists(runtimeDir() + QStringLiteral("/velmoraInstance")))
                return true;
            QThread::msleep(50);
        }
        return false;
    }

    static void expectCleanExit(QProcess& p) {
        ASSERT_TRUE(p.waitForFinished(15000));
        EXPECT_EQ(p.exitStatus(), QProcess::NormalExit);
        EXPECT_EQ(p.exitCode(), 0);
    }

    QTemporaryDir dir_;
};

TEST_F(InstanceTest, LaterCopiesAskTheFirstToComeForwardAndEnd) {
    auto first = start();
    ASSERT_TRUE(waitForListener());
    for (int copy = 2; copy <= 3; ++copy) {
        auto later = start();
        expectCleanExit(*later);
        EXPECT_TRUE(later->readAllStandardError().isEmpty()) << copy;
    }
    // The first copy heard both requests and is still running.
    QElapsedTimer t;
    t.start();
    QByteArray heard;
    while (heard.count("asked to come forward") < 2 && t.elapsed() < 10000) {
        first->waitForReadyRead(200);
        heard += first->readAllStandardError();
    }
    EXPECT_EQ(heard.count("asked to come forward"), 2) << heard.toStdString();
    EXPECT_EQ(first->state(), QProcess::Running);
    first->terminate();
    first->waitForFinished(10000);
}

TEST_F(InstanceTest, CopyStartedWhileTheFirstIsStillStartingEndsQuietly) {
    // The first copy holds its marker but does not listen yet.
    const QByteArray lock = QFile::encodeName(runtimeDir() + QStringLiteral("/Ostrevane"));
    const int fd = ::open(lock.constData(), O_RDWR | O_CREAT, 0600);
    ASSERT_GE(fd, 0);
    ASSERT_EQ(::flock(fd, LOCK_EX | LOCK_NB), 0);
    auto later = start();
    expectCleanExit(*later);
    EXPECT_TRUE(later->readAllStandardError().isEmpty());
    ::close(fd);
}

} // namespace
} // namespace velmora
