// The single-instance guard: handing over to the running copy, and coming forward when asked.
#include "app/SingleInstance.h"

#include <QLoggingCategory>
#include <QWidget>

#include "platform/InstanceMarker.h"

namespace velmora {

Q_LOGGING_CATEGORY(lcInstance, "velmora.instance", QtWarningMsg)

void ActivatePreviousInstance() {
    if (askRunningCopyToComeForward())
        qCInfo(lcInstance) << "the running copy came forward";
    else
        qCInfo(lcInstance) << "no running copy answered";
}

void bringForward(QWidget* mainWindow) {
    qCInfo(lcInstance) << "asked to come forward";
    if (mainWindow->isMinimized())
        mainWindow->showNormal();
    mainWindow->raise();
    mainWindow->activateWindow();
}

} // namespace velmora
