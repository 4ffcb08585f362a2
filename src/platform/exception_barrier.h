// SPDX-License-Identifier: Apache-2.0
// The barrier at each place where code outside the module calls into it (the
// host's hooks, the window system's procedures). Running out of memory is
// expected there: it ends with the caller's failure answer instead of
// unwinding into a caller that cannot take it. Any other exception is a
// programming error: the caller still gets its failure answer, since the
// host's process must live on, but the error is told on the platform's debug
// output, and ends the process where ORCAUI_FATAL_ESCAPES is set (the tests
// set it, so such an error fails them).
#pragma once

#include <exception>
#include <new>
#include <utility>

namespace orca::platform {

// Tells an exception other than running out of memory that reached a
// barrier; ends the process when ORCAUI_FATAL_ESCAPES is set.
void ReportEscapedException(const char* what) noexcept;

// call's result, or failure when call threw.
template <typename Result, typename Call>
Result Contained(Result failure, Call&& call) noexcept {
    try {
        return std::forward<Call>(call)();
    } catch (const std::bad_alloc&) {
        return failure;
    } catch (const std::exception& error) {
        ReportEscapedException(error.what());
        return failure;
    } catch (...) {
        ReportEscapedException("an exception of an unknown type");
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
