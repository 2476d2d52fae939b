// The purge without a window: its cut-off, its output, and the real program on make-trash trashes
// (XDG_DATA_HOME temporary, VELMORA_TRASH_VOLUMES empty, no display).
#include <QDate>
#include <QDateTime>
#include <QFileInfo>
#include <QHash>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLocale>
#include <QRegularExpression>
#include <QSet>
#include <QStringDecoder>
#include <cmath>
#include <cstring>
#include <fcntl.h>
#include <functional>
#include <future>
#include <gtest/gtest.h>
#include <map>
#include <new>
#include <string_view>
#include <sys/file.h>
#include <sys/mount.h>
#include <sys/statvfs.h>
#include <unistd.h>

#include "FakeItemSource.h"
#include "Sanitizers.h"
#include "ScopedFormatSettings.h"
#include "TestHelpers.h"
#include "TrashFixture.h"
#include "app/PathText.h"
#include "app/PurgeCommand.h"
#include "core/Conversions.h"
#include "core/DateTimeFormat.h"
#include "core/NumberRules.h"
#include "platform/FileNames.h"
#include "platform/LocaleSettings.h"
#include "platform/QtText.h"
#include "platform/TrashLock.h"
#include "platform/TrashSource.h"

namespace velmora {
namespace {

using test::date;
using test::FakeItem;
using test::FakeItemSource;
using test::trashItem;

PurgeRequest byDays(const char* days, bool dryRun = false) {
    PurgeRequest r;
    r.days = QString::fromUtf8(days);
    r.dryRun = dryRun;
    return r;
}

PurgeRequest byDate(const QString& before, bool dryRun = false) {
    PurgeRequest r;
    r.byDate = true;
    r.before = before;
    r.dryRun = dryRun;
    return r;
}

// The days are read as the days box reads them, with its error texts; a negative count is
// refused before anything else, since its cut-off lies in the future.
TEST(PurgeCutOff, DaysAreReadLikeTheDaysBox) {
    const test::ScopedFormatSettings settings(test::chineseSettings());
    const TDateTime today = date(2020, 11, 27);
    struct Case {
        const char* days;
        const char* error; // empty: accepted
        TDateTime cutOff;
    };
    const Case cases[] = {
        {"30", "", date(2020, 10, 28)},
        {" 30", "", date(2020, 10, 28)},
        {"0x1E", "", date(2020, 10, 28)},
        {"$1E", "", date(2020, 10, 28)},
        {"+30", "", date(2020, 10, 28)},
        {"0", "", date(2020, 11, 27)},
        {"-0", "", date(2020, 11, 27)},
        {"-5", "velmora: 天数“-5”是负数：请写 0 或更大的整数，如 30", 0},
        {"-2147483648", "velmora: 天数“-2147483648”是负数：请写 0 或更大的整数，如 30", 0},
        // two's complement: -1
        {"0xFFFFFFFF", "velmora: 天数“0xFFFFFFFF”是负数：请写 0 或更大的整数，如 30", 0},
        {"30 ", "velmora: “30 ”不是天数：请写 0 或更大的整数，如 30", 0},
        {"1.5", "velmora: “1.5”不是天数：请写 0 或更大的整数，如 30", 0},
        {"", "velmora: “”不是天数：请写 0 或更大的整数，如 30", 0},
        {"2147483648", "velmora: “2147483648”不是天数：请写 0 或更大的整数，如 30", 0},
    };
    for (const Case& c : cases) {
        CutOffChoice choice;
        QString error;
        const bool ok = readCutOff(byDays(c.days), today, choice, error);
        EXPECT_EQ(error, QString::fromUtf8(c.error)) << c.days;
        EXPECT_EQ(ok, !*c.error) << c.days;
        if (ok) {
            EXPECT_FALSE(choice.byDate);
            EXPECT_EQ(choice.daysText, toText(QString::fromUtf8(c.days))) << c.days;
            EXPECT_EQ(AgeCutOff(false, 0, choice.daysText, today), c.cutOff) << c.days;
        }
    }
    // A count that moves the cut-off out of range is named, not given the cut-off's internal
    // error.
    CutOffChoice choice;
    QString error;
    EXPECT_FALSE(test::errorOf([&] { AgeCutOff(false, 0, u"2147483647", today); }).empty());
    EXPECT_FALSE(readCutOff(byDays("2147483647"), today, choice, error));
    EXPECT_EQ(error, QStringLiteral("velmora: 天数“2147483647”太大：截止日期超出了可以表示的范围"));
}

// A date is read as a calendar date: ISO 8601 and the locale's short date, in every locale Qt
// knows; what is not one gives the error that names the forms.
TEST(PurgeCutOff, DatesReadInEveryLocale) {
    const FormatSettings saved = formatSettings();
    const TDateTime expected = date(2026, 11, 1);
    const QList<QLocale> locales =
        QLocale::matchingLocales(QLocale::AnyLanguage, QLocale::AnyScript, QLocale::AnyTerritory);
    ASSERT_GT(locales.size(), 100);
    for (const QLocale& locale : locales) {
        setFormatSettings(formatSettingsFor(locale));
        const QString shortDate =
            toQString(formatDateTime(formatSettings().ShortDateFormat, expected));
        for (const QString& text : {QStringLiteral("2026-11-01"), shortDate}) {
            CutOffChoice choice;
            QString error;
            EXPECT_TRUE(readCutOff(byDate(text), expected, choice, error))
                << locale.name().toStdString() << " " << text.toStdString() << ": "
                << error.toStdString();
            EXPECT_TRUE(choice.byDate);
            EXPECT_EQ(choice.pickerValue, expected)
                << locale.name().toStdString() << " " << text.toStdString();
        }
        CutOffChoice choice;
        QString error;
        EXPECT_FALSE(readCutOff(byDate(QStringLiteral("soon")), expected, choice, error));
        EXPECT_EQ(error, QStringLiteral("velmora: “soon” 不是日期：请写 2026-11-01、20261101 或 %1")
                             .arg(shortDate))
            << locale.name().toStdString();
    }
    setFormatSettings(saved);
}

// The date is a calendar date and nothing else: never a number read as a day count, a time of
// day or a year outside 1601-9999, and never after today, which would empty the trash.
TEST(PurgeCutOff, DatesAreCalendarDatesUpToToday) {
    const test::ScopedFormatSettings settings(test::chineseSettings());
    const TDateTime today = date(2026, 12, 10);
    struct Case {
        const char* text;
        const char* error; // the start of the error text; empty: accepted
        TDateTime cutOff = 0;
    };
    const Case cases[] = {
        {"20261101", "", date(2026, 11, 1)}, // 1 November 2026, not day 20,261,101
        {"2026-11-01", "", date(2026, 11, 1)},
        {"2026/11/1", "", date(2026, 11, 1)},
        {"2026-12-10", "", today},
        {"1601-01-01", "", date(1601, 1, 1)},
        {"3e5", "velmora: “3e5” 不是日期：请写 2026-11-01、20261101 或 2026/11/1"},
        {"45000", "velmora: “45000” 不是日期"},
        {"1e309", "velmora: “1e309” 不是日期"},
        {"12:00", "velmora: “12:00” 不是日期"},
        {"2026-11-01 12:00", "velmora: “2026-11-01 12:00” 不是日期"},
        {"2026-02-30", "velmora: “2026-02-30” 不是日期"},
        {"10000-01-01", "velmora: “10000-01-01” 的年份不在 1601 到 9999 之间"},
        {"0001-01-01", "velmora: “0001-01-01” 的年份不在 1601 到 9999 之间"},
        {"2026-12-11",
         "velmora: 2026-12-11 在今天之后：这样的清除会清空整个回收站，请写今天或更早的"
         "日期"},
        {"9999-12-31", "velmora: 9999-12-31 在今天之后"},
    };
    for (const Case& c : cases) {
        CutOffChoice choice;
        QString error;
        const bool ok = readCutOff(byDate(QString::fromUtf8(c.text)), today, choice, error);
        EXPECT_EQ(ok, !*c.error) << c.text;
        EXPECT_TRUE(*c.error ? error.startsWith(QString::fromUtf8(c.error)) : error.isEmpty())
            << c.text << ": " << error.toStdString();
        EXPECT_FALSE(error.contains(u'\n')) << c.text; // one line
        if (ok) {
            EXPECT_TRUE(choice.byDate);
            EXPECT_EQ(choice.pickerValue, c.cutOff) << c.text;
        }
    }
}

// A dry run prints the analysis dialog's message, then each qualifying item in the order of the
// list: deletion date, size, original path.
TEST(PurgeRun, DryRunPrintsTheAnalysisAndTheItems) {
    const test::ScopedFormatSettings settings(test::chineseSettings());
    std::vector<FakeItem> items = {
        trashItem(QStringLiteral("new.txt"), QStringLiteral("2020/11/01 10:00"),
                  QStringLiteral("8 KB")),
        trashItem(QStringLiteral("old.txt"), QStringLiteral("2020/10/27 23:59"),
                  QStringLiteral("1,234 KB")),
        trashItem(QStringLiteral("edge.txt"), QStringLiteral("2020/10/28 00:00"),
                  QStringLiteral("4 KB")),
        trashItem(QStringLiteral("big"), QStringLiteral("2019/01/01 00:00"),
                  QStringLiteral("3.5 MB")),
        trashItem(QStringLiteral("stored name"), QStringLiteral("2019/01/02 00:00"),
                  QStringLiteral("4 KB")),
    };
    items[3].details[0] = QStringLiteral("/");
    items[4].details[0].clear(); // an orphan: no original folder
    FakeItemSource source(items);
    source.enumerate();
    CutOffChoice choice;
    QString error;
    ASSERT_TRUE(readCutOff(byDays(" 30", true), date(2020, 11, 27), choice, error));
    const PurgeOutput output = runPurge(source, choice, true);
    EXPECT_EQ(output.status, PurgeDone);
    EXPECT_EQ(output.err.toStdString(), "");
    EXPECT_EQ(output.out.toStdString(), "回收站中有  30 天前删除文件或文件夹：3项\n"
                                        "合计占用空间：5MB\n"
                                        "2020/10/27 23:59\t1,234 KB\t/home/user/old.txt\n"
                                        "2019/01/01 00:00\t3.5 MB\t/big\n"
                                        "2019/01/02 00:00\t4 KB\t/trash/files/stored name\n");

    // By date, the message names the date as the analysis does.
    ASSERT_TRUE(
        readCutOff(byDate(QStringLiteral("2020-10-28"), true), date(2020, 11, 27), choice, error));
    EXPECT_TRUE(runPurge(source, choice, true)
                    .out.startsWith("回收站中有 2020/10/28 前删除文件或文件夹：3项\n"));
}

// A date no reader accepts ends the walk with status 4 and one line naming the text, not the
// window's conversion message; nothing is printed on standard output.
TEST(PurgeRun, AnUnreadableRowEndsTheDryRunWithStatus4) {
    const test::ScopedFormatSettings settings(test::chineseSettings());
    FakeItemSource source({
        trashItem(QStringLiteral("old.txt"), QStringLiteral("2019/01/01 00:00"),
                  QStringLiteral("4 KB")),
        trashItem(QStringLiteral("odd.txt"), QStringLiteral("someday"), QStringLiteral("4 KB")),
    });
    source.enumerate();
    CutOffChoice choice;
    QString error;
    ASSERT_TRUE(readCutOff(byDays("30", true), date(2020, 11, 27), choice, error));
    const PurgeOutput output = runPurge(source, choice, true);
    EXPECT_EQ(output.status, PurgeConvertError);
    EXPECT_EQ(output.out.toStdString(), "");
    EXPECT_EQ(output.err.toStdString(),
              "velmora: 列表中的“someday”不是可读的日期或大小：未删除任何项目\n");
}

// A purge reports what the button reports: the items removed and the space they freed, their sum
// rounded once, and how many stayed (status 1). Items that are no longer there count nowhere.
TEST(PurgeRun, PurgeReportsLikeTheButton) {
    const test::ScopedFormatSettings settings(test::chineseSettings());
    const std::vector<FakeItem> items = {
        trashItem(QStringLiteral("a"), QStringLiteral("2019/01/01 00:00"),
                  QStringLiteral("1,234 KB")),
        trashItem(QStringLiteral("new"), QStringLiteral("2020/11/20 00:00"),
                  QStringLiteral("8 KB")),
        trashItem(QStringLiteral("b"), QStringLiteral("2019/01/01 00:00"),
                  QStringLiteral("3.5 MB")),
        trashItem(QStringLiteral("c"), QStringLiteral("2019/01/01 00:00"), QStringLiteral("4 KB")),
        trashItem(QStringLiteral("d"), QStringLiteral("2019/01/01 00:00"),
                  QStringLiteral("100 KB")),
    };
    CutOffChoice choice;
    QString error;
    ASSERT_TRUE(readCutOff(byDays("30"), date(2020, 11, 27), choice, error));
    struct Case {
        std::map<int, RemoveOutcome> outcomes;
        int status;
        const char* out;
    };
    const Case cases[] = {
        {{}, PurgeDone, "删除文件或文件夹：4项\n释放空间：4.81MB\n"},
        {{{3, RemoveOutcome::Stayed}},
         PurgeSomeStayed,
         "删除文件或文件夹：3项\n未能删除：1项\n释放空间：4.8MB\n"}, // 4.8027…
        {{{4, RemoveOutcome::NotThere}}, PurgeDone, "删除文件或文件夹：3项\n释放空间：4.71MB\n"},
    };
    for (const Case& c : cases) {
        FakeItemSource source(items);
        source.enumerate();
        source.outcomes = c.outcomes;
        const PurgeOutput output = runPurge(source, choice, false);
        EXPECT_EQ(output.status, c.status) << c.out;
        EXPECT_EQ(output.out.toStdString(), c.out);
        EXPECT_EQ(output.err.toStdString(), "");
        QStringList removed = source.removedNames;
        removed.sort();
        EXPECT_EQ(removed, (QStringList{"a", "b", "c", "d"}));
    }
}

// A date no reader accepts ends the purge with status 4 and one line naming the text; the items
// before it are removed, as the button removes them, and nothing after it.
TEST(PurgeRun, AnUnreadableRowEndsThePurgeWithStatus4) {
    const test::ScopedFormatSettings settings(test::chineseSettings());
    FakeItemSource source({
        trashItem(QStringLiteral("old.txt"), QStringLiteral("2019/01/01 00:00"),
                  QStringLiteral("4 KB")),
        trashItem(QStringLiteral("odd.txt"), QStringLiteral("someday"), QStringLiteral("4 KB")),
        trashItem(QStringLiteral("older.txt"), QStringLiteral("2018/01/01 00:00"),
                  QStringLiteral("4 KB")),
    });
    source.enumerate();
    CutOffChoice choice;
    QString error;
    ASSERT_TRUE(readCutOff(byDays("30"), date(2020, 11, 27), choice, error));
    const PurgeOutput output = runPurge(source, choice, false);
    EXPECT_EQ(output.status, PurgeConvertError);
    EXPECT_EQ(output.out.toStdString(), "");
    EXPECT_EQ(output.err.toStdString(),
              "velmora: 列表中的“someday”不是可读的日期或大小：清除在这一项停止，"
              "之前的项目已删除\n");
    EXPECT_EQ(source.removedNames, QStringList{QStringLiteral("old.txt")});
}

// A listing that failed is a failure: status 5 and its reason, nothing removed, in a purge as in
// a dry run; so is a purge while another removal holds the lock (status 3).
TEST(PurgeRun, AFailedListingOrAHeldLockRemovesNothing) {
    const test::ScopedFormatSettings settings(test::chineseSettings());
    CutOffChoice choice;
    QString error;
    ASSERT_TRUE(readCutOff(byDays("30"), date(2020, 11, 27), choice, error));
    test::TempTree dir;
    const Fd lockDir(::open(QFile::encodeName(dir.path()).constData(), O_RDONLY | O_DIRECTORY));
    ASSERT_TRUE(lockDir.valid());
    for (const bool dryRun : {false, true}) {
        FakeItemSource failed({trashItem(QStringLiteral("old"), QStringLiteral("2019/01/01 00:00"),
                                         QStringLiteral("4 KB"))});
        failed.failure = QStringLiteral("内存不足，未能读取回收站");
        failed.enumerate();
        PurgeOutput output = runPurge(failed, choice, dryRun);
        EXPECT_EQ(output.status, PurgeListingFailed);
        EXPECT_EQ(output.out.toStdString(), "");
        EXPECT_EQ(output.err.toStdString(), "velmora: 内存不足，未能读取回收站\n");
        EXPECT_TRUE(failed.removedNames.isEmpty());

        FakeItemSource busy({trashItem(QStringLiteral("old"), QStringLiteral("2019/01/01 00:00"),
                                       QStringLiteral("4 KB"))});
        busy.lockDirs = {lockDir.get()};
        busy.enumerate();
        const TrashLock other({lockDir.get()});
        output = runPurge(busy, choice, dryRun);
        EXPECT_EQ(output.status, PurgeBusy);
        EXPECT_EQ(output.out.toStdString(), "");
        EXPECT_EQ(output.err.toStdString(), "velmora: 另一个清除正在进行\n");
        EXPECT_TRUE(busy.removedNames.isEmpty());
    }
}

// On a real trash: a listing that runs out of memory (the allocation failure injected after the
// home trash is listed) is an error with status 5, never an empty trash; nothing is removed.
TEST(PurgeRun, AListingOutOfMemoryIsAnError) {
    const test::ScopedFormatSettings settings(test::chineseSettings());
    test::TempTree dir;
    const test::HandTrash trash{QFile::encodeName(dir.path()) + "/Trash"};
    ASSERT_TRUE(trash.create());
    ASSERT_TRUE(
        trash.addFile("old.txt", test::HandTrash::info("/home/u/old.txt", "2019-01-01T00:00:00")));
    TrashSourceOptions options;
    options.dataHome = dir.path();
    options.scanVolumes = false;
    options.stepHook = [](const char* step, const QByteArray&) {
        if (std::string_view(step) == "listed")
            throw std::bad_alloc();
    };
    TrashSource source(options);
    source.enumerate();
    EXPECT_EQ(source.count(), 0);
    CutOffChoice choice;
    QString error;
    ASSERT_TRUE(readCutOff(byDays("30"), date(2020, 11, 27), choice, error));
    const PurgeOutput output = runPurge(source, choice, false);
    EXPECT_EQ(output.status, PurgeListingFailed);
    EXPECT_EQ(output.out.toStdString(), "");
    EXPECT_EQ(output.err.toStdString(), "velmora: 内存不足，未能读取回收站\n");
    EXPECT_TRUE(test::lstatOf(trash.filesEntry("old.txt")));
}

// A home trash that is there but cannot be read is an error with status 5, never an empty trash.
TEST(PurgeRun, AnUnreadableTrashFolderIsAnError) {
    const test::ScopedFormatSettings settings(test::chineseSettings());
    struct Case {
        const char* what;
        std::function<bool(const QByteArray& trash)> spoil;
        const char* reason;
    };
    const Case cases[] = {
        {"a file in its place",
         [](const QByteArray& trash) { return test::writeFile(trash, "not a folder"); },
         "Not a directory"},
        {"the folder of another user",
         [](const QByteArray& trash) {
             const test::HandTrash t{trash};
             return t.create() && t.addFile("old.txt", test::HandTrash::info("/old.txt")) &&
                    ::chown(trash.constData(), ::geteuid() + 1, ::getegid()) == 0;
         },
         "Operation not permitted"},
    };
    CutOffChoice choice;
    QString error;
    ASSERT_TRUE(readCutOff(byDays("30"), date(2026, 11, 27), choice, error));
    for (const Case& c : cases) {
        test::TempTree dir;
        const QByteArray trash = QFile::encodeName(dir.path()) + "/Trash";
        ASSERT_TRUE(c.spoil(trash)) << c.what;
        TrashSourceOptions options;
        options.dataHome = dir.path();
        options.scanVolumes = false;
        TrashSource source(options);
        source.enumerate();
        EXPECT_EQ(source.listingError(),
                  QStringLiteral("无法读取回收站“%1”：%2")
                      .arg(dir.path() + QStringLiteral("/Trash"), QString::fromLatin1(c.reason)))
            << c.what;
        const PurgeOutput output = runPurge(source, choice, false);
        EXPECT_EQ(output.status, PurgeListingFailed) << c.what;
        EXPECT_EQ(output.out.toStdString(), "") << c.what;
        EXPECT_TRUE(output.err.startsWith("velmora: 无法读取回收站")) << c.what;
    }
}

// A volume that answers too slowly is named on standard error and gives status 5; the items of
// the trashes that answered are purged as usual.
TEST(PurgeRun, AVolumeThatAnswersTooSlowlyIsNamed) {
    const test::ScopedFormatSettings settings(test::chineseSettings());
    test::TempTree dir;
    const test::HandTrash home{QFile::encodeName(dir.path()) + "/data/Trash"};
    ASSERT_TRUE(home.create());
    ASSERT_TRUE(
        home.addFile("old.txt", test::HandTrash::info("/home/u/old.txt", "2019-01-01T00:00:00")));
    const QString volume = dir.path() + QStringLiteral("/volume");
    const test::HandTrash slow{QFile::encodeName(volume) + "/.Trash-" +
                               QByteArray::number(::getuid())};
    ASSERT_TRUE(slow.create());
    ASSERT_TRUE(slow.addFile("far.txt", test::HandTrash::info("far.txt", "2019-01-01T00:00:00")));
    TrashSourceOptions options;
    options.dataHome = dir.path() + QStringLiteral("/data");
    options.volumeRoots = QStringList{volume};
    options.volumeDeadline = std::chrono::milliseconds(100);
    // The volume answers once the test is done with the purge: long after the deadline.
    std::promise<void> answer;
    options.stepHook = [later = answer.get_future().share()](const char* step,
                                                             const QByteArray& trashDir) {
        if (std::string_view(step) == "open" && !trashDir.endsWith("/data/Trash"))
            later.wait();
    };
    TrashSource source(options);
    source.enumerate();
    CutOffChoice choice;
    QString error;
    ASSERT_TRUE(readCutOff(byDays("30"), date(2020, 11, 27), choice, error));
    const PurgeOutput output = runPurge(source, choice, false);
    EXPECT_EQ(output.status, PurgeListingFailed);
    EXPECT_EQ(output.out.toStdString(), "删除文件或文件夹：1项\n释放空间：0MB\n");
    EXPECT_EQ(output.err.toStdString(),
              ("velmora: 卷“" + volume + "”未及时响应，未读取其中的回收站\n").toStdString());
    EXPECT_FALSE(test::lstatOf(home.filesEntry("old.txt")));
    EXPECT_TRUE(test::lstatOf(slow.filesEntry("far.txt")));
    answer.set_value();
}

// Names in the item lines and in the JSON document keep every byte. A line field holds no tab or
// line break, and percent-decoding it gives back the name; JSON writes valid UTF-8 as it is.
TEST(PathText, LineFieldsAndJsonTextsKeepEveryByte) {
    struct Case {
        QByteArray bytes;
        const char* line; // lineField, UTF-8
        const char* json; // jsonText, UTF-8
    };
    const Case cases[] = {
        {"/home/u/caf\xc3\xa9 \xe4\xb8\xad.txt", "/home/u/caf\xc3\xa9 \xe4\xb8\xad.txt",
         "/home/u/caf\xc3\xa9 \xe4\xb8\xad.txt"},
        {"a\tb", "a%09b", "a\tb"},
        {"two\nlines\r", "two%0Alines%0D", "two\nlines\r"},
        {QByteArray("nul\0x", 5), "nul%00x", nullptr},
        {"\x1b[2J\x7f", "%1B[2J%7F", "\x1b[2J\x7f"},
        {"next\xc2\x85line", "next%C2%85line", "next\xc2\x85line"}, // U+0085, a C1 control
        {"/ !\"#$&'()*+,-.09:;<=>?@AZ[\\]^_`az{|}~", "/ !\"#$&'()*+,-.09:;<=>?@AZ[\\]^_`az{|}~",
         "/ !\"#$&'()*+,-.09:;<=>?@AZ[\\]^_`az{|}~"},
        {"\x1f \x7e\x7f", "%1F ~%7F", "\x1f ~\x7f"},
        {"100%", "100%25", "100%"},
        {"%41", "%2541", "%41"},
        {"bad\xff\xe9", "bad%FF%E9", "bad%FF%E9"},
        {"100%\xff", "100%25%FF", "100%25%FF"},
        // U+10080, whose low surrogate lies among those that carry invalid bytes, stays itself.
        {"\xf0\x90\x82\x80\xff", "\xf0\x90\x82\x80%FF", "\xf0\x90\x82\x80%FF"},
        {"\xed\xa0\x80", "%ED%A0%80", "%ED%A0%80"}, // an encoded surrogate is not UTF-8
    };
    for (const Case& c : cases) {
        const std::string where = c.bytes.toPercentEncoding().toStdString();
        EXPECT_EQ(lineField(c.bytes).toStdString(), std::string(c.line)) << where;
        EXPECT_EQ(percentDecode(lineField(c.bytes)), c.bytes) << where;
        if (c.json) {
            EXPECT_EQ(jsonText(c.bytes).toUtf8().toStdString(), std::string(c.json)) << where;
        }
    }
    // Every byte string comes back from its field, which holds no control character.
    std::uint32_t seed = 12345;
    for (int k = 0; k < 2000; ++k) {
        QByteArray bytes;
        const int size = int((seed = seed * 1103515245u + 12345u) >> 16) % 12;
        for (int i = 0; i < size; ++i)
            bytes += char((seed = seed * 1103515245u + 12345u) >> 16);
        const QByteArray field = lineField(bytes);
        EXPECT_EQ(percentDecode(field), bytes) << bytes.toHex().toStdString();
        for (const QChar c : QString::fromUtf8(field))
            EXPECT_NE(c.category(), QChar::Other_Control) << bytes.toHex().toStdString();
    }
}

// ---- The real program

using test::makeTrash;

using test::storedName;
using test::TempTree;

// Moments as make-trash writes them in its manifest: local time, "yyyy-MM-ddTHH:mm:ss".
QString midnightDaysAgo(int days) {
    return QDate::currentDate().addDays(-days).toString(QStringLiteral("yyyy-MM-dd")) +
           QStringLiteral("T00:00:00");
}

// The items of a manifest deleted strictly before the moment, by stored name.
QSet<QByteArray> deletedBefore(const QJsonObject& manifest, const QString& moment) {
    QSet<QByteArray> names;
    for (const QJsonValue& v : manifest[QStringLiteral("items")].toArray()) {
        const QJsonObject e = v.toObject();
        const QJsonValue deleted = e[QStringLiteral("deletion_date")];
        if (!e[QStringLiteral("files")].isNull() && deleted.isString() &&
            deleted.toString() < moment)
            names.insert(storedName(e));
    }
    return names;
}

// The whole-megabyte text of the analysis for the given items: each item's size in whole
// kilobytes, added up, and the sum rounded once to a whole number.
QByteArray wholeMegabytes(const QJsonObject& manifest, const QSet<QByteArray>& names) {
    double megabytes = 0;
    for (const QJsonValue& v : manifest[QStringLiteral("items")].toArray()) {
        const QJsonObject e = v.toObject();
        if (names.contains(storedName(e)))
            megabytes += std::ceil(e[QStringLiteral("disk_bytes")].toDouble() / 1024) / 1024;
    }
    // Rounded once, from the sum: under half a megabyte it reads "0".
    const auto whole = static_cast<long long>(std::floor(megabytes + 0.5));
    return QLocale::c().toString(whole).toUtf8();
}

// The list's size text: whole kilobytes rounded up, digits grouped by ",".
QByteArray kilobytes(double bytes) {
    const auto kb = static_cast<qint64>(std::ceil(bytes / 1024));
    return QLocale(QLocale::English, QLocale::UnitedStates).toString(kb).toUtf8() + " KB";
}

class PurgeProcess : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir_.isValid());
        root_ = dir_.path();
        ASSERT_TRUE(QDir().mkpath(runtimeDir()));
        ASSERT_EQ(::chmod(QFile::encodeName(runtimeDir()).constData(), 0700), 0);
    }
    void TearDown() override {
        if (lock_ >= 0)
            ::close(lock_);
    }

    QString dataHome() const { return root_ + QStringLiteral("/data"); }
    QString runtimeDir() const { return root_ + QStringLiteral("/run"); }

    // make-trash with the current moment, so that the program's today is the trash's.
    QJsonObject trash(QStringList options) {
        options << QStringLiteral("--now")
                << QDateTime::currentDateTime().toString(QStringLiteral("yyyy-MM-ddTHH:mm:ss"));
        return makeTrash(dataHome(), options);
    }

    // Every entry under the data home with its type, mode, owner, size, mtime and link target,
    // and the content of every file.
    QByteArray treeState() const {
        const test::Run r = test::run(
            QStringLiteral("bash"),
            {QStringLiteral("-c"),
             QStringLiteral("cd \"$1\" && find . -printf '%p\\t%y\\t%m\\t%U\\t%s\\t%T@\\t%l\\n' | "
                            "LC_ALL=C sort && find . -type f -print0 | LC_ALL=C sort -z | "
                            "xargs -0 -r sha256sum"),
             QStringLiteral("_"), dataHome()});
        EXPECT_EQ(r.exitCode, 0) << r.err.toStdString();
        return r.out;
    }

    // Runs the program without a display: no DISPLAY, no WAYLAND_DISPLAY, and QT_QPA_PLATFORM
    // unset unless given. `user` runs it as user 65534 from a copy that user can reach.
    // `limits`: shell commands (ulimit) run before the program, in the shell that execs it.
    test::Run velmora(const QStringList& arguments, const QString& platform = QString(),
                      bool asNobody = false, const QString& limits = QString()) {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
            env.remove(QString::fromLatin1(name));
        if (!platform.isEmpty())
            env.insert(QStringLiteral("QT_QPA_PLATFORM"), platform);
        env.insert(QStringLiteral("XDG_DATA_HOME"), dataHome());
        env.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtimeDir());
        env.insert(QStringLiteral("VELMORA_TRASH_VOLUMES"), QString());
        env.insert(QStringLiteral("LC_ALL"), QStringLiteral("C.UTF-8"));
        QString program = QStringLiteral(VELMORA_BINARY);
        QStringList args = arguments;
        if (asNobody) {
            const QString copy = root_ + QStringLiteral("/velmora");
            if (!QFileInfo::exists(copy)) {
                EXPECT_TRUE(QFile::copy(program, copy));
                ::chmod(QFile::encodeName(copy).constData(), 0755);
            }
            env.insert(QStringLiteral("HOME"), root_);
            args = QStringList{QStringLiteral("--reuid=65534"), QStringLiteral("--regid=65534"),
                               QStringLiteral("--clear-groups"), copy} +
                   arguments;
            program = QStringLiteral("setpriv");
        }
        if (!limits.isEmpty()) {
            args = QStringList{QStringLiteral("-c"),
                               limits + QStringLiteral("; exec \"$0\" \"$@\""), program} +
                   args;
            program = QStringLiteral("bash");
        }
        QProcess p;
        p.setProcessEnvironment(env);
        p.start(program, args);
        test::Run r;
        EXPECT_TRUE(p.waitForStarted(10000));
        if (!p.waitForFinished(120000)) {
            p.kill();
            p.waitForFinished();
            ADD_FAILURE() << "velmora did not finish";
        }
        r.exitCode = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
        r.out = p.readAllStandardOutput();
        r.err = p.readAllStandardError();
        return r;
    }

    void expectPurgeRemovesItemsBefore(const QStringList& cutOff, const QString& moment);

    void holdLock(const char* name) {
        const QByteArray path = QFile::encodeName(runtimeDir() + u'/' + QString::fromLatin1(name));
        lock_ = ::open(path.constData(), O_RDWR | O_CREAT, 0600);
        ASSERT_GE(lock_, 0);
        ASSERT_EQ(::flock(lock_, LOCK_EX | LOCK_NB), 0);
    }

    TempTree dir_;
    QString root_;
    int lock_ = -1;
};

