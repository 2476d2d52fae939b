// The guard at the slot boundary that hands what a handler throws to the error handler.
#include "ui/common/HandlerGuard.h"

namespace velmora {

namespace {
ErrorHandler& currentHandler() {
    static ErrorHandler handler;
    return handler;
}
} // namespace

void setErrorHandler(ErrorHandler handler) {
    currentHandler() = std::move(handler);
}

void handleError(std::exception_ptr error) {
    if (const ErrorHandler& handler = currentHandler())
        try {
            handler(error);
        } catch (...) {
            // An error handler that fails has nowhere to report to.
        }
}

} // namespace velmora
