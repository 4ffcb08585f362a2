// SPDX-License-Identifier: Apache-2.0
#include "host/output/text_table.h"

#include <algorithm>
#include <span>

#include "text/utf.h"

namespace orca::host {
namespace {

struct CodeRange {
    char32_t first;
    char32_t last;
};

// Combining marks: they sit on the character before them.
constexpr CodeRange kZeroWidth[] = {
    {0x0300, 0x036F}, {0x0483, 0x0489}, {0x0591, 0x05BD}, {0x0610, 0x061A}, {0x064B, 0x065F},
    {0x0E31, 0x0E31}, {0x0E34, 0x0E3A}, {0x1AB0, 0x1AFF}, {0x1DC0, 0x1DFF}, {0x200B, 0x200F},
    {0x20D0, 0x20FF}, {0xFE00, 0xFE0F}, {0xFE20, 0xFE2F},
};

// East Asian wide and full-width characters.
constexpr CodeRange kDoubleWidth[] = {
    {0x1100, 0x115F}, {0x2E80, 0x303E},   {0x3041, 0x33FF},   {0x3400, 0x4DBF},   {0x4E00, 0x9FFF},
    {0xA000, 0xA4CF}, {0xAC00, 0xD7A3},   {0xF900, 0xFAFF},   {0xFE30, 0xFE4F},   {0xFF00, 0xFF60},
    {0xFFE0, 0xFFE6}, {0x1F300, 0x1F64F}, {0x1F900, 0x1F9FF}, {0x20000, 0x3FFFD},
};

bool In(std::span<const CodeRange> ranges, char32_t c) {
    return std::ranges::any_of(ranges,
                               [c](const CodeRange& r) { return c >= r.first && c <= r.last; });
}

}  // namespace

size_t DisplayWidth(std::string_view text) {
    const std::u16string units = text::Utf8ToUtf16(text);
    size_t width = 0;
    for (size_t i = 0; i < units.size(); ++i) {
        char32_t c = units[i];
        if (c >= 0xD800 && c < 0xDC00 && i + 1 < units.size()) {
            c = 0x10000 + ((c - 0xD800) << 10) + (units[i + 1] - 0xDC00);
            ++i;
        }
        width += In(kZeroWidth, c) ? 0 : In(kDoubleWidth, c) ? 2 : 1;
    }
    return width;
}

std::string AlignedTable(const std::vector<std::vector<std::string>>& rows) {
    std::vector<size_t> widths;
    for (const auto& row : rows) {
        widths.resize(std::max(widths.size(), row.size()));
        for (size_t c = 0; c < row.size(); ++c)
            widths[c] = std::max(widths[c], DisplayWidth(row[c]));
    }
    std::string out;
    for (const auto& row : rows) {
        for (size_t c = 0; c < row.size(); ++c) {
            out += row[c];
            if (c + 1 < row.size())
                out += std::string(widths[c] - DisplayWidth(row[c]) + 2, ' ');
        }
        out += "\n";
    }
    return out;
}

}  // namespace orca::host
