// A three-dimensional pie chart with a legend above it and a boxed mark beside every slice,
// painted with QPainter.
#pragma once

#include <QColor>
#include <QObject>
#include <QString>
#include <QWidget>
#include <vector>

#include "ui/dialogs/PieLayout.h"

namespace velmora {

// The values of a pie chart. The chart repaints whenever they change.
class PieSeries : public QObject {
    Q_OBJECT
public:
    explicit PieSeries(QObject* parent = nullptr);

    // Removes every value.
    void Clear();
    // Appends a slice; zero and negative values are kept as given.
    void Add(double value, const QString& label, const QColor& color);

    int Count() const { return static_cast<int>(slices_.size()); }
    const std::vector<PieSlice>& Slices() const { return slices_; }

signals:
    void changed();

private:
    std::vector<PieSlice> slices_;
};

class PieChart : public QWidget {
    Q_OBJECT
public:
    explicit PieChart(QWidget* parent = nullptr);

    // The chart's only series.
    PieSeries* series() const { return series_; }

    // Each slice's label and share of the circle, one a line: "指定时间前删除文件占用空间：75 %".
    QString sharesText() const;

    // Draws the whole chart into `rect`: background, legend, pie and marks. Marks may reach
    // beyond `rect`; nothing is clipped.
    void paint(QPainter& painter, const QRect& rect) const;

protected:
    // The chart, and a dotted frame around it while it has the focus.
    void paintEvent(QPaintEvent* event) override;

private:
    PieSeries* series_;
};

} // namespace velmora
