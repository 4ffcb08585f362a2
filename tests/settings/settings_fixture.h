// SPDX-License-Identifier: Apache-2.0
// Handlers, blocks and byte comparisons shared by the settings tests.
#pragma once

#include <cstdint>
#include <cstring>
#include <memory>
#include <utility>
#include <vector>

#include "settings/barcode_font.h"
#include "settings/byte_access.h"
#include "settings/cmd_font.h"
#include "settings/dev_mode_language.h"
#include "settings/expected_layout.h"
#include "support/sim_env.h"

namespace orca::settings::testing {

enum class Catalogue { Language, Plain };

// A handler wired as a printer model wires it.
inline std::unique_ptr<CDevModeLanguage> MakeHandler(const ExpectedLanguage& language,
                                                     Catalogue catalogue = Catalogue::Language) {
    const bool orca = language.size == kOrcaExpected.size;
    std::unique_ptr<CDevModeLanguage> handler;
    std::unique_ptr<settings::CBarCodeFontBase> fonts;
    if (orca) {
        handler = std::make_unique<CDevMode_ORCA>();
        fonts = std::make_unique<settings::CBarCodeFont_ORCA>(handler.get());
    } else {
        handler = std::make_unique<CDevMode_ONYX>();
        fonts = std::make_unique<settings::CBarCodeFont_ONYX>(handler.get());
    }
    if (catalogue == Catalogue::Plain)
        fonts = std::make_unique<settings::CBarCodeFontBase>(handler.get());
    handler->AdoptFontHandlers(std::move(fonts),
                               std::make_unique<settings::CCMDFontBase>(handler.get()));
    return handler;
}

inline std::vector<std::uint8_t> DefaultBlock(CDevModeBase& handler) {
    std::vector<std::uint8_t> block(handler.GetPrivateSize(), 0xCC);
    handler.SetDefaults(block.data());
    return block;
}

// The value stored at `at`, by width (8 bytes is a double).
inline double ValueAt(const std::uint8_t* at, std::uint32_t width) {
    switch (width) {
        case 1:
            return LoadU8(at);
        case 2:
            return LoadI16(at);
        case 4:
            return LoadU32(at);
        default:
            return LoadF64(at);
    }
}

// The span of bytes in which two equally long byte strings differ: {first, end}.
inline std::pair<std::size_t, std::size_t> Changed(const std::vector<std::uint8_t>& before,
                                                   const std::vector<std::uint8_t>& after) {
    std::size_t first = before.size();
    std::size_t end = 0;
    for (std::size_t i = 0; i < before.size(); ++i) {
        if (before[i] != after[i]) {
            first = std::min(first, i);
            end = i + 1;
        }
    }
    return {first, end};
}

// The bytes [at, at + count), as Changed() reports them.
inline std::pair<std::size_t, std::size_t> Bytes(std::size_t at, std::size_t count) {
    return {at, at + count};
}

// Distinct non-zero bytes that no default holds.
inline std::vector<std::uint8_t> Pattern(std::size_t size) {
    std::vector<std::uint8_t> bytes(size);
    for (std::size_t i = 0; i < size; ++i)
        bytes[i] = static_cast<std::uint8_t>(0xA1 + i % 0x50);
    return bytes;
}

inline std::u16string NameAt(const std::uint8_t* at) {
    std::u16string name;
    for (std::size_t i = 0; i < 40 && LoadU16(at + 2 * i) != 0; ++i)
        name.push_back(static_cast<char16_t>(LoadU16(at + 2 * i)));
    return name;
}

class LanguageTest : public testsupport::SimEnvTest,
                     public ::testing::WithParamInterface<const ExpectedLanguage*> {
protected:
    const ExpectedLanguage& Language() const { return *GetParam(); }
};

inline std::string LanguageName(const ::testing::TestParamInfo<const ExpectedLanguage*>& info) {
    return info.param->name;
}

#define ORCA_FOR_BOTH_LANGUAGES(Suite)                                                            \
    INSTANTIATE_TEST_SUITE_P(Languages, Suite, ::testing::Values(&kOrcaExpected, &kOnyxExpected), \
                             LanguageName)

}  // namespace orca::settings::testing
