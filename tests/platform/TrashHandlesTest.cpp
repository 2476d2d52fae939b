// Tests of how the trash source holds each trash by its descriptors: the references removal and
// restore use, folders swapped for links between two steps, and the volume trash's own checks.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <QHash>

#include "ScopedFormatSettings.h"
#include "TrashFixture.h"
#include "platform/LocaleSettings.h"
#include "platform/TrashSource.h"

namespace velmora {
namespace {

using test::HandTrash;
using test::lstatOf;
using test::makeDirs;
using test::readFile;
using test::writeFile;

class TrashHandlesTest : public ::testing::Test {
protected:
    TrashSourceOptions options() const {
        TrashSourceOptions o;
        o.dataHome = fileNameFromBytes(dataHome_);
        o.scanVolumes = false;
        o.locale = QLocale(QStringLiteral("zh_CN"));
        return o;
    }
    static int rowOf(const TrashSource& source, const QByteArray& path) {
        for (int i = 0; i < source.count(); ++i)
            if (source.nativePathName(i) == path)
                return i;
        return -1;
    }
    QByteArray uid() const { return QByteArray::number(::getuid()); }

    test::TempTree dir_;
    const QByteArray root_ = QFile::encodeName(dir_.path());
    const QByteArray dataHome_ = root_ + "/data";
    test::ScopedFormatSettings settings_{formatSettingsFor(QLocale(QStringLiteral("zh_CN")))};
};

// The reference of each item names its trash's open folders and what the listing saw there.
TEST_F(TrashHandlesTest, ItemReferencesHoldTheTrashAndTheIdentitiesListed) {
    const HandTrash home{dataHome_ + "/Trash"};
    ASSERT_TRUE(home.create());
    ASSERT_TRUE(home.addFile("a.txt", HandTrash::info("/d/a.txt")));
    ASSERT_TRUE(home.addFolder("dir", HandTrash::info("/d/dir")));
    ASSERT_TRUE(home.addFile("orphan", QByteArray()));
    TrashSource source(options());
    source.enumerate();
    ASSERT_EQ(source.count(), 3);
    for (const QByteArray name : {"a.txt", "dir", "orphan"}) {
        const int row = rowOf(source, home.filesEntry(name));
        ASSERT_GE(row, 0) << name.constData();
        const TrashItemRef ref = source.itemRef(row);
        EXPECT_EQ(ref.stored, name);
        struct stat st {};
        ASSERT_EQ(::fstatat(ref.filesFd, name.constData(), &st, AT_SYMLINK_NOFOLLOW), 0);
        EXPECT_EQ(st.st_dev, ref.dev);
        EXPECT_EQ(st.st_ino, ref.ino) << name.constData();
        EXPECT_EQ(st.st_ino, lstatOf(home.filesEntry(name))->st_ino);
        const bool orphan = name == "orphan";
        EXPECT_EQ(ref.hasInfo, !orphan);
        if (!orphan) {
            const QByteArray infoName = name + ".trashinfo";
            ASSERT_EQ(::fstatat(ref.infoFd, infoName.constData(), &st, AT_SYMLINK_NOFOLLOW), 0);
            EXPECT_EQ(st.st_dev, ref.infoDev);
            EXPECT_EQ(st.st_ino, ref.infoIno);
            EXPECT_EQ(st.st_ino, lstatOf(home.infoFile(name))->st_ino);
        }
        ASSERT_EQ(::fstatat(ref.trashFd, "files", &st, AT_SYMLINK_NOFOLLOW), 0);
        EXPECT_EQ(st.st_ino, lstatOf(home.dir + "/files")->st_ino);
    }
}

} // namespace
} // namespace velmora
