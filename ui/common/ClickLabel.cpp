// The link label: its click by mouse or keyboard, and its focus frame.
#include "ui/common/ClickLabel.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyle>

namespace velmora {

ClickLabel::ClickLabel(QWidget* parent) : QLabel(parent) {
    // Tab reaches it; a click does not take the focus from where the user works.
    setFocusPolicy(Qt::TabFocus);
}

void ClickLabel::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
    QLabel::mouseReleaseEvent(event);
}

void ClickLabel::keyPressEvent(QKeyEvent* event) {
    const int key = event->key();
    if ((key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Space) &&
        !(event->modifiers() & ~Qt::KeypadModifier)) {
        event->accept();
        emit clicked();
        return;
    }
    QLabel::keyPressEvent(event);
}

void ClickLabel::paintEvent(QPaintEvent* event) {
    QLabel::paintEvent(event);
    if (!hasFocus())
        return;
    // A dotted frame in the text's colour around the text, kept inside the label.
    const QRect text =
        style()->itemTextRect(fontMetrics(), contentsRect(), int(alignment()), true, this->text());
    QPainter p(this);
    p.setPen(QPen(palette().color(foregroundRole()), 1, Qt::DotLine));
    p.drawRect(text.adjusted(-1, 0, 0, -1).intersected(rect().adjusted(0, 0, -1, -1)));
}

} // namespace velmora
