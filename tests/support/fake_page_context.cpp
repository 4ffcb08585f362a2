// SPDX-License-Identifier: Apache-2.0
#include "fake_page_context.h"

#include <cstring>

namespace orca::testsupport {

int32_t FakePageContext::AccessValue(uint32_t fieldId, void* buffer, int, bool get) {
    if (get) {
        const auto found = byteFields.find(fieldId);
        if (found == byteFields.end()) {
            return -7;
        }
        std::memcpy(buffer, &found->second, 1);
        return 0;
    }
    uint8_t value = 0;
    std::memcpy(&value, buffer, 1);
    byteFields[fieldId] = value;
    writes.emplace_back(fieldId, value);
    return 0;
}

}  // namespace orca::testsupport
