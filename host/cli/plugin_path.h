// SPDX-License-Identifier: Apache-2.0
// Where orcaui finds the plug-in when --plugin does not name it.
#pragma once

#include <string>

namespace orca::host {

// ORCAUI_PLUGIN when set; otherwise the plug-in beside orcaui's own binary:
// where an install puts it (../lib/orcaui/ from bin/), else where the build
// tree has it. When neither is there, the install's place, for the message
// that tells it is missing.
std::string DefaultPluginPath();

}  // namespace orca::host
