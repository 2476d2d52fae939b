// The application's error handler: the text of an error and the message box that shows it.
#include "app/ErrorHandler.h"

#include <QApplication>
#include <QMessageBox>

#include "core/Errors.h"
#include "platform/QtText.h"
#include "ui/common/AppTitle.h"
#include "ui/common/HandlerGuard.h"

namespace velmora {

namespace {
void criticalBox(QWidget* owner, const QString& caption, const QString& text) {
    QMessageBox box(QMessageBox::Critical, caption, text, QMessageBox::Ok, owner);
    box.exec();
}

MessageBoxFunction& messageBox() {
    static MessageBoxFunction show = criticalBox;
    return show;
}
} // namespace

void setMessageBoxFunction(MessageBoxFunction show) {
    messageBox() = show ? std::move(show) : MessageBoxFunction(criticalBox);
}

QString errorText(std::exception_ptr error) {
    return toQString(shownErrorText(error));
}

void showError(std::exception_ptr error) {
    messageBox()(QApplication::activeWindow(), applicationTitle(), errorText(error));
}

void installErrorHandler() {
    setErrorHandler(showError);
}

} // namespace velmora
