// Painting the pie chart from its computed layout.
#include "ui/dialogs/PieChart.h"

#include <QFontMetrics>
#include <QPainter>
#include <QPainterPath>
#include <QStringList>
#include <algorithm>
#include <cmath>

#include "core/PieChartLayout.h"

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

const QColor LegendBackground(255, 255, 255);
const QColor MarkBackground(255, 255, 225);
const QColor Outline(0, 0, 0);

QRect toQRect(const PieRect& r) {
    return {r.Left, r.Top, r.Width, r.Height};
}

QPointF toQPointF(const PiePoint& p) {
    return {p.X, p.Y};
}

// The face on pixel centres, so that its outline is drawn sharp.
PieFrame onPixelCentres(PieFrame face) {
    face.Left += 0.5;
    face.Top += 0.5;
    return face;
}

QRectF faceRect(const PieFrame& face) {
    return {face.Left, face.Top, face.Width, face.Height};
}

void drawLegend(QPainter& p, const PieLayout& layout, const PieLegendLayout& legend) {
    p.setPen(Outline);
    p.setBrush(LegendBackground);
    p.drawRect(QRectF(toQRect(legend.Box)).adjusted(0.5, 0.5, -0.5, -0.5));
    for (int row = 0; row < static_cast<int>(layout.Slices.size()); ++row) {
        const PieSliceLayout& s = layout.Slices[static_cast<std::size_t>(row)];
        const int y = legend.rowTop(row);
        p.setBrush(s.Color);
        p.drawRect(QRectF(toQRect(legend.swatch(row))).adjusted(0.5, 0.5, -0.5, -0.5));
        p.drawText(QRect(legend.ValueLeft, y, legend.ValueWidth, legend.RowHeight),
                   Qt::AlignRight | Qt::AlignVCenter, s.LegendValue);
        p.drawText(QRect(legend.LabelLeft, y, legend.LabelWidth, legend.RowHeight),
                   Qt::AlignLeft | Qt::AlignVCenter, s.LegendLabel);
    }
}

// The part of the rim of the slice [start, start + span] that faces the viewer.
QPainterPath frontRim(const PieFrame& face, double start, double span) {
    QPainterPath path;
    const QRectF top = faceRect(face);
    const QRectF bottom = top.translated(0, face.Depth);
    for (const auto& [from, to] : pieFrontRimSpans(start, span)) {
        path.arcMoveTo(top, from);
        path.arcTo(top, from, to - from);
        path.arcTo(bottom, to, from - to);
        path.closeSubpath();
    }
    return path;
}

void drawMark(QPainter& p, const QFontMetrics& fm, const PieFrame& face, double angle,
              const QString& text) {
    const double boxWidth = fm.horizontalAdvance(text) + PieMarkPaddingX;
    const double boxHeight = fm.height() + PieMarkPaddingY;
    const PieMarkPlace place = placePieMark(face, angle, boxWidth, boxHeight);
    // On pixel centres, so that a level or upright leader is one sharp pixel wide.
    const auto snap = [](QPointF q) {
        return QPointF(std::round(q.x() - 0.5) + 0.5, std::round(q.y() - 0.5) + 0.5);
    };
    p.setPen(Outline);
    p.drawLine(snap(toQPointF(place.Anchor)), snap(toQPointF(place.End)));
    const QRectF box(std::round(place.BoxCentre.X - boxWidth / 2) + 0.5,
                     std::round(place.BoxCentre.Y - boxHeight / 2) + 0.5, boxWidth - 1,
                     boxHeight - 1);
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

    int valueWidth = 0, labelWidth = 0, markWidth = 0;
    for (const PieSliceLayout& s : layout.Slices) {
        valueWidth = std::max(valueWidth, fm.horizontalAdvance(s.LegendValue));
        labelWidth = std::max(labelWidth, fm.horizontalAdvance(s.LegendLabel));
        markWidth = std::max(markWidth, fm.horizontalAdvance(s.Mark));
    }
    const PieChartLayout chart = computePieChartLayout(
        {rect.left(), rect.top(), rect.width(), rect.height()},
        static_cast<int>(layout.Slices.size()), valueWidth, labelWidth, markWidth, fm.height());
    if (chart.HasLegend)
        drawLegend(p, layout, chart.Legend);
    const PieFrame face = onPixelCentres(chart.Face);

    p.setPen(Outline);
    for (const PieSliceLayout& s : layout.Slices) {
        p.setBrush(s.Color.darker(160));
        p.drawPath(frontRim(face, s.StartAngle, s.SpanAngle));
    }
    for (const PieSliceLayout& s : layout.Slices) {
        if (s.SpanAngle <= 0)
            continue;
        p.setBrush(s.Color);
        if (s.SpanAngle >= 360) {
            p.drawEllipse(faceRect(face));
        } else {
            QPainterPath slice(faceRect(face).center());
            slice.arcTo(faceRect(face), s.StartAngle, s.SpanAngle);
            slice.closeSubpath();
            p.drawPath(slice);
        }
    }
    for (const PieSliceLayout& s : layout.Slices)
        drawMark(p, fm, face, s.StartAngle + s.SpanAngle / 2, s.Mark);
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
