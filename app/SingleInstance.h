// The single-instance guard: a later copy hands over to the running one and ends.
#pragma once

class QWidget;

namespace velmora {

// Asks the running copy to bring its main window forward. Returns either way; the caller ends
// the process with status 0.
void ActivatePreviousInstance();

// What the running copy does when asked: restore its main window if minimised, raise, activate.
void bringForward(QWidget* mainWindow);

} // namespace velmora
