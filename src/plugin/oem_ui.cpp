// SPDX-License-Identifier: Apache-2.0
// COemUI: object life, binding to the printer, and the settings hooks.
#include "plugin/oem_ui.h"

#include "platform/errors.h"
#include "platform/platform.h"
#include "plugin/hook_errors.h"
#include "plugin/scoped_records.h"
#include "settings/byte_access.h"
#include "settings/field_ids.h"
#include "settings/dev_mode_language.h"
#include "settings/field_map.h"

namespace orca::plugin {

COemUI::~COemUI() {
    // Pages first: they use this object as their context until they go.
    for (auto& page : pages_)
        page.reset();
    if (driver_ != nullptr)
        driver_->Release();
    if (entry_ != nullptr)
        printers::CDeviceManager::Instance().ReleaseEntry(entry_);
}

printers::CPrinterImplBase& COemUI::Printer() const {
    if (entry_ == nullptr)
        return printers::CPrinterImpl_Null::Shared();
    return entry_->Printer();
}

void COemUI::AttachPrinter(HANDLE printer) {
    if (printer_ == nullptr)
        printer_ = static_cast<platform::PrinterHandle>(printer);
    if (entry_ != nullptr)
        return;
    platform::PrinterInfo2 info;
    if (!platform::ReadPrinterInfo2(*platform::Current().spooler, printer_, &info))
        return;
    fullPrinterName_ = info.printerName;
    printerName_ = fullPrinterName_.substr(0, kPrinterNameUnits);
    entry_ = printers::CDeviceManager::Instance().Register(fullPrinterName_, info.driverName);
}

HRESULT COemUI::GetInfo(DWORD mode, void* buffer, DWORD size, DWORD* needed) {
    if (needed == nullptr ||
        (mode != OEMGI_GETSIGNATURE && mode != OEMGI_GETVERSION && mode != OEMGI_GETPUBLISHERINFO))
        return FailWithLastError(platform::kErrorInvalidParameter);
    *needed = sizeof(DWORD);
    if (buffer == nullptr || size < sizeof(DWORD))
        return FailWithLastError(platform::kErrorInsufficientBuffer);
    auto* bytes = static_cast<uint8_t*>(buffer);
    switch (mode) {
        case OEMGI_GETSIGNATURE:
            settings::StoreU32(bytes, settings::kSignature);
            return S_OK;
        case OEMGI_GETVERSION:
            settings::StoreU32(bytes, settings::kVersion);
            return S_OK;
        default:  // publisher information
            *needed = 0;
            return FailWithLastError(platform::kErrorNotSupported);
    }
}

HRESULT COemUI::DevMode(DWORD mode, OEMDMPARAM* params) {
    return GuardedHook([&]() -> HRESULT {
        if (params == nullptr || mode < OEMDM_SIZE || mode > OEMDM_MERGE)
            return FailWithLastError(platform::kErrorInvalidParameter);
        AttachPrinter(params->hPrinter);
        printers::CPrinterImplBase& printer = Printer();
        const uint32_t privateSize = printer.Settings().GetPrivateSize();
        if (mode == OEMDM_SIZE) {
            params->cbBufSize = privateSize;
            return S_OK;
        }
        auto* privateOut = static_cast<uint8_t*>(params->pOEMDMOut);
        // A block is written whole: a host buffer too small for it is refused
        // rather than overrun.
        if (privateOut != nullptr && params->cbBufSize < privateSize)
            return FailWithLastError(platform::kErrorInsufficientBuffer);
        auto* publicIn = reinterpret_cast<uint8_t*>(params->pPublicDMIn);
        if (mode == OEMDM_DEFAULT) {
            // Without an output block there is nothing to default; the block
            // attached for the sheet is not the host's defaults block.
            if (privateOut == nullptr)
                return S_OK;
            const ScopedRecords records(printer, publicIn, privateOut);
            printer.SetModelDefaults();
            return S_OK;
        }
        auto* publicOut = reinterpret_cast<uint8_t*>(params->pPublicDMOut);
        const auto* privateIn = static_cast<const uint8_t*>(params->pOEMDMIn);
        if (publicIn != nullptr && publicOut != nullptr && privateIn != nullptr &&
            privateOut != nullptr)
            printer.Settings().ConvertBlock(
                publicIn, publicOut, settings::HostHeldBlock(publicIn, privateIn), privateOut);
        return S_OK;
    });
}

HRESULT COemUI::PublishDriverInterface(IUnknown* driver) {
    if (driver_ != nullptr)
        return S_OK;
    if (driver == nullptr)
        return E_FAIL;
    void* found = nullptr;
    if (driver->QueryInterface(kIidPrintOemDriverUI, &found) != S_OK || found == nullptr)
        return E_FAIL;
    driver_ = static_cast<IPrintOemDriverUI*>(found);
    return S_OK;
}

HRESULT COemUI::CommonUIProp(DWORD mode, OEMCUIPPARAM* params) {
    return GuardedHook([&]() -> HRESULT {
        if (params == nullptr || (mode != OEMCUIP_DOCPROP && mode != OEMCUIP_PRNPROP))
            return FailWithLastError(platform::kErrorInvalidParameter);
        AttachPrinter(params->hPrinter);
        printers::CPrinterImplBase& printer = Printer();
        printer.AttachPublicRecord(reinterpret_cast<uint8_t*>(params->pPublicDM));
        if (params->pOEMDM != nullptr)
            printer.AttachBlock(static_cast<uint8_t*>(params->pOEMDM));
        commonUI_ = params;
        return S_OK;
    });
}

HRESULT COemUI::QueryColorProfile(HANDLE, OEMUIOBJ*, DEVMODEW*, void*, ULONG queryMode,
                                  void* profileData, ULONG* profileSize, FLONG* profileFlags) {
    static constexpr char16_t kProfileName[] = u"OEMPROFILE.icm";
    static constexpr ULONG kProfileBytes = 32;
    static_assert(sizeof(kProfileName) <= kProfileBytes);
    if (queryMode != QCP_DEVICEPROFILE)
        return E_FAIL;
    if (profileSize == nullptr)
        return FailWithLastError(platform::kErrorInvalidParameter);
    if (profileData == nullptr || *profileSize < kProfileBytes) {
        *profileSize = kProfileBytes;
        return FailWithLastError(platform::kErrorInsufficientBuffer);
    }
    auto* bytes = static_cast<uint8_t*>(profileData);
    settings::ZeroBytes(bytes, kProfileBytes);
    for (size_t i = 0; kProfileName[i] != 0; ++i)
        settings::StoreU16(bytes + 2 * i, kProfileName[i]);
    *profileSize = kProfileBytes;
    if (profileFlags != nullptr)
        *profileFlags = QCP_PROFILEDISK;
    return S_OK;
}

HRESULT COemUI::DevQueryPrintEx(OEMUIOBJ*, DEVQUERYPRINT_INFO*, DEVMODEW*, void*) {
    return E_NOTIMPL;
}

HRESULT COemUI::UpgradePrinter(DWORD, BYTE*) {
    return E_NOTIMPL;
}

HRESULT COemUI::PrinterEvent(WCHAR*, INT, DWORD, LPARAM) {
    return E_NOTIMPL;
}

HRESULT COemUI::DriverEvent(DWORD, DWORD, BYTE*, LPARAM) {
    return E_NOTIMPL;
}

HRESULT COemUI::FontInstallerDlgProc(HWND, UINT, WPARAM, LPARAM) {
    return E_NOTIMPL;
}

HRESULT COemUI::UpdateExternalFonts(HANDLE, HANDLE, WCHAR*) {
    return E_NOTIMPL;
}

HRESULT COemUI::QueryJobAttributes(HANDLE, DEVMODEW*, DWORD, BYTE*) {
    return E_NOTIMPL;
}

HRESULT COemUI::HideStandardUI(DWORD) {
    return E_NOTIMPL;
}

HRESULT COemUI::DocumentEvent(HANDLE, HDC, INT, ULONG, void*, ULONG, void*, INT*) {
    return E_NOTIMPL;
}

int32_t COemUI::AccessValue(uint32_t fieldId, void* buffer, int index, bool get) {
    return Printer().AccessValue(fieldId, buffer, index, get);
}

int32_t COemUI::AccessBytes(uint32_t fieldId, void* buffer, uint32_t length, int index, bool get) {
    return Printer().AccessBytes(fieldId, buffer, static_cast<int32_t>(length), index, get);
}

int32_t COemUI::AddBarcodeFont() {
    return Printer().Settings().AddBarcodeFont();
}

int32_t COemUI::DeleteBarcodeFont(int32_t index) {
    return Printer().Settings().DeleteBarcodeFont(index);
}

int32_t COemUI::AddCMDFont() {
    return Printer().Settings().AddCMDFont();
}

int32_t COemUI::DeleteCMDFont(int32_t index) {
    return Printer().Settings().DeleteCMDFont(index);
}

// A printer whose settings hold no language (an unknown model) speaks the
// system's language, as a new block does.
int COemUI::GetUILanguage() {
    uint8_t language = 0;
    if (Printer().AccessValue(settings::field::kLanguage, &language, 0, true) != settings::kDone)
        return settings::DefaultUiLanguage();
    return language;
}

}  // namespace orca::plugin
