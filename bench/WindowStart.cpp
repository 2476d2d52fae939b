// The program's window as it starts, for velmora_trash_bench: the windows of the process entry
// (app/ProgramWindows, as app/main.cpp starts them) without the single-instance guard, ending as
// soon as the window is on screen with its totals' labels filled and painted. The bench times this
// whole process from its start.
//
//   QT_QPA_PLATFORM=offscreen XDG_DATA_HOME=DIR VELMORA_TRASH_VOLUMES= velmora_window_start
//
// Prints the totals' texts, so that the caller sees the trash was listed.
#include <QApplication>
#include <QLabel>
#include <QTimer>
#include <QWindow>

#include <cstdio>
#include <memory>

#include "app/ProgramWindows.h"
#include "ui/common/QtTranslations.h"

int main(int argc, char* argv[]) {
    using namespace velmora;
    QApplication app(argc, argv);
    installQtTranslations();
    prepareApplication();
    ProgramWindows windows;
    TForm1& form1 = windows.form1;
    form1.show();

    // Done when the window is exposed and the totals are written: the events then pending (the
    // paint of the exposed window) are handled before the process ends.
    QTimer poll;
    poll.setInterval(0);
    QObject::connect(&poll, &QTimer::timeout, [&] {
        const QWindow* window = form1.windowHandle();
        if (!window || !window->isExposed() || form1.lblTotal->text().isEmpty() ||
            form1.lblTotalSpace->text().isEmpty())
            return;
        poll.stop();
        QCoreApplication::processEvents();
        std::printf("%s | %s\n", form1.lblTotal->text().toUtf8().constData(),
                    form1.lblTotalSpace->text().toUtf8().constData());
        QCoreApplication::quit();
    });
    poll.start();
    return QApplication::exec();
}
