// The font of every window: "MS Sans Serif" where installed, otherwise the system's sans-serif,
// 11 pixels high.
#pragma once

#include <QFont>

namespace velmora {

QFont windowFont();

} // namespace velmora
