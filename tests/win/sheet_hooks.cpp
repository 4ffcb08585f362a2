// SPDX-License-Identifier: Apache-2.0
#include "sheet_hooks.h"

#include <algorithm>

namespace orca::wintest {

using namespace orca::plugin;
using driverhost::HostDevMode;

namespace {

constexpr unsigned kAddPropSheetPage = 1;  // CPSFUNC_ADD_PROPSHEETPAGEW

}  // namespace

long long AddSheetPage(void* pageList, unsigned function, intptr_t description, intptr_t) {
    if (function != kAddPropSheetPage || description == 0)
        return 0;
    auto& pages = *static_cast<std::vector<const void*>*>(pageList);
    pages.push_back(reinterpret_cast<const void*>(description));
    return static_cast<long long>(pages.size());
}

SheetHooks::SheetHooks(PluginObject object, std::u16string_view printer, bool documentSheet,
                       HostDevMode* records, bool handOver)
    : object_(std::move(object)), documentSheet_(documentSheet), printer_(printer) {
    opened_ =
        object_ != nullptr && printer_.Handle() != nullptr && Open(printer, records, handOver);
}

SheetHooks::~SheetHooks() {
    if (object_ != nullptr && added_) {
        PROPSHEETUI_INFO info = Info(PROPSHEETUI_REASON_DESTROY);
        Sheets(info);
    }
}

bool SheetHooks::Open(std::u16string_view printer, HostDevMode* records, bool handOver) {
    if (records != nullptr) {
        records_ = std::make_unique<HostDevMode>(records->PrivateSize());
        std::ranges::copy(records->Bytes(), records_->Bytes().begin());
    } else {
        if (!driverhost::DefaultRecords(object_.get(), printer_.Handle(), printer, &records_))
            return false;
        records_->Public()->dmCopies = 1;
    }
    if (object_->PublishDriverInterface(&driverUI_) != S_OK)
        return false;
    ui_ = driverhost::CommonUIParams(printer_.Handle(), *records_, items_.Items(), items_.Count());
    if (!handOver) {
        ui_.pPublicDM = nullptr;
        ui_.pOEMDM = nullptr;
    }
    return object_->CommonUIProp(documentSheet_ ? OEMCUIP_DOCPROP : OEMCUIP_PRNPROP, &ui_) == S_OK;
}

bool SheetHooks::AddPages(bool refused) {
    added_ = true;
    PROPSHEETUI_INFO info = Info(PROPSHEETUI_REASON_INIT);
    if (refused)
        info.pfnComPropSheet = [](HANDLE, UINT, LPARAM, LPARAM) -> LONG_PTR { return 0; };
    return Sheets(info) == S_OK && info.Result == pages_.size();
}

long SheetHooks::SheetHookCall(void* hooks, void* info, intptr_t lParam) {
    return static_cast<SheetHooks*>(hooks)->Sheets(*static_cast<PROPSHEETUI_INFO*>(info), lParam) ==
                   S_OK
               ? 1
               : -1;
}

PROPSHEETUI_INFO SheetHooks::Info(WORD reason) {
    PROPSHEETUI_INFO info{};
    info.cbSize = sizeof(info);
    info.Version = PROPSHEETUI_INFO_VERSION;
    info.Reason = reason;
    info.hComPropSheet = &pages_;
    info.pfnComPropSheet = [](HANDLE list, UINT function, LPARAM page, LPARAM second) {
        return static_cast<LONG_PTR>(AddSheetPage(list, function, page, second));
    };
    return info;
}

HRESULT SheetHooks::Sheets(PROPSHEETUI_INFO& info, LPARAM lParam) {
    return documentSheet_ ? object_->DocumentPropertySheets(&info, lParam)
                          : object_->DevicePropertySheets(&info, lParam);
}

}  // namespace orca::wintest
