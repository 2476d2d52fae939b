// What a pie chart shows, worked out apart from the painting.
#include "ui/dialogs/PieLayout.h"

#include <cmath>

#include "core/NumberRules.h"
#include "ui/common/CoreText.h"

namespace velmora {

PieLayout computePieLayout(const std::vector<PieSlice>& slices, const FormatSettings& settings) {
    long double sum = 0;
    for (const PieSlice& s : slices)
        sum += std::fabs(static_cast<long double>(s.Value));
    // A sum that is not a positive number leaves nothing to share out.
    const bool empty = !(sum > 0) || !std::isfinite(sum);

    PieLayout layout;
    layout.Slices.reserve(slices.size());
    double start = 0;
    for (std::size_t i = 0; i < slices.size(); ++i) {
        const PieSlice& s = slices[i];
        const long double size = std::fabs(static_cast<long double>(s.Value));
        PieSliceLayout out;
        out.StartAngle = start;
        if (empty)
            out.SpanAngle = i == 0 ? 360.0 : 0.0;
        else if (i + 1 == slices.size())
            out.SpanAngle = std::max(0.0, 360.0 - start); // closes the circle exactly
        else
            out.SpanAngle = static_cast<double>(360.0L * size / sum);
        out.Mark = toQString(
            formatPatternPercent(empty ? 0.0 : static_cast<double>(size * 100.0L / sum), settings));
        out.LegendValue = toQString(formatPatternGroupedMB(s.Value, settings));
        out.LegendLabel = s.Label;
        out.Color = s.Color;
        start += out.SpanAngle;
        layout.Slices.push_back(std::move(out));
    }
    return layout;
}

} // namespace velmora
