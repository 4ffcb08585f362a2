// SPDX-License-Identifier: Apache-2.0
// The base of every property page of the plug-in: its language file, its
// tab title, and the steps every page takes when it is shown.
#pragma once

#include <string_view>

#include "framework/property_page.h"
#include "pages/language_file.h"
#include "pages/page_context.h"
#include "pages/page_text.h"
#include "resources/page_resources.h"

namespace orca::pages {

class CPluginPage : public framework::PropertyPage {
public:
    ~CPluginPage() override;

    // A page sits in the document sheet unless told otherwise.
    void SetInDocumentSheet(bool inDocumentSheet) { inDocumentSheet_ = inDocumentSheet; }
    bool InDocumentSheet() const { return inDocumentSheet_; }

    // The page as a sheet takes it, null when its template is missing. From
    // then on until the page goes, a language applied re-labels its tab; tell
    // the page which sheet it sits in first.
    platform::PageHandle SheetHandle();

protected:
    // Writes the language files and takes the tab title from "WINDOW_TITLE"
    // in the sheet's language of this moment.
    CPluginPage(PageContext& context, const resources::PageResource& resource,
                const TranslationRule& rule);
    // The same for a page whose template is not one of the module's.
    CPluginPage(PageContext& context, const resources::DialogTemplate* dialog,
                std::u16string_view section, const TranslationRule& rule);

    PageContext& Context() const { return context_; }
    CLanguageFile& Texts() { return texts_; }
    const TranslationRule& Rule() const { return rule_; }

    // When shown: a document page becomes the sheet's last shown page; the
    // page takes the sheet's language (a printer-sheet page the stored
    // btLanguage), writing its file when missing; it refreshes itself and
    // translates its controls.
    void OnShown(bool shown) override;
    // Re-reads the settings and refills the controls.
    virtual void Refresh() {}
    // Gives the controls their texts; by default the page's rule.
    virtual void Translate();

private:
    int ShownLanguage() const;

    PageContext& context_;
    CLanguageFile texts_;
    TranslationRule rule_;
    std::u16string_view titleKey_;
    bool inDocumentSheet_ = true;
    platform::PageHandle sheetHandle_ = nullptr;
};

}  // namespace orca::pages
