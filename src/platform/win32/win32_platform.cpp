// The Win32 platform: every port over the system's own calls.
#include "platform/platform.h"
#include "platform/win32/win32_files.h"
#include "platform/win32/win32_registry.h"
#include "platform/win32/win32_spooler.h"
#include "platform/win32/win32_system.h"
#include "platform/win32/win32_window_system.h"

namespace orca::platform {

const Ports& Current() {
    static win32::Win32Spooler spooler;
    static win32::Win32Registry registry;
    static win32::Win32System system;
    static win32::Win32Files files;
    static win32::Win32Process process;
    static win32::Win32WindowSystem windows;
    static const Ports ports{.spooler = &spooler,
                             .registry = &registry,
                             .system = &system,
                             .files = &files,
                             .process = &process,
                             .windows = &windows};
    return ports;
}

}  // namespace orca::platform
