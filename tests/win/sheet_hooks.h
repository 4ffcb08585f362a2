// A plug-in object's sheet as a driver host opens it through the hooks: the
// printer opened, the host's records sized and defaulted (or copied from
// another sheet's), the common UI handed over, and the page handles the
// plug-in gives the host's add-page callback. Ending it sends the destroy
// reason; the host's window that shows the pages must be gone by then.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "host_fixture.h"
#include "support/host_settings.h"

namespace orca::wintest {

// The host's add-page callback: hComPropSheet is the page list it fills.
long long AddSheetPage(void* pageList, unsigned function, intptr_t page, intptr_t);

class SheetHooks {
public:
    // records: the records the sheet starts from; null for the object's
    // defaults (with one copy).
    SheetHooks(PluginObject object, std::u16string_view printer, bool documentSheet,
               testsupport::HostDevMode* records = nullptr);
    ~SheetHooks();
    SheetHooks(const SheetHooks&) = delete;
    SheetHooks& operator=(const SheetHooks&) = delete;

    // Every hook answered S_OK and each page the plug-in counted was added.
    bool Opened() const { return opened_; }
    const std::vector<void*>& Pages() const { return pages_; }
    testsupport::HostDevMode& Records() { return *records_; }

private:
    plugin::PROPSHEETUI_INFO Info(plugin::WORD reason);
    plugin::HRESULT Sheets(plugin::PROPSHEETUI_INFO& info);
    bool Open(std::u16string_view printer, testsupport::HostDevMode* records);

    PluginObject object_;
    bool documentSheet_;
    OpenedPrinter printer_;
    std::unique_ptr<testsupport::HostDevMode> records_;
    plugin::OEMCUIPPARAM ui_{};
    std::vector<void*> pages_;
    bool opened_ = false;
};

}  // namespace orca::wintest
