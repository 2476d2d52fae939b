// The interface's language: which catalog the user's languages choose, and loading it with Qt's
// own catalog (standard buttons, the line edit's context menu, the calendar) for the same language.
#pragma once

#include <QString>
#include <QStringList>

namespace velmora {

// The languages Velmora has catalogs for (translations/velmora_<name>.ts), besides its source
// texts, which are Simplified Chinese.
QStringList shippedLanguages();

// The one rule for the interface's language: the first of the user's UI languages (as
// QLocale::uiLanguages() lists them, "zh-Hant-HK" or "de_DE" alike) that Velmora speaks.
// Returns an empty string for Simplified Chinese (zh, zh_CN, zh_SG, zh_Hans: the source texts),
// "zh_TW" for Traditional Chinese (zh_TW, zh_HK, zh_MO, zh_Hant), a shipped language's name for
// the others (any Portuguese takes pt_BR), and "en" when none matches, the C locale included.
QString interfaceLanguage(const QStringList& uiLanguages);

// Loads Velmora's catalog and Qt's own for `language` (as interfaceLanguage returns it) into the
// application, in place of the ones loaded before, and turns the core's texts through them.
// Under any language but the source's, a text its catalog lacks is shown in English.
// False when a catalog the language needs is missing: the texts it lacks stay in the source.
bool installTranslations(const QString& language);

// installTranslations() for the user's languages (QLocale::system().uiLanguages()), once per
// application object; false when a catalog is missing.
bool installQtTranslations();

} // namespace velmora
