// Where the parts of a pie chart lie in its rectangle, apart from any painting (both user
// interfaces draw from it): the legend box above, the tilted three-dimensional pie below it with
// room for the marks on every side, the part of the rim that faces the viewer, and each slice's
// mark joined to the pie by a leader. Pixels, y growing downwards; angles in degrees,
// counter-clockwise from three o'clock, as in PieShare.
#pragma once

#include <utility>
#include <vector>

namespace velmora {

inline constexpr int PieMargin = 4; // around the legend and the plotting area
inline constexpr int PieLegendPadding = 3;
inline constexpr int PieSwatchWidth = 14;
inline constexpr int PieSwatchHeight = 8;
inline constexpr int PieLeaderLength = 8; // from the pie's edge to the mark's box
inline constexpr int PieMarkPaddingX = 6; // a mark's box is its text's width plus this
inline constexpr int PieMarkPaddingY = 2; // and its text's height plus this

struct PieRect {
    int Left = 0, Top = 0, Width = 0, Height = 0;
};

// The legend: a box centred at the top of the chart, one row a slice: swatch, value (right-aligned
// in its column), label (left-aligned in its column).
struct PieLegendLayout {
    PieRect Box;
    int RowHeight = 0;
    int SwatchLeft = 0, ValueLeft = 0, ValueWidth = 0, LabelLeft = 0, LabelWidth = 0;
    int rowTop(int row) const { return Box.Top + PieLegendPadding + row * RowHeight; }
    // The swatch of a row: PieSwatchWidth x PieSwatchHeight, centred in the row's height.
    PieRect swatch(int row) const;
};

// The pie seen from 45° above: its top face is an ellipse sin 45° as high as it is wide, and its
// rim, 15 % of the chart's smaller side deep, shows cos 45° of that depth below the face.
struct PieFrame {
    double Left = 0, Top = 0, Width = 0, Height = 0; // the top face's bounding box
    double Depth = 0;                                // how far the rim shows below the face
};

struct PiePoint {
    double X = 0, Y = 0;
};

struct PieChartLayout {
    bool HasLegend = false; // a chart without slices has none
    PieLegendLayout Legend;
    PieFrame Face;
};

// `rows` slices whose widest legend value and label are `valueWidth` and `labelWidth` pixels and
// whose widest mark text is `markTextWidth`, in a font `textHeight` pixels high, in `chart`.
PieChartLayout computePieChartLayout(const PieRect& chart, int rows, int valueWidth, int labelWidth,
                                     int markTextWidth, int textHeight);

// The point of the top face at `angle`, `fraction` of the way from the centre to the edge.
PiePoint pieFacePoint(const PieFrame& face, double angle, double fraction = 1.0);

// The parts [from, to] of the slice [start, start + span] whose rim faces the viewer (the front
// half, 180° to 360°, and its turns), in increasing order.
std::vector<std::pair<double, double>> pieFrontRimSpans(double start, double span);

// A slice's mark at the middle angle `angle`, its box `boxWidth` x `boxHeight`: the leader runs
// PieLeaderLength pixels outwards from the pie's edge (below the rim on the front half), and the
// box touches the leader's end with the side facing the pie.
struct PieMarkPlace {
    PiePoint Anchor, End, BoxCentre;
};
PieMarkPlace placePieMark(const PieFrame& face, double angle, double boxWidth, double boxHeight);

} // namespace velmora
