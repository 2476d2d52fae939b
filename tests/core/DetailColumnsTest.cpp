// Tests of finding the date and size columns by the list's headings.
#include <gtest/gtest.h>

#include "core/DetailColumns.h"

namespace velmora {
namespace {

TEST(DetailColumnsTest, FindsTheSizeAndDateColumnsByTheirHeadings) {
    struct Case {
        const char* what;
        std::vector<Text> headings;
        int size, date;
    };
    const Case cases[] = {
        {"the trash's own",
         {u"名称", u"原位置", u"删除日期", u"大小", u"项目类型", u"修改日期"},
         2,
         1},
        {"English headings: the defaults",
         {u"Name", u"Original Location", u"Date Deleted", u"Size"},
         2,
         1},
        {"moved", {u"名称", u"文件大小", u"原位置", u"删除日期时间"}, 0, 2},
        {"two sizes: the later wins", {u"名称", u"大小", u"原位置", u"压缩大小"}, 2, 1},
        {"one heading with both", {u"名称", u"原位置", u"删除日期与大小"}, 1, 1},
        {"size in the name column counts nowhere", {u"大小", u"原位置", u"删除日期"}, 2, 1},
        {"a single column", {u"名称"}, 2, 1},
        {"no columns", {}, 2, 1},
    };
    for (const Case& c : cases) {
        const DetailColumns columns = findDetailColumns(c.headings);
        EXPECT_EQ(columns.size, c.size) << c.what;
        EXPECT_EQ(columns.date, c.date) << c.what;
    }
    EXPECT_EQ(subItemOfHeading({u"名称", u"原位置", u"删除日期"}, u"原位置", 5), 0);
    EXPECT_EQ(subItemOfHeading({u"名称", u"删除日期"}, u"原位置", 5), 5);
}

} // namespace
} // namespace velmora
