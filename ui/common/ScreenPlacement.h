// Keeping a window on a screen: its frame no larger than the screen's available area, and
// wholly on it.
#pragma once

#include <QRect>

class QScreen;
class QWidget;

namespace velmora {

// `frame` reduced to at most the size of `area`, then moved, by as little as it takes, to lie
// wholly inside it.
QRect keptInside(const QRect& frame, const QRect& area);

// The available area of the screen `window` is on; a null rectangle without a screen.
QRect availableArea(const QWidget& window);

} // namespace velmora