// A removal thread the system will not start (a task limit, no address space for its stack)
// means fewer threads, down to the calling one: every item goes and the report says so. Before,
// the purge removed nothing and ended with status 4 when no thread started, and std::terminate
// aborted it (status 134) when the second one failed.
TEST_F(PurgeProcess, APurgeWithoutThreadsRemovesEveryItem) {
    // The thread-start seam (PurgeTest, ParallelTest) covers the fallback in the sanitizer builds.
    if (test::sanitized)
        GTEST_SKIP() << "a sanitizer's shadow memory does not fit under an address-space limit";
    struct Case {
        const char* what;
        const char* limits;
    };
    const Case cases[] = {
        {"no thread can start: 4 GB stacks in 3 GB", "ulimit -s 4000000; ulimit -v 3000000"},
        {"one thread starts, the next cannot", "ulimit -s 1000000; ulimit -v 1500000"},
    };
    for (const Case& c : cases) {
        const QString trashDir = dataHome() + QStringLiteral("/Trash");
        ASSERT_TRUE(QDir(trashDir).removeRecursively());
        for (int k = 0; k < 40; ++k) {
            const QString folder = trashDir + QStringLiteral("/files/d%1").arg(k);
            ASSERT_TRUE(QDir().mkpath(folder));
            for (int f = 0; f < 3; ++f)
                ASSERT_TRUE(test::writeFile(
                    QFile::encodeName(folder + QStringLiteral("/f%1").arg(f)), "x\n"));
            ASSERT_TRUE(QDir().mkpath(trashDir + QStringLiteral("/info")));
            ASSERT_TRUE(test::writeFile(
                QFile::encodeName(trashDir + QStringLiteral("/info/d%1.trashinfo").arg(k)),
                "[Trash Info]\nPath=/home/u/d" + QByteArray::number(k) +
                    "\nDeletionDate=2020-01-01T00:00:00\n"));
        }
        const test::Run r = velmora({QStringLiteral("--purge-days"), QStringLiteral("0")}, {},
                                    false, QString::fromLatin1(c.limits));
        EXPECT_EQ(r.exitCode, 0) << c.what << ": " << r.err.toStdString();
        EXPECT_TRUE(r.out.startsWith("删除文件或文件夹：40项\n释放空间："))
            << c.what << ": " << r.out.toStdString();
        EXPECT_EQ(QDir(trashDir + QStringLiteral("/files"))
                      .entryList(QDir::NoDotAndDotDot | QDir::AllEntries)
                      .size(),
                  0)
            << c.what;
        EXPECT_EQ(QDir(trashDir + QStringLiteral("/info"))
                      .entryList(QDir::NoDotAndDotDot | QDir::AllEntries)
                      .size(),
                  0)
            << c.what;
    }
}

