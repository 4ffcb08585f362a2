// SPDX-License-Identifier: Apache-2.0
// The host's visual styles for the module's windows. The module carries a
// manifest (resource 2) naming version 6 of the common controls; windows
// made while the activation context built from it is active are version-6
// controls and follow the system's theme, whatever the host process itself
// asked for.
#pragma once

#include <windows.h>

namespace orca::platform::win32 {

// The context, made at first need and released when the module is unloaded;
// INVALID_HANDLE_VALUE when the module has no such manifest (a program that
// links the adapters itself) or the system cannot make the context.
HANDLE VisualStylesContext();

// While one is alive, windows this thread makes take the module's styles.
class VisualStylesScope {
public:
    VisualStylesScope();
    ~VisualStylesScope();
    VisualStylesScope(const VisualStylesScope&) = delete;
    VisualStylesScope& operator=(const VisualStylesScope&) = delete;

private:
    ULONG_PTR cookie_ = 0;
    bool active_ = false;
};

}  // namespace orca::platform::win32
