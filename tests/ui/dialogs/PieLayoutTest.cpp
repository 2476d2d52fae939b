// Tests of the pie chart's layout: slice angles, marks and legend texts.
#include <gtest/gtest.h>

#include "ScopedFormatSettings.h"
#include "ui/dialogs/PieLayout.h"

namespace velmora {
namespace {

const QColor Red(255, 0, 0);
const QColor Green(0, 128, 0);

// The two slices the analysis dialog adds: the part, then the total less the part.
std::vector<PieSlice> analysis(double part, double rest) {
    return {{part, QStringLiteral(" 指定时间前删除文件占用空间"), Red},
            {rest, QStringLiteral(" 其它时间删除文件占用空间"), Green}};
}

TEST(PieLayoutTest, AnalysisCases) {
    struct Case {
        const char* name;
        double part, rest;
        double firstSpan; // the second slice takes the rest of the circle
        QString marks[2];
        QString values[2];
    };
    const Case cases[] = {
        {"empty trash", 0, 0, 360, {"0 %", "0 %"}, {"0MB", "0MB"}},
        {"nothing before the cut-off", 0, 1234.4, 0, {"0 %", "100 %"}, {"0MB", "1,234MB"}},
        {"everything before it", 1234.4, 0, 360, {"100 %", "0 %"}, {"1,234MB", "0MB"}},
        {"part above total", 12, -2, 360.0 * 12 / 14, {"85.71 %", "14.29 %"}, {"12MB", "-2MB"}},
        {"fractional sizes", 0.6, 2.9, 360 * 0.6 / 3.5, {"17.14 %", "82.86 %"}, {"1MB", "3MB"}},
        {"typical share", 370.32, 864.08, 108, {"30 %", "70 %"}, {"370MB", "864MB"}},
        {"one decimal", 5, 3, 225, {"62.5 %", "37.5 %"}, {"5MB", "3MB"}},
        {"thirds", 1, 2, 120, {"33.33 %", "66.67 %"}, {"1MB", "2MB"}},
        {"both negative", -1, -3, 90, {"25 %", "75 %"}, {"-1MB", "-3MB"}},
    };
    const FormatSettings settings = test::chineseSettings();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const PieLayout layout = computePieLayout(analysis(c.part, c.rest), settings);
        ASSERT_EQ(layout.Slices.size(), 2u);
        const PieSliceLayout& first = layout.Slices[0];
        const PieSliceLayout& second = layout.Slices[1];
        EXPECT_EQ(first.StartAngle, 0);
        EXPECT_NEAR(first.SpanAngle, c.firstSpan, 1e-9);
        EXPECT_EQ(second.StartAngle, first.SpanAngle);
        EXPECT_EQ(second.StartAngle + second.SpanAngle, 360);
        for (int k = 0; k < 2; ++k) {
            EXPECT_EQ(layout.Slices[k].Mark, c.marks[k]) << k;
            EXPECT_EQ(layout.Slices[k].LegendValue, c.values[k]) << k;
        }
        EXPECT_EQ(first.LegendLabel, QStringLiteral(" 指定时间前删除文件占用空间"));
        EXPECT_EQ(first.Color, Red);
        EXPECT_EQ(second.LegendLabel, QStringLiteral(" 其它时间删除文件占用空间"));
        EXPECT_EQ(second.Color, Green);
    }
}

TEST(PieLayoutTest, SlicesFollowInOrderAndCloseTheCircle) {
    // Spans that do not add up to 360 exactly in binary.
    std::vector<PieSlice> slices(7, PieSlice{0.1, QString(), Red});
    slices[3].Value = 0; // an empty slice in between keeps its place
    const PieLayout layout = computePieLayout(slices, test::chineseSettings());
    ASSERT_EQ(layout.Slices.size(), 7u);
    for (std::size_t k = 1; k < layout.Slices.size(); ++k)
        EXPECT_EQ(layout.Slices[k].StartAngle,
                  layout.Slices[k - 1].StartAngle + layout.Slices[k - 1].SpanAngle);
    EXPECT_EQ(layout.Slices[3].SpanAngle, 0);
    EXPECT_EQ(layout.Slices[3].Mark, QStringLiteral("0 %"));
    EXPECT_NEAR(layout.Slices[6].SpanAngle, 60, 1e-9);
    EXPECT_EQ(layout.Slices[6].StartAngle + layout.Slices[6].SpanAngle, 360);
    EXPECT_EQ(layout.Slices[0].Mark, QStringLiteral("16.67 %"));

    // With nothing to share out, only the first slice is drawn.
    const PieLayout empty = computePieLayout(std::vector<PieSlice>(3, PieSlice{0, {}, Red}));
    EXPECT_EQ(empty.Slices[0].SpanAngle, 360);
    EXPECT_EQ(empty.Slices[1].SpanAngle, 0);
    EXPECT_EQ(empty.Slices[2].SpanAngle, 0);
    EXPECT_TRUE(computePieLayout({}).Slices.empty());
}

TEST(PieLayoutTest, FollowsTheLocaleSeparators) {
    struct Case {
        const char16_t *decimal, *thousands;
        QString marks[2], values[2];
    };
    const Case cases[] = {
        {u",", u".", {"66,67 %", "33,33 %"}, {"1.234.567MB", "617.284MB"}},
        {u",", u"\u00A0", {"66,67 %", "33,33 %"}, {"1\u00A0234\u00A0567MB", "617\u00A0284MB"}},
        {u".", u"", {"66.67 %", "33.33 %"}, {"1234567MB", "617284MB"}},
    };
    for (const Case& c : cases) {
        FormatSettings settings = test::germanSettings();
        settings.DecimalSeparator = c.decimal;
        settings.ThousandSeparator = c.thousands;
        // The pure function reads the settings it is given, not the process-wide record.
        test::ScopedFormatSettings global(test::chineseSettings());
        const PieLayout layout = computePieLayout(analysis(1234567.25, 617283.625), settings);
        for (int k = 0; k < 2; ++k) {
            EXPECT_EQ(layout.Slices[k].Mark, c.marks[k]) << k;
            EXPECT_EQ(layout.Slices[k].LegendValue, c.values[k]) << k;
        }
    }
}

} // namespace
} // namespace velmora
