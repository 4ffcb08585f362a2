// SPDX-License-Identifier: Apache-2.0
// Numbers as a person types them into an edit: the leading number of the
// text, 0 when it starts with none, so any text reads as some number.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace orca::pages {

// A signed decimal number: blanks, an optional sign, digits with at most
// one point; no exponent, so "1e3" reads as 1, and no "nan" or "inf". A
// number too large for a double reads as the largest double of its sign.
// Nothing when the text starts with no number.
std::optional<double> LeadingDecimal(std::u16string_view text);
// The same, 0 when the text starts with no number.
double ReadDecimal(std::u16string_view text);

// A whole number: blanks, an optional sign, digits. A count cannot be
// negative, so a negative number reads as 0; one beyond 32 bits as the
// largest 32-bit count.
uint32_t ReadCount(std::u16string_view text);

}  // namespace orca::pages
