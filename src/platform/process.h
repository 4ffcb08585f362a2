// SPDX-License-Identifier: Apache-2.0
// Process port: facts of the current process and the thread's last error.
#pragma once

#include <cstdint>
#include <string>

namespace orca::platform {

class Process {
public:
    virtual ~Process() = default;

    // The executable's file name without its directory, as a process
    // snapshot lists it for the current process (e.g. "explorer.exe"). Empty
    // when the snapshot fails.
    virtual std::u16string ExecutableName() = 0;
    // SetLastError / GetLastError of the calling thread.
    virtual void SetLastError(uint32_t error) = 0;
    virtual uint32_t LastError() = 0;
    // A line for the developer: the debugger's output on Windows, standard
    // error elsewhere.
    virtual void DebugOutput(const char* line) = 0;
};

}  // namespace orca::platform
