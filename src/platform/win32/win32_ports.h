// SPDX-License-Identifier: Apache-2.0
// The Win32 adapters of every port but the window system, which the caller
// chooses: the platform's Current() gives its Win32 window system; a test
// program may give another.
#pragma once

#include "platform/platform.h"

namespace orca::platform::win32 {

// One set of adapters for the process, with windows as the window system
// (fixed by the first call).
const Ports& SystemPorts(WindowSystem& windows);

}  // namespace orca::platform::win32
