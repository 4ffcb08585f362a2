// SPDX-License-Identifier: Apache-2.0
#include "host/cli/arguments.h"

#include <algorithm>

namespace orca::host {

std::string Arguments::Value(std::string_view option, std::string_view fallback) const {
    const auto found = values.find(option);
    return found != values.end() ? found->second : std::string(fallback);
}

MaybeFailure ParseArguments(std::span<const std::string> args, std::span<const OptionSpec> options,
                            Arguments* out) {
    bool optionsEnded = false;
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (optionsEnded || arg.size() < 2 || arg[0] != '-') {
            out->positional.push_back(arg);
            continue;
        }
        if (arg == "--") {
            optionsEnded = true;
            continue;
        }
        if (arg == "--help" || arg == "-h") {
            out->help = true;
            continue;
        }
        const size_t equals = arg.find('=');
        const std::string_view name = std::string_view(arg).substr(0, equals);
        const auto option = std::ranges::find_if(options, [name](const OptionSpec& o) {
            return o.name == name || (!o.alias.empty() && o.alias == name);
        });
        if (option == options.end())
            return Failure{kExitUsage, "unknown option " + std::string(name)};
        const std::string key(option->name);
        if (!option->takesValue) {
            if (equals != std::string::npos)
                return Failure{kExitUsage, key + " takes no value"};
            out->values[key] = "";
        } else if (equals != std::string::npos) {
            out->values[key] = arg.substr(equals + 1);
        } else if (i + 1 < args.size()) {
            out->values[key] = args[++i];
        } else {
            return Failure{kExitUsage, key + " needs a value"};
        }
    }
    return std::nullopt;
}

}  // namespace orca::host
