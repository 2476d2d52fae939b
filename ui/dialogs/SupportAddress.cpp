// The address of the support page that the about dialog shows and opens.
#include "ui/dialogs/SupportAddress.h"

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

QString supportAddress() {
    return supportAddress(QString::fromUtf8(SupportUrl), QString::fromUtf8(InstalledHelpPage),
                          QString::fromUtf8(SourceHelpPage));
}

} // namespace velmora
