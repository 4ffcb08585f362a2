// The barrier at each place where code outside the module calls into it (the
// host's hooks, the window system's procedures): an exception, in practice
// the allocator's bad_alloc, ends there with the caller's failure answer
// instead of unwinding into a caller that cannot take it.
#pragma once

#include <utility>

namespace orca::platform {

// call's result, or failure when call threw.
template <typename Result, typename Call>
Result Contained(Result failure, Call&& call) noexcept {
    try {
        return std::forward<Call>(call)();
    } catch (...) {
        return failure;
    }
}

// For calls that answer nothing: whether call ran to its end.
template <typename Call>
bool Contained(Call&& call) noexcept {
    return Contained(false, [&] {
        std::forward<Call>(call)();
        return true;
    });
}

}  // namespace orca::platform
