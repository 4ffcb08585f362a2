// SPDX-License-Identifier: Apache-2.0
// The window-system port in force, for the framework's own files.
#pragma once

#include "platform/platform.h"
#include "platform/window_system.h"

namespace orca::framework {

// Every environment that shows dialogs has one.
inline platform::WindowSystem& Port() {
    return *platform::Current().windows;
}

// For clean-up, which may come after the environment has gone.
inline platform::WindowSystem* PortIfAny() {
    return platform::Current().windows;
}

}  // namespace orca::framework
