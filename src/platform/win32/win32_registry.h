// SPDX-License-Identifier: Apache-2.0
// The registry port over advapi32.
#pragma once

#include "platform/registry.h"

namespace orca::platform::win32 {

class Win32Registry : public Registry {
public:
    int32_t OpenLocalMachineKey(std::u16string_view subKey, RegistryKey* key) override;
    int32_t QueryValue(RegistryKey key, std::u16string_view valueName, uint32_t bufferSize,
                       uint32_t* type, std::vector<uint8_t>* data, uint32_t* size) override;
    int32_t CloseKey(RegistryKey key) override;
};

}  // namespace orca::platform::win32
