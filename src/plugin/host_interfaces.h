// SPDX-License-Identifier: Apache-2.0
// The host's object interfaces in the COM layout: an object starts with a
// pointer to a table of function pointers, and the slots follow the order of
// declaration, IUnknown's three first. Members use the platform's default
// calling convention (on x64 Windows __stdcall is that convention too), and
// no interface has a destructor, which would add slots. Windows builds use
// them too: the cross toolchain has no driver-kit headers.
#pragma once

#include "plugin/host_records.h"
#include "plugin/host_types.h"

namespace orca::plugin {

struct IUnknown {
    virtual HRESULT QueryInterface(const IID& iid, void** out) = 0;
    virtual ULONG AddRef() = 0;
    virtual ULONG Release() = 0;
};

struct IClassFactory : IUnknown {
    virtual HRESULT CreateInstance(IUnknown* outer, const IID& iid, void** out) = 0;
    virtual HRESULT LockServer(BOOL lock) = 0;
};

// The user-interface plug-in interface: slots 3 to 19.
struct IPrintOemUI2 : IUnknown {
    virtual HRESULT GetInfo(DWORD mode, void* buffer, DWORD size, DWORD* needed) = 0;
    virtual HRESULT DevMode(DWORD mode, OEMDMPARAM* params) = 0;
    virtual HRESULT PublishDriverInterface(IUnknown* driver) = 0;
    virtual HRESULT CommonUIProp(DWORD mode, OEMCUIPPARAM* params) = 0;
    virtual HRESULT DocumentPropertySheets(PROPSHEETUI_INFO* sheet, LPARAM lParam) = 0;
    virtual HRESULT DevicePropertySheets(PROPSHEETUI_INFO* sheet, LPARAM lParam) = 0;
    virtual HRESULT DevQueryPrintEx(OEMUIOBJ* uiObject, DEVQUERYPRINT_INFO* query,
                                    DEVMODEW* publicRecord, void* privateBlock) = 0;
    virtual HRESULT DeviceCapabilities(OEMUIOBJ* uiObject, HANDLE printer, WCHAR* deviceName,
                                       WORD capability, void* output, DEVMODEW* publicRecord,
                                       void* privateBlock, DWORD oldResult, DWORD* result) = 0;
    virtual HRESULT UpgradePrinter(DWORD level, BYTE* upgradeInfo) = 0;
    virtual HRESULT PrinterEvent(WCHAR* printerName, INT event, DWORD flags, LPARAM lParam) = 0;
    virtual HRESULT DriverEvent(DWORD event, DWORD level, BYTE* driverInfo, LPARAM lParam) = 0;
    virtual HRESULT QueryColorProfile(HANDLE printer, OEMUIOBJ* uiObject, DEVMODEW* publicRecord,
                                      void* privateBlock, ULONG queryMode, void* profileData,
                                      ULONG* profileSize, FLONG* profileFlags) = 0;
    virtual HRESULT FontInstallerDlgProc(HWND window, UINT message, WPARAM wParam,
                                         LPARAM lParam) = 0;
    virtual HRESULT UpdateExternalFonts(HANDLE printer, HANDLE heap, WCHAR* cartridges) = 0;
    virtual HRESULT QueryJobAttributes(HANDLE printer, DEVMODEW* devMode, DWORD level,
                                       BYTE* attributeInfo) = 0;
    virtual HRESULT HideStandardUI(DWORD mode) = 0;
    virtual HRESULT DocumentEvent(HANDLE printer, HDC dc, INT escape, ULONG inSize, void* in,
                                  ULONG outSize, void* out, INT* result) = 0;
};

// The host's driver interface; DrvUpdateUISetting is slot 5.
struct IPrintOemDriverUI : IUnknown {
    virtual HRESULT DrvGetDriverSetting(void* uiObject, const char* feature, void* output,
                                        DWORD size, DWORD* needed, DWORD* optionsReturned) = 0;
    virtual HRESULT DrvUpgradeRegistrySetting(HANDLE printer, const char* feature,
                                              const char* option) = 0;
    virtual HRESULT DrvUpdateUISetting(void* uiObject, void* optionItem, DWORD previousSelection,
                                       DWORD mode) = 0;
};

}  // namespace orca::plugin

namespace orca::plugin {

inline constexpr IID kIidUnknown{
    0x00000000, 0x0000, 0x0000, {0xC0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46}};
inline constexpr IID kIidClassFactory{
    0x00000001, 0x0000, 0x0000, {0xC0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46}};
inline constexpr IID kIidPrintOemUI2{
    0x292515F9, 0xB54B, 0x489B, {0x92, 0x75, 0xBA, 0xB5, 0x68, 0x21, 0x39, 0x5E}};
inline constexpr IID kIidPrintOemDriverUI{
    0x92B05D50, 0x78BC, 0x11D1, {0x94, 0x80, 0x00, 0xA0, 0xC9, 0x06, 0x40, 0xB8}};
// The class the driver host asks DllGetClassObject for.
inline constexpr CLSID kClsidOemUI{
    0xABCE80D7, 0x9F46, 0x11D1, {0x88, 0x2A, 0x00, 0xC0, 0x4F, 0xB9, 0x61, 0xEC}};

}  // namespace orca::plugin
