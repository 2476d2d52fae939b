// The pie's geometry and texts.
#include "PieGeometry.h"

#include <algorithm>
#include <cmath>

#include "NumberRules.h"

namespace velmora {

std::vector<PieShare> computePieShares(const std::vector<double>& values,
                                       const FormatSettings& settings) {
    long double sum = 0;
    for (const double v : values)
        sum += std::fabs(static_cast<long double>(v));
    // A sum that is not a positive number leaves nothing to share out.
    const bool empty = !(sum > 0) || !std::isfinite(sum);

    std::vector<PieShare> shares;
    shares.reserve(values.size());
    double start = 0;
    for (std::size_t i = 0; i < values.size(); ++i) {
        const long double size = std::fabs(static_cast<long double>(values[i]));
        PieShare out;
        out.StartAngle = start;
        if (empty)
            out.SpanAngle = i == 0 ? 360.0 : 0.0;
        else if (i + 1 == values.size())
            out.SpanAngle = std::max(0.0, 360.0 - start); // closes the circle exactly
        else
            out.SpanAngle = static_cast<double>(360.0L * size / sum);
        out.Mark =
            formatPatternPercent(empty ? 0.0 : static_cast<double>(size * 100.0L / sum), settings);
        out.LegendValue = formatPatternGroupedMB(values[i], settings);
        start += out.SpanAngle;
        shares.push_back(std::move(out));
    }
    return shares;
}

} // namespace velmora
