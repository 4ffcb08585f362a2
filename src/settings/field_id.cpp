// SPDX-License-Identifier: Apache-2.0
#include "settings/field_id.h"

#include <cstring>

namespace orca::settings {

std::int32_t CopyValue(std::uint8_t* field, FieldId id, void* buffer, bool get) {
    const std::uint32_t width = FieldWidth(id);
    if (width == 0)
        return kNoWidth;
    if (buffer == nullptr)
        return kBadArgument;
    if (get)
        std::memcpy(buffer, field, width);
    else
        std::memcpy(field, buffer, width);
    return kDone;
}

std::int32_t CopyData(std::uint8_t* field, std::uint32_t fieldSize, void* buffer,
                      std::int32_t length, bool get) {
    if (length < 0)
        return kBadArgument;
    // The size rules come first, so a read with no buffer and length 0 asks for the size.
    const auto size = static_cast<std::int32_t>(fieldSize);
    if (get && length < size)
        return size;
    if (!get && length > size)
        return length;
    if (buffer == nullptr)
        return kBadArgument;
    if (get) {
        std::memcpy(buffer, field, fieldSize);
        return kDone;
    }
    std::memcpy(field, buffer, static_cast<std::size_t>(length));
    return kDone;
}

}  // namespace orca::settings
