// SPDX-License-Identifier: Apache-2.0
// The Advanced page as the host meets it: a printer's document sheet opened
// through the plug-in's hooks on the headless desktop, with the "Advance
// Setup" tab in front, driven as a person would drive it. Settings are read
// and written through the plug-in object's own value access, so a test sees
// what the page stored in the host's records.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "host/driver_host/driver_host.h"
#include "pages/page_context.h"
#include "platform/sim/desktop.h"
#include "platform/sim/desktop_driver.h"
#include "platform/sim/model.h"
#include "resources/control_ids.h"
#include "settings/field_ids.h"
#include "support/plugin_sheet.h"
#include "support/sim_env.h"

namespace orca::advanced::testing {

using Texts = std::vector<std::u16string>;
using Bytes = std::vector<uint8_t>;
using platform::Window;

// Printers of the environment, each named after its model.
inline constexpr char16_t kOrca[] = u"Kestrel(ORCA)";
inline constexpr char16_t kOnyx[] = u"Kestrel(ONYX)";
inline constexpr char16_t kUnsupported[] = u"Office Laser";
// An ORCA printer whose port cannot take a job.
inline constexpr char16_t kRefusingOrca[] = u"Unplugged";

// Controls of the pages.

// Fields.
inline constexpr uint32_t kSpeedUnit = 2001;
inline constexpr uint32_t kOperationMode = 2004;
inline constexpr uint32_t kAdjustTop = 5000;
inline constexpr uint32_t kAdjustTearOff = 5001;
inline constexpr uint32_t kAdjustPosition = 5002;
inline constexpr uint32_t kCutterGroup = 34005;
inline constexpr uint32_t kPaperUnitField = 34011;

inline constexpr uint8_t kCm = 0, kMm = 1, kInch = 2;
inline constexpr uint8_t kChinese = 0, kEnglish = 1;
inline constexpr double kPrinterDefault = 1000000.0;

// A list of a page or dialog: choosing item stores that value in the field.
struct ChoiceCase {
    const char16_t* printer;
    int control;
    const char16_t* item;
    uint32_t field;
    uint8_t stored;
};

// Settings of the open sheet, through the plug-in object.
class Settings {
public:
    explicit Settings(pages::PageContext* context) : context_(context) {}

    template <typename T>
    T Get(uint32_t fieldId) const {
        T value{};
        EXPECT_EQ(context_->AccessValue(fieldId, &value, 0, true), 0) << "field " << fieldId;
        return value;
    }
    template <typename T>
    void Set(uint32_t fieldId, T value) const {
        EXPECT_EQ(context_->AccessValue(fieldId, &value, 0, false), 0) << "field " << fieldId;
    }

private:
    pages::PageContext* context_;
};

class AdvancedPageTest : public testsupport::SimEnvTest {
protected:
    void SetUp() override;
    void TearDown() override;

    // Opens the printer's document sheet through the hooks; setup changes
    // the settings before the pages are made, and the Advanced tab comes to
    // the front.
    void Open(std::u16string_view printer, const std::function<void(const Settings&)>& setup = {});
    // The Advanced page goes behind the first tab and comes to the front again.
    void Reshow();
    // Selects another tab of the sheet by its title.
    void ShowTab(std::u16string_view title);

    const Settings& Fields() const { return *settings_; }
    Window Page() { return desktop_->CurrentPage(sheet_->Window()); }
    platform::sim::Desktop& Screen() { return *desktop_; }
    platform::sim::DesktopDriver& Driver() { return *driver_; }
    std::vector<platform::sim::RawJob> Jobs() { return Env().Jobs(); }

    // The page's controls, or those of the dialog when one is given.
    std::u16string Text(int controlId, Window dialog = nullptr);
    Texts Items(int controlId, Window dialog = nullptr);
    std::u16string Selected(int controlId, Window dialog = nullptr);
    bool Enabled(int controlId, Window dialog = nullptr);
    bool Visible(int controlId, Window dialog = nullptr);
    bool Checked(int controlId);
    // The sheet's Apply button is enabled: the page told it of a change.
    bool ApplyEnabled() { return sheet_->ApplyEnabled(); }

    bool Select(int controlId, std::u16string_view item) {
        return Driver().Select(Page(), controlId, item);
    }
    // Selects the edit's text and types the keys over it.
    bool Type(int controlId, std::u16string_view keys) {
        return Driver().Retype(Page(), controlId, keys);
    }
    bool Leave(int controlId) { return Driver().Leave(Page(), controlId); }
    bool Click(int controlId) { return Driver().Click(Page(), controlId); }

    // Presses Other and acts in the dialog it opens; false when none opened.
    bool InOtherDialog(const std::function<void(Window dialog)>& act);

private:
    Window DialogOrPage(Window dialog) { return dialog != nullptr ? dialog : Page(); }

    std::unique_ptr<driverhost::PluginLibrary> library_;
    std::shared_ptr<platform::sim::Desktop> desktop_;
    std::unique_ptr<platform::sim::DesktopDriver> driver_;
    std::unique_ptr<testsupport::PluginSheet> sheet_;
    std::unique_ptr<Settings> settings_;
    // Released first: its pages go before what they use.
    driverhost::PluginObject object_;
};

}  // namespace orca::advanced::testing
