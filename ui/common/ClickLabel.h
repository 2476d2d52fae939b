// A label that reports a click of the left mouse button, as a link does.
#pragma once

#include <QLabel>
#include <QMouseEvent>

namespace velmora {

class ClickLabel : public QLabel {
    Q_OBJECT
public:
    using QLabel::QLabel;

signals:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override {
        if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
            emit clicked();
        QLabel::mouseReleaseEvent(event);
    }
};

} // namespace velmora
