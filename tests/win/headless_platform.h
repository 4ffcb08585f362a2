// SPDX-License-Identifier: Apache-2.0
// The sheet program's own platform: the system's spooler, registry, files and
// process, with the headless desktop as its window system. The plug-in's code
// linked into the program shows its pages on that desktop over the same
// printers and stored settings as ORCAUI.dll shows them in real sheets.
#pragma once

#include "platform/sim/desktop.h"

namespace orca::wintest {

// The desktop that platform::Current() hands out as the window system.
platform::sim::Desktop& HeadlessDesktop();

}  // namespace orca::wintest
