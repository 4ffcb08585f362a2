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
