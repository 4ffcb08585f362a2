// SPDX-License-Identifier: Apache-2.0
// The driver kit's sample INF, read by the system's INF parser as Windows'
// installer reads it: the models section carries the x64 decoration, every
// section the INF names is there (but Unidrv's own, from the INF it
// includes), every file it copies ships in the release archive and has a
// source disk, the drivers are those of the model map, and the GPD files a
// data file includes are copied too.
#include <windows.h>

#include <setupapi.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>
#include <string>
#include <vector>

namespace orca::wintest {
namespace {

using Names = std::set<std::wstring>;

// The folder of the kit in the source tree, in Wine's drive Z:.
std::wstring KitPath(const std::wstring& file) {
    const std::string source = ORCA_SOURCE_DIR;
    std::wstring path =
        L"Z:" + std::wstring(source.begin(), source.end()) + L"/packaging/windows/" + file;
    for (wchar_t& ch : path) {
        if (ch == L'/')
            ch = L'\\';
    }
    return path;
}

// The files of the release archive, as the build lists them.
Names ReleaseFiles() {
    Names files;
    std::wistringstream list(ORCA_RELEASE_FILES);
    for (std::wstring name; std::getline(list, name, L',');)
        files.insert(name);
    return files;
}

// Lower case, as INF names compare.
std::wstring Lower(std::wstring text) {
    for (wchar_t& ch : text)
        ch = static_cast<wchar_t>(towlower(ch));
    return text;
}

class DriverKitInf : public ::testing::Test {
protected:
    void SetUp() override {
        UINT errorLine = 0;
        inf_ =
            SetupOpenInfFileW(KitPath(L"ORCAUI.inf").c_str(), nullptr, INF_STYLE_WIN4, &errorLine);
        ASSERT_NE(inf_, INVALID_HANDLE_VALUE) << "error on line " << errorLine;
    }
    void TearDown() override {
        if (inf_ != INVALID_HANDLE_VALUE)
            SetupCloseInfFile(inf_);
    }

    bool HasSection(const std::wstring& section) const {
        return SetupGetLineCountW(inf_, section.c_str()) >= 0;
    }

    // Field `field` of every line of the section (0: the key).
    std::vector<std::wstring> Fields(const std::wstring& section, DWORD field) const {
        std::vector<std::wstring> values;
        INFCONTEXT line;
        for (bool more = SetupFindFirstLineW(inf_, section.c_str(), nullptr, &line); more;
             more = SetupFindNextLine(&line, &line))
            values.push_back(Field(line, field));
        return values;
    }

    // The fields after "=" of the section's line with that key.
    std::vector<std::wstring> Values(const std::wstring& section, const wchar_t* key) const {
        std::vector<std::wstring> values;
        INFCONTEXT line;
        if (!SetupFindFirstLineW(inf_, section.c_str(), key, &line))
            return values;
        for (DWORD i = 1; i <= SetupGetFieldCount(&line); ++i)
            values.push_back(Field(line, i));
        return values;
    }

    // A line without a key ("file.dll") answers its first field for the key.
    static std::wstring Field(INFCONTEXT& line, DWORD field) {
        wchar_t text[512] = {};
        DWORD needed = 0;
        if (SetupGetStringFieldW(&line, field, text, 512, &needed) && text[0] != 0)
            return text;
        if (field == 0 && SetupGetStringFieldW(&line, 1, text, 512, &needed))
            return text;
        return {};
    }

    // The install sections of the models section's lines.
    std::vector<std::wstring> InstallSections() const {
        return Fields(L"LabelPrinters.NTamd64", 1);
    }

    // The files the install section copies: "@file" entries and the lines of
    // the file-list sections it names.
    Names CopiedFiles(const std::wstring& install) const {
        Names files;
        for (const std::wstring& entry : Values(install, L"CopyFiles")) {
            if (entry.starts_with(L"@")) {
                files.insert(entry.substr(1));
                continue;
            }
            EXPECT_TRUE(HasSection(entry)) << "no section [" << Narrow(entry) << "]";
            for (const std::wstring& file : Fields(entry, 0))
                files.insert(file);
        }
        return files;
    }

    static std::string Narrow(const std::wstring& text) {
        return std::string(text.begin(), text.end());
    }

