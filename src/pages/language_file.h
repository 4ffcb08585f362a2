// SPDX-License-Identifier: Apache-2.0
// The UI language files of one page or dialog: where they live, writing them
// from the embedded texts, and the lookups of control, item and message texts.
//
// Both files of a printer sit in the temporary directory, named after the
// printer: "<printer>_CN.ini" and "<printer>_EN.ini". Every page and dialog of
// the same printer, in any process, shares them. A page object writes both
// when it is made and deletes both when it goes; a page that finds its file
// missing writes it again.
#pragma once

#include <map>
#include <string>
#include <string_view>
#include <utility>

#include "text/file_path.h"

namespace orca::pages {

inline constexpr int kLanguageChinese = 0;
inline constexpr int kLanguageEnglish = 1;

// Values are read into the platform's 256-unit buffer: at most 255 units.
inline constexpr size_t kTextBufferSize = 256;

class CLanguageFile {
public:
    // Builds both paths and writes both files. The section name keeps its
    // first 255 units; an empty one makes every lookup empty.
    CLanguageFile(std::u16string_view section, std::u16string_view printerName, int language);
    // Deletes both files.
    ~CLanguageFile();
    CLanguageFile(const CLanguageFile&) = delete;
    CLanguageFile& operator=(const CLanguageFile&) = delete;

    const std::u16string& Section() const { return section_; }
    int Language() const { return language_; }
    // The file of a language; empty when the temporary directory and the
    // printer name leave no room for it.
    const std::u16string& Path(int language) const;

    // The value of key in this section of the current language's file; empty
    // when the file, section or key is missing.
    std::u16string Text(std::u16string_view key) const;
    // The text of a combo item, through the key remembered for it.
    std::u16string ItemText(int controlId, int itemValue) const;
    // Remembers the key of a combo item; a pair keeps the first key it got.
    void AddItemKey(int controlId, int itemValue, std::u16string key);

    // Makes language current (a code other than Chinese counts as English)
    // and writes its file again when it is missing.
    void SelectLanguage(int language);
    // Deletes both files, whoever else still reads them, and forgets the
    // item keys.
    void Destroy();

private:
    static constexpr int kLanguages = 2;

    std::u16string section_;
    std::u16string paths_[kLanguages];
    // The same paths as the INI module reads them, spelt out once.
    text::FilePath nativePaths_[kLanguages];
    int language_ = kLanguageEnglish;
    std::map<std::pair<int, int>, std::u16string> itemKeys_;
};

}  // namespace orca::pages
