// The core's texts through the application's translator: the source texts without one, the
// translator's with one, and the placeholders filled without reading an argument as a placeholder.
#include <gtest/gtest.h>

#include <cstring>

#include "core/DetailColumns.h"
#include "core/Purge.h"
#include "core/Translate.h"

namespace velmora {
namespace {

// A translator of the test's own: English for two texts, the plural chosen by n.
Text fakeEnglish(const char* context, const char* source, const char*, int n) {
    if (std::strcmp(context, "Purge") == 0 && std::strcmp(source, "删除文件或文件夹：%n项") == 0)
        return withCount(n == 1 ? u"%n item deleted" : u"%n items deleted", n);
    if (std::strcmp(context, "Columns") == 0 && std::strcmp(source, "删除日期") == 0)
        return u"Date Deleted";
    return withCount(fromUtf8(source), n);
}

struct InstalledTranslator {
    explicit InstalledTranslator(TranslateFunction f) { setTranslateFunction(f); }
    ~InstalledTranslator() { setTranslateFunction(nullptr); }
};

TEST(TranslateTest, PlaceholdersAreFilledInOnePass) {
    const struct {
        TextView text;
        std::initializer_list<TextView> arguments;
        Text expected;
    } cases[] = {
        {u"释放空间：%1", {u"4.71MB"}, u"释放空间：4.71MB"},
        {u"%2 before %1", {u"a", u"b"}, u"b before a"},
        {u"%1 and %2", {u"%2", u"x"}, u"%2 and x"}, // an argument is never read again
        {u"100% of %1", {u"it"}, u"100% of it"},
        {u"%3 stays", {u"a"}, u"%3 stays"}, // no such argument
        {u"ends in %", {u"a"}, u"ends in %"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(withArguments(c.text, c.arguments), c.expected) << toUtf8(c.text);
    EXPECT_EQ(withCount(u"%n个，%n", 12), u"12个，12");
    EXPECT_EQ(withCount(u"%n个", -1), u"%n个");
}

TEST(TranslateTest, TheCoreSpeaksThroughTheInstalledTranslator) {
    PurgePlan plan;
    plan.rows = {0, 1};
    plan.sizes = {1.0, 2.0};
    PurgePlan one;
    one.rows = {0};
    one.sizes = {1.0};
    const RemovalOutcomes outcomes{RemoveOutcome::Removed, RemoveOutcome::Removed};
    // One column more than the list has before the date, so that finding it moves it.
    const std::vector<Text> headings{u"", u"名称", u"原位置", u"Date Deleted", u"大小"};
    // Without a translator: the source texts, and the Chinese heading is looked for.
    EXPECT_EQ(purgeReport(plan, outcomes).removedMessage, u"删除文件或文件夹：2项");
    EXPECT_EQ(findDetailColumns(headings).date, DetailColumns{}.date);
    {
        InstalledTranslator english(fakeEnglish);
        EXPECT_EQ(purgeReport(plan, outcomes).removedMessage, u"2 items deleted");
        EXPECT_EQ(purgeReport(one, {RemoveOutcome::Removed}).removedMessage, u"1 item deleted");
        // The date column is found by its heading in the list's language.
        EXPECT_EQ(findDetailColumns(headings).date, 2);
    }
    EXPECT_EQ(purgeReport(plan, outcomes).removedMessage, u"删除文件或文件夹：2项");
}

} // namespace
} // namespace velmora
