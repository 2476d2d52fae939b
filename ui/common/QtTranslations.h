// Qt's own texts (standard buttons, the line edit's context menu, the calendar) in the
// interface's language.
#pragma once

namespace velmora {

// Loads Qt's Simplified Chinese catalog (qtbase_zh_CN.qm, from Debian's qt6-translations-l10n)
// from Qt's translations folder into the application, once; false, and Qt's English stays,
// where it is not installed.
bool installQtTranslations();

} // namespace velmora
