// SPDX-License-Identifier: Apache-2.0
// Settings read and written through the printer object's value and data
// access: a single value in the width its field identifier fixes, or the
// bytes of a text or data field. index picks a font record (0 otherwise).
#pragma once

#include <cstdint>
#include <optional>

#include "pages/page_context.h"
#include "settings/field_id.h"

namespace orca::pages {

// The stored value, or none when it cannot be read.
template <typename T>
std::optional<T> TryReadSetting(PageContext& context, uint32_t fieldId, int index = 0) {
    T value{};
    if (context.AccessValue(fieldId, &value, index, true) != settings::kDone)
        return std::nullopt;
    return value;
}

// The stored value, or fallback when it cannot be read.
template <typename T>
T ReadSetting(PageContext& context, uint32_t fieldId, T fallback, int index = 0) {
    return TryReadSetting<T>(context, fieldId, index).value_or(fallback);
}

// Writes value; true when the field took it.
template <typename T>
[[nodiscard]] bool StoreSetting(PageContext& context, uint32_t fieldId, T value, int index = 0) {
    return context.AccessValue(fieldId, &value, index, false) == settings::kDone;
}

// Writes value when it differs from the stored one; true when it was written,
// which is when the sheet has a change to hear of.
template <typename T>
[[nodiscard]] bool StoreIfChanged(PageContext& context, uint32_t fieldId, T value, int index = 0) {
    return TryReadSetting<T>(context, fieldId, index) != value &&
           StoreSetting(context, fieldId, value, index);
}

// Writes value where the field takes it and leaves a field that refuses it as
// it was: for an import, which takes what the printer's block accepts, and
// for a choice the host's own item carries as well.
template <typename T>
void OfferSetting(PageContext& context, uint32_t fieldId, T value, int index = 0) {
    static_cast<void>(StoreSetting(context, fieldId, value, index));
}

// Reads length bytes of a text or data field; false when it cannot be read.
[[nodiscard]] inline bool ReadSettingBytes(PageContext& context, uint32_t fieldId, void* buffer,
                                           uint32_t length, int index = 0) {
    return context.AccessBytes(fieldId, buffer, length, index, true) == settings::kDone;
}

// Writes length bytes of a text or data field; true when the field took them.
[[nodiscard]] inline bool StoreSettingBytes(PageContext& context, uint32_t fieldId, void* buffer,
                                            uint32_t length, int index = 0) {
    return context.AccessBytes(fieldId, buffer, length, index, false) == settings::kDone;
}

// The bytes of a text or data field as OfferSetting offers a value.
inline void OfferSettingBytes(PageContext& context, uint32_t fieldId, void* buffer, uint32_t length,
                              int index = 0) {
    static_cast<void>(StoreSettingBytes(context, fieldId, buffer, length, index));
}

}  // namespace orca::pages
