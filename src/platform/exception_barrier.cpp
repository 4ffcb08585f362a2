// SPDX-License-Identifier: Apache-2.0
#include "platform/exception_barrier.h"

#include <cstdio>
#include <cstdlib>

#include "platform/platform.h"
#include "platform/process.h"

namespace orca::platform {

void ReportEscapedException(const char* what) noexcept {
    // A fixed buffer: the report must not allocate, it runs inside a catch.
    char message[512];
    std::snprintf(message, sizeof message,
                  "ORCAUI: programming error: an exception reached the caller's barrier: %s\n",
                  what);
    if (Process* process = Current().process)
        process->DebugOutput(message);
    const char* fatal = std::getenv("ORCAUI_FATAL_ESCAPES");
    if (fatal != nullptr && *fatal != '\0')
        std::abort();
}

}  // namespace orca::platform
