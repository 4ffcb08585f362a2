// SPDX-License-Identifier: Apache-2.0
// A driver host for the plug-in: loads the built library with dlopen, gets
// the class factory through DllGetClassObject and makes plug-in objects, and
// supplies what a host hands to the hooks — its driver interface, the option
// items of its own document sheet and the property-sheet callback that takes
// the plug-in's pages. Used by the tests and the command-line host, so it
// reports failures as values and never asserts.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "platform/sim/desktop.h"
#include "platform/spooler.h"
#include "platform/window_types.h"
#include "plugin/host_abi.h"

namespace orca::driverhost {

// The plug-in library, loaded as a driver host loads it.
class PluginLibrary {
public:
    // Loads the library and finds both exports; Loaded() tells whether it did.
    explicit PluginLibrary(const std::string& path);
    // Unloads the library.
    ~PluginLibrary();
    PluginLibrary(const PluginLibrary&) = delete;
    PluginLibrary& operator=(const PluginLibrary&) = delete;

    bool Loaded() const { return getClassObject_ != nullptr && canUnloadNow_ != nullptr; }
    // What the loader said when the library or an export was not found.
    const std::string& Error() const { return error_; }

    plugin::HRESULT DllGetClassObject(const plugin::CLSID& clsid, const plugin::IID& iid,
                                      void** out) const;
    plugin::HRESULT DllCanUnloadNow() const;

    // A new plug-in object, made as the host makes it: DllGetClassObject for
    // the factory, CreateInstance, and the factory released. Null on failure.
    plugin::IPrintOemUI2* CreateObject() const;

private:
    void* handle_ = nullptr;
    plugin::DllGetClassObjectFunction getClassObject_ = nullptr;
    plugin::DllCanUnloadNowFunction canUnloadNow_ = nullptr;
    std::string error_;
};

// A plug-in object's reference, released at the end of the scope.
class PluginObject {
public:
    explicit PluginObject(plugin::IPrintOemUI2* object = nullptr) : object_(object) {}
    ~PluginObject() { Reset(); }
    PluginObject(const PluginObject&) = delete;
    PluginObject& operator=(const PluginObject&) = delete;

    plugin::IPrintOemUI2* get() const { return object_; }
    plugin::IPrintOemUI2* operator->() const { return object_; }
    explicit operator bool() const { return object_ != nullptr; }
    void Reset(plugin::IPrintOemUI2* object = nullptr);

private:
    plugin::IPrintOemUI2* object_;
};

// A printer opened by the host, closed at the end of the scope.
class HostPrinter {
public:
    explicit HostPrinter(std::u16string_view printerName);
    ~HostPrinter();
    HostPrinter(const HostPrinter&) = delete;
    HostPrinter& operator=(const HostPrinter&) = delete;

    // Null when the printer could not be opened.
    plugin::HANDLE Handle() const { return handle_; }

private:
    platform::PrinterHandle handle_ = nullptr;
};

// One DrvUpdateUISetting call as the host received it.
struct UISettingCall {
    void* uiObject = nullptr;
    void* optionItem = nullptr;
    plugin::DWORD previousSelection = 0;
    plugin::DWORD mode = 0;
};

// The host's driver interface. It answers QueryInterface for IUnknown and
// IPrintOemDriverUI (unless refusing) and records every DrvUpdateUISetting.
// It lives on the host's side: the plug-in only holds references to it.
class RecordingDriverUI final : public plugin::IPrintOemDriverUI {
public:
    explicit RecordingDriverUI(bool answersDriverInterface = true)
        : answersDriverInterface_(answersDriverInterface) {}

    plugin::HRESULT QueryInterface(const plugin::IID& iid, void** out) override;
    plugin::ULONG AddRef() override { return ++count_; }
    plugin::ULONG Release() override { return --count_; }
    plugin::HRESULT DrvGetDriverSetting(void*, const char*, void*, plugin::DWORD, plugin::DWORD*,
                                        plugin::DWORD*) override;
    plugin::HRESULT DrvUpgradeRegistrySetting(plugin::HANDLE, const char*, const char*) override;
    plugin::HRESULT DrvUpdateUISetting(void* uiObject, void* optionItem,
                                       plugin::DWORD previousSelection,
                                       plugin::DWORD mode) override;

    // References held by others than the host's own one.
    plugin::ULONG References() const { return count_ - 1; }
    const std::vector<UISettingCall>& Calls() const { return calls_; }
    int QueryCount() const { return queries_; }

private:
    bool answersDriverInterface_;
    plugin::ULONG count_ = 1;
    int queries_ = 0;
    std::vector<UISettingCall> calls_;
};

// The option items of the host's own document sheet: optionally an
// orientation item (public field 1: portrait, landscape), a form-name item
// (public field 9: "Letter", "A4") and a first-level "Dithering" list
// (halftone, none) as the host's advanced tree holds it. Selections start at 0.
class HostOptionItems {
public:
    explicit HostOptionItems(bool withOrientation = true);
    HostOptionItems(const HostOptionItems&) = delete;
    HostOptionItems& operator=(const HostOptionItems&) = delete;

    plugin::OPTITEM* Items() { return items_.data() + (withOrientation_ ? 0 : 1); }
    plugin::DWORD Count() const { return withOrientation_ ? 3 : 2; }
    plugin::OPTITEM& Orientation() { return items_[0]; }
    plugin::OPTITEM& FormName() { return items_[1]; }
    plugin::OPTITEM& Dithering() { return items_[2]; }

private:
    struct Item {
        std::u16string name;
        std::vector<std::u16string> choices;
        plugin::BYTE publicField;
        plugin::BYTE level;
        plugin::BYTE type;
    };
    static const std::array<Item, 3> kItems;

    bool withOrientation_;
    std::array<std::u16string, 3> names_;
    std::array<std::vector<std::u16string>, 3> choiceTexts_;
    std::array<std::vector<plugin::OPTPARAM>, 3> choices_;
    std::array<plugin::OPTTYPE, 3> types_{};
    std::array<plugin::OPTITEM, 3> items_{};
};

// The host's property sheet as the plug-in sees it: the sheet-info record
// with the add-page callback, which takes a page description and copies it,
// as the platform's sheet UI does. Pages added go to a headless desktop sheet
// when one is given; the callback answers the host's handle of the page (its
// position, counted from 1), or 0 when the desktop refuses the description.
class HostPropertySheet {
public:
    explicit HostPropertySheet(platform::sim::Desktop* desktop = nullptr,
                               platform::Window sheet = nullptr)
        : desktop_(desktop), sheet_(sheet) {}

    // A sheet-info record for reason, version 0x100, with this sheet's callback.
    plugin::PROPSHEETUI_INFO Info(plugin::WORD reason);
    // Page descriptions added so far, in order.
    const std::vector<const void*>& Pages() const { return pages_; }
    // Callback calls with a function other than adding a page.
    int OtherCalls() const { return otherCalls_; }

private:
    static plugin::LONG_PTR Callback(plugin::HANDLE sheet, plugin::UINT function,
                                     plugin::LPARAM lParam1, plugin::LPARAM lParam2);

    platform::sim::Desktop* desktop_;
    platform::Window sheet_;
    std::vector<const void*> pages_;
    int otherCalls_ = 0;
};

}  // namespace orca::driverhost
