// SPDX-License-Identifier: Apache-2.0
// A property sheet of the plug-in's printer, opened on the headless desktop
// as a driver host opens it: the sheet's records handed to CommonUIProp, the
// host's own tab, then the plug-in's pages added through the sheet hook.
#pragma once

#include <optional>
#include <span>
#include <string>
#include <vector>

#include "host/cli/failure.h"
#include "host/sheet/sheet_kind.h"
#include "host/state/printer_session.h"
#include "platform/sim/desktop.h"
#include "platform/sim/desktop_driver.h"

namespace orca::host {

class Sheet {
public:
    Sheet(PrinterSession& printer, platform::sim::Desktop& desktop, SheetKind kind)
        : printer_(printer), desktop_(desktop), driver_(desktop), kind_(kind) {}
    // Closes the sheet if still open and lets the plug-in destroy its pages.
    ~Sheet();
    Sheet(const Sheet&) = delete;
    Sheet& operator=(const Sheet&) = delete;

    // Opens the sheet with the plug-in's first page in front.
    MaybeFailure Open();

    bool IsOpen() const;
    SheetKind Kind() const { return kind_; }
    platform::Window SheetWindow() const { return sheet_; }
    platform::Window CurrentPage() const { return desktop_.CurrentPage(sheet_); }
    std::vector<std::u16string> TabTitles() const;
    // The tab of the plug-in's first page (0 when it added none).
    int FirstPluginTab() const;
    // The tab of the plug-in's page made from one of these dialog templates,
    // or none when the printer's model leaves it out.
    std::optional<int> PageTab(std::span<const int> templates) const;
    // Whether a page has told the sheet of changes not yet applied.
    bool HasUnappliedChanges() const;
    // The sheet as a person sees it, with control names.
    std::string Render() const;

    platform::sim::DesktopDriver& Driver() { return driver_; }
    // The printer's records, as the sheet's pages have changed them so far.
    driverhost::HostDevMode& Records() { return printer_.Records(); }
    platform::sim::Desktop& Desktop() { return desktop_; }

    // The sheet's buttons. Apply and OK store the sheet's records as the
    // printer's defaults when the pages accept their changes (the document
    // sheet: the printer sheet's pages change the spooler at once). Apply
    // with nothing changed does nothing and succeeds.
    MaybeFailure SelectTab(std::string_view title);
    MaybeFailure Apply();
    MaybeFailure PressOk();
    MaybeFailure PressCancel();

private:
    MaybeFailure StoreRecords();

    PrinterSession& printer_;
    platform::sim::Desktop& desktop_;
    platform::sim::DesktopDriver driver_;
    SheetKind kind_;
    driverhost::HostOptionItems items_;
    plugin::OEMCUIPPARAM ui_{};
    std::unique_ptr<driverhost::HostPropertySheet> host_;
    platform::Window sheet_ = nullptr;
};

}  // namespace orca::host