// A dry run changes nothing (not even the size cache, though it measures every folder) and
// prints the analysis of the same cut-off, then exactly the qualifying items; without a display
// and without a platform plugin, and while the window's instance lock is held.
TEST_F(PurgeProcess, DryRunChangesNothingAndPrintsTheAnalysis) {
    const QJsonObject manifest = trash({QStringLiteral("--items"), QStringLiteral("60")});
    holdLock("Ostrevane");
    const QByteArray before = treeState();
    const QSet<QByteArray> qualifying = deletedBefore(manifest, midnightDaysAgo(30));
    ASSERT_GT(qualifying.size(), 0);
    ASSERT_LT(qualifying.size(), manifest[QStringLiteral("items")].toArray().size());

    // xcb without a display would end the process if a GUI application were created.
    for (const QString& platform : {QString(), QStringLiteral("xcb")}) {
        const test::Run r = velmora(
            {QStringLiteral("--purge-days"), QStringLiteral("30"), QStringLiteral("--dry-run")},
            platform);
        const std::string where = "QT_QPA_PLATFORM=" + platform.toStdString();
        ASSERT_EQ(r.exitCode, 0) << where << r.err.toStdString();
        EXPECT_EQ(r.err.toStdString(), "") << where;
        QList<QByteArray> lines = r.out.split('\n');
        ASSERT_EQ(lines.takeLast(), QByteArray()) << where;
        ASSERT_GE(lines.size(), 2) << where;
        EXPECT_EQ(lines[0].toStdString(), QStringLiteral("回收站中有 30 天前删除文件或文件夹：%1项")
                                              .arg(qualifying.size())
                                              .toStdString());
        EXPECT_EQ(lines[1].toStdString(),
                  ("合计占用空间：" + wholeMegabytes(manifest, qualifying) + "MB").toStdString());
        QMultiHash<QByteArray, QByteArray> expected; // original path → size text
        for (const QJsonValue& v : manifest[QStringLiteral("items")].toArray()) {
            const QJsonObject e = v.toObject();
            if (qualifying.contains(storedName(e)))
                expected.insert(e[QStringLiteral("original_path")].toString().toUtf8(),
                                kilobytes(e[QStringLiteral("disk_bytes")].toDouble()));
        }
        QMultiHash<QByteArray, QByteArray> printed;
        for (const QByteArray& line : lines.mid(2)) {
            const QList<QByteArray> fields = line.split('\t');
            ASSERT_EQ(fields.size(), 3) << line.toStdString();
            printed.insert(percentDecode(fields[2]), fields[1]); // "100%25 notes"
        }
        EXPECT_EQ(printed, expected) << where;
    }
    EXPECT_EQ(treeState(), before);
}

