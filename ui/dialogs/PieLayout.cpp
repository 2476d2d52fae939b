#include "ui/dialogs/PieLayout.h"

#include <cmath>
#include <string>

#include "core/NumberRules.h"

namespace velmora {

namespace {

// A number rounded to a fixed count of decimals, as decimal digits.
struct FixedDigits {
    bool negative = false;
    std::string whole;    // at least one digit, no leading zeros
    std::string fraction; // exactly `decimals` digits
};

// x rounded to `decimals` decimals, half away from zero. The rounding works on the 15
// significant digits of x, so that 0.285 (stored as 0.28499999999999998) gives 0.29, as the
// decimal text the user would read suggests.
FixedDigits toFixed(double x, int decimals) {
    const DecimalDigits d = roundToSignificant(x, 15);
    const auto size = static_cast<int>(d.digits.size());
    // x = 0.digits x 10^pointPosition: the first `keep` digits lie at or above 10^-decimals.
    const int keep = d.digits.empty() ? 0 : d.pointPosition + decimals;
    std::string kept;
    if (keep > 0) {
        kept = d.digits.substr(0, static_cast<std::size_t>(std::min(keep, size)));
        kept.append(static_cast<std::size_t>(keep) - kept.size(), '0');
    }
    if (keep >= 0 && keep < size && d.digits[static_cast<std::size_t>(keep)] >= '5') {
        int k = static_cast<int>(kept.size()) - 1;
        while (k >= 0 && kept[static_cast<std::size_t>(k)] == '9')
            kept[static_cast<std::size_t>(k--)] = '0';
        if (k < 0)
            kept.insert(kept.begin(), '1');
        else
            ++kept[static_cast<std::size_t>(k)];
    }
    // `kept` is now x x 10^decimals as a whole number.
    const auto minimum = static_cast<std::size_t>(decimals) + 1;
    if (kept.size() < minimum)
        kept.insert(0, minimum - kept.size(), '0');
    FixedDigits out;
    out.fraction = kept.substr(kept.size() - static_cast<std::size_t>(decimals));
    out.whole = kept.substr(0, kept.size() - static_cast<std::size_t>(decimals));
    const std::size_t firstNonZero = out.whole.find_first_not_of('0');
    out.whole.erase(0, std::min(firstNonZero, out.whole.size() - 1));
    out.negative = d.negative && kept.find_first_not_of('0') != std::string::npos;
    return out;
}

QString text(const Text& t) {
    return QString::fromStdU16String(t);
}

} // namespace

QString formatShare(double percent, const FormatSettings& settings) {
    FixedDigits f = toFixed(percent, 2);
    while (!f.fraction.empty() && f.fraction.back() == '0')
        f.fraction.pop_back();
    QString out = f.negative ? QStringLiteral("-") : QString();
    out += QString::fromStdString(f.whole);
    if (!f.fraction.empty())
        out += text(settings.DecimalSeparator) + QString::fromStdString(f.fraction);
    return out + QStringLiteral(" %");
}

QString formatWholeMegabytes(double value, const FormatSettings& settings) {
    const FixedDigits f = toFixed(value, 0);
    const QString separator = text(settings.ThousandSeparator);
    QString out = f.negative ? QStringLiteral("-") : QString();
    for (std::size_t k = 0; k < f.whole.size(); ++k) {
        if (k > 0 && (f.whole.size() - k) % 3 == 0)
            out += separator;
        out += QChar(f.whole[k]);
    }
    return out + QStringLiteral("MB");
}

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
        out.Mark = formatShare(empty ? 0.0 : static_cast<double>(size * 100.0L / sum), settings);
        out.LegendValue = formatWholeMegabytes(s.Value, settings);
        out.LegendLabel = s.Label;
        out.Color = s.Color;
        start += out.SpanAngle;
        layout.Slices.push_back(std::move(out));
    }
    return layout;
}

} // namespace velmora
