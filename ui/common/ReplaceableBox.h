// The slot of a message box that tests replace, so that they never click a real one: the real
// box, and the function shown in its place until an empty one restores the real box.
#pragma once

#include <utility>

namespace velmora {

template <class Function> class ReplaceableBox {
public:
    explicit ReplaceableBox(Function real) : real_(real), current_(std::move(real)) {}

    // Shows the box through the current function.
    template <class... Args> decltype(auto) operator()(Args&&... args) const {
        return current_(std::forward<Args>(args)...);
    }
    // Replaces the box; an empty function restores the real one.
    void replace(Function replacement) { current_ = replacement ? std::move(replacement) : real_; }

private:
    Function real_;
    Function current_;
};

} // namespace velmora
