// Small helpers the test suites share.
#pragma once

#include <gtest/gtest.h>

#include "core/DateTime.h"
#include "core/Errors.h"

namespace velmora::test {

// The message of the error a call raises, or "(no error)".
template <class F> Text errorOf(F&& f) {
    try {
        f();
    } catch (const VelmoraError& e) {
        return e.message();
    }
    return u"(no error)";
}

// A calendar date at 00:00.
inline TDateTime date(int y, int m, int d) {
    TDateTime v = 0;
    EXPECT_TRUE(tryEncodeDate(y, m, d, v));
    return v;
}

} // namespace velmora::test
