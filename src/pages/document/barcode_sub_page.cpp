#include "pages/document/barcode_sub_page.h"

#include "pages/document/barcode_dialog.h"

namespace orca::pages {

CBarcodeSubPage::CBarcodeSubPage(CDocDialog_BarCode& dialog,
                                 const resources::PageResource& resource,
                                 const TranslationRule& rule)
    : CPluginDialog(dialog.Settings(), resource, rule), dialog_(dialog) {}

}  // namespace orca::pages
