// SPDX-License-Identifier: Apache-2.0
// A host's session with one sheet of a printer: a fresh headless desktop
// made the environment's window system, a new plug-in object of the loaded
// library, and the object's sheet opened on that desktop.
#pragma once

#include <memory>
#include <string_view>

#include "host/driver_host/driver_host.h"
#include "platform/sim/desktop.h"
#include "platform/sim/desktop_driver.h"
#include "platform/sim/environment.h"
#include "support/plugin_sheet.h"

namespace orca::testsupport {

class SheetSession {
public:
    SheetSession(platform::sim::Environment& env, driverhost::PluginLibrary& library,
                 std::u16string_view printerName, const SheetOpening& opening = {});
    SheetSession(const SheetSession&) = delete;
    SheetSession& operator=(const SheetSession&) = delete;

    // False when no object was made or the sheet did not open.
    bool Opened() const { return sheet_ != nullptr && sheet_->Opened(); }
    plugin::IPrintOemUI2* Object() const { return object_.get(); }
    PluginSheet& Sheet() { return *sheet_; }
    platform::sim::Desktop& Screen() { return *desktop_; }
    platform::sim::DesktopDriver& Driver() { return driver_; }
    // The page of the tab in front.
    platform::Window Page() { return desktop_->CurrentPage(sheet_->Window()); }

private:
    std::shared_ptr<platform::sim::Desktop> desktop_;
    platform::sim::DesktopDriver driver_;
    std::unique_ptr<PluginSheet> sheet_;
    // Released first: its pages go before what they use.
    driverhost::PluginObject object_;
};

}  // namespace orca::testsupport
