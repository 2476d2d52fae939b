// A label that works as a link: a click of the left mouse button, or Enter or Space while it has
// the keyboard focus, reports a click. Tab reaches it, and a dotted frame around its text shows
// the focus.
#pragma once

#include <QLabel>

class QKeyEvent;
class QMouseEvent;
class QPaintEvent;

namespace velmora {

class ClickLabel : public QLabel {
    Q_OBJECT
public:
    explicit ClickLabel(QWidget* parent = nullptr);

signals:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
};

} // namespace velmora
