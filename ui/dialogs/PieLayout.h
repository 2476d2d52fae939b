// What a pie chart shows, worked out apart from the painting: where each slice lies on the
// circle, the text of its mark and its legend entry.
#pragma once

#include <QColor>
#include <QString>
#include <vector>

#include "core/FormatSettings.h"

namespace velmora {

// One value of a pie series as it was added.
struct PieSlice {
    double Value = 0;
    QString Label;
    QColor Color;
};

// One slice as it is drawn. Angles are in degrees, counter-clockwise from three o'clock (the
// convention of QPainter::drawPie); the first slice starts at 0 and each one starts where the
// one before it ends.
struct PieSliceLayout {
    double StartAngle = 0;
    double SpanAngle = 0; // 0 to 360
    QString Mark;         // share of the circle, "##0.## %": "62.5 %", "100 %", "0 %"
    QString LegendValue;  // the value, "#,##0MB": "1,234MB", "-2MB", "0MB"
    QString LegendLabel;  // the slice's label as added
    QColor Color;
};

struct PieLayout {
    std::vector<PieSliceLayout> Slices; // in the order the slices were added
};

// The slices as computePieShares (core/PieGeometry.h) lays out their values, with their labels
// and colours.
PieLayout computePieLayout(const std::vector<PieSlice>& slices,
                           const FormatSettings& settings = formatSettings());

} // namespace velmora
