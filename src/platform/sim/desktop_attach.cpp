// SPDX-License-Identifier: Apache-2.0
#include "platform/sim/desktop.h"
#include "platform/sim/environment.h"

namespace orca::platform::sim {

std::shared_ptr<Desktop> AttachDesktop(Environment& environment) {
    auto desktop = std::make_shared<Desktop>();
    environment.SetWindowSystem(desktop);
    return desktop;
}

}  // namespace orca::platform::sim
