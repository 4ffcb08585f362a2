// SPDX-License-Identifier: Apache-2.0
#include "host/sheet/sheet.h"

#include <algorithm>

#include "host/driver_host/host_sheets.h"
#include "host/sheet/control_names.h"
#include "host/sheet/find_entry.h"
#include "resources/window_styles.h"
#include "settings/byte_access.h"
#include "settings/field_ids.h"
#include "settings/field_map.h"
#include "text/nocase.h"
#include "text/utf.h"

namespace orca::host {
namespace {

using plugin::PROPSHEETUI_INFO;

struct SheetStyle {
    platform::Window (*create)(platform::sim::Desktop&, std::u16string_view printer);
    const std::vector<std::u16string>& (*hostTabs)();
    plugin::DWORD commonUIMode;
    plugin::HRESULT (plugin::IPrintOemUI2::*hook)(PROPSHEETUI_INFO*, plugin::LPARAM);
};

platform::Window CreatePrinterSheet(platform::sim::Desktop& desktop, std::u16string_view printer) {
    return driverhost::CreatePrinterSheet(desktop, printer);
}

// Indexed by SheetKind.
constexpr SheetStyle kStyles[] = {
    {driverhost::CreateDocumentSheet, driverhost::HostDocumentTabs, plugin::OEMCUIP_DOCPROP,
     &plugin::IPrintOemUI2::DocumentPropertySheets},
    {CreatePrinterSheet, driverhost::HostPrinterTabs, plugin::OEMCUIP_PRNPROP,
     &plugin::IPrintOemUI2::DevicePropertySheets},
};

constexpr int16_t kLandscape = 2;

const SheetStyle& StyleOf(SheetKind kind) {
    return kStyles[static_cast<int>(kind)];
}

std::string Joined(const std::vector<std::u16string>& titles) {
    std::string out;
    for (const std::u16string& title : titles)
        out += (out.empty() ? "\"" : ", \"") + text::Utf16ToUtf8(title) + "\"";
    return out;
}

}  // namespace

Sheet::~Sheet() {
    if (IsOpen())
        desktop_.Destroy(sheet_);
    if (host_ != nullptr) {
        PROPSHEETUI_INFO info = host_->Info(plugin::PROPSHEETUI_REASON_DESTROY);
        (printer_.Object()->*StyleOf(kind_).hook)(&info, 0);
    }
}

MaybeFailure Sheet::Open() {
    const SheetStyle& style = StyleOf(kind_);
    // The host's orientation option shows the record's orientation.
    const auto* orientation = settings::FindRow<settings::FieldRow>(settings::kPublicFields,
                                                                    settings::field::kOrientation);
    items_.Orientation().Sel =
        settings::LoadI16(printer_.Records().Bytes().data() + orientation->offset) == kLandscape;
    ui_ = driverhost::CommonUIParams(printer_.Printer(), printer_.Records(), items_.Items(),
                                     items_.Count());
    if (printer_.Object()->CommonUIProp(style.commonUIMode, &ui_) != plugin::S_OK)
        return Failure{kExitFailure, "the plug-in's CommonUIProp hook failed"};

    sheet_ = style.create(desktop_, printer_.Name());
    host_ = std::make_unique<driverhost::HostPropertySheet>(&desktop_, sheet_);
    PROPSHEETUI_INFO info = host_->Info(plugin::PROPSHEETUI_REASON_INIT);
    if ((printer_.Object()->*style.hook)(&info, 0) != plugin::S_OK)
        return Failure{kExitFailure, "the plug-in's property-sheet hook failed"};
    if (!desktop_.OpenSheet(sheet_, FirstPluginTab()))
        return Failure{kExitFailure, "the sheet cannot be opened"};
    return std::nullopt;
}

int Sheet::FirstPluginTab() const {
    const int hostTabs = static_cast<int>(StyleOf(kind_).hostTabs().size());
    return host_ == nullptr || host_->Pages().empty() ? 0 : hostTabs;
}

bool Sheet::IsOpen() const {
    return sheet_ != nullptr && desktop_.Exists(sheet_);
}

std::optional<int> Sheet::PageTab(std::span<const int> templates) const {
    const int tabs = static_cast<int>(TabTitles().size());
    for (int tab = FirstPluginTab(); tab < tabs; ++tab) {
        if (std::ranges::find(templates, desktop_.PageTemplate(sheet_, tab)) != templates.end())
            return tab;
    }
    return std::nullopt;
}

std::vector<std::u16string> Sheet::TabTitles() const {
    return IsOpen() ? driverhost::TabTitles(desktop_, sheet_) : std::vector<std::u16string>();
}

bool Sheet::HasUnappliedChanges() const {
    return IsOpen() && desktop_.IsEnabled(desktop_.Child(sheet_, resources::kSheetApplyId));
}

std::string Sheet::Render() const {
    return IsOpen() ? RenderWithNames(desktop_, sheet_) : "(the sheet is closed)\n";
}

MaybeFailure Sheet::SelectTab(std::string_view title) {
    const std::vector<std::u16string> titles = TabTitles();
    // "#N" is the Nth tab of the row, which a language switch does not move.
    const int found =
        FindEntry(title, static_cast<int>(titles.size()), [&titles](int i) { return titles[i]; });
    if (found < 0) {
        return Failure{kExitRefused,
                       "no tab \"" + std::string(title) + "\"; the tabs are " + Joined(titles)};
    }
    if (!driver_.SelectTab(sheet_, found))
        return Failure{kExitRefused, "the tab \"" + std::string(title) + "\" cannot be shown"};
    return std::nullopt;
}

MaybeFailure Sheet::Apply() {
    // Apply is disabled while nothing has changed: everything already holds.
    if (!HasUnappliedChanges())
        return std::nullopt;
    driver_.Apply(sheet_);
    if (HasUnappliedChanges())
        return Failure{kExitRefused, "a page refused to apply its changes"};
    return StoreRecords();
}

MaybeFailure Sheet::PressOk() {
    driver_.PressOk(sheet_);
    if (IsOpen())
        return Failure{kExitRefused, "a page refused to apply its changes; the sheet stays open"};
    return StoreRecords();
}

MaybeFailure Sheet::PressCancel() {
    driver_.PressCancel(sheet_);
    return std::nullopt;
}

MaybeFailure Sheet::StoreRecords() {
    if (kind_ != SheetKind::kDocument)
        return std::nullopt;
    return printer_.StoreRecords();
}

}  // namespace orca::host
