// SPDX-License-Identifier: Apache-2.0
#include "host/cups/job_language.h"

#include <algorithm>

namespace orca::host::cups {
namespace {

using printers::Language;

// The bytes a command of each language opens with: ORCA's caret and tilde
// commands and the DLE of its syntax reset; ONYX's STX and SOH.
constexpr std::string_view kOrcaOpenings = "^~\x10";
constexpr std::string_view kOnyxOpenings = "\x02\x01";

struct Signature {
    std::string_view bytes;
    std::string_view what;
};
constexpr Signature kKnownDocuments[] = {
    {"%PDF", "a PDF document"},       {"%!", "a PostScript document"}, {"\x89PNG", "a PNG image"},
    {"\xFF\xD8\xFF", "a JPEG image"}, {"GIF8", "a GIF image"},         {"RaS2", "a CUPS raster"},
};

std::string_view LanguageName(Language language) {
    return language == Language::Onyx ? "ONYX" : "ORCA";
}

std::string WhatItIs(std::string_view start, std::string_view contentType) {
    for (const Signature& known : kKnownDocuments) {
        if (start.starts_with(known.bytes))
            return std::string(known.what);
    }
    for (const Language other : {Language::Orca, Language::Onyx}) {
        const std::string_view openings = other == Language::Onyx ? kOnyxOpenings : kOrcaOpenings;
        if (!start.empty() && openings.find(start.front()) != std::string_view::npos)
            return "in " + std::string(LanguageName(other)) + " commands";
    }
    return contentType.empty() ? std::string("not label commands")
                               : "not label commands (" + std::string(contentType) + ")";
}

}  // namespace

std::optional<std::string> RefusalOf(std::string_view start, const printers::ModelRow& model,
                                     std::string_view contentType) {
    const size_t first = start.find_first_not_of(" \t\r\n");
    if (first == std::string_view::npos)
        return std::nullopt;
    start.remove_prefix(first);
    const std::string_view openings =
        model.language == Language::Onyx ? kOnyxOpenings : kOrcaOpenings;
    if (openings.find(start.front()) != std::string_view::npos)
        return std::nullopt;
    const std::string name(model.displayName.begin(), model.displayName.end());
    return name + " prints label commands in " + std::string(LanguageName(model.language)) +
           "; this job is " + WhatItIs(start, contentType) + " and was not printed";
}

}  // namespace orca::host::cups