// Whatever cannot be read ends the run with status 2 before the trash is read: nothing changes.
TEST_F(PurgeProcess, BadCutOffsEndWithStatus2) {
    trash({QStringLiteral("--items"), QStringLiteral("10")});
    const QByteArray before = treeState();
    struct Case {
        QStringList arguments;
        const char* err; // found in standard error
    };
    const Case cases[] = {
        {{"--purge-days", "abc"}, "velmora: “abc”不是天数：请写 0 或更大的整数，如 30\n"},
        {{"--purge-days=-5"}, "velmora: 天数“-5”是负数：请写 0 或更大的整数，如 30\n"},
        {{"--purge-days", "-1", "--dry-run"}, "velmora: 天数“-1”是负数"},
        {{"--purge-days", "2147483647"}, "velmora: 天数“2147483647”太大"},
        {{"--purge-before", "31/02/2026"}, "velmora: “31/02/2026” 不是日期"},
        {{"--purge-before", "20991101", "--dry-run"}, "velmora: 2099-11-01 在今天之后"},
        {{"--purge-before", "3e5"}, "velmora: “3e5” 不是日期"},
        {{"--purge-days", "30", "--purge-before", "2026-01-01"}, "只能给出一个，且只能一次"},
        {{"--dry-run"}, "velmora: --dry-run 需要"},
        {{"--max-size", "12Q"}, "velmora: --max-size 的“12Q”不是大小"},
        {{"--max-size", "-1G", "--dry-run"}, "velmora: --max-size 的“-1G”不是大小"},
        {{"--min-free", "150%"}, "velmora: --min-free 的“150%”不是大小"},
        {{"--min-free="}, "velmora: --min-free 的“”不是大小"},
        {{"--max-size", "1G", "--max-size", "1G"}, "velmora: --max-size 只能给出一次"},
        {{"--all", "--purge-days", "30"}, "velmora: --all 已包含所有项目"},
        {{"--all", "--quiet", "--verbose"}, "velmora: --quiet 和 --verbose 只能选一个"},
        {{"--json"}, "velmora: --json 需要"},
        {{"--max-size", "1G", "--purge-days", "abc"}, "velmora: “abc”不是天数"},
    };
    for (const Case& c : cases) {
        const test::Run r = velmora(c.arguments);
        const std::string where = c.arguments.join(u' ').toStdString();
        EXPECT_EQ(r.exitCode, 2) << where;
        EXPECT_EQ(r.out.toStdString(), "") << where;
        EXPECT_TRUE(r.err.contains(c.err)) << where << ": " << r.err.toStdString();
        EXPECT_EQ(r.err.count('\n'), 1) << where << ": " << r.err.toStdString(); // one line
    }
    EXPECT_EQ(treeState(), before);
}

