// SPDX-License-Identifier: Apache-2.0
// A plug-in object's document or printer-properties sheet as a driver host
// opens it on the headless desktop: the printer bound, the host's records
// sized and defaulted by the hooks, the common UI handed over and the
// plug-in's pages added behind the host's own tabs, open on the tab the test
// asks for. Also the readings a test takes of the desktop's controls.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "host/driver_host/driver_host.h"
#include "host/driver_host/host_settings.h"
#include "platform/sim/desktop.h"
#include "plugin/host_abi.h"

namespace orca::testsupport {

using Texts = std::vector<std::u16string>;

class PluginSheet;

// How a test opens the sheet. Left as it is: the document sheet with the
// host's items and the defaulted records, open on its first tab.
struct SheetOpening {
    // Changes the defaulted records or the host's option items before the
    // common UI is handed over and the pages are made.
    std::function<void(PluginSheet&)> prepare;
    // Runs once the plug-in object holds the sheet's records (the common UI
    // handed over) and before the pages are made: settings changed through
    // the object itself.
    std::function<void()> beforePages;
    // The tab the sheet opens on, chosen from the titles of its tabs; -1
    // when none fits, which fails the opening.
    std::function<int(const Texts& titles)> tab;
    // The printer-properties sheet instead of the document sheet.
    bool printerSheet = false;
    // The host hands its own option items with the common UI.
    bool hostItems = true;
};

// A tab choice of SheetOpening: the first tab with one of these titles (a
// tab's title in each UI language).
std::function<int(const Texts& titles)> TabTitled(std::vector<std::u16string_view> wanted);
// A tab choice of SheetOpening: the last tab.
int LastTab(const Texts& titles);

class PluginSheet {
public:
    PluginSheet(plugin::IPrintOemUI2* object, std::u16string_view printerName,
                platform::sim::Desktop& desktop, const SheetOpening& opening = {});
    PluginSheet(const PluginSheet&) = delete;
    PluginSheet& operator=(const PluginSheet&) = delete;

    // False when a hook failed or no tab fitted.
    bool Opened() const { return opened_; }
    platform::Window Window() const { return sheet_; }
    // The tab the sheet opened on.
    int OpenedTab() const { return openedTab_; }
    driverhost::HostDevMode& Records() { return *records_; }
    driverhost::HostOptionItems& Items() { return items_; }
    driverhost::RecordingDriverUI& DriverUI() { return driverUI_; }
    // The Apply button is enabled: a page told the sheet of a change.
    bool ApplyEnabled() const;

private:
    bool Open(plugin::IPrintOemUI2* object, std::u16string_view printerName,
              const SheetOpening& opening);

    platform::sim::Desktop& desktop_;
    driverhost::RecordingDriverUI driverUI_;
    driverhost::HostOptionItems items_;
    driverhost::HostPrinter printer_;
    std::unique_ptr<driverhost::HostDevMode> records_;
    plugin::OEMCUIPPARAM ui_{};
    platform::Window sheet_ = nullptr;
    int openedTab_ = 0;
    bool opened_ = false;
};

// Readings of a control of a dialog or page.
std::u16string ControlText(platform::sim::Desktop& desktop, platform::Window dialog, int controlId);
bool ControlEnabled(platform::sim::Desktop& desktop, platform::Window dialog, int controlId);
// A list's or combo box's item texts, and the selected one ("" for none).
Texts ItemTexts(platform::sim::Desktop& desktop, platform::Window dialog, int controlId);
std::u16string SelectedItemText(platform::sim::Desktop& desktop, platform::Window dialog,
                                int controlId);
// The texts of the message boxes shown so far.
Texts MessageTexts(const platform::sim::Desktop& desktop);

}  // namespace orca::testsupport
