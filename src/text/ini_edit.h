// SPDX-License-Identifier: Apache-2.0
// The byte-level edit behind WriteString: which names and values a write
// accepts, and the file's bytes after it.
#pragma once

#include <span>
#include <string>
#include <string_view>

#include "text/ini_document.h"

namespace orca::text::ini::detail {

// Whether a write of these (already NUL-cut and space-trimmed) texts keeps the
// file readable and reads back as written.
bool AcceptsWrite(std::u16string_view section, std::u16string_view key, std::u16string_view value);

// The document's bytes with key=value written into section; the texts are accepted ones.
std::string ApplyWrite(const Document& document, std::u16string_view section,
                       std::u16string_view key, std::u16string_view value);

// A write of ApplyWrites; the texts are accepted ones.
struct Write {
    std::u16string_view section;
    std::u16string_view key;
    std::u16string_view value;
};

// The document's bytes after the writes in order, as ApplyWrite one by one
// would leave them.
std::string ApplyWrites(const Document& document, std::span<const Write> writes);

}  // namespace orca::text::ini::detail
