// SPDX-License-Identifier: Apache-2.0
#include "pages/font_names.h"

#include <algorithm>
#include <array>

#include "pages/setting_value.h"
#include "text/case_fold.h"

namespace orca::pages {
namespace {

constexpr uint8_t kCommandSetOnyx = 2;

constexpr uint32_t kNameBytes = 80;
constexpr size_t kNameUnits = kNameBytes / 2 - 1;  // and a terminating zero

// Where each font kind keeps its count and its names.
struct FontList {
    uint32_t countField;
    uint32_t nameField;
};
constexpr FontList kFontLists[] = {
    {2068, 44002},  // dwBarcodeCount, barcode-font Name
    {2069, 44003},  // dwCMDFontCount, command-font Name
};
constexpr int kMaxRecords = 32;

// Reserved as well: "font" and any one character more.
constexpr std::u16string_view kFontPrefix = u"font";

}  // namespace

std::span<const std::u16string_view> ReservedFontNames(uint8_t commandSet) {
    if (commandSet == kCommandSetOnyx) {
        return kReservedFontNamesOnyx;
    }
    return kReservedFontNamesOrca;
}

bool IsReservedFontName(std::u16string_view name, std::span<const std::u16string_view> reserved) {
    if (name.size() == kFontPrefix.size() + 1 &&
        text::EqualsIgnoringCase(name.substr(0, kFontPrefix.size()), kFontPrefix)) {
        return true;
    }
    return std::ranges::any_of(reserved, [name](std::u16string_view kept) {
        return text::EqualsIgnoringCase(name, kept);
    });
}

bool IsFontNameInUse(PageContext& context, std::u16string_view name) {
    for (const FontList& list : kFontLists) {
        const uint8_t count = ReadSetting<uint8_t>(context, list.countField, 0);
        for (int i = 0; i < std::min<int>(count, kMaxRecords); ++i) {
            std::u16string used;
            if (ReadFontName(context, list.nameField, i, used) &&
                text::EqualsIgnoringCase(used, name)) {
                return true;
            }
        }
    }
    return false;
}

FontNameVerdict CheckFontName(PageContext& context, std::u16string_view name,
                              std::u16string_view initialName,
                              std::span<const std::u16string_view> reserved) {
    if (name.empty()) {
        return FontNameVerdict::kEmpty;
    }
    if (name == initialName) {
        return FontNameVerdict::kAccepted;
    }
    if (IsReservedFontName(name, reserved) || IsFontNameInUse(context, name)) {
        return FontNameVerdict::kInUse;
    }
    return FontNameVerdict::kAccepted;
}

bool ReadFontName(PageContext& context, uint32_t nameField, int index, std::u16string& name) {
    std::array<uint8_t, kNameBytes> bytes{};
    if (!ReadSettingBytes(context, nameField, bytes.data(), kNameBytes, index)) {
        return false;
    }
    name.clear();
    for (size_t i = 0; i + 1 < bytes.size(); i += 2) {
        const auto unit = static_cast<char16_t>(bytes[i] | bytes[i + 1] << 8);
        if (unit == 0) {
            break;
        }
        name.push_back(unit);
    }
    return true;
}

bool WriteFontName(PageContext& context, uint32_t nameField, int index, std::u16string_view name) {
    std::array<uint8_t, kNameBytes> bytes{};
    size_t units = std::min(name.size(), kNameUnits);
    // A pair of surrogates is kept whole or not at all.
    if (units < name.size() && units > 0 && name[units - 1] >= 0xD800 && name[units - 1] < 0xDC00) {
        --units;
    }
    for (size_t i = 0; i < units; ++i) {
        bytes[2 * i] = static_cast<uint8_t>(name[i] & 0xFF);
        bytes[2 * i + 1] = static_cast<uint8_t>(name[i] >> 8);
    }
    return StoreSettingBytes(context, nameField, bytes.data(), kNameBytes, index);
}

}  // namespace orca::pages
