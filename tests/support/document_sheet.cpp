#include "support/document_sheet.h"

#include "resources/window_styles.h"
#include "support/host_sheets.h"

namespace orca::testsupport {

HostDocumentSheet::HostDocumentSheet(plugin::IPrintOemUI2* object, std::u16string_view printerName,
                                     platform::sim::Desktop& desktop,
                                     const std::function<void(HostDevMode&)>& prepare)
    : desktop_(desktop), printer_(printerName) {
    opened_ = object != nullptr && Open(object, printerName, prepare);
}

bool HostDocumentSheet::Open(plugin::IPrintOemUI2* object, std::u16string_view printerName,
                             const std::function<void(HostDevMode&)>& prepare) {
    plugin::OEMDMPARAM size = DevModeParams(printer_.Handle(), nullptr, nullptr);
    if (object->DevMode(plugin::OEMDM_SIZE, &size) != plugin::S_OK) {
        return false;
    }
    records_ = std::make_unique<HostDevMode>(size.cbBufSize, printerName);
    plugin::OEMDMPARAM defaults = DevModeParams(printer_.Handle(), nullptr, records_.get());
    defaults.pPublicDMIn = records_->Public();
    if (object->DevMode(plugin::OEMDM_DEFAULT, &defaults) != plugin::S_OK ||
        object->PublishDriverInterface(&driverUI_) != plugin::S_OK) {
        return false;
    }
    if (prepare) {
        prepare(*records_);
    }
    ui_ = CommonUIParams(printer_.Handle(), *records_, items_.Items(), items_.Count());
    if (object->CommonUIProp(plugin::OEMCUIP_DOCPROP, &ui_) != plugin::S_OK) {
        return false;
    }
    sheet_ = CreateDocumentSheet(desktop_, printerName);
    HostPropertySheet host(&desktop_, sheet_);
    plugin::PROPSHEETUI_INFO info = host.Info(plugin::PROPSHEETUI_REASON_INIT);
    return object->DocumentPropertySheets(&info, 0) == plugin::S_OK &&
           desktop_.OpenSheet(sheet_, 0);
}

bool HostDocumentSheet::ApplyEnabled() const {
    return desktop_.IsEnabled(desktop_.Child(sheet_, resources::kSheetApplyId));
}

std::u16string ControlText(platform::sim::Desktop& desktop, platform::Window dialog,
                           int controlId) {
    return desktop.Text(desktop.Child(dialog, controlId));
}

bool ControlEnabled(platform::sim::Desktop& desktop, platform::Window dialog, int controlId) {
    return desktop.IsEnabled(desktop.Child(dialog, controlId));
}

Texts ItemTexts(platform::sim::Desktop& desktop, platform::Window dialog, int controlId) {
    const platform::Window list = desktop.Child(dialog, controlId);
    Texts items;
    for (int i = 0; i < desktop.ItemCount(list); ++i) {
        items.push_back(desktop.ItemText(list, i));
    }
    return items;
}

std::u16string SelectedItemText(platform::sim::Desktop& desktop, platform::Window dialog,
                                int controlId) {
    const platform::Window list = desktop.Child(dialog, controlId);
    const int selected = desktop.Selection(list);
    return selected < 0 ? u"" : desktop.ItemText(list, selected);
}

Texts MessageTexts(const platform::sim::Desktop& desktop) {
    Texts texts;
    for (const platform::sim::MessageRecord& message : desktop.Messages()) {
        texts.push_back(message.text);
    }
    return texts;
}

}  // namespace orca::testsupport
