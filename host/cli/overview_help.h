// SPDX-License-Identifier: Apache-2.0
// The part of `orcaui --help` that every command shares: what each exit code
// means and the environment variables orcaui reads.
#pragma once

#include <string>

namespace orca::host {

std::string ExitCodesAndEnvironment();

}  // namespace orca::host
