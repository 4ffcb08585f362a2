// SPDX-License-Identifier: Apache-2.0
// The plug-in loaded as a driver host loads it, with the host's document and
// printer sheets of a printer opened through the hooks on a headless desktop.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "host/driver_host/driver_host.h"
#include "platform/sim/desktop.h"
#include "platform/sim/desktop_driver.h"
#include "support/plugin_sheet.h"
#include "support/sim_env.h"

namespace orca::pages::testing {

inline constexpr char16_t kOrcaPrinter[] = u"Label1";
inline constexpr char16_t kOtherPrinter[] = u"Label2";
inline constexpr char16_t kNeutralPrinter[] = u"Shelf Egret";
inline constexpr char16_t kUnknownPrinter[] = u"Office Laser";
// Two printers whose names share their first 32 characters.
inline constexpr char16_t kLongPrinter[] = u"Warehouse 4 network label printer A";
inline constexpr char16_t kLongNamesake[] = u"Warehouse 4 network label printer B";

struct SheetOptions {
    bool document = true;
    std::optional<uint8_t> language = 0;  // btLanguage stored in the block
    bool hostItems = true;                // the host's own option items
    // Page switches (2055 to 2065) set on the printer object before the
    // pages are made: a model that turns those pages off or on.
    std::vector<std::pair<uint32_t, uint8_t>> pageSwitches{};
};

// One sheet as the host keeps it while it is open: the plug-in object that
// filled it, the records its pages edit, the host's option items and driver
// interface.
class HostSheet {
public:
    // Opens the printer's sheet as a host does: binds a new plug-in object,
    // defaults its records, hands the common UI, asks for the pages and shows
    // the sheet on its last tab.
    HostSheet(driverhost::PluginLibrary& library, platform::sim::Desktop& desktop,
              std::u16string_view printerName, const SheetOptions& options);

    bool Opened() const { return sheet_ != nullptr && sheet_->Opened(); }
    platform::Window Window() const { return sheet_->Window(); }
    driverhost::HostOptionItems& Items() { return sheet_->Items(); }
    driverhost::RecordingDriverUI& DriverUI() { return sheet_->DriverUI(); }

    // A byte of the sheet's private block; nothing without a block.
    std::optional<uint8_t> PrivateByte(uint32_t fieldId);
    void SetPrivateByte(uint32_t fieldId, uint8_t value);

private:
    std::unique_ptr<testsupport::PluginSheet> sheet_;
    // Released first: its pages go before what they use.
    driverhost::PluginObject object_;
};

class HookSheetsTest : public testsupport::SimEnvTest {
protected:
    void SetUp() override;

    // A new sheet of the printer on the test's desktop.
    std::unique_ptr<HostSheet> OpenSheet(std::u16string_view printerName,
                                         const SheetOptions& options = {});
    // The sheet's page window of the tab with that title (made by showing it).
    platform::Window ShowTab(const HostSheet& sheet, std::u16string_view title);

    // The system's default language, which a printer without a stored one speaks.
    void UseSystemLanguage(uint16_t language);

    platform::sim::Desktop& Screen() { return *desktop_; }
    platform::sim::DesktopDriver& Driver() { return *driver_; }

private:
    std::unique_ptr<driverhost::PluginLibrary> library_;
    std::shared_ptr<platform::sim::Desktop> desktop_;
    std::unique_ptr<platform::sim::DesktopDriver> driver_;
};

}  // namespace orca::pages::testing