    HINF inf_ = INVALID_HANDLE_VALUE;
};

TEST_F(DriverKitInf, NamesOnlySectionsItHasButUnidrvsOwn) {
    // The manufacturer's models section with the x64 decoration.
    const std::vector<std::wstring> manufacturer = Values(L"Manufacturer", nullptr);
    ASSERT_EQ(manufacturer.size(), 2u);
    EXPECT_EQ(manufacturer[1], L"NTamd64");
    EXPECT_TRUE(HasSection(manufacturer[0] + L".NTamd64"));

    const std::vector<std::wstring> installs = InstallSections();
    ASSERT_FALSE(installs.empty());
    for (const std::wstring& install : installs) {
        SCOPED_TRACE(Narrow(install));
        EXPECT_TRUE(HasSection(install));
        // Unidrv comes from the system's printer INF, with its own sections.
        EXPECT_EQ(Values(install, L"Include"), std::vector<std::wstring>{L"NTPRINT.INF"});
        EXPECT_EQ(Values(install, L"Needs"), std::vector<std::wstring>{L"UNIDRV.OEM"});
        EXPECT_EQ(Values(install, L"DataSection"), std::vector<std::wstring>{L"UNIDRV_DATA"});
        EXPECT_FALSE(CopiedFiles(install).empty());
    }
    for (const wchar_t* section :
         {L"Version", L"DestinationDirs", L"SourceDisksNames.amd64", L"SourceDisksFiles.amd64",
          L"PrinterPackageInstallation.amd64", L"Strings"})
        EXPECT_TRUE(HasSection(section)) << Narrow(section);
    EXPECT_EQ(Values(L"PrinterPackageInstallation.amd64", L"PackageAware"),
              std::vector<std::wstring>{L"TRUE"});
}

TEST_F(DriverKitInf, EveryFileItCopiesShipsWithASourceDisk) {
    const Names released = ReleaseFiles();
    const std::vector<std::wstring> sourceFiles = Fields(L"SourceDisksFiles.amd64", 0);
    const Names onDisk(sourceFiles.begin(), sourceFiles.end());
    for (const std::wstring& install : InstallSections()) {
        SCOPED_TRACE(Narrow(install));
        const Names copied = CopiedFiles(install);
        const std::vector<std::wstring> dataFile = Values(install, L"DataFile");
        ASSERT_EQ(dataFile.size(), 1u);
        EXPECT_TRUE(copied.contains(dataFile[0]));
        // The plug-in, its configuration file and the model map become
        // dependent files: copied, and neither data nor driver file.
        for (const wchar_t* dependent : {L"ORCAUI.dll", L"ORCAUI.ini", L"ORCAUI.lbpm"})
            EXPECT_TRUE(copied.contains(dependent)) << Narrow(dependent);
        for (const std::wstring& file : copied) {
            EXPECT_TRUE(released.contains(file)) << Narrow(file) << " is not in the archive";
            EXPECT_TRUE(onDisk.contains(file)) << Narrow(file) << " has no source disk";
        }
    }
}

// A GPD file's "*Include" files are read from the driver directory: the
// install section that copies the data file copies them too.
TEST_F(DriverKitInf, TheFilesADataFileIncludesAreCopied) {
    for (const std::wstring& install : InstallSections()) {
        const Names copied = CopiedFiles(install);
        const std::wstring dataFile = Values(install, L"DataFile").at(0);
        std::ifstream gpd(std::filesystem::path(KitPath(dataFile)), std::ios::binary);
        ASSERT_TRUE(gpd) << Narrow(dataFile);
        for (std::string line; std::getline(gpd, line);) {
            if (!line.starts_with("*Include:"))
                continue;
            const size_t open = line.find('"');
            const size_t close = line.rfind('"');
            ASSERT_LT(open, close) << line;
            const std::string included = line.substr(open + 1, close - open - 1);
            EXPECT_TRUE(copied.contains(std::wstring(included.begin(), included.end())))
                << Narrow(dataFile) << " includes " << included;
        }
    }
}

// The INF's driver names are the model map's, read as the plug-in reads it
// (a private-profile file); the driver names compare without case.
TEST_F(DriverKitInf, InstallsTheDriversOfTheModelMap) {
    std::vector<wchar_t> keys(8192);
    const DWORD length =
        GetPrivateProfileStringW(L"PrinterMap", nullptr, L"", keys.data(),
                                 static_cast<DWORD>(keys.size()), KitPath(L"ORCAUI.lbpm").c_str());
    Names mapped;
    for (const wchar_t* key = keys.data(); key < keys.data() + length && *key != 0;
         key += wcslen(key) + 1)
        mapped.insert(Lower(key));
    Names installed;
    for (const std::wstring& driver : Fields(L"LabelPrinters.NTamd64", 0))
        installed.insert(Lower(driver));
    EXPECT_EQ(installed, mapped);
    EXPECT_EQ(installed.size(), 15u);
}

}  // namespace
}  // namespace orca::wintest
