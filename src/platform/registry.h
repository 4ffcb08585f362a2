// SPDX-License-Identifier: Apache-2.0
// Registry port: read access to keys under the local machine. Results are the
// platform's status codes (0 success), as the registry calls return them;
// the registry does not set the last error.
#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

namespace orca::platform {

// Opaque key handle; null is no key.
using RegistryKey = struct OpaqueRegistryKey*;

// Value types the system reads.
inline constexpr uint32_t kRegString = 1;
inline constexpr uint32_t kRegMultiString = 7;

class Registry {
public:
    virtual ~Registry() = default;

    // RegOpenKeyExW(HKEY_LOCAL_MACHINE, subKey, 0, KEY_READ, &key). Key names
    // compare without regard to letter case; a missing key answers 2.
    virtual int32_t OpenLocalMachineKey(std::u16string_view subKey, RegistryKey* key) = 0;
    // RegQueryValueExW into a buffer of bufferSize bytes. *type and *size
    // receive the value's type and byte size. A missing value answers 2; a
    // null data is the size query (answers 0); a buffer smaller than the
    // value answers 234 and *data is untouched. A string list
    // (kRegMultiString) is UTF-16LE names, each NUL-terminated, ending with
    // an empty name.
    virtual int32_t QueryValue(RegistryKey key, std::u16string_view valueName, uint32_t bufferSize,
                               uint32_t* type, std::vector<uint8_t>* data, uint32_t* size) = 0;
    // RegCloseKey. Unknown key: 6.
    virtual int32_t CloseKey(RegistryKey key) = 0;
};

}  // namespace orca::platform
