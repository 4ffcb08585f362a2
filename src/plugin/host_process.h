// SPDX-License-Identifier: Apache-2.0
// Which process the plug-in runs in, as the font pages ask it: they allow
// creating, deleting and renaming fonts only inside the shell or the
// control-panel runner.
#pragma once

namespace orca::plugin {

class HostProcess {
public:
    // Whether the current process is "explorer.exe" or "rundll32.exe", letter
    // case aside; false when the process cannot be named.
    virtual bool IsShellHost() = 0;

protected:
    ~HostProcess() = default;
};

}  // namespace orca::plugin
