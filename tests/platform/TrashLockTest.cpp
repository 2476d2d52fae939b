// Tests of the removal lock on the trash directories.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <csignal>
#include <fcntl.h>
#include <optional>
#include <sys/file.h>
#include <sys/wait.h>
#include <unistd.h>

#include "platform/TrashLock.h"

namespace velmora {
namespace {

Fd openDir(const QString& path) {
    return Fd(::open(QFile::encodeName(path).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
}

// Two removals conflict on any trash directory they share, in one process as between two, and
// one that finds a directory busy holds none of the others.
TEST(TrashLockTest, OneRemovalAtATimePerTrashDirectory) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    ASSERT_TRUE(QDir().mkpath(dir.path() + QStringLiteral("/a")));
    ASSERT_TRUE(QDir().mkpath(dir.path() + QStringLiteral("/b")));
    const Fd a = openDir(dir.path() + QStringLiteral("/a"));
    const Fd b = openDir(dir.path() + QStringLiteral("/b"));
    ASSERT_TRUE(a.valid() && b.valid());

    std::optional<TrashLock> first(std::in_place, std::vector<int>{a.get()});
    EXPECT_EQ(first->state(), TrashLock::State::Held);
    // The same descriptor again: a description of its own, so it conflicts.
    EXPECT_EQ(TrashLock({a.get()}).state(), TrashLock::State::Busy);
    // b is taken, then a is busy: b is given back.
    EXPECT_EQ(TrashLock({b.get(), a.get()}).state(), TrashLock::State::Busy);
    EXPECT_EQ(TrashLock({b.get()}).state(), TrashLock::State::Held);

    // Another process holding a by a descriptor of its own.
    first.reset();
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        const Fd own = openDir(dir.path() + QStringLiteral("/a"));
        ::flock(own.get(), LOCK_EX);
        ::pause(); // until killed
        ::_exit(0);
    }
    for (int k = 0; k < 500; ++k) { // until the child holds it
        if (TrashLock({a.get()}).state() == TrashLock::State::Busy)
            break;
        ::usleep(10'000);
    }
    EXPECT_EQ(TrashLock({a.get(), b.get()}).state(), TrashLock::State::Busy);
    EXPECT_EQ(TrashLock({b.get()}).state(), TrashLock::State::Held);
    ::kill(child, SIGKILL);
    ::waitpid(child, nullptr, 0);
    EXPECT_EQ(TrashLock({a.get(), b.get()}).state(), TrashLock::State::Held);

    // Nothing to lock is held; a descriptor that is no directory fails and holds nothing.
    EXPECT_EQ(TrashLock(std::vector<int>{}).state(), TrashLock::State::Held);
    EXPECT_EQ(TrashLock({b.get(), -1}).state(), TrashLock::State::Failed);
    EXPECT_EQ(TrashLock({b.get()}).state(), TrashLock::State::Held);
}

} // namespace
} // namespace velmora
