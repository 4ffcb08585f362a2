// SPDX-License-Identifier: Apache-2.0
// The plug-in object's part as pages see it, for page tests that run without
// the plug-in: one-byte settings in a map (a missing one cannot be read) and
// every write in order.
#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "pages/language_file.h"
#include "pages/page_context.h"

namespace orca::testsupport {

class FakePageContext : public pages::PageContext {
public:
    std::u16string printerName = u"Label1";
    int language = pages::kLanguageEnglish;
    platform::Window lastShown = nullptr;
    std::map<uint32_t, uint8_t> byteFields;
    std::vector<std::pair<uint32_t, uint8_t>> writes;

    std::u16string_view PrinterName() const override { return printerName; }
    int CurrentLanguage() const override { return language; }
    void SetCurrentLanguage(int code) override { language = code; }
    platform::Window LastShownDocumentPage() const override { return lastShown; }
    void SetLastShownDocumentPage(platform::Window page) override { lastShown = page; }
    int32_t AccessValue(uint32_t fieldId, void* buffer, int index, bool get) override;
    int32_t AccessBytes(uint32_t, void*, uint32_t, int, bool) override { return -7; }
};

}  // namespace orca::testsupport
