// The window-system port in force, for the framework's own files.
#pragma once

#include "platform/platform.h"
#include "platform/window_system.h"

namespace orca::framework {

inline platform::WindowSystem& Port() {
    return *platform::Current().windows;
}

}  // namespace orca::framework
