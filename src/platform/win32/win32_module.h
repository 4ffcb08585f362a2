// SPDX-License-Identifier: Apache-2.0
// The module this code is linked into: ORCAUI.dll in a host, the program
// itself in a test that links the adapters directly.
#pragma once

#include <windows.h>

namespace orca::platform::win32 {

inline HINSTANCE ModuleInstance() {
    HMODULE module = nullptr;
    GetModuleHandleExW(
        GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
        reinterpret_cast<LPCWSTR>(&ModuleInstance), &module);
    return module;
}

}  // namespace orca::platform::win32
