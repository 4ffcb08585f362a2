// SPDX-License-Identifier: Apache-2.0
// The Windows test host: ORCAUI.dll loaded with LoadLibraryW into a process
// whose spooler holds the test printers, plug-in objects made through the
// class factory, and printers opened as the host opens them.
#pragma once

#include <gtest/gtest.h>

#include <functional>
#include <memory>

#include "plugin/host_abi.h"
#include "plugin_module.h"
#include "system_setup.h"

namespace orca::wintest {

inline constexpr plugin::DWORD kOrcaBlockSize = 50496;
inline constexpr plugin::DWORD kOnyxBlockSize = 50464;

// A printer opened through the spooler, closed at the end of the scope.
class OpenedPrinter {
public:
    explicit OpenedPrinter(std::u16string_view name);
    ~OpenedPrinter();
    OpenedPrinter(const OpenedPrinter&) = delete;
    OpenedPrinter& operator=(const OpenedPrinter&) = delete;

    plugin::HANDLE Handle() const { return handle_; }

private:
    plugin::HANDLE handle_ = nullptr;
};

// A plug-in object's reference, released at the end of the scope.
struct ObjectRelease {
    void operator()(plugin::IPrintOemUI2* object) const { object->Release(); }
};
using PluginObject = std::unique_ptr<plugin::IPrintOemUI2, ObjectRelease>;

// A new plug-in object made as the host makes it, through that
// DllGetClassObject; null on failure.
PluginObject CreateObjectThrough(plugin::DllGetClassObjectFunction getClassObject);

// One load of the DLL by a host that unloads it whenever it may: use gets a
// new object made through the DLL's DllGetClassObject; once that object is
// gone, DllCanUnloadNow is expected to answer S_OK, and the DLL is unloaded.
void LoadUseUnload(const std::function<void(PluginObject)>& use);

class WindowsHostTest : public testing::Test {
protected:
    static void SetUpTestSuite();
    static void TearDownTestSuite();
    void SetUp() override;

    const PluginModule& Module() const { return *module_; }
    plugin::HRESULT GetClassObject(const plugin::CLSID& clsid, const plugin::IID& iid,
                                   void** out) const;
    plugin::HRESULT CanUnloadNow() const;
    // A new plug-in object, made as the host makes it; null on failure.
    PluginObject CreateObject() const;
    // The object's private block size for the printer (DevMode size query).
    plugin::DWORD PrivateSize(plugin::IPrintOemUI2& object, plugin::HANDLE printer) const;

private:
    static std::unique_ptr<PluginModule> module_;
};

}  // namespace orca::wintest
