// SPDX-License-Identifier: Apache-2.0
// A plain reading of the embedded language texts for the tests: sections in
// order with their keys and values in order.
#pragma once

#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace orca::resources::testing {

struct Entry {
    std::u16string key;
    std::u16string value;
};

struct Section {
    std::u16string name;
    std::vector<Entry> entries;
};

// The UTF-16LE text behind the byte-order mark.
std::u16string DecodeLanguageText(std::span<const std::byte> bytes);
std::vector<Section> ParseLanguageText(std::span<const std::byte> bytes);
// Upper-cased ASCII letters, as section and key names compare.
std::u16string Folded(std::u16string_view name);
// The value of key in section, or nullopt.
std::optional<std::u16string> Lookup(const std::vector<Section>& sections,
                                     std::u16string_view section, std::u16string_view key);

}  // namespace orca::resources::testing
