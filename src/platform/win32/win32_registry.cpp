// SPDX-License-Identifier: Apache-2.0
#include "platform/win32/win32_registry.h"

#include <windows.h>

#include <algorithm>

#include "platform/win32/wide_text.h"

namespace orca::platform::win32 {

namespace {

HKEY ToHkey(RegistryKey key) {
    return reinterpret_cast<HKEY>(key);
}

}  // namespace

int32_t Win32Registry::OpenLocalMachineKey(std::u16string_view subKey, RegistryKey* key) {
    HKEY opened = nullptr;
    const LSTATUS status =
        RegOpenKeyExW(HKEY_LOCAL_MACHINE, Wide(subKey).c_str(), 0, KEY_READ, &opened);
    if (key != nullptr)
        *key = status == ERROR_SUCCESS ? reinterpret_cast<RegistryKey>(opened) : nullptr;
    return status;
}

int32_t Win32Registry::QueryValue(RegistryKey key, std::u16string_view valueName,
                                  uint32_t bufferSize, uint32_t* type, std::vector<uint8_t>* data,
                                  uint32_t* size) {
    DWORD valueType = 0;
    DWORD valueSize = data != nullptr ? bufferSize : 0;
    // The call may write into the buffer before it finds it too small, so it
    // reads into a buffer of its own and *data changes only on success. The
    // buffer is never null, which would make the call a size query.
    std::vector<uint8_t> buffer(std::max<uint32_t>(bufferSize, 1));
    const LSTATUS status =
        RegQueryValueExW(ToHkey(key), Wide(valueName).c_str(), nullptr, &valueType,
                         data != nullptr ? buffer.data() : nullptr, &valueSize);
    if (type != nullptr)
        *type = valueType;
    if (size != nullptr)
        *size = valueSize;
    if (status == ERROR_SUCCESS && data != nullptr)
        data->assign(buffer.begin(), buffer.begin() + valueSize);
    return status;
}

int32_t Win32Registry::CloseKey(RegistryKey key) {
    return RegCloseKey(ToHkey(key));
}

}  // namespace orca::platform::win32
