// What a pie chart shows, worked out apart from the painting: the core's geometry with the
// slices' labels and colours.
#include "ui/dialogs/PieLayout.h"

#include "core/PieGeometry.h"
#include "ui/common/CoreText.h"

namespace velmora {

PieLayout computePieLayout(const std::vector<PieSlice>& slices, const FormatSettings& settings) {
    std::vector<double> values;
    values.reserve(slices.size());
    for (const PieSlice& s : slices)
        values.push_back(s.Value);
    const std::vector<PieShare> shares = computePieShares(values, settings);

    PieLayout layout;
    layout.Slices.reserve(slices.size());
    for (std::size_t i = 0; i < slices.size(); ++i) {
        PieSliceLayout out;
        out.StartAngle = shares[i].StartAngle;
        out.SpanAngle = shares[i].SpanAngle;
        out.Mark = toQString(shares[i].Mark);
        out.LegendValue = toQString(shares[i].LegendValue);
        out.LegendLabel = slices[i].Label;
        out.Color = slices[i].Color;
        layout.Slices.push_back(std::move(out));
    }
    return layout;
}

} // namespace velmora
