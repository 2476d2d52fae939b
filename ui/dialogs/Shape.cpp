// A rectangle shape: a one-pixel black outline around a white fill.
#include "ui/dialogs/Shape.h"

#include <QPainter>

namespace velmora {

TShape::TShape(QWidget* parent) : QWidget(parent) {}

void TShape::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), Qt::black);
    painter.fillRect(rect().adjusted(1, 1, -1, -1), Qt::white);
}

} // namespace velmora
