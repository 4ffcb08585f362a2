// SPDX-License-Identifier: Apache-2.0
// The Win32 platform: every port over the system's own calls.
#include "platform/platform.h"
#include "platform/win32/win32_ports.h"
#include "platform/win32/win32_window_system.h"

namespace orca::platform {

const Ports& Current() {
    static win32::Win32WindowSystem windows;
    return win32::SystemPorts(windows);
}

}  // namespace orca::platform
