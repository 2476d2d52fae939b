#include "app/ProgramWindows.h"

#include <QApplication>
#include <QIcon>

#include "app/ErrorHandler.h"
#include "app/TrashEnvironment.h"
#include "platform/LocaleSettings.h"
#include "platform/TrashSource.h"
#include "ui/common/AppTitle.h"

namespace velmora {

void prepareApplication() {
    QApplication::setApplicationName(applicationTitle());
    // The desktop entry's name, so that Wayland compositors match the windows to its icon.
    QApplication::setDesktopFileName(QStringLiteral(VELMORA_APP_ID));
    // The installed icon theme's picture, or the bundled one when run from the build tree.
    QApplication::setWindowIcon(QIcon::fromTheme(QStringLiteral(VELMORA_APP_ID),
                                                 QIcon(QStringLiteral(":/velmora/velmora.png"))));
    loadSystemFormatSettings();
    installErrorHandler();
}

ProgramWindows::ProgramWindows()
    : form1(std::make_unique<TrashSource>(trashSourceOptionsFromEnvironment())), about(&form1),
      analyze(&form1) {
    frmAbout = &about;
    frmAnalyze = &analyze;
}

ProgramWindows::~ProgramWindows() {
    frmAbout = nullptr;
    frmAnalyze = nullptr;
}

} // namespace velmora
