// Painting the pie chart from its computed layout.
#include "ui/dialogs/PieChart.h"

#include <QFontMetrics>
#include <QPainter>
#include <QPainterPath>
#include <QStringList>
#include <algorithm>
#include <cmath>
#include <limits>
#include <numbers>

namespace velmora {

PieSeries::PieSeries(QObject* parent) : QObject(parent) {}

void PieSeries::Clear() {
    slices_.clear();
    emit changed();
}

void PieSeries::Add(double value, const QString& label, const QColor& color) {
    slices_.push_back(PieSlice{value, label, color});
    emit changed();
}

PieChart::PieChart(QWidget* parent) : QWidget(parent), series_(new PieSeries(this)) {
    // Tab reaches the chart, so that a screen reader reads its description.
    setFocusPolicy(Qt::TabFocus);
    connect(series_, &PieSeries::changed, this, qOverload<>(&QWidget::update));
}

QString PieChart::sharesText() const {
    QStringList lines;
    for (const PieSliceLayout& s : computePieLayout(series_->Slices()).Slices)
        lines.append(tr("%1：%2").arg(s.LegendLabel.trimmed(), s.Mark));
    return lines.join(u'\n');
}

namespace {

constexpr int Margin = 4; // around the legend and the plotting area
constexpr int LegendPadding = 3;
constexpr int SwatchWidth = 14;
constexpr int SwatchHeight = 8;
constexpr int LeaderLength = 8; // from the pie's edge to the mark's box
// The pie is seen from 45° above: its top face is an ellipse sin 45° as high as it is wide, and
// its rim, 15 % of the chart's smaller side deep, shows cos 45° of that depth.
constexpr double Tilt = std::numbers::sqrt2 / 2;
constexpr double Depth = 0.15 * std::numbers::sqrt2 / 2;
const QColor LegendBackground(255, 255, 255);
const QColor MarkBackground(255, 255, 225);
const QColor Outline(0, 0, 0);

QPointF onEllipse(const QRectF& ellipse, double degrees) {
    const double radians = degrees * std::numbers::pi / 180.0;
    return {ellipse.center().x() + ellipse.width() / 2 * std::cos(radians),
            ellipse.center().y() - ellipse.height() / 2 * std::sin(radians)};
}

// The legend box, centred at the top: swatch, value (right-aligned), label, one row a slice.
int drawLegend(QPainter& p, const PieLayout& layout, const QRect& rect, const QFontMetrics& fm) {
    int valueWidth = 0;
    int labelWidth = 0;
    for (const PieSliceLayout& s : layout.Slices) {
        valueWidth = std::max(valueWidth, fm.horizontalAdvance(s.LegendValue));
        labelWidth = std::max(labelWidth, fm.horizontalAdvance(s.LegendLabel));
    }
    const int rowHeight = fm.height() + 1;
    const int width = 2 * LegendPadding + SwatchWidth + 4 + valueWidth + labelWidth;
    const int height = 2 * LegendPadding + rowHeight * static_cast<int>(layout.Slices.size());
    const QRect box(rect.left() + (rect.width() - width) / 2, rect.top() + Margin, width, height);

    p.setPen(Outline);
    p.setBrush(LegendBackground);
    p.drawRect(QRectF(box).adjusted(0.5, 0.5, -0.5, -0.5));

    int y = box.top() + LegendPadding;
    const int swatchLeft = box.left() + LegendPadding;
    const int valueLeft = swatchLeft + SwatchWidth + 4;
    for (const PieSliceLayout& s : layout.Slices) {
        const QRectF swatch(swatchLeft + 0.5, y + (rowHeight - SwatchHeight) / 2 + 0.5,
                            SwatchWidth - 1, SwatchHeight - 1);
        p.setBrush(s.Color);
        p.drawRect(swatch);
        p.drawText(QRect(valueLeft, y, valueWidth, rowHeight), Qt::AlignRight | Qt::AlignVCenter,
                   s.LegendValue);
        p.drawText(QRect(valueLeft + valueWidth, y, labelWidth, rowHeight),
                   Qt::AlignLeft | Qt::AlignVCenter, s.LegendLabel);
        y += rowHeight;
    }
    return box.bottom() + 1;
}

// The part of the rim of the slice [start, start + span] that faces the viewer (180° to 360°).
QPainterPath frontRim(const QRectF& top, double depth, double start, double span) {
    QPainterPath path;
    const QRectF bottom = top.translated(0, depth);
    for (double turn = -360; turn <= 360; turn += 360) {
        const double from = std::max(start, 180.0 + turn);
        const double to = std::min(start + span, 360.0 + turn);
        if (to <= from)
            continue;
        path.arcMoveTo(top, from);
        path.arcTo(top, from, to - from);
        path.arcTo(bottom, to, from - to);
        path.closeSubpath();
    }
    return path;
}

void drawMark(QPainter& p, const QFontMetrics& fm, const QRectF& top, double depth, double angle,
              const QString& text) {
    const double radians = angle * std::numbers::pi / 180.0;
    const QPointF direction(std::cos(radians), -std::sin(radians));
    QPointF anchor = onEllipse(top, angle);
    if (direction.y() > 1e-9) // the front half: start below the rim
        anchor.ry() += depth;
    const QPointF end = anchor + LeaderLength * direction;
    // On pixel centres, so that a level or upright leader is one sharp pixel wide.
    const auto snap = [](QPointF q) {
        return QPointF(std::round(q.x() - 0.5) + 0.5, std::round(q.y() - 0.5) + 0.5);
    };
    p.setPen(Outline);
    p.drawLine(snap(anchor), snap(end));

    // The box touches the leader's end on the side facing the pie.
    const double halfWidth = (fm.horizontalAdvance(text) + 6) / 2.0;
    const double halfHeight = (fm.height() + 2) / 2.0;
    double reach = std::numeric_limits<double>::infinity();
    if (std::abs(direction.x()) > 1e-9)
        reach = std::min(reach, halfWidth / std::abs(direction.x()));
    if (std::abs(direction.y()) > 1e-9)
        reach = std::min(reach, halfHeight / std::abs(direction.y()));
    const QPointF centre = end + reach * direction;
    const QRectF box(std::round(centre.x() - halfWidth) + 0.5,
                     std::round(centre.y() - halfHeight) + 0.5, 2 * halfWidth - 1,
                     2 * halfHeight - 1);
    p.setBrush(MarkBackground);
    p.drawRect(box);
    p.drawText(box, Qt::AlignCenter, text);
}

} // namespace

void PieChart::paint(QPainter& p, const QRect& rect) const {
    const PieLayout layout = computePieLayout(series_->Slices());
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setFont(font());
    p.fillRect(rect, palette().color(QPalette::Button));
    const QFontMetrics fm(font());

    int top = rect.top();
    if (!layout.Slices.empty())
        top = drawLegend(p, layout, rect, fm);
    const QRect plot(rect.left(), top + Margin, rect.width(),
                     rect.bottom() + 1 - Margin - (top + Margin));

    // Room for the marks on every side of the pie.
    int markWidth = 0;
    for (const PieSliceLayout& s : layout.Slices)
        markWidth = std::max(markWidth, fm.horizontalAdvance(s.Mark) + 6);
    const int markHeight = fm.height() + 2;
    const double depth = std::round(Depth * std::min(rect.width(), rect.height()));
    const double availableWidth = plot.width() - 2.0 * (LeaderLength + markWidth);
    const double availableHeight = plot.height() - 2.0 * (LeaderLength + markHeight) - depth;
    const double width = std::max(0.0, std::min(availableWidth, availableHeight / Tilt));
    const double height = std::round(width * Tilt);
    const double left = plot.left() + std::round((plot.width() - width) / 2);
    const double upper = plot.top() + std::round((plot.height() - height - depth) / 2);
    const QRectF face(left + 0.5, upper + 0.5, std::round(width), height);

    p.setPen(Outline);
    for (const PieSliceLayout& s : layout.Slices) {
        p.setBrush(s.Color.darker(160));
        p.drawPath(frontRim(face, depth, s.StartAngle, s.SpanAngle));
    }
    for (const PieSliceLayout& s : layout.Slices) {
        if (s.SpanAngle <= 0)
            continue;
        p.setBrush(s.Color);
        if (s.SpanAngle >= 360) {
            p.drawEllipse(face);
        } else {
            QPainterPath slice(face.center());
            slice.arcTo(face, s.StartAngle, s.SpanAngle);
            slice.closeSubpath();
            p.drawPath(slice);
        }
    }
    for (const PieSliceLayout& s : layout.Slices)
        drawMark(p, fm, face, depth, s.StartAngle + s.SpanAngle / 2, s.Mark);
    p.restore();
}

void PieChart::paintEvent(QPaintEvent*) {
    QPainter p(this);
    paint(p, rect());
    if (hasFocus()) {
        p.setPen(QPen(palette().color(QPalette::ButtonText), 1, Qt::DotLine));
        p.drawRect(rect().adjusted(0, 0, -1, -1));
    }
}

} // namespace velmora
