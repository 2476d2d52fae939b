// Process entry of Velmora: the command line and the purge without a window; one copy per user;
// the windows; the message loop.
#include <QApplication>
#include <QIcon>

#include "app/CommandLine.h"
#include "app/ErrorHandler.h"
#include "app/PurgeCommand.h"
#include "app/SingleInstance.h"
#include "app/TrashEnvironment.h"
#include "platform/InstanceMarker.h"
#include "platform/LocaleSettings.h"
#include "platform/TrashSource.h"
#include "ui/common/AppTitle.h"
#include "ui/common/QtTranslations.h"
#include "ui/dialogs/Unit2.h"
#include "ui/dialogs/Unit3.h"
#include "ui/main/Unit1.h"

int main(int argc, char* argv[]) {
    using namespace velmora;
    // Every application object of this process speaks the user's language from its first text
    // on: the one that reads the command line, the purge's and the window's.
    qAddPreRoutine([] { installQtTranslations(); });

    // --version, --help, mistakes on the command line and the purge end here, before the
    // single-instance guard and without a display.
    CommandLineRequest request;
    {
        // Qt Core only, for the catalogs of the command line's texts.
        int readingArgc = argc;
        const QCoreApplication reading(readingArgc, argv);
        request = readCommandLine(argumentList(argc, argv));
        if (request.action != CommandLineRequest::Action::Purge &&
            request.action != CommandLineRequest::Action::OpenWindow)
            return finishRequest(request);
    }
    if (request.action == CommandLineRequest::Action::Purge)
        return runPurgeCommand(request.purge, argc, argv);

    // A later copy hands over before it creates anything and ends with status 0.
    if (IsAlreadyRunning()) {
        ActivatePreviousInstance();
        return 0;
    }

    QApplication app(argc, argv);
    QApplication::setApplicationName(applicationTitle());
    // The desktop entry's name, so that Wayland compositors match the windows to its icon.
    QApplication::setDesktopFileName(QStringLiteral(VELMORA_APP_ID));
    // The installed icon theme's picture, or the bundled one when run from the build tree.
    QApplication::setWindowIcon(QIcon::fromTheme(QStringLiteral(VELMORA_APP_ID),
                                                 QIcon(QStringLiteral(":/velmora/velmora.png"))));
    loadSystemFormatSettings();
    installErrorHandler();

    TForm1 form1(std::make_unique<TrashSource>(trashSourceOptionsFromEnvironment()));
    TfrmAbout about(&form1);
    TfrmAnalyze analyze(&form1);
    frmAbout = &about;
    frmAnalyze = &analyze;

    // Later copies find this one from now on.
    InstanceListener listener([&form1] { bringForward(&form1); });

    form1.show();
    app.exec();
    return 0;
}
