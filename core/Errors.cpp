// The errors the conversions and the list raise, with their messages.
#include "Errors.h"

#include "Translate.h"

namespace velmora {

VelmoraError::VelmoraError(Text message) : message_(std::move(message)), utf8_(toUtf8(message_)) {}

ListIndexError::ListIndexError(std::int64_t index)
    : VelmoraError(withArguments(coreTranslate("Errors", "List index out of bounds (%1)"),
                                 {decimalText(index)})) {}

RenameError::RenameError(TextView name)
    : VelmoraError(
          withArguments(coreTranslate("velmora::ItemCommands", "Rename to %1 failed"), {name})) {}

Text withClosingPeriod(TextView message) {
    Text out(message);
    if (!out.empty() && out.back() > u'.')
        out += u'.';
    return out;
}

Text shownErrorText(std::exception_ptr error) {
    Text message;
    try {
        std::rethrow_exception(error);
    } catch (const VelmoraError& e) {
        message = e.message();
    } catch (const std::exception& e) {
        message = fromUtf8(e.what());
    } catch (...) {
        message = coreTranslate("Errors", "Unknown error");
    }
    return withClosingPeriod(message);
}

} // namespace velmora