// A second purge while another removal (the window's, another command line's) holds the lock on
// the trash ends with status 3 and touches nothing, whether or not there is a runtime folder:
// the lock is on the trash itself, and the folder another user made first under the temporary
// directory, which used to turn the lock off, no longer matters.
TEST_F(PurgeProcess, AHeldPurgeLockEndsWithStatus3) {
    trash({QStringLiteral("--items"), QStringLiteral("10")});
    const QByteArray before = treeState();
    const Fd trashDir(::open(QFile::encodeName(dataHome() + QStringLiteral("/Trash")).constData(),
                             O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    ASSERT_TRUE(trashDir.valid());
    const TrashLock held({trashDir.get()}); // as the other removal holds it
    ASSERT_TRUE(held.held());
    // The old lock's private folder, made first by another user (root here) for everyone.
    const QString tmp = root_ + QStringLiteral("/tmp");
    const QString privateFolder = tmp + QStringLiteral("/velmora-%1").arg(::getuid());
    ASSERT_TRUE(QDir().mkpath(privateFolder));
    ASSERT_EQ(::chmod(QFile::encodeName(privateFolder).constData(), 0777), 0);
    for (const bool runtimeDir : {true, false}) {
        for (const QStringList& arguments :
             {QStringList{QStringLiteral("--purge-days"), QStringLiteral("0")},
              QStringList{QStringLiteral("--purge-days"), QStringLiteral("0"),
                          QStringLiteral("--dry-run")}}) {
            const test::Run r = velmora(arguments, {}, false,
                                        runtimeDir ? QString()
                                                   : QStringLiteral("unset XDG_RUNTIME_DIR; "
                                                                    "export TMPDIR='%1'")
                                                         .arg(tmp));
            const std::string where =
                arguments.join(u' ').toStdString() + (runtimeDir ? "" : ", no runtime folder");
            EXPECT_EQ(r.exitCode, 3) << where;
            EXPECT_EQ(r.out.toStdString(), "") << where;
            EXPECT_EQ(r.err.toStdString(), "velmora: 另一个清除正在进行\n") << where;
        }
    }
    EXPECT_EQ(treeState(), before);
}

// The freed space the purge reports for the items of a dry run's lines: their sizes added up
// and the sum rounded to hundredths once.
QByteArray freedSpace(const QList<QByteArray>& itemLines) {
    const test::ScopedFormatSettings settings(test::chineseSettings());
    MegabyteSum total;
    for (const QByteArray& line : itemLines)
        total.add(SizeTextToMB(toText(QString::fromUtf8(line.split('\t').value(1)))));
    return "释放空间：" + toQString(formatGeneral(total.hundredths())).toUtf8() + "MB";
}

// What make-trash --verify finds: the status of every item ("gone", "intact"…) by stored name,
// and whether the canary outside the trash is intact.
struct Verified {
    QHash<QByteArray, QString> notGone; // stored name → status
    QJsonObject counts;
    bool canaryIntact = false;
};

Verified verifyTrash(const QString& dataHome, const QJsonObject& manifest) {
    const test::Run r =
        test::run(QStringLiteral("python3"),
                  {test::makeTrashScript(), QStringLiteral("--verify"),
                   QStringLiteral("--manifest"), dataHome + QStringLiteral("/manifest.json"),
                   QStringLiteral("--json"), QStringLiteral("--show-all")});
    Verified v;
    const QJsonObject result = QJsonDocument::fromJson(r.out).object();
    v.counts = result[QStringLiteral("counts")].toObject();
    v.canaryIntact = r.exitCode == 0 && result[QStringLiteral("canary_intact")].toBool();
    // The rows name items by their (display) trash name; map them back to stored names.
    QHash<QString, QByteArray> stored;
    for (const QJsonValue& e : manifest[QStringLiteral("items")].toArray())
        stored.insert(e.toObject()[QStringLiteral("trash_name")].toString(),
                      storedName(e.toObject()));
    for (const QJsonValue& row : result[QStringLiteral("hard_items")].toArray()) {
        const QJsonObject o = row.toObject();
        if (o[QStringLiteral("status")] != QStringLiteral("gone"))
            v.notGone.insert(stored.value(o[QStringLiteral("trash_name")].toString()),
                             o[QStringLiteral("status")].toString());
    }
    return v;
}

// Runs a purge with the given cut-off on a fresh trash and checks that exactly the items deleted
// before `moment` are gone, the others and the canary intact, and the texts it printed.
void PurgeProcess::expectPurgeRemovesItemsBefore(const QStringList& cutOff, const QString& moment) {
    const QJsonObject manifest = trash({QStringLiteral("--items"), QStringLiteral("80")});
    const QSet<QByteArray> qualifying = deletedBefore(manifest, moment);
    const int total = static_cast<int>(manifest[QStringLiteral("items")].toArray().size());
    ASSERT_GT(qualifying.size(), 0);
    ASSERT_LT(qualifying.size(), total);

    const test::Run dry = velmora(cutOff + QStringList{QStringLiteral("--dry-run")});
    ASSERT_EQ(dry.exitCode, 0) << dry.err.toStdString();
    QList<QByteArray> itemLines = dry.out.split('\n').mid(2);
    itemLines.removeAll(QByteArray());
    ASSERT_EQ(itemLines.size(), qualifying.size());

    const test::Run r = velmora(cutOff);
    EXPECT_EQ(r.exitCode, 0) << r.err.toStdString();
    EXPECT_EQ(r.err.toStdString(), "");
    EXPECT_EQ(r.out.toStdString(),
              (QStringLiteral("删除文件或文件夹：%1项\n").arg(qualifying.size()).toUtf8() +
               freedSpace(itemLines) + '\n')
                  .toStdString());

    const Verified v = verifyTrash(dataHome(), manifest);
    EXPECT_TRUE(v.canaryIntact);
    EXPECT_EQ(v.counts[QStringLiteral("gone")].toInt(), qualifying.size());
    EXPECT_EQ(v.counts[QStringLiteral("intact")].toInt(), total - qualifying.size());
    for (const QJsonValue& e : manifest[QStringLiteral("items")].toArray()) {
        const QByteArray name = storedName(e.toObject());
        EXPECT_EQ(v.notGone.contains(name), !qualifying.contains(name)) << name.toStdString();
    }
}

TEST_F(PurgeProcess, PurgeByDaysRemovesExactlyTheQualifyingItems) {
    expectPurgeRemovesItemsBefore({QStringLiteral("--purge-days"), QStringLiteral("30")},
                                  midnightDaysAgo(30));
}

TEST_F(PurgeProcess, PurgeByDateRemovesExactlyTheQualifyingItems) {
    const QDate cutOff = QDate::currentDate().addDays(-90);
    expectPurgeRemovesItemsBefore(
        {QStringLiteral("--purge-before"), cutOff.toString(QStringLiteral("yyyy-MM-dd"))},
        midnightDaysAgo(90));
}

// On the hard trash (links, a fifo, a deep tree, untidy and orphaned info files, names that are
// not UTF-8, dates on the cut-off), the items a dry run lists are exactly the items the purge
// then removes, as make-trash --verify finds them: the dry run lists the purge's own plan.
TEST_F(PurgeProcess, TheDryRunListsExactlyWhatThePurgeRemoves) {
    const QJsonObject manifest =
        trash({QStringLiteral("--items"), QStringLiteral("40"), QStringLiteral("--hard")});
    const QStringList cutOff{QStringLiteral("--purge-days"), QStringLiteral("30")};
    const test::Run dry = velmora(cutOff + QStringList{QStringLiteral("--dry-run")});
    ASSERT_EQ(dry.exitCode, 0) << dry.err.toStdString();
    QList<QByteArray> itemLines = dry.out.split('\n').mid(2);
    itemLines.removeAll(QByteArray());
    QMultiHash<QByteArray, int> listed; // printed path, decoded → how often
    for (const QByteArray& line : itemLines) {
        const QList<QByteArray> fields = line.split('\t');
        ASSERT_EQ(fields.size(), 3) << line.toStdString();
        listed.insert(percentDecode(fields[2]), 1);
    }
    ASSERT_GT(itemLines.size(), 10);

    const test::Run r = velmora(cutOff);
    EXPECT_EQ(r.exitCode, 0) << r.err.toStdString();
    EXPECT_TRUE(r.out.startsWith(
        QStringLiteral("删除文件或文件夹：%1项\n释放空间：").arg(itemLines.size()).toUtf8()))
        << r.out.toStdString();

    // Each removed item as the dry run names it: its original path, or its stored object's path
    // where that could not be read.
    const Verified v = verifyTrash(dataHome(), manifest);
    EXPECT_TRUE(v.canaryIntact);
    const QByteArray files = QFile::encodeName(dataHome()) + "/Trash/files/";
    QMultiHash<QByteArray, int> removed;
    for (const QJsonValue& value : manifest[QStringLiteral("items")].toArray()) {
        const QJsonObject e = value.toObject();
        if (e[QStringLiteral("files")].isNull())
            continue; // an info file without its object: never listed, never removed
        const QByteArray stored = storedName(e);
        if (v.notGone.contains(stored))
            continue;
        // The dry run writes each byte of a name that is not UTF-8 as %XX: decoded, the path is
        // the info file's, byte for byte.
        const QByteArray original =
            QByteArray::fromPercentEncoding(e[QStringLiteral("path_encoded")].toString().toUtf8());
        removed.insert(listed.contains(original) ? original : files + stored, 1);
    }
    EXPECT_EQ(removed.size(), itemLines.size());
    EXPECT_EQ(v.counts[QStringLiteral("gone")].toInt(), itemLines.size());
    for (auto it = listed.keyBegin(); it != listed.keyEnd(); ++it)
        EXPECT_EQ(removed.count(*it), listed.count(*it)) << it->toStdString();
}

// The hard trash as an ordinary user: read-only and locked folders, links into the canary, a
// fifo, a deep tree, untidy info files. Everything old goes but one folder that holds a folder of
// another user, which its owner cannot empty: status 1, and the counts say so.
TEST_F(PurgeProcess, AsAnOrdinaryUserWhatCannotBeRemovedStaysAndIsCounted) {
    if (::geteuid() != 0)
        GTEST_SKIP() << "needs root to run the purge as user 65534 (setpriv)";
    const QJsonObject manifest =
        trash({QStringLiteral("--items"), QStringLiteral("20"), QStringLiteral("--hard")});
    const QString cutOff = midnightDaysAgo(30);
    QByteArray blocked; // a qualifying ordinary folder item
    for (const QJsonValue& v : manifest[QStringLiteral("items")].toArray()) {
        const QJsonObject e = v.toObject();
        if (!e[QStringLiteral("hard")].toBool() && e[QStringLiteral("kind")] == "dir" &&
            e[QStringLiteral("deletion_date")].toString() < cutOff) {
            blocked = storedName(e);
            break;
        }
    }
    ASSERT_FALSE(blocked.isEmpty());
    const QByteArray trashDir = QFile::encodeName(dataHome()) + "/Trash";
    const QByteArray others = trashDir + "/files/" + blocked + "/others";
    ASSERT_TRUE(test::makeDirs(others, 0755));
    ASSERT_TRUE(test::writeFile(others + "/kept.txt", "root's"));
    test::run(QStringLiteral("chown"),
              {QStringLiteral("-R"), QStringLiteral("65534:65534"), dataHome(), runtimeDir()});
    ASSERT_EQ(::chown(others.constData(), 0, 0), 0);
    ASSERT_EQ(::chown((others + "/kept.txt").constData(), 0, 0), 0);
    ASSERT_EQ(::chmod(QFile::encodeName(root_).constData(), 0755), 0);

    const test::Run dry =
        velmora({QStringLiteral("--purge-days"), QStringLiteral("30"), QStringLiteral("--dry-run")},
                {}, true);
    ASSERT_EQ(dry.exitCode, 0) << dry.err.toStdString();
    const qsizetype qualifying = dry.out.count('\n') - 2;
    ASSERT_GT(qualifying, 10);

    const test::Run r = velmora({QStringLiteral("--purge-days"), QStringLiteral("30")}, {}, true);
    EXPECT_EQ(r.exitCode, 1) << r.err.toStdString();
    EXPECT_EQ(r.err.toStdString(), "");
    EXPECT_TRUE(r.out.startsWith(QStringLiteral("删除文件或文件夹：%1项\n未能删除：1项\n释放空间：")
                                     .arg(qualifying - 1)
                                     .toUtf8()))
        << r.out.toStdString();

    // The blocked item stays whole enough to be listed: its info file, and the other user's
    // folder with its file; links were removed, never followed.
    const Verified v = verifyTrash(dataHome(), manifest);
    EXPECT_TRUE(v.canaryIntact);
    EXPECT_EQ(v.counts[QStringLiteral("gone")].toInt(), qualifying - 1);
    EXPECT_TRUE(test::lstatOf(trashDir + "/info/" + blocked + ".trashinfo"));
    EXPECT_EQ(test::readFile(others + "/kept.txt"), "root's");
}

// The manifest's items with a stored object and a date, oldest first (ties by stored name).
struct KnownItem {
    QByteArray stored;
    QJsonObject entry;
    QDateTime deleted;
    qint64 bytes = 0;
};

QList<KnownItem> oldestFirst(const QJsonObject& manifest) {
    QList<KnownItem> items;
    for (const QJsonValue& v : manifest[QStringLiteral("items")].toArray()) {
        const QJsonObject e = v.toObject();
        if (e[QStringLiteral("files")].isNull() || !e[QStringLiteral("deletion_date")].isString())
            continue;
        items.append(
            {storedName(e), e,
             QDateTime::fromString(e[QStringLiteral("deletion_date")].toString(), Qt::ISODate),
             qint64(e[QStringLiteral("disk_bytes")].toDouble())});
    }
    std::stable_sort(items.begin(), items.end(),
                     [](const KnownItem& a, const KnownItem& b) { return a.deleted < b.deleted; });
    return items;
}

// A count of oldest items after which the next item has a later date, so that exactly they go.
qsizetype cleanCut(const QList<KnownItem>& items, qsizetype wanted) {
    qsizetype k = wanted;
    while (k < items.size() && k > 0 && items[k].deleted == items[k - 1].deleted)
        ++k;
    return k;
}

// A text as the JSON document writes it: valid UTF-8 as it is, otherwise each invalid byte as
// %XX and '%' as %25.
QString expectedJsonText(const QByteArray& bytes) {
    QStringDecoder decoder(QStringDecoder::Utf8);
    const QString text = decoder(bytes);
    if (!decoder.hasError())
        return text;
    QString out;
    for (qsizetype i = 0; i < bytes.size();) {
        // The longest valid UTF-8 sequence starting here, byte by byte.
        qsizetype n = 1;
        for (; n <= 4 && i + n <= bytes.size(); ++n) {
            QStringDecoder one(QStringDecoder::Utf8);
            const QString c = one(bytes.mid(i, n));
            if (!one.hasError() && c.size() > 0 && !c.contains(QChar::ReplacementCharacter))
                break;
        }
        if (n <= 4 && i + n <= bytes.size()) {
            const QString c = QString::fromUtf8(bytes.mid(i, n));
            out += c == QStringLiteral("%") ? QStringLiteral("%25") : c;
            i += n;
        } else {
            out += QStringLiteral("%%1").arg(uchar(bytes[i]), 2, 16, QLatin1Char('0')).toUpper();
            ++i;
        }
    }
    return out;
}

// Each JSON item against the manifest entry of its stored name: every field.
void expectItemsMatch(const QJsonArray& items, const QList<KnownItem>& known,
                      const QString& trashDir, bool dryRun) {
    QHash<QString, KnownItem> byName;
    for (const KnownItem& k : known)
        byName.insert(expectedJsonText(k.stored), k);
    for (const QJsonValue& v : items) {
        const QJsonObject item = v.toObject();
        const QString name = item[QStringLiteral("stored_name")].toString();
        ASSERT_TRUE(byName.contains(name)) << name.toStdString();
        const KnownItem& k = byName[name];
        EXPECT_EQ(item[QStringLiteral("trash")].toString(), trashDir);
        const QByteArray original = QByteArray::fromPercentEncoding(
            k.entry[QStringLiteral("path_encoded")].toString().toLatin1());
        EXPECT_EQ(item[QStringLiteral("original_path")].toString(), expectedJsonText(original))
            << name.toStdString();
        EXPECT_EQ(QDateTime::fromString(item[QStringLiteral("deleted")].toString(), Qt::ISODate),
                  k.deleted)
            << name.toStdString();
        EXPECT_TRUE(item[QStringLiteral("deleted")].toString().contains(QRegularExpression(
            QStringLiteral("^\\d{4}-\\d\\d-\\d\\dT\\d\\d:\\d\\d:\\d\\d([+-]\\d\\d:\\d\\d|Z)$"))))
            << item[QStringLiteral("deleted")].toString().toStdString();
        EXPECT_EQ(qint64(item[QStringLiteral("bytes")].toDouble()), k.bytes) << name.toStdString();
        const QString kind = k.entry[QStringLiteral("kind")].toString();
        EXPECT_EQ(item[QStringLiteral("kind")].toString(),
                  kind == QStringLiteral("dir") ? QStringLiteral("folder") : kind)
            << name.toStdString();
        EXPECT_EQ(item.contains(QStringLiteral("outcome")), !dryRun);
        if (!dryRun) {
            EXPECT_EQ(item[QStringLiteral("outcome")].toString(), QStringLiteral("removed"));
        }
        EXPECT_FALSE(item.contains(QStringLiteral("reason")));
    }
}

// Adds to the home trash a file whose name holds a line break, deleted long ago.
KnownItem addNameWithNewline(const QString& dataHome) {
    const QByteArray trash = QFile::encodeName(dataHome) + "/Trash";
    const QByteArray name = "two\nlines.txt";
    EXPECT_TRUE(test::writeFile(trash + "/files/" + name, QByteArray(5000, 'x')));
    EXPECT_TRUE(test::writeFile(trash + "/info/" + name + ".trashinfo",
                                "[Trash Info]\nPath=/home/user/two%0Alines.txt\n"
                                "DeletionDate=2001-02-03T04:05:06\n"));
    KnownItem k;
    k.stored = name;
    k.entry =
        QJsonObject{{QStringLiteral("kind"), QStringLiteral("file")},
                    {QStringLiteral("path_encoded"), QStringLiteral("/home/user/two%0Alines.txt")}};
    k.deleted = QDateTime::fromString(QStringLiteral("2001-02-03T04:05:06"), Qt::ISODate);
    struct stat st {};
    EXPECT_EQ(::stat((trash + "/files/" + name).constData(), &st), 0);
    k.bytes = qint64(st.st_blocks) * 512;
    return k;
}

// --max-size on a trash of known sizes: exactly the oldest items go until the rest fit, and the
// JSON document of the dry run and of the purge gives each of them with every field as the
// manifest has it, a name that is not UTF-8 and one with a line break among them.
TEST_F(PurgeProcess, MaxSizeRemovesExactlyTheOldestItemsAndTheJsonSaysSo) {
    const QJsonObject manifest = trash({QStringLiteral("--items"), QStringLiteral("40"),
                                        QStringLiteral("--with"), QStringLiteral("bad-utf8")});
    QList<KnownItem> known = oldestFirst(manifest);
    known.prepend(addNameWithNewline(dataHome()));
    qint64 total = 0;
    for (const KnownItem& k : known)
        total += k.bytes;
    qsizetype bad = 0;
    while (bad < known.size() && !known[bad].entry.contains(QStringLiteral("trash_name_hex")))
        ++bad;
    const qsizetype cut = cleanCut(known, std::max<qsizetype>(12, bad + 1));
    ASSERT_LT(cut, known.size());
    bool badName = false;
    qint64 kept = total;
    QSet<QByteArray> going;
    for (qsizetype i = 0; i < cut; ++i) {
        kept -= known[i].bytes;
        going.insert(known[i].stored);
        badName = badName || known[i].entry.contains(QStringLiteral("trash_name_hex"));
    }
    ASSERT_TRUE(badName) << "the item that is not UTF-8 is among the oldest";
    // The budget is what the kept items take: one byte less would take the next one too.
    const QString size = QString::number(kept);
    const QString trashDir = dataHome() + QStringLiteral("/Trash");
    const QByteArray before = treeState();

    const test::Run dry = velmora({QStringLiteral("--max-size"), size, QStringLiteral("--dry-run"),
                                   QStringLiteral("--json")});
    ASSERT_EQ(dry.exitCode, 0) << dry.err.toStdString();
    EXPECT_EQ(treeState(), before);
    const QJsonObject plan = QJsonDocument::fromJson(dry.out).object();
    EXPECT_EQ(plan[QStringLiteral("version")].toInt(), 1);
    EXPECT_TRUE(plan[QStringLiteral("dry_run")].toBool());
    const QJsonObject rule = plan[QStringLiteral("rule")].toObject();
    EXPECT_TRUE(rule[QStringLiteral("cutoff")].isNull());
    EXPECT_FALSE(rule[QStringLiteral("all")].toBool());
    EXPECT_EQ(qint64(rule[QStringLiteral("max_size")].toDouble()), kept);
    EXPECT_TRUE(rule[QStringLiteral("min_free")].isNull());
    EXPECT_FALSE(plan.contains(QStringLiteral("shortfall_bytes")));
    const QJsonArray planned = plan[QStringLiteral("items")].toArray();
    EXPECT_EQ(planned.size(), cut);
    expectItemsMatch(planned, known, trashDir, true);
    const QJsonObject dryTotals = plan[QStringLiteral("totals")].toObject();
    EXPECT_EQ(dryTotals[QStringLiteral("items")].toInt(), cut);
    EXPECT_EQ(qint64(dryTotals[QStringLiteral("bytes")].toDouble()), total - kept);
    EXPECT_FALSE(dryTotals.contains(QStringLiteral("removed")));
    // The human texts go to standard error with --json.
    EXPECT_TRUE(
        dry.err.startsWith(QStringLiteral("计划删除文件或文件夹：%1项\n").arg(cut).toUtf8()))
        << dry.err.toStdString();

    const QString maxSize = QString::number(kept - 1);
    ASSERT_EQ(velmora({QStringLiteral("--max-size"), QString::number(kept)}).exitCode, 0);
    // The same budget again: nothing left to remove.
    const test::Run again =
        velmora({QStringLiteral("--max-size"), QString::number(kept), QStringLiteral("--json")});
    ASSERT_EQ(again.exitCode, 0) << again.err.toStdString();
    EXPECT_EQ(QJsonDocument::fromJson(again.out).object()[QStringLiteral("items")].toArray().size(),
              0);

    // What is left: exactly the newer items.
    const Verified v = verifyTrash(dataHome(), manifest);
    EXPECT_TRUE(v.canaryIntact);
    for (const KnownItem& k : known) {
        if (k.stored.contains('\n')) {
            EXPECT_FALSE(test::lstatOf(QFile::encodeName(trashDir) + "/files/" + k.stored));
        } else {
            EXPECT_EQ(v.notGone.contains(k.stored), !going.contains(k.stored))
                << k.stored.toStdString();
        }
    }

    // One byte under the budget: the next oldest goes, and the purge's JSON gives its outcome.
    const test::Run one =
        velmora({QStringLiteral("--max-size"), maxSize, QStringLiteral("--json")});
    ASSERT_EQ(one.exitCode, 0) << one.err.toStdString();
    const QJsonObject report = QJsonDocument::fromJson(one.out).object();
    EXPECT_FALSE(report[QStringLiteral("dry_run")].toBool());
    const QJsonArray removed = report[QStringLiteral("items")].toArray();
    ASSERT_GE(removed.size(), 1);
    expectItemsMatch(removed, known, trashDir, false);
    EXPECT_EQ(removed[0].toObject()[QStringLiteral("stored_name")].toString(),
              expectedJsonText(known[cut].stored));
    const QJsonObject totals = report[QStringLiteral("totals")].toObject();
    EXPECT_EQ(totals[QStringLiteral("removed")].toInt(), removed.size());
    EXPECT_EQ(totals[QStringLiteral("stayed")].toInt(), 0);
    EXPECT_EQ(totals[QStringLiteral("not_there")].toInt(), 0);
    EXPECT_EQ(totals[QStringLiteral("freed_bytes")].toDouble(),
              totals[QStringLiteral("bytes")].toDouble());
}

// --all removes every item whatever its date; --quiet prints nothing on success; --verbose
// names each removed item.
TEST_F(PurgeProcess, AllQuietAndVerbose) {
    const QJsonObject manifest = trash({QStringLiteral("--items"), QStringLiteral("20")});
    const QList<KnownItem> known = oldestFirst(manifest);
    const test::Run quiet =
        velmora({QStringLiteral("--all"), QStringLiteral("--dry-run"), QStringLiteral("--quiet")});
    EXPECT_EQ(quiet.exitCode, 0);
    EXPECT_EQ(quiet.out.toStdString(), "");
    EXPECT_EQ(quiet.err.toStdString(), "");
    const test::Run quietDays = velmora(
        {QStringLiteral("--purge-days"), QStringLiteral("100000"), QStringLiteral("--quiet")});
    EXPECT_EQ(quietDays.exitCode, 0);
    EXPECT_EQ(quietDays.out.toStdString(), "");
    EXPECT_EQ(quietDays.err.toStdString(), "");

    const test::Run all = velmora({QStringLiteral("--all"), QStringLiteral("--verbose")});
    EXPECT_EQ(all.exitCode, 0) << all.err.toStdString();
    EXPECT_TRUE(all.out.startsWith(
        QStringLiteral("删除文件或文件夹：%1项\n释放空间：").arg(known.size()).toUtf8()))
        << all.out.toStdString();
    EXPECT_EQ(all.out.count("\n已删除：/home/user/"), known.size()) << all.out.toStdString();
    const Verified v = verifyTrash(dataHome(), manifest);
    EXPECT_TRUE(v.canaryIntact);
    EXPECT_EQ(v.counts[QStringLiteral("gone")].toInt(), known.size());
}

// A name with a tab, a line break, a control character, a '%' and a byte that is not UTF-8: its
// item line in a dry run (both kinds), and its --verbose line, stays one line whose path field
// decodes back to the name.
TEST_F(PurgeProcess, ItemLinesKeepEveryNameOnOneLine) {
    trash({QStringLiteral("--items"), QStringLiteral("6")});
    const QByteArray name = "tab\there\nnew%line\x01\xff.txt";
    const QByteArray trashDir = QFile::encodeName(dataHome()) + "/Trash";
    ASSERT_TRUE(test::writeFile(trashDir + "/files/" + name, "odd"));
    ASSERT_TRUE(test::writeFile(trashDir + "/info/" + name + ".trashinfo",
                                "[Trash Info]\nPath=/home/user/" + percentEncode(name) +
                                    "\nDeletionDate=2001-02-03T04:05:06\n"));
    const QByteArray path = "/home/user/" + name;
    const QByteArray field = "/home/user/tab%09here%0Anew%25line%01%FF.txt";
    struct Case {
        QStringList arguments;
        const char* prefix; // of the item lines, before the path
    };
    const Case cases[] = {
        {{QStringLiteral("--purge-days"), QStringLiteral("30"), QStringLiteral("--dry-run")}, ""},
        {{QStringLiteral("--all"), QStringLiteral("--dry-run")}, ""},
        {{QStringLiteral("--all"), QStringLiteral("--verbose")}, "已删除："},
    };
    for (const Case& c : cases) {
        const std::string where = c.arguments.join(u' ').toStdString();
        const test::Run r = velmora(c.arguments);
        ASSERT_EQ(r.exitCode, 0) << where << ": " << r.err.toStdString();
        QList<QByteArray> lines = r.out.split('\n');
        ASSERT_EQ(lines.takeLast(), QByteArray()) << where;
        // Two lines of summary, then one per item.
        const QList<QByteArray> items = lines.mid(2);
        qsizetype found = 0;
        for (const QByteArray& line : items) {
            QByteArray text = line;
            if (*c.prefix) {
                ASSERT_TRUE(line.startsWith(c.prefix)) << where << ": " << line.toStdString();
                text = line.mid(qsizetype(std::strlen(c.prefix)));
            } else {
                const QList<QByteArray> fields = line.split('\t');
                ASSERT_EQ(fields.size(), 3) << where << ": " << line.toStdString();
                text = fields[2];
            }
            if (percentDecode(text) == path) {
                ++found;
                EXPECT_EQ(text.toStdString(), field.toStdString()) << where;
            }
        }
        EXPECT_EQ(found, 1) << where << ":\n" << r.out.toStdString();
    }
}

// A tmpfs mounted for the test, unmounted when it ends.
class TmpfsMount {
public:
    TmpfsMount(const QString& dir, const char* size) : dir_(QFile::encodeName(dir)) {
        QDir().mkpath(dir);
        const QByteArray options = QByteArray("size=") + size;
        mounted_ = ::mount("tmpfs", dir_.constData(), "tmpfs", 0, options.constData()) == 0;
        error_ = errno;
    }
    ~TmpfsMount() {
        if (mounted_)
            ::umount2(dir_.constData(), MNT_DETACH);
    }
    bool mounted() const { return mounted_; }
    int error() const { return error_; }
    std::uint64_t freeBytes() const {
        struct statvfs st {};
        ::statvfs(dir_.constData(), &st);
        return std::uint64_t(st.f_bavail) * st.f_frsize;
    }
    std::uint64_t totalBytes() const {
        struct statvfs st {};
        ::statvfs(dir_.constData(), &st);
        return std::uint64_t(st.f_blocks) * st.f_frsize;
    }

private:
    QByteArray dir_;
    bool mounted_ = false;
    int error_ = 0;
};

// --min-free on a small volume: the oldest items go until it has the free space, read again
// as they go; a volume that has it loses nothing; one that cannot reach it loses every item,
// names the shortfall, and ends with status 0.
TEST_F(PurgeProcess, MinFreeRemovesTheOldestUntilTheVolumeHasTheSpace) {
    if (::geteuid() != 0)
        GTEST_SKIP() << "needs root to mount a tmpfs for the volume";
    const TmpfsMount volume(dataHome(), "16m");
    if (!volume.mounted())
        GTEST_SKIP() << "cannot mount a tmpfs here: " << std::strerror(volume.error());
    const QJsonObject manifest = trash({QStringLiteral("--items"), QStringLiteral("30"),
                                        QStringLiteral("--dir-fraction"), QStringLiteral("0")});
    const QList<KnownItem> known = oldestFirst(manifest);
    const qsizetype cut = cleanCut(known, 8);
    ASSERT_LT(cut, known.size());
    // What removing an item gives back on this volume: its stored object and its info file.
    const auto returned = [&](const KnownItem& k) {
        const auto info =
            test::lstatOf(QFile::encodeName(dataHome()) + "/Trash/info/" + k.stored + ".trashinfo");
        return std::uint64_t(k.bytes) + (info ? std::uint64_t(info->st_blocks) * 512 : 0);
    };
    std::uint64_t going = 0;
    QSet<QByteArray> goingNames;
    for (qsizetype i = 0; i < cut; ++i) {
        going += returned(known[i]);
        goingNames.insert(known[i].stored);
    }
    // One byte less than the oldest `cut` items give back: the last of them is still needed.
    going -= 1;
    const std::uint64_t free = volume.freeBytes();
    const QString size = QString::number(free + going);

    // Already there: nothing goes.
    const test::Run enough =
        velmora({QStringLiteral("--min-free"), QString::number(free), QStringLiteral("--json")});
    ASSERT_EQ(enough.exitCode, 0) << enough.err.toStdString();
    const QJsonObject none = QJsonDocument::fromJson(enough.out).object();
    EXPECT_EQ(none[QStringLiteral("items")].toArray().size(), 0);
    EXPECT_EQ(none[QStringLiteral("shortfall_bytes")].toObject().size(), 0);

    const test::Run r = velmora({QStringLiteral("--min-free"), size, QStringLiteral("--json")});
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    const QJsonObject report = QJsonDocument::fromJson(r.out).object();
    EXPECT_EQ(
        qint64(report[QStringLiteral("rule")].toObject()[QStringLiteral("min_free")].toDouble()),
        qint64(free + going));
    EXPECT_EQ(report[QStringLiteral("items")].toArray().size(), cut) << r.out.toStdString();
    EXPECT_EQ(report[QStringLiteral("shortfall_bytes")].toObject().size(), 0);
    EXPECT_GE(volume.freeBytes(), free + going);
    const Verified v = verifyTrash(dataHome(), manifest);
    EXPECT_TRUE(v.canaryIntact);
    for (const KnownItem& k : known)
        EXPECT_EQ(v.notGone.contains(k.stored), !goingNames.contains(k.stored))
            << k.stored.toStdString();

    // 100%: not even an empty trash gets there; everything goes, the shortfall is named.
    const test::Run full =
        velmora({QStringLiteral("--min-free"), QStringLiteral("100%"), QStringLiteral("--json")});
    ASSERT_EQ(full.exitCode, 0) << full.err.toStdString();
    const QJsonObject fullReport = QJsonDocument::fromJson(full.out).object();
    EXPECT_EQ(fullReport[QStringLiteral("items")].toArray().size(), known.size() - cut);
    const QJsonObject shortfall = fullReport[QStringLiteral("shortfall_bytes")].toObject();
    ASSERT_EQ(shortfall.size(), 1) << full.out.toStdString();
    EXPECT_EQ(qint64(shortfall.begin().value().toDouble()),
              qint64(volume.totalBytes() - volume.freeBytes()));
    EXPECT_TRUE(full.err.contains("velmora: 卷“")) << full.err.toStdString();
    EXPECT_EQ(verifyTrash(dataHome(), manifest).counts[QStringLiteral("gone")].toInt(),
              known.size());
}

// The progress line appears on a terminal only: under a pseudo-terminal (script) the purge
// writes it and clears it again; into a pipe, as under the timer's journal, it never does.
// The delay before it is shortened to nothing for the test.
TEST_F(PurgeProcess, TheProgressLineIsShownOnATerminalOnly) {
    const QJsonObject manifest = trash({QStringLiteral("--items"), QStringLiteral("60")});
    QSet<QByteArray> qualifying = deletedBefore(manifest, midnightDaysAgo(30));
    ASSERT_GT(qualifying.size(), 5);
    const QString noDelay = QStringLiteral("export VELMORA_PROGRESS_DELAY_MS=0");
    const QStringList days{QStringLiteral("--purge-days"), QStringLiteral("30")};

    const test::Run pipe = velmora(days, {}, false, noDelay);
    EXPECT_EQ(pipe.exitCode, 0) << pipe.err.toStdString();
    EXPECT_EQ(pipe.err.toStdString(), "");
    EXPECT_FALSE(pipe.out.contains("清除中")) << pipe.out.toStdString();

    ASSERT_TRUE(QDir(dataHome()).removeRecursively());
    qualifying = deletedBefore(trash({QStringLiteral("--items"), QStringLiteral("60")}),
                               midnightDaysAgo(30));
    // script runs the program on a pseudo-terminal; its output, standard error included, comes
    // back on script's standard output.
    const test::Run terminal =
        velmora(days, {}, false,
                noDelay + QStringLiteral(
                              "; exec script -qefc \"$(printf '%q ' \"$0\" \"$@\")\" /dev/null"));
    EXPECT_EQ(terminal.exitCode, 0) << terminal.err.toStdString();
    EXPECT_TRUE(terminal.out.contains("\r\033[K清除中："));
    EXPECT_TRUE(
        terminal.out.contains(QStringLiteral("/%1 项，已释放 ").arg(qualifying.size()).toUtf8()))
        << terminal.out.toStdString();
    // Cleared before the report.
    EXPECT_TRUE(terminal.out.contains(
        QStringLiteral("\r\033[K删除文件或文件夹：%1项").arg(qualifying.size()).toUtf8()))
        << terminal.out.toStdString();

    // --quiet shows no progress even on a terminal.
    ASSERT_TRUE(QDir(dataHome()).removeRecursively());
    trash({QStringLiteral("--items"), QStringLiteral("60")});
    const test::Run quiet =
        velmora(days + QStringList{QStringLiteral("--quiet")}, {}, false,
                noDelay + QStringLiteral(
                              "; exec script -qefc \"$(printf '%q ' \"$0\" \"$@\")\" /dev/null"));
    EXPECT_EQ(quiet.exitCode, 0);
    EXPECT_EQ(quiet.out.toStdString(), "");
}

// --trash-dir reads only the trash directories named, each checked as its kind requires: the
// home trash, a volume's .Trash-$uid (ours, not a link) and .Trash/$uid (its parent sticky and
// not a link); anything else is refused with status 2, one that fails its checks with status 5.
TEST_F(PurgeProcess, TrashDirReadsOnlyTheNamedTrashesAfterTheirChecks) {
    trash({QStringLiteral("--items"), QStringLiteral("5")});
    const QByteArray uid = QByteArray::number(::getuid());
    const QByteArray vol = QFile::encodeName(root_) + "/vol";
    // A volume trash of each kind, 3 items each, from make-trash trashes moved into place.
    const auto volumeTrash = [&](const QByteArray& dir, const char* seedRoot) {
        const QString other = root_ + QString::fromLatin1(seedRoot);
        test::makeTrash(other, {QStringLiteral("--items"), QStringLiteral("3")});
        ASSERT_TRUE(QDir().mkpath(QFileInfo(QString::fromUtf8(dir)).path()));
        ASSERT_EQ(::rename(QFile::encodeName(other + QStringLiteral("/Trash")).constData(),
                           dir.constData()),
                  0);
    };
    volumeTrash(vol + "/.Trash-" + uid, "/m1");
    ASSERT_TRUE(test::makeDirs(vol + "/.Trash", 01777));
    volumeTrash(vol + "/.Trash/" + uid, "/m2");
    ASSERT_TRUE(test::makeDirs(vol + "/loose/.Trash", 0777)); // not sticky
    volumeTrash(vol + "/loose/.Trash/" + uid, "/m3");
    ASSERT_TRUE(test::makeDirs(vol + "/linked"));
    ASSERT_EQ(::symlink((vol + "/.Trash-" + uid).constData(),
                        (vol + "/linked/.Trash-" + uid).constData()),
              0);
    const QString home = dataHome() + QStringLiteral("/Trash");
    const QString dashed = QString::fromUtf8(vol + "/.Trash-" + uid);
    const QString shared = QString::fromUtf8(vol + "/.Trash/" + uid);
    struct Case {
        QStringList dirs;
        int status;
        int items; // in the dry run's plan
        const char* err;
    };
    const Case cases[] = {
        {{home}, 0, 5, ""},
        {{dashed}, 0, 3, ""},
        {{shared}, 0, 3, ""},
        {{home, dashed, shared}, 0, 11, ""},
        {{dashed + u'/'}, 0, 3, ""},
        {{QString::fromUtf8(vol + "/loose/.Trash/" + uid)}, 5, 0, "velmora: 未能读取回收站目录"},
        {{QString::fromUtf8(vol + "/linked/.Trash-" + uid)}, 5, 0, "velmora: 未能读取回收站目录"},
        {{QString::fromUtf8(vol + "/absent/.Trash-" + uid)}, 5, 0, "velmora: 未能读取回收站目录"},
        {{QString::fromUtf8(vol)}, 2, 0, "不是回收站目录"},
        {{QString::fromUtf8(vol + "/.Trash-99999")}, 2, 0, "不是回收站目录"},
        {{home, root_ + QStringLiteral("/m1/Trash")}, 2, 0, "不是回收站目录"}, // two homes
    };
    const QByteArray before = treeState();
    for (const Case& c : cases) {
        QStringList args{QStringLiteral("--all"), QStringLiteral("--dry-run"),
                         QStringLiteral("--json")};
        for (const QString& dir : c.dirs)
            args << QStringLiteral("--trash-dir") << dir;
        const test::Run r = velmora(args);
        const std::string where = c.dirs.join(u' ').toStdString();
        EXPECT_EQ(r.exitCode, c.status) << where << ": " << r.err.toStdString();
        if (c.status == 0) {
            EXPECT_EQ(
                QJsonDocument::fromJson(r.out).object()[QStringLiteral("items")].toArray().size(),
                c.items)
                << where;
        } else {
            EXPECT_EQ(r.out.toStdString(), "") << where;
            EXPECT_TRUE(r.err.contains(c.err)) << where << ": " << r.err.toStdString();
            EXPECT_EQ(r.err.count('\n'), 1) << where << ": " << r.err.toStdString();
        }
    }
    EXPECT_EQ(treeState(), before);
}

} // namespace
} // namespace velmora
