// SPDX-License-Identifier: Apache-2.0
// COemUI: the property-sheet hooks and the page factory.
#include "platform/errors.h"
#include "plugin/hook_errors.h"
#include "plugin/oem_ui.h"

namespace orca::plugin {

namespace {

// The document sheet's title in the host's sheet-info header.
constexpr char16_t kSheetTitle[] = u"OEM UI Page";

}  // namespace

bool COemUI::CreatePage(settings::FieldId pageId, PageSlot slot) {
    std::unique_ptr<pages::CPluginPage>& page = pages_[static_cast<size_t>(slot)];
    if (page != nullptr)
        return true;
    const PageCreatorRow* creators = FindPageCreators(pageId);
    if (creators == nullptr)
        return false;
    uint8_t switchValue = 0;
    if (Printer().AccessValue(pageId, &switchValue, 0, true) != settings::kDone)
        switchValue = 0;
    page = CreateSwitchedPage(*creators, switchValue, *this);
    return page != nullptr;
}

template <size_t N>
HRESULT COemUI::PropertySheets(PROPSHEETUI_INFO* sheet, LPARAM lParam,
                               const std::array<SheetPage, N>& sheetPages, bool documentSheet) {
    return GuardedHook([&]() -> HRESULT {
        if (sheet == nullptr || sheet->Version != PROPSHEETUI_INFO_VERSION)
            return FailWithLastError(platform::kErrorInvalidParameter);
        switch (sheet->Reason) {
            case PROPSHEETUI_REASON_INIT: {
                if (sheet->pfnComPropSheet == nullptr)
                    return FailWithLastError(platform::kErrorInvalidParameter);
                uiLanguage_ = GetUILanguage();
                LONG_PTR added = 0;
                for (const SheetPage& entry : sheetPages) {
                    if (!CreatePage(entry.pageSwitch, entry.slot))
                        continue;
                    pages::CPluginPage& page = *pages_[static_cast<size_t>(entry.slot)];
                    page.SetInDocumentSheet(documentSheet);
                    // The host copies the page's description and makes its own page.
                    if (page.SheetHandle() == nullptr)
                        continue;
                    added = sheet->pfnComPropSheet(sheet->hComPropSheet, CPSFUNC_ADD_PROPSHEETPAGEW,
                                                   reinterpret_cast<LPARAM>(page.Description()), 0);
                }
                sheet->Result = static_cast<ULONG_PTR>(added);
                break;
            }
            case PROPSHEETUI_REASON_GET_INFO_HEADER: {
                auto* header = reinterpret_cast<PROPSHEETUI_INFO_HEADER*>(lParam);
                if (header != nullptr)
                    header->pTitle = reinterpret_cast<WCHAR*>(const_cast<char16_t*>(kSheetTitle));
                sheet->Result = header != nullptr ? 1 : 0;
                break;
            }
            case PROPSHEETUI_REASON_DESTROY:
                for (const SheetPage& entry : sheetPages)
                    pages_[static_cast<size_t>(entry.slot)].reset();
                sheet->Result = 1;
                break;
            case PROPSHEETUI_REASON_SET_RESULT: {
                const auto* result = reinterpret_cast<const SETRESULT_INFO*>(lParam);
                sheet->Result = result != nullptr ? static_cast<ULONG_PTR>(result->Result) : 0;
                break;
            }
            default:
                sheet->Result = 0;
                break;
        }
        return S_OK;
    });
}

HRESULT COemUI::DocumentPropertySheets(PROPSHEETUI_INFO* sheet, LPARAM lParam) {
    return PropertySheets(sheet, lParam, kDocumentSheetPages, true);
}

HRESULT COemUI::DevicePropertySheets(PROPSHEETUI_INFO* sheet, LPARAM lParam) {
    return PropertySheets(sheet, lParam, kPrinterSheetPages, false);
}

}  // namespace orca::plugin
