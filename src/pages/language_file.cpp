// SPDX-License-Identifier: Apache-2.0
#include "pages/language_file.h"

#include <algorithm>
#include <cstdint>
#include <span>

#include "platform/exception_barrier.h"
#include "platform/file_names.h"
#include "platform/files.h"
#include "platform/platform.h"
#include "resources/language_text.h"
#include "text/ini.h"
#include "text/utf.h"

namespace orca::pages {
namespace {

constexpr size_t kMaxSectionLength = 255;
constexpr size_t kMaxPathLength = platform::kMaxPath - 1;
// GetTempPathW's customary buffer: the longest path and its terminator.
constexpr uint32_t kTempPathBuffer = platform::kMaxPath + 1;

constexpr std::u16string_view kSuffixes[] = {u"_CN.ini", u"_EN.ini"};
constexpr int kResources[] = {resources::kLanguageTextChinese, resources::kLanguageTextEnglish};

int ValidLanguage(int language) {
    return language == kLanguageChinese ? kLanguageChinese : kLanguageEnglish;
}

// The printer name as one file name: separators, drive and stream colons,
// the characters file names cannot hold and control characters become '_',
// so no name (not even "..\..\x") reaches outside the temporary directory.
std::u16string FileNamePart(std::u16string_view printerName) {
    std::u16string name(printerName);
    constexpr std::u16string_view kRefused = u"\\/:*?\"<>|";
    for (char16_t& c : name) {
        if (c < 0x20 || kRefused.find(c) != kRefused.npos) {
            c = u'_';
        }
    }
    return name;
}

platform::Files* FilePort() {
    return platform::Current().files;
}

void WriteFromResource(const std::u16string& path, int resourceId) {
    platform::Files* files = FilePort();
    if (path.empty() || files == nullptr) {
        return;
    }
    const std::span<const std::byte> text = resources::LanguageText(resourceId);
    files->WriteNewFile(path, {reinterpret_cast<const uint8_t*>(text.data()), text.size()});
}

}  // namespace

CLanguageFile::CLanguageFile(std::u16string_view section, std::u16string_view printerName,
                             int language)
    : section_(section.substr(0, kMaxSectionLength)), language_(ValidLanguage(language)) {
    platform::Files* files = FilePort();
    std::u16string directory;
    const uint32_t length =
        files != nullptr ? files->TempDirectory(&directory, kTempPathBuffer) : 0;
    if (length != 0 && length < kTempPathBuffer) {
        // The English path is the Chinese one with its suffix swapped; the
        // swap looks only at the file name, never at the directory.
        const std::u16string name = FileNamePart(printerName);
        const std::u16string chinese = directory + name + std::u16string(kSuffixes[0]);
        const size_t cut = directory.size() + chinese.substr(directory.size()).find(kSuffixes[0]);
        const std::u16string english = chinese.substr(0, cut) + std::u16string(kSuffixes[1]);
        if (std::max(chinese.size(), english.size()) <= kMaxPathLength) {
            paths_[kLanguageChinese] = chinese;
            paths_[kLanguageEnglish] = english;
        }
    }
    for (int code = 0; code < kLanguages; ++code) {
        if (!paths_[code].empty()) {
            nativePaths_[code] = files->NativePath(paths_[code]);
        }
        WriteFromResource(paths_[code], kResources[code]);
    }
}

CLanguageFile::~CLanguageFile() {
    Destroy();
}

const std::u16string& CLanguageFile::Path(int language) const {
    return paths_[ValidLanguage(language)];
}

std::u16string CLanguageFile::Text(std::u16string_view key) const {
    const text::FilePath& path = nativePaths_[language_];
    if (section_.empty() || key.empty() || path.empty()) {
        return {};
    }
    // The files are UTF-16, so the code page plays no part.
    return text::ini::ReadString(path, section_, key, u"", kTextBufferSize, text::kCodePageWestern);
}

std::u16string CLanguageFile::ItemText(int controlId, int itemValue) const {
    const auto found = itemKeys_.find({controlId, itemValue});
    return found != itemKeys_.end() ? Text(found->second) : std::u16string();
}

void CLanguageFile::AddItemKey(int controlId, int itemValue, std::u16string key) {
    itemKeys_.try_emplace({controlId, itemValue}, std::move(key));
}

void CLanguageFile::SelectLanguage(int language) {
    language_ = ValidLanguage(language);
    platform::Files* files = FilePort();
    const std::u16string& path = paths_[language_];
    if (!path.empty() && files != nullptr && !files->Exists(path)) {
        WriteFromResource(path, kResources[language_]);
    }
}

void CLanguageFile::Destroy() {
    platform::Files* files = FilePort();
    for (const std::u16string& path : paths_) {
        // Destroy runs from the destructor too, where nothing may throw: a
        // file that memory is short to remove now is left behind.
        if (!path.empty() && files != nullptr) {
            platform::Contained([&] { files->Remove(path); });
        }
    }
    itemKeys_.clear();
}

}  // namespace orca::pages
