// Tests of the error handler and the guard at the slot boundary.
#include <QPushButton>
#include <gtest/gtest.h>
#include <stdexcept>

#include "app/ErrorHandler.h"
#include "core/Errors.h"
#include "ui/common/HandlerGuard.h"

namespace velmora {
namespace {

TEST(ErrorHandlerTest, ShowsTheMessageWithTheClosingPeriodRule) {
    struct Case {
        std::exception_ptr error;
        QString shown;
    };
    const Case cases[] = {
        {std::make_exception_ptr(ConvertError(u"''x'' is not a valid integer value")),
         "''x'' is not a valid integer value."},
        {std::make_exception_ptr(ListIndexError(4)), "List index out of bounds (4)"},
        {std::make_exception_ptr(VelmoraError(u"重命名失败")), "重命名失败."},
        {std::make_exception_ptr(std::runtime_error("disk full.")), "disk full."},
        {std::make_exception_ptr(std::runtime_error("caf\xc3\xa9")), "café."},
        {std::make_exception_ptr(42), "Unknown error."},
    };
    for (const Case& c : cases)
        EXPECT_EQ(errorText(c.error), c.shown);
}

TEST(ErrorHandlerTest, GuardedHandlerKeepsWhatItChangedAndReportsOnce) {
    QStringList boxes;
    installErrorHandler();
    setMessageBoxFunction([&](QWidget*, const QString& caption, const QString& text) {
        boxes << caption + u'|' + text;
    });
    QPushButton button;
    int changed = 0;
    QObject::connect(&button, &QPushButton::clicked, &button, guard([&] {
        changed = 1;
        throw ConvertError(u"'1.2.3' is not a valid floating point value");
    }));
    button.click();
    EXPECT_EQ(changed, 1);
    EXPECT_EQ(boxes, QStringList{"Velmora|'1.2.3' is not a valid floating point value."});
    setMessageBoxFunction({});
}

} // namespace
} // namespace velmora
