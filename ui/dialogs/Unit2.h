// The about dialog. For now the window alone; its content comes later.
#pragma once

#include "ui/dialogs/FixedDialog.h"

namespace velmora {

class TfrmAbout : public FixedDialog {
    Q_OBJECT
public:
    explicit TfrmAbout(QWidget* owner);

    // Sets the caption; runs once, at creation.
    void FormCreate();
};

// The single instance, created by the application at start-up.
extern TfrmAbout* frmAbout;

} // namespace velmora
