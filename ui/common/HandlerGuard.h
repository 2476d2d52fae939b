// The boundary of every event handler: what a handler throws is handed to the application's
// error handler, and never crosses Qt's own frames.
#pragma once

#include <exception>
#include <functional>
#include <type_traits>
#include <utility>

namespace velmora {

// Receives every error that escapes an event handler. The application installs one that shows a
// message box; tests install their own.
using ErrorHandler = std::function<void(std::exception_ptr)>;
void setErrorHandler(ErrorHandler handler);
void handleError(std::exception_ptr error);

// Runs f; an exception it throws goes to the error handler. What f changed before stays.
template <class F> void guarded(F&& f) noexcept {
    try {
        std::forward<F>(f)();
    } catch (...) {
        handleError(std::current_exception());
    }
}

// Calls a handler with the signal's arguments, or with none when it takes none. A template of
// its own, so that the call not taken is never checked (clang checks a call that does not
// depend on the arguments even in the branch not taken).
template <class F, class... Args> void callHandler(F& f, Args&&... args) {
    if constexpr (std::is_invocable_v<F&, Args...>)
        f(std::forward<Args>(args)...);
    else
        f();
}

// A slot that runs a handler through the guard: connect(b, &QPushButton::clicked, guard(…)).
// The handler takes the signal's arguments, or none.
template <class F> auto guard(F f) {
    return [f = std::move(f)](auto&&... args) mutable {
        guarded([&] { callHandler(f, std::forward<decltype(args)>(args)...); });
    };
}

} // namespace velmora
