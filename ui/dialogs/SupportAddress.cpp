// The address of the support page that the about dialog shows and opens.
#include "ui/dialogs/SupportAddress.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QUrl>

#include "ui/dialogs/SupportPaths.h"

namespace velmora {

QString supportAddress(const QString& configured, const QString& installedPage,
                       const QString& sourcePage) {
    if (!configured.isEmpty())
        return configured;
    const QString page = QFileInfo::exists(installedPage) ? installedPage : sourcePage;
    return QUrl::fromLocalFile(page).toString();
}

namespace {

// The help page of the interface's language beside the Chinese one: its file name is a text of
// the catalogs ("help.en.html" in English and in the languages without a page of their own).
QString pageOfLanguage(const char* chinesePage) {
    const QFileInfo page(QString::fromUtf8(chinesePage));
    return page.dir().filePath(QCoreApplication::translate("SupportAddress", "help.html"));
}

} // namespace

QString supportAddress() {
    return supportAddress(QString::fromUtf8(SupportUrl), pageOfLanguage(InstalledHelpPage),
                          pageOfLanguage(SourceHelpPage));
}

} // namespace velmora
