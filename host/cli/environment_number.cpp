// SPDX-License-Identifier: Apache-2.0
#include "host/cli/environment_number.h"

#include <cctype>
#include <charconv>
#include <cstdlib>
#include <string>
#include <string_view>

namespace orca::host {

MaybeFailure ReadEnvironmentNumber(const EnvironmentNumber& rule, uint64_t* value) {
    const char* set = std::getenv(rule.variable);
    if (set == nullptr || *set == '\0') {
        *value = rule.fallback;
        return std::nullopt;
    }
    const std::string_view text(set);
    const std::string range =
        std::to_string(rule.lowest) + " to " + std::to_string(rule.highest) + " " + rule.unit;
    bool digits = true;
    for (char ch : text)
        digits = digits && std::isdigit(static_cast<unsigned char>(ch)) != 0;
    uint64_t number = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), number);
    if (digits && (ec == std::errc::result_out_of_range || number > rule.highest)) {
        return Failure{kExitUsage, std::string(rule.variable) + " is too large: " + set +
                                       " (it takes " + range + ")"};
    }
    if (!digits || ec != std::errc() || end != text.data() + text.size() || number < rule.lowest) {
        return Failure{kExitUsage, std::string(rule.variable) + " must be a whole number from " +
                                       range + ", not \"" + set + "\""};
    }
    *value = number;
    return std::nullopt;
}

}  // namespace orca::host
