// The pie chart's layout as both user interfaces draw it: the legend above the pie, the pie with
// room for its marks, the rim facing the viewer and the marks outside the pie.
#include <gtest/gtest.h>

#include <cmath>

#include "core/PieChartLayout.h"

namespace velmora {
namespace {

// Whether a point lies inside the face's ellipse (or its rim below it).
bool onPie(const PieFrame& f, double x, double y) {
    const double a = f.Width / 2, b = f.Height / 2, cx = f.Left + a;
    const auto inside = [&](double cy) {
        return std::pow((x - cx) / a, 2) + std::pow((y - cy) / b, 2) < 1;
    };
    return inside(f.Top + b) || inside(f.Top + b + f.Depth) ||
           (std::abs(x - cx) < a && y > f.Top + b && y < f.Top + b + f.Depth);
}

TEST(PieChartLayoutTest, TheLegendIsAboveThePieAndTheMarksOutsideIt) {
    const struct {
        PieRect chart;
        int rows, valueWidth, labelWidth, markWidth, textHeight;
    } cases[] = {
        {{0, 0, 296, 209}, 2, 40, 150, 40, 13},
        {{10, 26, 296, 209}, 2, 60, 170, 30, 14},
        {{0, 0, 500, 400}, 3, 30, 100, 40, 17},
    };
    for (const auto& c : cases) {
        const PieChartLayout layout = computePieChartLayout(
            c.chart, c.rows, c.valueWidth, c.labelWidth, c.markWidth, c.textHeight);
        ASSERT_TRUE(layout.HasLegend);
        const PieLegendLayout& legend = layout.Legend;
        // Centred at the top, the columns side by side: swatch, value, label.
        EXPECT_EQ(legend.Box.Top, c.chart.Top + PieMargin);
        EXPECT_LE(std::abs(2 * (legend.Box.Left - c.chart.Left) + legend.Box.Width - c.chart.Width),
                  1);
        EXPECT_EQ(legend.Box.Height, 2 * PieLegendPadding + c.rows * (c.textHeight + 1));
        EXPECT_EQ(legend.ValueLeft, legend.SwatchLeft + PieSwatchWidth + 4);
        EXPECT_EQ(legend.LabelLeft, legend.ValueLeft + c.valueWidth);
        EXPECT_EQ(legend.LabelLeft + c.labelWidth + PieLegendPadding,
                  legend.Box.Left + legend.Box.Width);
        for (int row = 0; row < c.rows; ++row) {
            const PieRect s = legend.swatch(row);
            EXPECT_GE(s.Top, legend.rowTop(row));
            EXPECT_LE(s.Top + s.Height, legend.rowTop(row) + legend.RowHeight);
        }

        // The pie below the legend, tilted (its face sin 45° as high as wide), with a rim 15 % of
        // the chart's smaller side deep seen at 45°.
        const PieFrame& f = layout.Face;
        EXPECT_GT(f.Width, 50);
        EXPECT_NEAR(f.Height, f.Width * std::sqrt(0.5), 1);
        EXPECT_NEAR(f.Depth, 0.15 * std::sqrt(0.5) * std::min(c.chart.Width, c.chart.Height), 1);
        EXPECT_GE(f.Top, legend.Box.Top + legend.Box.Height + PieMargin);

        // Every mark's box outside the pie, in the chart's width, touching the leader's end; the
        // leader PieLeaderLength long, from the pie's edge outwards.
        const double boxWidth = c.markWidth + PieMarkPaddingX;
        const double boxHeight = c.textHeight + PieMarkPaddingY;
        for (double angle = 0; angle < 360; angle += 15) {
            const PieMarkPlace m = placePieMark(f, angle, boxWidth, boxHeight);
            EXPECT_NEAR(std::hypot(m.End.X - m.Anchor.X, m.End.Y - m.Anchor.Y), PieLeaderLength,
                        1e-9)
                << angle;
            EXPECT_GT(
                std::hypot(m.End.X - (f.Left + f.Width / 2), m.End.Y - (f.Top + f.Height / 2)),
                std::hypot(m.Anchor.X - (f.Left + f.Width / 2),
                           m.Anchor.Y - (f.Top + f.Height / 2)))
                << angle;
            const double dx = std::abs(m.BoxCentre.X - m.End.X),
                         dy = std::abs(m.BoxCentre.Y - m.End.Y);
            EXPECT_TRUE(std::abs(dx - boxWidth / 2) < 1e-6 || std::abs(dy - boxHeight / 2) < 1e-6)
                << angle;
            EXPECT_LE(dx, boxWidth / 2 + 1e-6) << angle;
            EXPECT_LE(dy, boxHeight / 2 + 1e-6) << angle;
            for (const double sx : {-0.5, 0.5})
                for (const double sy : {-0.5, 0.5})
                    EXPECT_FALSE(onPie(f, m.BoxCentre.X + sx * (boxWidth - 2),
                                       m.BoxCentre.Y + sy * (boxHeight - 2)))
                        << angle;
            EXPECT_GE(m.BoxCentre.X - boxWidth / 2, c.chart.Left - 1e-6) << angle;
            EXPECT_LE(m.BoxCentre.X + boxWidth / 2, c.chart.Left + c.chart.Width + 1e-6) << angle;
        }
    }
    EXPECT_FALSE(computePieChartLayout({0, 0, 296, 209}, 0, 0, 0, 0, 13).HasLegend);
}

TEST(PieChartLayoutTest, OnlyTheFrontHalfOfTheRimShows) {
    using Spans = std::vector<std::pair<double, double>>;
    const struct {
        double start, span;
        Spans spans;
    } cases[] = {
        {0, 360, {{180, 360}}},
        {0, 180, {}},
        {90, 180, {{180, 270}}},
        {300, 120, {{300, 360}}},
        {200, 300, {{200, 360}}}, // round to 140°: nothing more in front
        {0, 0, {}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(pieFrontRimSpans(c.start, c.span), c.spans) << c.start << " " << c.span;
    }
}

TEST(PieChartLayoutTest, FacePoints) {
    const PieFrame f{10, 20, 200, 100, 15};
    const struct {
        double angle, fraction, x, y;
    } cases[] = {
        {0, 1, 210, 70}, {90, 1, 110, 20}, {180, 0.5, 60, 70}, {270, 1, 110, 120}, {45, 0, 110, 70},
    };
    for (const auto& c : cases) {
        const PiePoint p = pieFacePoint(f, c.angle, c.fraction);
        EXPECT_NEAR(p.X, c.x, 1e-9) << c.angle;
        EXPECT_NEAR(p.Y, c.y, 1e-9) << c.angle;
    }
}

} // namespace
} // namespace velmora
