// SPDX-License-Identifier: Apache-2.0
// The print server's own client programs (lpstat, lpadmin, lp, lpoptions),
// run with arguments and no shell, against the server CUPS_SERVER names.
#pragma once

#include <string>
#include <vector>

namespace orca::host::cups {

struct ClientRun {
    int exitCode = -1;  // 127: the program could not be started
    std::string out;
    std::string err;
};

// Runs program with the arguments, input on its standard input.
ClientRun RunClient(const std::vector<std::string>& command, const std::string& input = {});

}  // namespace orca::host::cups
