// SPDX-License-Identifier: Apache-2.0
// The bytes of an INI file split into lines, each decoded to UTF-16, with
// the byte range every line occupies so that a write can splice one line
// and leave the rest of the file untouched.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace orca::text::ini::detail {

enum class Encoding { kAnsi, kUtf16 };

struct Line {
    size_t begin;  // first byte of the text
    size_t end;    // first byte of the terminator; equals next when there is none
    size_t next;   // first byte of the following line
    std::u16string text;
};

struct Document {
    std::string bytes;  // a UTF-16 file's stray last byte is dropped
    Encoding encoding = Encoding::kAnsi;
    unsigned codePage = 0;
    std::vector<Line> lines;
};

Document LoadDocument(std::string bytes, unsigned codePage);

// Text in the document's encoding, ready to be spliced into its bytes.
std::string EncodeText(const Document& document, std::u16string_view text);

}  // namespace orca::text::ini::detail
