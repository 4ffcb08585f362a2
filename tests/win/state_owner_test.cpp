// SPDX-License-Identifier: Apache-2.0
// The state directory's ownership rule on Windows, over the system's own
// owners and access lists: a folder the user made, and a file in it, are the
// user's alone, as is a folder the administrators or the system may write
// in; a folder whose list lets everyone add entries, or that has no list at
// all, is refused. Under Wine a file of the Unix user belongs to the Windows
// user, and an access list set on a file is kept as its Unix mode: only the
// user's and everyone's rights to read and write survive (a folder without a
// list comes back with an entry for everyone), so under Wine the entries for
// the administrators and the system show only that they are not refused.
// Rights such as changing the access, entries for a group, and an owner
// other than the user (which needs privileges Wine does not grant) are not
// tested.
#include <windows.h>
// aclapi.h needs windows.h first.
#include <aclapi.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "platform/sim/native_io.h"

namespace {

namespace fs = std::filesystem;
using orca::platform::sim::OwnedSafely;

class StateOwnerTest : public ::testing::Test {
protected:
    void SetUp() override {
        root_ = fs::temp_directory_path() / ("orca-owner-" + std::to_string(GetCurrentProcessId()));
        fs::remove_all(root_);
        ASSERT_TRUE(CreateDirectoryW(root_.c_str(), nullptr));
    }
    void TearDown() override {
        std::error_code ignored;
        fs::remove_all(root_, ignored);
    }

    // A new folder whose list is the inherited one plus an entry allowing the
    // well-known account the rights, or (null account) no list at all.
    fs::path FolderAllowing(const char* name, WELL_KNOWN_SID_TYPE account, DWORD rights,
                            bool noList = false) {
        const fs::path folder = root_ / name;
        EXPECT_TRUE(CreateDirectoryW(folder.c_str(), nullptr));
        PACL old = nullptr;
        PSECURITY_DESCRIPTOR descriptor = nullptr;
        EXPECT_EQ(GetNamedSecurityInfoW(folder.c_str(), SE_FILE_OBJECT, DACL_SECURITY_INFORMATION,
                                        nullptr, nullptr, &old, nullptr, &descriptor),
                  DWORD{ERROR_SUCCESS});
        BYTE sid[SECURITY_MAX_SID_SIZE];
        DWORD size = sizeof sid;
        EXPECT_TRUE(CreateWellKnownSid(account, nullptr, sid, &size));
        EXPLICIT_ACCESS_W allow{};
        allow.grfAccessPermissions = rights;
        allow.grfAccessMode = GRANT_ACCESS;
        allow.grfInheritance = NO_INHERITANCE;
        allow.Trustee.TrusteeForm = TRUSTEE_IS_SID;
        allow.Trustee.ptstrName = reinterpret_cast<LPWSTR>(sid);
        PACL list = nullptr;
        EXPECT_EQ(SetEntriesInAclW(1, &allow, old, &list), DWORD{ERROR_SUCCESS});
        EXPECT_EQ(
            SetNamedSecurityInfoW(const_cast<LPWSTR>(folder.c_str()), SE_FILE_OBJECT,
                                  DACL_SECURITY_INFORMATION | PROTECTED_DACL_SECURITY_INFORMATION,
                                  nullptr, nullptr, noList ? nullptr : list, nullptr),
            DWORD{ERROR_SUCCESS});
        LocalFree(list);
        LocalFree(descriptor);
        return folder;
    }

    fs::path root_;
};

TEST_F(StateOwnerTest, AFolderOnlyItsUserAdministratorsAndSystemMayWriteInIsSafe) {
    std::string why;
    EXPECT_TRUE(OwnedSafely(root_, &why)) << why;
    const fs::path file = root_ / "printers.ini";
    std::ofstream(file) << "[Printer1]\n";
    EXPECT_TRUE(OwnedSafely(file, &why)) << why;
    for (const auto account : {WinBuiltinAdministratorsSid, WinLocalSystemSid}) {
        const fs::path folder =
            FolderAllowing(("trusted-" + std::to_string(account)).c_str(), account, GENERIC_ALL);
        EXPECT_TRUE(OwnedSafely(folder, &why)) << why;
    }
    EXPECT_FALSE(OwnedSafely(root_ / "missing", &why));
}

TEST_F(StateOwnerTest, AFolderOthersMayWriteInIsRefusedWithTheReason) {
    struct Case {
        const char* name;
        WELL_KNOWN_SID_TYPE account;
        DWORD rights;
        bool noList;
        const char* reason;
    };
    const Case cases[] = {
        {"everyone-adds-files", WinWorldSid, FILE_ADD_FILE, false,
         "others may write in it (S-1-1-0)"},
        {"everyone-adds-folders", WinWorldSid, FILE_ADD_SUBDIRECTORY, false,
         "others may write in it (S-1-1-0)"},
        {"no-list", WinWorldSid, FILE_ADD_FILE, true, "others may write in it"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const fs::path folder = FolderAllowing(c.name, c.account, c.rights, c.noList);
        std::string why;
        EXPECT_FALSE(OwnedSafely(folder, &why));
        EXPECT_NE(why.find(c.reason), std::string::npos) << why;
    }
    // Reading only is no threat.
    std::string why;
    EXPECT_TRUE(OwnedSafely(FolderAllowing("everyone-reads", WinWorldSid, FILE_GENERIC_READ), &why))
        << why;
}

}  // namespace
