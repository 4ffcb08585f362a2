// SPDX-License-Identifier: Apache-2.0
#include "commands/command_set_base.h"

#include <cmath>
#include <limits>

#include "text/format.h"

namespace orca::commands {

CCommandSetBase::~CCommandSetBase() = default;

CCommandSetBase& CCommandSetBase::Fallback() {
    static CCommandSetBase fallback;
    return fallback;
}

int32_t CCommandSetBase::Send(std::string_view command) const {
    if (sink_context_ == nullptr || sink_write_ == nullptr)
        return kCommandNoSink;
    const auto* bytes = reinterpret_cast<const uint8_t*>(command.data());
    if (sink_write_(sink_context_, bytes, command.size()) < 0)
        return kCommandSinkFailed;
    return kCommandWritten;
}

int32_t CCommandSetBase::SendField(std::string prefix, uint32_t length, const uint8_t* data,
                                   std::string_view suffix) const {
    if (data == nullptr && length != 0)
        return kCommandOutOfRange;
    prefix.reserve(prefix.size() + length + suffix.size());
    if (length != 0)
        prefix.append(reinterpret_cast<const char*>(data), length);
    prefix.append(suffix);
    return Send(prefix);
}

int32_t CCommandSetBase::SendAdjustment(double mm, uint32_t dpi, double limit_mm, const char* lead,
                                        int digits, const char* trail) const {
    if (!(mm >= -limit_mm && mm <= limit_mm))
        return kCommandOutOfRange;
    const bool negative = mm < 0;
    const std::optional<int> dots = DotsOf(negative ? -mm : mm, dpi);
    if (!dots)
        return kCommandOutOfRange;
    return Send(text::Format("%s%s%0*d%s", lead, negative ? "-" : "", digits, *dots, trail));
}

std::optional<int> CCommandSetBase::DotsOf(double mm, uint32_t dpi) {
    const double dots = std::trunc(dpi / 25.4 * mm);
    // The negated test also refuses NaN.
    if (!(dots >= std::numeric_limits<int>::min() && dots <= std::numeric_limits<int>::max()))
        return std::nullopt;
    return static_cast<int>(dots);
}

}  // namespace orca::commands
