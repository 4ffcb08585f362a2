// SPDX-License-Identifier: Apache-2.0
#include "host/driver_host/driver_host.h"

#include <dlfcn.h>

#include "platform/platform.h"

namespace orca::driverhost {

using namespace orca::plugin;

namespace {

std::string LoaderError() {
    const char* error = dlerror();
    return error != nullptr ? error : "unknown loader error";
}

}  // namespace

PluginLibrary::PluginLibrary(const std::string& path) {
    handle_ = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (handle_ == nullptr) {
        error_ = LoaderError();
        return;
    }
    getClassObject_ =
        reinterpret_cast<DllGetClassObjectFunction>(dlsym(handle_, kDllGetClassObjectName));
    canUnloadNow_ = reinterpret_cast<DllCanUnloadNowFunction>(dlsym(handle_, kDllCanUnloadNowName));
    if (!Loaded())
        error_ = LoaderError();
}

PluginLibrary::~PluginLibrary() {
    if (handle_ != nullptr)
        dlclose(handle_);
}

HRESULT PluginLibrary::DllGetClassObject(const CLSID& clsid, const IID& iid, void** out) const {
    return getClassObject_(clsid, iid, out);
}

HRESULT PluginLibrary::DllCanUnloadNow() const {
    return canUnloadNow_();
}

IPrintOemUI2* PluginLibrary::CreateObject() const {
    void* factory = nullptr;
    if (!Loaded() || DllGetClassObject(kClsidOemUI, kIidClassFactory, &factory) != S_OK)
        return nullptr;
    auto* classFactory = static_cast<IClassFactory*>(factory);
    void* object = nullptr;
    const HRESULT created = classFactory->CreateInstance(nullptr, kIidPrintOemUI2, &object);
    classFactory->Release();
    return created == S_OK ? static_cast<IPrintOemUI2*>(object) : nullptr;
}

void PluginObject::Reset(IPrintOemUI2* object) {
    if (object_ != nullptr)
        object_->Release();
    object_ = object;
}

HostPrinter::HostPrinter(std::u16string_view printerName) {
    if (!platform::Current().spooler->Open(printerName, &handle_))
        handle_ = nullptr;
}

HostPrinter::~HostPrinter() {
    if (handle_ != nullptr)
        platform::Current().spooler->Close(handle_);
}

HRESULT RecordingDriverUI::QueryInterface(const IID& iid, void** out) {
    ++queries_;
    if (out == nullptr)
        return E_POINTER;
    const bool known = SameGuid(iid, kIidUnknown) ||
                       (answersDriverInterface_ && SameGuid(iid, kIidPrintOemDriverUI));
    if (!known) {
        *out = nullptr;
        return E_NOINTERFACE;
    }
    AddRef();
    *out = static_cast<IPrintOemDriverUI*>(this);
    return S_OK;
}

HRESULT RecordingDriverUI::DrvGetDriverSetting(void*, const char*, void*, DWORD, DWORD*, DWORD*) {
    return E_NOTIMPL;
}

HRESULT RecordingDriverUI::DrvUpgradeRegistrySetting(HANDLE, const char*, const char*) {
    return E_NOTIMPL;
}

HRESULT RecordingDriverUI::DrvUpdateUISetting(void* uiObject, void* optionItem,
                                              DWORD previousSelection, DWORD mode) {
    calls_.push_back({uiObject, optionItem, previousSelection, mode});
    return S_OK;
}

const std::array<HostOptionItems::Item, 3> HostOptionItems::kItems{{
    {u"Orientation", {u"Portrait", u"Landscape"}, DMPUB_ORIENTATION, 0, TVOT_LISTBOX},
    {u"Paper Size", {u"Letter", u"A4"}, DMPUB_FORMNAME, 0, TVOT_LISTBOX},
    {u"Dithering", {u"Halftone Dithering", u"No Dithering"}, 0, 1, TVOT_LISTBOX},
}};

HostOptionItems::HostOptionItems(bool withOrientation) : withOrientation_(withOrientation) {
    for (size_t i = 0; i < kItems.size(); ++i) {
        names_[i] = kItems[i].name;
        choiceTexts_[i] = kItems[i].choices;
        for (std::u16string& text : choiceTexts_[i]) {
            OPTPARAM& choice = choices_[i].emplace_back();
            choice.cbSize = sizeof(OPTPARAM);
            choice.pData = text.data();
        }
        OPTTYPE& type = types_[i];
        type.cbSize = sizeof(OPTTYPE);
        type.Type = kItems[i].type;
        type.Count = static_cast<WORD>(choices_[i].size());
        type.pOptParam = choices_[i].data();
        OPTITEM& item = items_[i];
        item.cbSize = sizeof(OPTITEM);
        item.Level = kItems[i].level;
        item.pName = names_[i].data();
        item.pOptType = &type;
        item.DMPubID = kItems[i].publicField;
    }
}

PROPSHEETUI_INFO HostPropertySheet::Info(WORD reason) {
    PROPSHEETUI_INFO info{};
    info.cbSize = sizeof(info);
    info.Version = PROPSHEETUI_INFO_VERSION;
    info.Reason = reason;
    info.hComPropSheet = this;
    info.pfnComPropSheet = &HostPropertySheet::Callback;
    return info;
}

LONG_PTR HostPropertySheet::Callback(HANDLE sheet, UINT function, LPARAM lParam1, LPARAM) {
    auto& self = *static_cast<HostPropertySheet*>(sheet);
    if (function != CPSFUNC_ADD_PROPSHEETPAGEW) {
        ++self.otherCalls_;
        return 0;
    }
    const auto* description = reinterpret_cast<const void*>(lParam1);
    if (self.desktop_ != nullptr && !self.desktop_->AddPageCopy(self.sheet_, description))
        return 0;
    self.pages_.push_back(description);
    return static_cast<LONG_PTR>(self.pages_.size());
}

}  // namespace orca::driverhost
