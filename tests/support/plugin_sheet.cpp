// SPDX-License-Identifier: Apache-2.0
#include "support/plugin_sheet.h"

#include <algorithm>
#include <utility>

#include "host/driver_host/host_sheets.h"
#include "resources/window_styles.h"

namespace orca::testsupport {

std::function<int(const Texts& titles)> TabTitled(std::vector<std::u16string_view> wanted) {
    return [wanted = std::move(wanted)](const Texts& titles) {
        const auto found = std::ranges::find_first_of(titles, wanted);
        return found == titles.end() ? -1 : static_cast<int>(found - titles.begin());
    };
}

int LastTab(const Texts& titles) {
    return static_cast<int>(titles.size()) - 1;
}

PluginSheet::PluginSheet(plugin::IPrintOemUI2* object, std::u16string_view printerName,
                         platform::sim::Desktop& desktop, const SheetOpening& opening)
    : desktop_(desktop), printer_(printerName) {
    opened_ = object != nullptr && Open(object, printerName, opening);
}

bool PluginSheet::Open(plugin::IPrintOemUI2* object, std::u16string_view printerName,
                       const SheetOpening& opening) {
    plugin::OEMDMPARAM size = driverhost::DevModeParams(printer_.Handle(), nullptr, nullptr);
    if (object->DevMode(plugin::OEMDM_SIZE, &size) != plugin::S_OK) {
        return false;
    }
    records_ = std::make_unique<driverhost::HostDevMode>(size.cbBufSize, printerName);
    plugin::OEMDMPARAM defaults =
        driverhost::DevModeParams(printer_.Handle(), nullptr, records_.get());
    defaults.pPublicDMIn = records_->Public();
    if (object->DevMode(plugin::OEMDM_DEFAULT, &defaults) != plugin::S_OK ||
        object->PublishDriverInterface(&driverUI_) != plugin::S_OK) {
        return false;
    }
    if (opening.prepare) {
        opening.prepare(*this);
    }
    ui_ = opening.hostItems ? driverhost::CommonUIParams(printer_.Handle(), *records_,
                                                         items_.Items(), items_.Count())
                            : driverhost::CommonUIParams(printer_.Handle(), *records_, nullptr, 0);
    const bool document = !opening.printerSheet;
    if (object->CommonUIProp(document ? plugin::OEMCUIP_DOCPROP : plugin::OEMCUIP_PRNPROP, &ui_) !=
        plugin::S_OK) {
        return false;
    }
    if (opening.beforePages) {
        opening.beforePages();
    }
    sheet_ = document ? driverhost::CreateDocumentSheet(desktop_, printerName)
                      : driverhost::CreatePrinterSheet(desktop_, printerName);
    driverhost::HostPropertySheet host(&desktop_, sheet_);
    plugin::PROPSHEETUI_INFO info = host.Info(plugin::PROPSHEETUI_REASON_INIT);
    const plugin::HRESULT added = document ? object->DocumentPropertySheets(&info, 0)
                                           : object->DevicePropertySheets(&info, 0);
    if (added != plugin::S_OK) {
        return false;
    }
    openedTab_ = opening.tab ? opening.tab(driverhost::TabTitles(desktop_, sheet_)) : 0;
    return openedTab_ >= 0 && desktop_.OpenSheet(sheet_, openedTab_);
}

bool PluginSheet::ApplyEnabled() const {
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
