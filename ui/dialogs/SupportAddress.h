// The address of the support page that the about dialog shows and opens.
#pragma once

#include <QString>

namespace velmora {

// `configured` when it is not empty (a packager's own web page); otherwise the file:// address
// of `installedPage` when that file exists, else that of `sourcePage` (a run from the build
// tree).
QString supportAddress(const QString& configured, const QString& installedPage,
                       const QString& sourcePage);

// The address chosen from the build's settings: VELMORA_SUPPORT_URL, the help page under the
// install prefix, the help page in the source tree; the page in the interface's language.
QString supportAddress();

} // namespace velmora
