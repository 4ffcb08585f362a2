// SPDX-License-Identifier: Apache-2.0
#include "host_fixture.h"

#include "host/driver_host/host_settings.h"
#include "platform/platform.h"
#include "platform/spooler.h"

namespace orca::wintest {

using namespace orca::plugin;

std::unique_ptr<PluginModule> WindowsHostTest::module_;

OpenedPrinter::OpenedPrinter(std::u16string_view name) {
    platform::PrinterHandle handle = nullptr;
    if (platform::Current().spooler->Open(name, &handle))
        handle_ = handle;
}

OpenedPrinter::~OpenedPrinter() {
    if (handle_ != nullptr)
        platform::Current().spooler->Close(static_cast<platform::PrinterHandle>(handle_));
}

void WindowsHostTest::SetUpTestSuite() {
    ASSERT_TRUE(InstallTestPrinters());
    module_ = std::make_unique<PluginModule>(ORCAUI_PATH);
}

void WindowsHostTest::TearDownTestSuite() {
    module_.reset();
}

void WindowsHostTest::SetUp() {
    ASSERT_TRUE(module_->Loaded()) << "LoadLibraryW failed with " << module_->LoadError();
}

HRESULT WindowsHostTest::GetClassObject(const CLSID& clsid, const IID& iid, void** out) const {
    const auto function =
        reinterpret_cast<DllGetClassObjectFunction>(module_->Export(kDllGetClassObjectName));
    return function(clsid, iid, out);
}

HRESULT WindowsHostTest::CanUnloadNow() const {
    const auto function =
        reinterpret_cast<DllCanUnloadNowFunction>(module_->Export(kDllCanUnloadNowName));
    return function();
}

PluginObject CreateObjectThrough(DllGetClassObjectFunction getClassObject) {
    void* factory = nullptr;
    if (getClassObject(kClsidOemUI, kIidClassFactory, &factory) != S_OK)
        return nullptr;
    void* object = nullptr;
    static_cast<IClassFactory*>(factory)->CreateInstance(nullptr, kIidPrintOemUI2, &object);
    static_cast<IClassFactory*>(factory)->Release();
    return PluginObject(static_cast<IPrintOemUI2*>(object));
}

void LoadUseUnload(const std::function<void(PluginObject)>& use) {
    PluginModule module(ORCAUI_PATH);
    ASSERT_TRUE(module.Loaded()) << "LoadLibraryW failed with " << module.LoadError();
    const auto getClassObject =
        reinterpret_cast<DllGetClassObjectFunction>(module.Export(kDllGetClassObjectName));
    const auto canUnloadNow =
        reinterpret_cast<DllCanUnloadNowFunction>(module.Export(kDllCanUnloadNowName));
    PluginObject object = CreateObjectThrough(getClassObject);
    ASSERT_NE(object, nullptr);
    use(std::move(object));
    EXPECT_EQ(canUnloadNow(), S_OK);
}

PluginObject WindowsHostTest::CreateObject() const {
    return CreateObjectThrough(
        reinterpret_cast<DllGetClassObjectFunction>(module_->Export(kDllGetClassObjectName)));
}

DWORD WindowsHostTest::PrivateSize(IPrintOemUI2& object, HANDLE printer) const {
    OEMDMPARAM params = driverhost::DevModeParams(printer, nullptr, nullptr);
    params.cbBufSize = 0xFFFFFFFF;
    return object.DevMode(OEMDM_SIZE, &params) == S_OK ? params.cbBufSize : 0xFFFFFFFF;
}

}  // namespace orca::wintest
