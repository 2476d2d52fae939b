// A rectangle shape: a one-pixel black outline around a white fill.
#pragma once

#include <QWidget>

namespace velmora {

class TShape : public QWidget {
    Q_OBJECT
public:
    explicit TShape(QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;
};

} // namespace velmora
