// Process entry of Velmora: the command line and the purge without a window; one copy per user;
// the windows; the message loop.
#include <QApplication>

#include "app/CommandLine.h"
#include "app/ProgramWindows.h"
#include "app/PurgeCommand.h"
#include "app/SingleInstance.h"
#include "platform/InstanceMarker.h"
#include "ui/common/AppTitle.h"
#include "ui/common/QtTranslations.h"

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
    prepareApplication();
    ProgramWindows windows;
    TForm1& form1 = windows.form1;

    // Later copies find this one from now on.
    InstanceListener listener([&form1] { bringForward(&form1); });

    form1.show();
    app.exec();
    return 0;
}
