// SPDX-License-Identifier: Apache-2.0
#include "headless_platform.h"

#include "platform/win32/win32_ports.h"

namespace orca::wintest {

platform::sim::Desktop& HeadlessDesktop() {
    static platform::sim::Desktop desktop;
    return desktop;
}

}  // namespace orca::wintest

namespace orca::platform {

// Stands in for the Win32 platform's Current(), which the program does not link.
const Ports& Current() {
    return win32::SystemPorts(wintest::HeadlessDesktop());
}

}  // namespace orca::platform
