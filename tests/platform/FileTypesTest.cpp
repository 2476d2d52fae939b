// The type descriptions of the list, by file name and by MIME type.
#include <gtest/gtest.h>

#include <QMimeDatabase>

#include "platform/FileTypes.h"

namespace velmora {
namespace {

// Names that share their extensions share one lookup: that must give what QMimeDatabase gives
// each name, for names that special patterns match too, whichever comes first.
TEST(FileTypesTest, TypesAreThoseOfTheMimeDatabaseByName) {
    const QStringList names = {
        "notes.txt",   "CMakeLists.txt", "notes.txt",  "notes.md",  "README.md", "readme.MD",
        "main.c",      "main.C",         "MAIN.c",     "a.tar.gz",  "b.gz",      "c.TAR.GZ",
        "libx.so",     "libx.so.1",      "page.3",     "backup~",   "file.txt~", "Makefile",
        "makefile.am", "core",           ".bashrc",    "x.qqqzz",   "qqqzz",     "报告.docx",
        "PHOTO.JPG",   "photo.jpg",      "archive.7z", "image.png", "a.b.c.pdf", "trailing.",
    };
    const QMimeDatabase database;
    FileTypes types;
    for (int pass = 0; pass < 2; ++pass) {
        for (const QString& name : names) {
            const QList<QMimeType> matches = database.mimeTypesForFileName(name);
            const qsizetype dot = name.lastIndexOf(u'.');
            const QString extension = dot > 0 ? name.sliced(dot + 1).toUpper() : QString();
            const QString expected = !matches.isEmpty()    ? matches.front().comment()
                                     : extension.isEmpty() ? QStringLiteral("文件")
                                                           : extension + QStringLiteral(" 文件");
            EXPECT_EQ(types[types.forFileName(name)].description, expected) << name.toStdString();
        }
    }
    EXPECT_EQ(types[types.folder()].description, QStringLiteral("文件夹"));
    EXPECT_EQ(types[types.forMimeType(QStringLiteral("inode/fifo"))].description,
              database.mimeTypeForName(QStringLiteral("inode/fifo")).comment());
}

} // namespace
} // namespace velmora
