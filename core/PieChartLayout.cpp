// The pie chart's layout.
#include "PieChartLayout.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <numbers>

namespace velmora {

namespace {
constexpr double Tilt = std::numbers::sqrt2 / 2;
constexpr double Depth = 0.15 * std::numbers::sqrt2 / 2;
} // namespace

PieRect PieLegendLayout::swatch(int row) const {
    return {SwatchLeft, rowTop(row) + (RowHeight - PieSwatchHeight) / 2, PieSwatchWidth,
            PieSwatchHeight};
}

PieChartLayout computePieChartLayout(const PieRect& chart, int rows, int valueWidth, int labelWidth,
                                     int markTextWidth, int textHeight) {
    PieChartLayout layout;
    int top = chart.Top;
    if (rows > 0) {
        PieLegendLayout& legend = layout.Legend;
        layout.HasLegend = true;
        legend.RowHeight = textHeight + 1;
        const int width = 2 * PieLegendPadding + PieSwatchWidth + 4 + valueWidth + labelWidth;
        const int height = 2 * PieLegendPadding + legend.RowHeight * rows;
        legend.Box = {chart.Left + (chart.Width - width) / 2, chart.Top + PieMargin, width, height};
        legend.SwatchLeft = legend.Box.Left + PieLegendPadding;
        legend.ValueLeft = legend.SwatchLeft + PieSwatchWidth + 4;
        legend.ValueWidth = valueWidth;
        legend.LabelLeft = legend.ValueLeft + valueWidth;
        legend.LabelWidth = labelWidth;
        top = legend.Box.Top + height;
    }
    const int plotTop = top + PieMargin;
    const int plotHeight = chart.Top + chart.Height - PieMargin - plotTop;

    // Room for the marks on every side of the pie.
    const int markWidth = markTextWidth + PieMarkPaddingX;
    const int markHeight = textHeight + PieMarkPaddingY;
    const double depth = std::round(Depth * std::min(chart.Width, chart.Height));
    const double availableWidth = chart.Width - 2.0 * (PieLeaderLength + markWidth);
    const double availableHeight = plotHeight - 2.0 * (PieLeaderLength + markHeight) - depth;
    const double width = std::max(0.0, std::min(availableWidth, availableHeight / Tilt));
    const double height = std::round(width * Tilt);
    layout.Face.Left = chart.Left + std::round((chart.Width - width) / 2);
    layout.Face.Top = plotTop + std::round((plotHeight - height - depth) / 2);
    layout.Face.Width = std::round(width);
    layout.Face.Height = height;
    layout.Face.Depth = depth;
    return layout;
}

PiePoint pieFacePoint(const PieFrame& face, double angle, double fraction) {
    const double radians = angle * std::numbers::pi / 180.0;
    const double cx = face.Left + face.Width / 2, cy = face.Top + face.Height / 2;
    return {cx + fraction * face.Width / 2 * std::cos(radians),
            cy - fraction * face.Height / 2 * std::sin(radians)};
}

std::vector<std::pair<double, double>> pieFrontRimSpans(double start, double span) {
    std::vector<std::pair<double, double>> spans;
    for (double turn = -360; turn <= 360; turn += 360) {
        const double from = std::max(start, 180.0 + turn);
        const double to = std::min(start + span, 360.0 + turn);
        if (to > from)
            spans.emplace_back(from, to);
    }
    return spans;
}

PieMarkPlace placePieMark(const PieFrame& face, double angle, double boxWidth, double boxHeight) {
    const double radians = angle * std::numbers::pi / 180.0;
    const double dx = std::cos(radians), dy = -std::sin(radians);
    PieMarkPlace place;
    place.Anchor = pieFacePoint(face, angle);
    if (dy > 1e-9) // the front half: start below the rim
        place.Anchor.Y += face.Depth;
    place.End = {place.Anchor.X + PieLeaderLength * dx, place.Anchor.Y + PieLeaderLength * dy};
    double reach = std::numeric_limits<double>::infinity();
    if (std::abs(dx) > 1e-9)
        reach = std::min(reach, boxWidth / 2 / std::abs(dx));
    if (std::abs(dy) > 1e-9)
        reach = std::min(reach, boxHeight / 2 / std::abs(dy));
    place.BoxCentre = {place.End.X + reach * dx, place.End.Y + reach * dy};
    return place;
}

} // namespace velmora
