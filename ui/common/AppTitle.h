// The application title: the main window's caption, the start of the dialogs' captions and the
// caption of every message box.
#pragma once

#include <QString>

namespace velmora {

inline QString applicationTitle() {
    return QStringLiteral("Velmora");
}

} // namespace velmora
