// SPDX-License-Identifier: Apache-2.0
// The Stocks page as a host gets it: the plug-in loaded from its library,
// the printer-properties sheet of a printer asked for through the sheet
// hooks on the headless desktop, and the simulated spooler's forms behind it.
#pragma once

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "host/driver_host/driver_host.h"
#include "host/driver_host/host_settings.h"
#include "platform/sim/desktop.h"
#include "platform/sim/desktop_driver.h"
#include "resources/control_ids.h"
#include "support/sim_env.h"

namespace orca::stockstest {

using Texts = std::vector<std::u16string>;

// The page's controls.

inline constexpr uint8_t kChinese = 0;
inline constexpr uint8_t kEnglish = 1;

// A printer-properties sheet as the host keeps it while it is open.
struct PrinterSheet {
    std::unique_ptr<driverhost::HostPrinter> printer;
    std::unique_ptr<driverhost::HostDevMode> records;
    // Where btLanguage lies in the private block.
    size_t languageOffset = 0;
    plugin::OEMCUIPPARAM ui{};
    std::unique_ptr<driverhost::HostPropertySheet> host;
    platform::Window window = nullptr;
    // Released first: its pages go before what they use.
    driverhost::PluginObject object;
};

class StocksTest : public testsupport::SimEnvTest {
protected:
    void SetUp() override;

    // A printer whose driver is the model's display name, with the built-in
    // papers "Letter" and "A4".
    void AddPrinter(std::u16string_view name, std::u16string_view model);
    // A form of the spooler's database; measures in tenths of a millimetre,
    // margins left, top, right, bottom.
    void AddForm(std::u16string_view name, int32_t width, int32_t height,
                 uint32_t flags = platform::kFormUser, std::array<int32_t, 4> margins = {});

    // Opens the printer's properties through the hooks with btLanguage
    // stored as language and brings the Stocks tab to the front. The helpers
    // below act on the sheet opened last, or the one chosen with Use.
    PrinterSheet& Open(std::u16string_view printerName, uint8_t language = kEnglish) {
        return OpenSheet(printerName, language, false);
    }
    // The printer's printing preferences, on their last tab.
    PrinterSheet& OpenDocumentSheet(std::u16string_view printerName, uint8_t language) {
        return OpenSheet(printerName, language, true);
    }
    void Use(const PrinterSheet& sheet) { current_ = sheet.window; }
    platform::Window Sheet() const { return current_; }
    platform::Window Page() { return Screen().CurrentPage(current_); }

    // The spooler's forms as "name w x h (l,t,r,b)" in thousandths of a millimetre.
    Texts Forms();
    std::u16string Text(int controlId);
    Texts Items();
    std::u16string SelectedItem();
    bool Enabled(int controlId);
    // Texts of the message boxes shown so far: "caption: text".
    Texts Messages();

    bool Click(int controlId) { return Driver().Click(Page(), controlId); }
    bool Select(std::u16string_view item) {
        return Driver().Select(Page(), control::kStocksFormList, item);
    }
    // Replaces what an edit holds, key by key; an empty text empties it.
    bool Type(int controlId, std::u16string_view text) {
        return Driver().Retype(Page(), controlId, text.empty() ? u"\b" : text);
    }
    bool Leave(int controlId) { return Driver().Leave(Page(), controlId); }
    // Types the name part and the six measures, then saves.
    bool Save(std::u16string_view name, const std::vector<std::u16string>& measures);

    platform::sim::Desktop& Screen() { return *desktop_; }
    platform::sim::DesktopDriver& Driver() { return *driver_; }

private:
    PrinterSheet& OpenSheet(std::u16string_view printerName, uint8_t language, bool document);

    std::unique_ptr<driverhost::PluginLibrary> library_;
    std::shared_ptr<platform::sim::Desktop> desktop_;
    std::unique_ptr<platform::sim::DesktopDriver> driver_;
    std::vector<std::unique_ptr<PrinterSheet>> sheets_;
    platform::Window current_ = nullptr;
};

}  // namespace orca::stockstest
