// Keeping a window on a screen.
#include "ui/common/ScreenPlacement.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <algorithm>

namespace velmora {

QRect keptInside(const QRect& frame, const QRect& area) {
    const int width = std::min(frame.width(), area.width());
    const int height = std::min(frame.height(), area.height());
    const int x = std::clamp(frame.x(), area.left(), area.left() + area.width() - width);
    const int y = std::clamp(frame.y(), area.top(), area.top() + area.height() - height);
    return {x, y, width, height};
}

QRect availableArea(const QWidget& window) {
    const QScreen* screen = window.screen();
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    return screen ? screen->availableGeometry() : QRect();
}

} // namespace velmora
