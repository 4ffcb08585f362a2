// SPDX-License-Identifier: Apache-2.0
// A plug-in object's sheet as a driver host opens it through the hooks: the
// driver interface published, the printer opened, the host's records sized
// and defaulted (or copied from another sheet's), and the common UI handed
// over with the host's own option items. Then either the host's
// add-page function takes the page descriptions the plug-in hands it (the
// headless sheet), or the platform's sheet UI calls the plug-in's sheet hook
// through SheetHookCall (the real sheet). Ending it sends the destroy reason
// when the pages were added here; the window that shows them must be gone
// by then.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "host/driver_host/driver_host.h"
#include "host/driver_host/host_settings.h"
#include "host_fixture.h"

namespace orca::wintest {

// The host's add-page function: hComPropSheet is the list of page
// descriptions it fills; it answers the page's position, counted from 1.
long long AddSheetPage(void* pageList, unsigned function, intptr_t description, intptr_t);

class SheetHooks {
public:
    // records: the records the sheet starts from; null for the object's
    // defaults (with one copy). Without handOver, the hooks get no records,
    // as a host's printer sheet gives none.
    SheetHooks(PluginObject object, std::u16string_view printer, bool documentSheet,
               driverhost::HostDevMode* records = nullptr, bool handOver = true);
    ~SheetHooks();
    SheetHooks(const SheetHooks&) = delete;
    SheetHooks& operator=(const SheetHooks&) = delete;

    // Every hook so far answered S_OK.
    bool Opened() const { return opened_; }
    // The init reason with AddSheetPage, or with a host that refuses every
    // page; true when each page the plug-in counted was added.
    bool AddPages(bool refused = false);
    const std::vector<const void*>& Pages() const { return pages_; }
    driverhost::HostDevMode& Records() { return *records_; }
    // The core driver's own option items and its driver interface, which
    // the object was published before the sheet.
    driverhost::HostOptionItems& HostItems() { return items_; }
    const driverhost::RecordingDriverUI& DriverUI() const { return driverUI_; }

    // A driver UI's sheet function for the plug-in's pages: info is the
    // platform's PROPSHEETUI_INFO, handed to the sheet hook of hooks (a
    // SheetHooks); above 0 when the hook answered S_OK.
    static long SheetHookCall(void* hooks, void* info, intptr_t lParam);

private:
    plugin::PROPSHEETUI_INFO Info(plugin::WORD reason);
    plugin::HRESULT Sheets(plugin::PROPSHEETUI_INFO& info, plugin::LPARAM lParam = 0);
    bool Open(std::u16string_view printer, driverhost::HostDevMode* records, bool handOver);

    // They outlive the object, which holds on to both.
    driverhost::RecordingDriverUI driverUI_;
    driverhost::HostOptionItems items_;
    PluginObject object_;
    bool documentSheet_;
    OpenedPrinter printer_;
    std::unique_ptr<driverhost::HostDevMode> records_;
    plugin::OEMCUIPPARAM ui_{};
    std::vector<const void*> pages_;
    bool opened_ = false;
    bool added_ = false;
};

}  // namespace orca::wintest
