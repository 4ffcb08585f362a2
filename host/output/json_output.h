// SPDX-License-Identifier: Apache-2.0
// Output for programs: a command's --json prints one JSON document (objects
// keep their keys in the order written) instead of its text.
#pragma once

#include <nlohmann/json.hpp>

#include "host/cli/arguments.h"

namespace orca::host {

using Json = nlohmann::ordered_json;

inline constexpr OptionSpec kJsonOption = {"--json", "", false};

// Prints json indented by two, then a newline. Text that is not valid UTF-8
// is printed with U+FFFD in place of its bad bytes.
void PrintJson(const Json& json);

}  // namespace orca::host
