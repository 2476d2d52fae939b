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
    Text message;
    try {
        std::rethrow_exception(error);
    } catch (const VelmoraError& e) {
        message = e.message();
    } catch (const std::exception& e) {
        message = fromUtf8(e.what());
    } catch (...) {
        message = u"Unknown error";
    }
    const Text shown = withClosingPeriod(message);
    return toQString(shown);
}

void showError(std::exception_ptr error) {
    messageBox()(QApplication::activeWindow(), applicationTitle(), errorText(error));
}

void installErrorHandler() {
    setErrorHandler(showError);
}

} // namespace velmora
