// SPDX-License-Identifier: Apache-2.0
// ORCAUI.dll's version resource, read as the system's file properties read
// it: the fixed version numbers and the version texts are the project's, the
// fourth part the release build's; the authors and the licence are named.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace orca::wintest {
namespace {

// The DLL's version data as the file's properties read it.
class DllVersionTest : public ::testing::Test {
protected:
    void SetUp() override {
        std::wstring path(ORCAUI_PATH,
                          ORCAUI_PATH + std::char_traits<char16_t>::length(ORCAUI_PATH));
        for (wchar_t& ch : path) {
            if (ch == L'/')
                ch = L'\\';
        }
        DWORD ignored = 0;
        info_.resize(GetFileVersionInfoSizeW(path.c_str(), &ignored));
        ASSERT_FALSE(info_.empty());
        ASSERT_TRUE(
            GetFileVersionInfoW(path.c_str(), 0, static_cast<DWORD>(info_.size()), info_.data()));
    }

    // The text of name in the English string table; empty when it is missing.
    std::wstring Text(const wchar_t* name) {
        const std::wstring key = std::wstring(L"\\StringFileInfo\\040904B0\\") + name;
        wchar_t* text = nullptr;
        UINT size = 0;
        if (!VerQueryValueW(info_.data(), key.c_str(), reinterpret_cast<void**>(&text), &size))
            return {};
        return text;
    }

    std::vector<char> info_;
};

TEST_F(DllVersionTest, TheFileVersionIsTheProjectsWithTheReleaseBuildLast) {
    VS_FIXEDFILEINFO* fixed = nullptr;
    UINT size = 0;
    ASSERT_TRUE(VerQueryValueW(info_.data(), L"\\", reinterpret_cast<void**>(&fixed), &size));
    EXPECT_EQ(fixed->dwFileVersionMS, MAKELONG(ORCA_VERSION_MINOR, ORCA_VERSION_MAJOR));
    EXPECT_EQ(fixed->dwFileVersionLS, MAKELONG(ORCA_RELEASE_BUILD, ORCA_VERSION_PATCH));
    EXPECT_EQ(fixed->dwFileType, static_cast<DWORD>(VFT_DLL));

    const std::wstring version(ORCA_VERSION_TEXT);
    EXPECT_EQ(Text(L"FileVersion"), version + L"." + std::to_wstring(ORCA_RELEASE_BUILD));
    EXPECT_EQ(Text(L"ProductVersion"), version);
}

TEST_F(DllVersionTest, TheTextsNameTheAuthorsAndTheLicence) {
    EXPECT_EQ(Text(L"CompanyName"), L"The ORCAUI authors");
    EXPECT_EQ(Text(L"LegalCopyright"), std::wstring(L"Copyright ") + ORCA_COPYRIGHT_TEXT +
                                           L". Licensed under the Apache License 2.0 (Apache-2.0).");
    EXPECT_EQ(Text(L"OriginalFilename"), L"ORCAUI.dll");
}

}  // namespace
}  // namespace orca::wintest
