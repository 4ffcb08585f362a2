// SPDX-License-Identifier: Apache-2.0
#include "text/format.h"

#include <cstdio>
#include <cstring>
#include <vector>

namespace orca::text {

std::string FormatV(const char* format, va_list args) {
    std::vector<char> buffer(256);
    for (;;) {
        va_list copy;
        va_copy(copy, args);
        int written = std::vsnprintf(buffer.data(), buffer.size(), format, copy);
        va_end(copy);
        if (written < 0)
            return {};
        if (static_cast<size_t>(written) < buffer.size())
            break;
        buffer.resize(buffer.size() * 2);
    }
    return std::string(buffer.data(), std::strlen(buffer.data()));
}

std::string Format(const char* format, ...) {
    va_list args;
    va_start(args, format);
    std::string result = FormatV(format, args);
    va_end(args);
    return result;
}

}  // namespace orca::text
