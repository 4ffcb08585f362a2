// SPDX-License-Identifier: Apache-2.0
// ORCAUI.dll's version resource, read as the system's file properties read
// it: the fixed version numbers and the version texts are the project's, and
// the copyright text names the project's holder and licence.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace orca::wintest {
namespace {

TEST(DllVersionTest, TheVersionResourceCarriesTheProjectsVersionAndCopyright) {
    std::wstring path(ORCAUI_PATH, ORCAUI_PATH + std::char_traits<char16_t>::length(ORCAUI_PATH));
    for (wchar_t& ch : path) {
        if (ch == L'/')
            ch = L'\\';
    }
    DWORD ignored = 0;
    std::vector<char> info(GetFileVersionInfoSizeW(path.c_str(), &ignored));
    ASSERT_FALSE(info.empty());
    ASSERT_TRUE(GetFileVersionInfoW(path.c_str(), 0, static_cast<DWORD>(info.size()), info.data()));

    VS_FIXEDFILEINFO* fixed = nullptr;
    UINT size = 0;
    ASSERT_TRUE(VerQueryValueW(info.data(), L"\\", reinterpret_cast<void**>(&fixed), &size));
    EXPECT_EQ(fixed->dwFileVersionMS, MAKELONG(ORCA_VERSION_MINOR, ORCA_VERSION_MAJOR));
    EXPECT_EQ(fixed->dwFileVersionLS, MAKELONG(0, ORCA_VERSION_PATCH));
    EXPECT_EQ(fixed->dwFileType, static_cast<DWORD>(VFT_DLL));

    const struct {
        const wchar_t* name;
        std::wstring expected;
    } kTexts[] = {
        {L"FileVersion", ORCA_VERSION_TEXT},
        {L"ProductVersion", ORCA_VERSION_TEXT},
        {L"LegalCopyright", std::wstring(L"Copyright ") + ORCA_COPYRIGHT_TEXT +
                                L". Licensed under the Apache License 2.0."},
    };
    for (const auto& [name, expected] : kTexts) {
        const std::wstring key = std::wstring(L"\\StringFileInfo\\040904B0\\") + name;
        wchar_t* text = nullptr;
        ASSERT_TRUE(
            VerQueryValueW(info.data(), key.c_str(), reinterpret_cast<void**>(&text), &size))
            << "no " << std::string(key.begin(), key.end());
        EXPECT_EQ(std::wstring(text), expected);
    }
}

}  // namespace
}  // namespace orca::wintest
