// The application's error handler: the text of an error and the message box that shows it.
#include "app/ErrorHandler.h"

#include <QApplication>
#include <QMessageBox>

#include "core/Errors.h"
#include "platform/QtText.h"
#include "ui/common/AppTitle.h"
#include "ui/common/HandlerGuard.h"
#include "ui/common/ReplaceableBox.h"

namespace velmora {

namespace {
void criticalBox(QWidget* owner, const QString& caption, const QString& text) {
    QMessageBox box(QMessageBox::Critical, caption, text, QMessageBox::Ok, owner);
    box.exec();
}

ReplaceableBox<MessageBoxFunction> messageBoxes(criticalBox);
} // namespace

void setMessageBoxFunction(MessageBoxFunction show) {
    messageBoxes.replace(std::move(show));
}

QString errorText(std::exception_ptr error) {
    return toQString(shownErrorText(error));
}

void showError(std::exception_ptr error) {
    messageBoxes(QApplication::activeWindow(), applicationTitle(), errorText(error));
}

void installErrorHandler() {
    setErrorHandler(showError);
}

} // namespace velmora
