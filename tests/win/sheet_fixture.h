// SPDX-License-Identifier: Apache-2.0
// A printer's document or printer-properties sheet opened by the Windows test
// host: ORCAUI.dll's pages in the platform's own sheet UI, and, for
// comparison, the same pages of the plug-in's code linked into the program on
// the headless desktop, started from the same records.
#pragma once

#include <memory>
#include <string>

#include "headless_sheet.h"
#include "host_fixture.h"
#include "resources/control_ids.h"
#include "settings/field_map.h"
#include "sheet_hooks.h"
#include "sheet_window.h"

namespace orca::wintest {

// The Option page's darkness list, and the field it stores.
inline constexpr settings::FieldId kDarknessField = 2002;

class PropertySheetTest : public WindowsHostTest {
protected:
    void TearDown() override;

    // The real sheet, on the DLL object's default records; without
    // handRecords, the hooks get none (a host's printer sheet).
    void OpenSheet(std::u16string_view printer, bool documentSheet, bool handRecords = true);
    // The headless sheet of the same printer and kind, from a copy of the
    // real sheet's records as they are now.
    void OpenHeadlessSheet();

    ShownSheet& Sheet() { return *sheet_; }
    SheetHooks& Hooks() { return *real_; }
    HeadlessSheet& Headless() { return *headless_; }
    driverhost::HostDevMode& Records() { return real_->Records(); }
    driverhost::HostDevMode& HeadlessRecords() { return linked_->Records(); }

private:
    std::u16string printer_;
    bool documentSheet_ = true;
    std::unique_ptr<SheetHooks> real_;
    std::unique_ptr<ShownSheet> sheet_;
    std::unique_ptr<SheetHooks> linked_;
    std::unique_ptr<HeadlessSheet> headless_;
};

}  // namespace orca::wintest
