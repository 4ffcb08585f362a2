// SPDX-License-Identifier: Apache-2.0
// The options find their pages by the dialog templates the pages are made
// from, not by tab position: a model that leaves pages out moves every later
// page to another tab, and the options there still read and drive their own
// page. No model of the catalogue leaves a page out, so the test turns page
// switches off on the printer object before the sheet makes its pages.
#include <gtest/gtest.h>

#include <initializer_list>
#include <map>
#include <memory>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "host/driver_host/driver_host.h"
#include "host/sheet/action_runner.h"
#include "host/sheet/option_table.h"
#include "host/sheet/option_view.h"
#include "host/sheet/sheet.h"
#include "host/state/printer_session.h"
#include "pages/page_context.h"
#include "platform/sim/desktop.h"
#include "platform/sim/environment.h"
#include "platform/sim/public_record.h"
#include "settings/field_ids.h"
#include "support/sim_env.h"

namespace orca::host {
namespace {

constexpr char16_t kPrinter[] = u"Label1";

// What a person reads of an option, by its name.
using Shown = std::map<std::string, std::vector<std::string>>;

Shown Read(Sheet& sheet) {
    Shown shown;
    for (const OptionView& view : ReadOptions(sheet)) {
        std::vector<std::string>& seen = shown[std::string(view.row->name)];
        seen = {view.page,  view.dialog, view.label,
                view.value, view.unit,   view.enabled ? "enabled" : "disabled"};
        seen.insert(seen.end(), view.choices.begin(), view.choices.end());
    }
    return shown;
}

class OptionPagesTest : public testsupport::SimEnvTest {
protected:
    void SetUp() override {
        platform::sim::Printer printer;
        printer.name = kPrinter;
        printer.driverName = u"Kestrel(ORCA)";
        printer.settings = platform::sim::MakePublicRecord(kPrinter, 9, u"A4");
        Env().AddPrinter(std::move(printer));
        library_ = std::make_unique<driverhost::PluginLibrary>(ORCAUI_PATH);
        ASSERT_TRUE(library_->Loaded()) << library_->Error();
        desktop_ = platform::sim::AttachDesktop(Env());
    }

    // The printer bound to a new plug-in object, with those page switches off.
    std::unique_ptr<PrinterSession> OpenPrinter(std::initializer_list<uint32_t> switchedOff) {
        Failure failure;
        std::unique_ptr<PrinterSession> session =
            PrinterSession::Open(*library_, kPrinter, &failure);
        EXPECT_NE(session, nullptr) << failure.message;
        auto* context = session ? dynamic_cast<pages::PageContext*>(session->Object()) : nullptr;
        for (uint32_t pageSwitch : switchedOff) {
            uint8_t off = 0;
            EXPECT_TRUE(context != nullptr &&
                        context->AccessValue(pageSwitch, &off, 0, false) == settings::kDone)
                << pageSwitch;
        }
        return session;
    }

    platform::sim::Desktop& Screen() { return *desktop_; }

private:
    std::unique_ptr<driverhost::PluginLibrary> library_;
    std::shared_ptr<platform::sim::Desktop> desktop_;
};

TEST_F(OptionPagesTest, PagesLeftOutMoveNoOtherOption) {
    Shown all;
    size_t allTabs = 0;
    {
        std::unique_ptr<PrinterSession> printer = OpenPrinter({});
        ASSERT_NE(printer, nullptr);
        Sheet sheet(*printer, Screen(), SheetKind::kDocument);
        ASSERT_EQ(sheet.Open(), std::nullopt);
        all = Read(sheet);
        allTabs = sheet.TabTitles().size();
    }
    // The first page and one between Advance Setup and Language.
    std::unique_ptr<PrinterSession> printer =
        OpenPrinter({settings::field::kOptionPage, settings::field::kDitheringPage});
    ASSERT_NE(printer, nullptr);
    Sheet sheet(*printer, Screen(), SheetKind::kDocument);
    ASSERT_EQ(sheet.Open(), std::nullopt);
    ASSERT_EQ(sheet.TabTitles().size(), allTabs - 2);

    Shown expected = all;
    for (const char* gone :
         {"copies", "speed", "darkness", "stock", "units", "orientation", "rotate", "dithering"}) {
        ASSERT_EQ(expected.erase(gone), 1u) << gone;
    }
    EXPECT_EQ(Read(sheet), expected);

    // Changing an option drives its own page's control.
    const OptionRow& row = *FindOptionRow(SheetKind::kDocument, "language");
    const std::optional<OptionView> before = ReadOption(sheet, row);
    ASSERT_TRUE(before.has_value());
    ASSERT_EQ(before->keywords.size(), 2u);
    const std::string other =
        before->keywords[0] == Keyword(*before) ? before->keywords[1] : before->keywords[0];
    std::ostringstream out;
    ActionRunner runner(sheet, out, false);
    ASSERT_EQ(DriveOption(runner, *before, other), std::nullopt) << out.str();
    const std::optional<OptionView> after = ReadOption(sheet, row);
    ASSERT_TRUE(after.has_value());
    EXPECT_EQ(Keyword(*after), other);
}

}  // namespace
}  // namespace orca::host
