// The message of the error a call raises, or "(no error)".
#pragma once

#include "core/Errors.h"

namespace velmora::test {

template <class F> Text errorOf(F&& f) {
    try {
        f();
    } catch (const VelmoraError& e) {
        return e.message();
    }
    return u"(no error)";
}

} // namespace velmora::test
