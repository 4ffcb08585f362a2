// SPDX-License-Identifier: Apache-2.0
#include "pages/typed_number.h"

#include <charconv>
#include <limits>
#include <string>

namespace orca::pages {
namespace {

bool IsDigit(char16_t ch) {
    return ch >= u'0' && ch <= u'9';
}

// Skips leading blanks and takes the sign; true for "-".
bool TakeSign(std::u16string_view& text) {
    while (!text.empty() && text.front() == u' ') {
        text.remove_prefix(1);
    }
    const bool negative = !text.empty() && text.front() == u'-';
    if (!text.empty() && (text.front() == u'-' || text.front() == u'+')) {
        text.remove_prefix(1);
    }
    return negative;
}

}  // namespace

std::optional<double> LeadingDecimal(std::u16string_view text) {
    const bool negative = TakeSign(text);
    std::string number;
    bool point = false;
    bool digits = false;
    for (char16_t ch : text) {
        if (IsDigit(ch)) {
            digits = true;
        } else if (ch == u'.' && !point) {
            point = true;
        } else {
            break;
        }
        number.push_back(static_cast<char>(ch));
    }
    if (!digits) {
        return std::nullopt;
    }
    double value = 0.0;
    const auto [end, error] = std::from_chars(number.data(), number.data() + number.size(), value,
                                              std::chars_format::fixed);
    (void)end;
    if (error == std::errc::result_out_of_range) {
        // Too large, or so small it is no different from 0.
        const size_t whole = number.find('.');
        const bool large = number.substr(0, whole).find_first_not_of('0') != std::string::npos;
        value = large ? std::numeric_limits<double>::max() : 0.0;
    }
    return negative ? -value : value;
}

double ReadDecimal(std::u16string_view text) {
    return LeadingDecimal(text).value_or(0.0);
}

uint32_t ReadCount(std::u16string_view text) {
    const bool negative = TakeSign(text);
    uint64_t value = 0;
    for (char16_t ch : text) {
        if (!IsDigit(ch)) {
            break;
        }
        value = value * 10 + static_cast<uint64_t>(ch - u'0');
        if (value > std::numeric_limits<uint32_t>::max()) {
            value = std::numeric_limits<uint32_t>::max();
        }
    }
    return negative ? 0 : static_cast<uint32_t>(value);
}

}  // namespace orca::pages
