#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <functional>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include "platform/InstanceMarker.h"

namespace velmora {
namespace {

struct Paths {
    QByteArray run, temp, own; // the runtime directory, the temporary one, our folder in it
};

mode_t modeOf(const QByteArray& path) {
    struct stat st {};
    return ::lstat(path.constData(), &st) == 0 ? st.st_mode & 07777 : 0;
}

// Which folder the guard takes for what it finds.
TEST(InstanceFolderTest, TakesOnlyAFolderOfOursThatOthersCannotEnter) {
    enum Expect { Runtime, Own, None };
    struct Case {
        const char* name;
        const char*
            runtime; // XDG_RUNTIME_DIR: "run" the prepared one, "missing" one not made, "" unset
        std::function<void(const Paths&)> prepare;
        Expect expect;
        bool needsRoot = false;
    };
    const auto chownToNobody = [](const QByteArray& p) {
        ASSERT_EQ(::lchown(p.constData(), 65534, 65534), 0);
    };
    const Case cases[] = {
        {"runtime dir ours and 0700", "run", [](const Paths&) {}, Runtime},
        {"no runtime dir: our folder is made", "", [](const Paths&) {}, Own},
        {"relative runtime dir", "relative/run", [](const Paths&) {}, Own},
        {"runtime dir missing", "missing", [](const Paths&) {}, Own},
        {"runtime dir open to others", "run",
         [](const Paths& p) { ::chmod(p.run.constData(), 0755); }, Own},
        {"runtime dir of another user", "run", [&](const Paths& p) { chownToNobody(p.run); }, Own,
         true},
        {"our folder open to others is closed", "",
         [](const Paths& p) {
             ::mkdir(p.own.constData(), 0700);
             ::chmod(p.own.constData(), 0777);
         },
         Own},
        {"our folder is a link to a folder of ours", "",
         [](const Paths& p) {
             ::mkdir((p.temp + "/elsewhere").constData(), 0700);
             ::symlink("elsewhere", p.own.constData());
         },
         None},
        {"our folder is a file", "",
         [](const Paths& p) { QFile(QString::fromLocal8Bit(p.own)).open(QIODevice::WriteOnly); },
         None},
        {"our folder made by another user", "",
         [&](const Paths& p) {
             ::mkdir(p.own.constData(), 0700);
             chownToNobody(p.own);
         },
         None, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        if (c.needsRoot && ::geteuid() != 0)
            continue; // giving a folder to another user needs root
        QTemporaryDir dir;
        ASSERT_TRUE(dir.isValid());
        Paths p{QFile::encodeName(dir.path() + QStringLiteral("/run")),
                QFile::encodeName(dir.path() + QStringLiteral("/tmp")),
                {}};
        ASSERT_EQ(::mkdir(p.run.constData(), 0700), 0);
        ASSERT_EQ(::mkdir(p.temp.constData(), 01777), 0);
        ::chmod(p.temp.constData(), 01777);
        qputenv("TMPDIR", p.temp);
        p.own = QFile::encodeName(privateInstanceFolderPath());
        ASSERT_EQ(p.own, p.temp + "/velmora-" + QByteArray::number(::getuid()));
        if (*c.runtime == '\0')
            qunsetenv("XDG_RUNTIME_DIR");
        else if (c.runtime == std::string("run"))
            qputenv("XDG_RUNTIME_DIR", p.run);
        else if (c.runtime == std::string("missing"))
            qputenv("XDG_RUNTIME_DIR", p.run + "/missing");
        else
            qputenv("XDG_RUNTIME_DIR", c.runtime);
        c.prepare(p);
        const mode_t runMode = modeOf(p.run);

        const InstanceFolder folder = InstanceFolder::open();
        switch (c.expect) {
        case Runtime:
            ASSERT_TRUE(folder.isValid());
            EXPECT_EQ(QFile::encodeName(folder.path()), p.run);
            break;
        case Own:
            ASSERT_TRUE(folder.isValid());
            EXPECT_EQ(QFile::encodeName(folder.path()), p.own);
            EXPECT_EQ(modeOf(p.own), 0700u);
            break;
        case None:
            EXPECT_FALSE(folder.isValid());
            break;
        }
        // What it was given is never changed, only what it made or owns under the temp dir.
        EXPECT_EQ(modeOf(p.run), runMode);
        if (folder.isValid()) {
            struct stat held {
            }, seen{};
            ASSERT_EQ(::fstat(folder.fd(), &held), 0);
            ASSERT_EQ(::stat(folder.entryPath("").constData(), &seen), 0);
            EXPECT_EQ(held.st_ino, seen.st_ino);
        }
    }
    qunsetenv("TMPDIR");
    qunsetenv("XDG_RUNTIME_DIR");
}

} // namespace
} // namespace velmora
