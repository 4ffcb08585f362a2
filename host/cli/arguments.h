// SPDX-License-Identifier: Apache-2.0
// A command's arguments: options (--name VALUE, --name=VALUE, -x) and the
// positional arguments in order. "--" ends the options.
#pragma once

#include <map>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "host/cli/failure.h"

namespace orca::host {

struct OptionSpec {
    std::string_view name;   // "--port"
    std::string_view alias;  // "-i", or empty
    bool takesValue = false;
};

struct Arguments {
    std::vector<std::string> positional;
    std::map<std::string, std::string, std::less<>> values;  // by the option's name
    bool help = false;                                       // --help or -h

    bool Has(std::string_view option) const { return values.contains(option); }
    // The option's value, or fallback when it was not given.
    std::string Value(std::string_view option, std::string_view fallback = {}) const;
};

// Refuses an option the command does not know and one without its value.
MaybeFailure ParseArguments(std::span<const std::string> args, std::span<const OptionSpec> options,
                            Arguments* out);

}  // namespace orca::host
