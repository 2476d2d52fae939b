// The program's windows as the process entry creates them, after its application object: the
// application's name, icon and formats, the error handler, the main window listing the trash the
// environment names, and the dialogs it opens. The benchmark of the window's start uses it too,
// so that it times exactly what the program does.
#pragma once

#include "ui/dialogs/Unit2.h"
#include "ui/dialogs/Unit3.h"
#include "ui/main/Unit1.h"

namespace velmora {

// Names the application, reads the user's formats and installs the error handler; call once,
// after the QApplication exists and before ProgramWindows.
void prepareApplication();

struct ProgramWindows {
    // Lists the trash (the window exists with its rows when this returns) and makes the dialogs
    // the ones the window opens.
    ProgramWindows();
    ~ProgramWindows();

    TForm1 form1;
    TfrmAbout about;
    TfrmAnalyze analyze;
};

} // namespace velmora
