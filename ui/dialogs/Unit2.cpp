#include "ui/dialogs/Unit2.h"

#include "ui/common/AppTitle.h"
#include "ui/common/HandlerGuard.h"

namespace velmora {

TfrmAbout* frmAbout = nullptr;

TfrmAbout::TfrmAbout(QWidget* owner) : FixedDialog(owner, QSize(355, 326), 3) {
    setObjectName(QStringLiteral("frmAbout"));
    guarded([this] { FormCreate(); });
}

void TfrmAbout::FormCreate() {
    setWindowTitle(applicationTitle());
}

} // namespace velmora
