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
    // A page sits in the document sheet unless told otherwise.
    void SetInDocumentSheet(bool inDocumentSheet) { inDocumentSheet_ = inDocumentSheet; }
    bool InDocumentSheet() const { return inDocumentSheet_; }

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
    bool inDocumentSheet_ = true;
};

}  // namespace orca::pages
