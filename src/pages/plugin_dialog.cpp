#include "pages/plugin_dialog.h"

#include "resources/dialog_template.h"

namespace orca::pages {

CPluginDialog::CPluginDialog(PageContext& context, const resources::PageResource& resource,
                             const TranslationRule& rule)
    : framework::Dialog(resources::FindDialogTemplate(resource.templateId)),
      context_(context),
      texts_(resource.section, context.PrinterName(), context.CurrentLanguage()),
      rule_(rule) {}

void CPluginDialog::TranslateInSheetLanguage() {
    texts_.SelectLanguage(context_.CurrentLanguage());
    TranslateControls(*this, texts_, rule_);
}

}  // namespace orca::pages
