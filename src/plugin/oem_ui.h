// SPDX-License-Identifier: Apache-2.0
// COemUI: the plug-in object. The host drives it through the 20 slots of
// IPrintOemUI2; its pages reach it as their shared context and through the
// services they declare. It binds itself to one printer at its first printer
// hook and keeps that binding until its last release. Without a binding it
// answers as for an unsupported printer.
#pragma once

#include <array>
#include <memory>
#include <string>
#include <vector>

#include "pages/dithering/dithering_page.h"
#include "pages/font_services.h"
#include "pages/option_services.h"
#include "pages/page_context.h"
#include "pages/plugin_page.h"
#include "platform/spooler.h"
#include "plugin/com_object.h"
#include "plugin/host_interfaces.h"
#include "plugin/host_process.h"
#include "plugin/page_factory.h"
#include "printers/device_manager.h"
#include "printers/printer_impl.h"

namespace orca::plugin {

// The printer name that keys the language files is cut to this many units;
// the printer is opened and told apart by its whole name.
inline constexpr size_t kPrinterNameUnits = 32;

class COemUI final : public ComObject<COemUI, IPrintOemUI2, kIidPrintOemUI2>,
                     public pages::PageContext,
                     public pages::OptionServices,
                     public pages::HostDitheringOption,
                     public pages::FontListServices,
                     public HostProcess {
public:
    COemUI() = default;
    ~COemUI() override;
    COemUI(const COemUI&) = delete;
    COemUI& operator=(const COemUI&) = delete;

    // IPrintOemUI2 after IUnknown.
    HRESULT GetInfo(DWORD mode, void* buffer, DWORD size, DWORD* needed) override;
    HRESULT DevMode(DWORD mode, OEMDMPARAM* params) override;
    HRESULT PublishDriverInterface(IUnknown* driver) override;
    HRESULT CommonUIProp(DWORD mode, OEMCUIPPARAM* params) override;
    HRESULT DocumentPropertySheets(PROPSHEETUI_INFO* sheet, LPARAM lParam) override;
    HRESULT DevicePropertySheets(PROPSHEETUI_INFO* sheet, LPARAM lParam) override;
    HRESULT DevQueryPrintEx(OEMUIOBJ* uiObject, DEVQUERYPRINT_INFO* query, DEVMODEW* publicRecord,
                            void* privateBlock) override;
    HRESULT DeviceCapabilities(OEMUIOBJ* uiObject, HANDLE printer, WCHAR* deviceName,
                               WORD capability, void* output, DEVMODEW* publicRecord,
                               void* privateBlock, DWORD oldResult, DWORD* result) override;
    HRESULT UpgradePrinter(DWORD level, BYTE* upgradeInfo) override;
    HRESULT PrinterEvent(WCHAR* printerName, INT event, DWORD flags, LPARAM lParam) override;
    HRESULT DriverEvent(DWORD event, DWORD level, BYTE* driverInfo, LPARAM lParam) override;
    HRESULT QueryColorProfile(HANDLE printer, OEMUIOBJ* uiObject, DEVMODEW* publicRecord,
                              void* privateBlock, ULONG queryMode, void* profileData,
                              ULONG* profileSize, FLONG* profileFlags) override;
    HRESULT FontInstallerDlgProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) override;
    HRESULT UpdateExternalFonts(HANDLE printer, HANDLE heap, WCHAR* cartridges) override;
    HRESULT QueryJobAttributes(HANDLE printer, DEVMODEW* devMode, DWORD level,
                               BYTE* attributeInfo) override;
    HRESULT HideStandardUI(DWORD mode) override;
    HRESULT DocumentEvent(HANDLE printer, HDC dc, INT escape, ULONG inSize, void* in, ULONG outSize,
                          void* out, INT* result) override;

    // Keeps the first printer handle and, once the spooler names the printer,
    // registers it with the device manager.
    void AttachPrinter(HANDLE printer);
    // Creates the page that the switch pageId selects into slot, unless the
    // slot holds one already; true when the slot holds a page.
    bool CreatePage(settings::FieldId pageId, PageSlot slot);

    // btLanguage of the printer's settings; 0 (Chinese) when it cannot be read.
    int GetUILanguage();
    // The printer handle of the first printer hook: the sheet's raw jobs go there.
    platform::PrinterHandle SheetPrinter() const { return printer_; }

    // HostProcess and pages::FontListServices.
    bool IsShellHost() override;

    // pages::FontListServices: the font lists of the attached block.
    int32_t AddBarcodeFont() override;
    int32_t DeleteBarcodeFont(int32_t index) override;
    int32_t AddCMDFont() override;
    int32_t DeleteCMDFont(int32_t index) override;

    // pages::PageContext.
    std::u16string_view PrinterName() const override { return printerName_; }
    std::u16string_view FullPrinterName() const override { return fullPrinterName_; }
    int CurrentLanguage() const override { return uiLanguage_; }
    void SetCurrentLanguage(int language) override { uiLanguage_ = language; }
    platform::Window LastShownDocumentPage() const override { return lastShownPage_; }
    void SetLastShownDocumentPage(platform::Window page) override { lastShownPage_ = page; }
    [[nodiscard]] int32_t AccessValue(uint32_t fieldId, void* buffer, int index, bool get) override;
    [[nodiscard]] int32_t AccessBytes(uint32_t fieldId, void* buffer, uint32_t length, int index,
                                      bool get) override;

    // pages::OptionServices.
    void BuildPaperList(std::vector<pages::PaperRecord>& list, bool customOnly) override;
    int ApplyPaperToPrinter(const pages::PaperRecord& paper) override;
    int SyncOrientation(int index, bool apply) override;
    int StoredPaperSize() override;
    std::u16string HostFormName() override;

    // pages::HostDitheringOption.
    void MirrorDithering(int choice) override;

private:
    // The bound printer object, or the shared unsupported printer.
    printers::CPrinterImplBase& Printer() const;
    // The document or printer sheet's frame around its list of pages.
    template <size_t N>
    HRESULT PropertySheets(PROPSHEETUI_INFO* sheet, LPARAM lParam,
                           const std::array<SheetPage, N>& sheetPages, bool documentSheet);
    // Gives the host's option item that selection, marks it changed and
    // tells the host.
    void UpdateHostItem(OPTITEM& item, int selection);

    std::array<std::unique_ptr<pages::CPluginPage>, kPageSlotCount> pages_;
    IPrintOemDriverUI* driver_ = nullptr;
    OEMCUIPPARAM* commonUI_ = nullptr;
    printers::CDeviceEntry* entry_ = nullptr;
    platform::PrinterHandle printer_ = nullptr;
    std::u16string printerName_;
    std::u16string fullPrinterName_;
    int uiLanguage_ = 0;
    platform::Window lastShownPage_ = nullptr;
};

}  // namespace orca::plugin
