// The application's error handler: shows what escaped an event handler in a message box.
#pragma once

#include <QString>
#include <exception>
#include <functional>

class QWidget;

namespace velmora {

// Shows a message box; tests replace it and never click real boxes.
using MessageBoxFunction =
    std::function<void(QWidget* owner, const QString& caption, const QString& text)>;
void setMessageBoxFunction(MessageBoxFunction show);

// The text of an error as the user sees it: its message with the closing "." rule applied.
QString errorText(std::exception_ptr error);

// Shows the error (caption "Velmora", critical icon, OK) owned by the active window.
void showError(std::exception_ptr error);

// Makes showError the handler of every guarded event handler.
void installErrorHandler();

} // namespace velmora
