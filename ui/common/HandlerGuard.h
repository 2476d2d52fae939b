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

// A slot that runs a handler through the guard: connect(b, &QPushButton::clicked, guard(…)).
// The handler takes the signal's arguments, or none.
template <class F> auto guard(F f) {
    return [f = std::move(f)](auto&&... args) mutable {
        guarded([&] {
            if constexpr (std::is_invocable_v<F&, decltype(args)...>)
                f(std::forward<decltype(args)>(args)...);
            else
                f();
        });
    };
}

} // namespace velmora
