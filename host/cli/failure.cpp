// SPDX-License-Identifier: Apache-2.0
#include "host/cli/failure.h"

#include <iostream>

namespace orca::host {

int Report(const Failure& failure) {
    std::cerr << "orcaui: " << failure.message << "\n";
    return failure.exitCode;
}

}  // namespace orca::host
