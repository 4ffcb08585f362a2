// SPDX-License-Identifier: Apache-2.0
// The driver host's scalar types, handles, GUIDs and result codes. They keep
// the Windows x64 widths on every platform: LONG, DWORD, ULONG, HRESULT and
// BOOL are 32 bits, WCHAR is a UTF-16 unit, pointers and handles are 64 bits.
// Windows builds use them too, so no translation unit of the plug-in includes
// the SDK's headers (whose result codes and capability numbers are macros).
#pragma once

#include <cstdint>

namespace orca::plugin {

using BYTE = std::uint8_t;
using WORD = std::uint16_t;
using DWORD = std::uint32_t;
using LONG = std::int32_t;
using ULONG = std::uint32_t;
using FLONG = ULONG;
using INT = std::int32_t;
using UINT = std::uint32_t;
using BOOL = std::int32_t;
using HRESULT = std::int32_t;
using WCHAR = char16_t;
using LONG_PTR = std::intptr_t;
using ULONG_PTR = std::uintptr_t;
using LPARAM = LONG_PTR;
using WPARAM = ULONG_PTR;
using LRESULT = LONG_PTR;
using HANDLE = void*;
using HWND = struct HWND__*;
using HDC = struct HDC__*;

struct GUID {
    std::uint32_t Data1;
    std::uint16_t Data2;
    std::uint16_t Data3;
    std::uint8_t Data4[8];
};
using IID = GUID;
using CLSID = GUID;

static_assert(sizeof(GUID) == 16);
static_assert(sizeof(void*) == 8 && sizeof(HANDLE) == 8, "the host ABI is the 64-bit one");

// Result codes, with the platform's values.
inline constexpr HRESULT S_OK = 0;
inline constexpr HRESULT S_FALSE = 1;
inline constexpr HRESULT E_NOTIMPL = static_cast<HRESULT>(0x80004001u);
inline constexpr HRESULT E_NOINTERFACE = static_cast<HRESULT>(0x80004002u);
inline constexpr HRESULT E_POINTER = static_cast<HRESULT>(0x80004003u);
inline constexpr HRESULT E_FAIL = static_cast<HRESULT>(0x80004005u);
inline constexpr HRESULT E_OUTOFMEMORY = static_cast<HRESULT>(0x8007000Eu);
inline constexpr HRESULT CLASS_E_NOAGGREGATION = static_cast<HRESULT>(0x80040110u);
inline constexpr HRESULT CLASS_E_CLASSNOTAVAILABLE = static_cast<HRESULT>(0x80040111u);

}  // namespace orca::plugin

namespace orca::plugin {

constexpr bool SameGuid(const GUID& a, const GUID& b) {
    if (a.Data1 != b.Data1 || a.Data2 != b.Data2 || a.Data3 != b.Data3)
        return false;
    for (int i = 0; i < 8; ++i) {
        if (a.Data4[i] != b.Data4[i])
            return false;
    }
    return true;
}

}  // namespace orca::plugin
