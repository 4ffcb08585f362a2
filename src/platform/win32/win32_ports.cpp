// SPDX-License-Identifier: Apache-2.0
#include "platform/win32/win32_ports.h"

#include "platform/win32/win32_files.h"
#include "platform/win32/win32_registry.h"
#include "platform/win32/win32_spooler.h"
#include "platform/win32/win32_system.h"

namespace orca::platform::win32 {

const Ports& SystemPorts(WindowSystem& windows) {
    static Win32Spooler spooler;
    static Win32Registry registry;
    static Win32System system;
    static Win32Files files;
    static Win32Process process;
    static const Ports ports{.spooler = &spooler,
                             .registry = &registry,
                             .system = &system,
                             .files = &files,
                             .process = &process,
                             .windows = &windows};
    return ports;
}

}  // namespace orca::platform::win32
