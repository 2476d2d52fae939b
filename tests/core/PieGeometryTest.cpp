// The pie's geometry and texts as both user interfaces draw them.
#include <gtest/gtest.h>

#include "core/PieGeometry.h"

namespace velmora {
namespace {

FormatSettings chinese() {
    FormatSettings s;
    s.DecimalSeparator = u".";
    s.ThousandSeparator = u",";
    return s;
}

TEST(PieGeometryTest, SharesOfTheCircle) {
    const struct {
        const char* name;
        std::vector<double> values;
        std::vector<double> spans;
        std::vector<Text> marks, legend;
    } cases[] = {
        {"empty", {0, 0}, {360, 0}, {u"0 %", u"0 %"}, {u"0MB", u"0MB"}},
        {"one decimal", {5, 3}, {225, 135}, {u"62.5 %", u"37.5 %"}, {u"5MB", u"3MB"}},
        {"negative part",
         {12, -2},
         {360.0 * 12 / 14, 360.0 * 2 / 14},
         {u"85.71 %", u"14.29 %"},
         {u"12MB", u"-2MB"}},
        {"grouped", {1234.4, 0}, {360, 0}, {u"100 %", u"0 %"}, {u"1,234MB", u"0MB"}},
        {"three", {1, 1, 2}, {90, 90, 180}, {u"25 %", u"25 %", u"50 %"}, {u"1MB", u"1MB", u"2MB"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const std::vector<PieShare> shares = computePieShares(c.values, chinese());
        ASSERT_EQ(shares.size(), c.values.size());
        double start = 0;
        for (std::size_t i = 0; i < shares.size(); ++i) {
            EXPECT_EQ(shares[i].StartAngle, start) << i;
            EXPECT_NEAR(shares[i].SpanAngle, c.spans[i], 1e-9) << i;
            EXPECT_EQ(shares[i].Mark, c.marks[i]) << i;
            EXPECT_EQ(shares[i].LegendValue, c.legend[i]) << i;
            start += shares[i].SpanAngle;
        }
        EXPECT_EQ(start, 360); // the last slice closes the circle exactly
    }
}

} // namespace
} // namespace velmora
