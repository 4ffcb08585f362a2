// SPDX-License-Identifier: Apache-2.0
#include "hook_sheets.h"

#include "pages/page_context.h"
#include "platform/sim/environment.h"
#include "platform/sim/public_record.h"
#include "settings/field_ids.h"
#include "settings/field_map.h"

namespace orca::pages::testing {
namespace {

struct PrinterSetup {
    const char16_t* name;
    const char16_t* driver;
};
constexpr PrinterSetup kPrinters[] = {
    {kOrcaPrinter, u"Kestrel(ORCA)"}, {kOtherPrinter, u"Kestrel(ORCA)"},
    {kNeutralPrinter, u"Egret"},      {kUnknownPrinter, u"Generic Laser Driver"},
    {kLongPrinter, u"Kestrel(ORCA)"}, {kLongNamesake, u"Kestrel(ORCA)"},
};

// The field in the records' private block; nullptr without a block.
uint8_t* PrivateField(driverhost::HostDevMode& records, uint32_t fieldId) {
    return records.Private() == nullptr
               ? nullptr
               : records.Private() +
                     settings::FindRow(settings::kLayoutOrca.fields, fieldId)->offset;
}

}  // namespace

HostSheet::HostSheet(driverhost::PluginLibrary& library, platform::sim::Desktop& desktop,
                     std::u16string_view printerName, const SheetOptions& options) {
    object_.Reset(library.CreateObject());
    if (!object_) {
        return;
    }
    testsupport::SheetOpening opening;
    opening.prepare = [&options](testsupport::PluginSheet& sheet) {
        uint8_t* language = PrivateField(sheet.Records(), settings::field::kLanguage);
        if (options.language && language != nullptr) {
            *language = *options.language;
        }
    };
    // The printer object's capabilities are values like any other, so a test
    // shapes a model without a row of its own in the model table.
    opening.beforePages = [this, &options] {
        auto* context = dynamic_cast<PageContext*>(object_.get());
        ASSERT_NE(context, nullptr);
        for (auto [pageSwitch, value] : options.pageSwitches) {
            EXPECT_EQ(context->AccessValue(pageSwitch, &value, 0, false), 0) << pageSwitch;
        }
    };
    opening.tab = testsupport::LastTab;
    opening.printerSheet = !options.document;
    opening.hostItems = options.hostItems;
    sheet_ =
        std::make_unique<testsupport::PluginSheet>(object_.get(), printerName, desktop, opening);
}

std::optional<uint8_t> HostSheet::PrivateByte(uint32_t fieldId) {
    const uint8_t* field = PrivateField(sheet_->Records(), fieldId);
    return field == nullptr ? std::nullopt : std::optional<uint8_t>(*field);
}

void HostSheet::SetPrivateByte(uint32_t fieldId, uint8_t value) {
    if (uint8_t* field = PrivateField(sheet_->Records(), fieldId)) {
        *field = value;
    }
}

void HookSheetsTest::SetUp() {
    for (const PrinterSetup& setup : kPrinters) {
        platform::sim::Printer printer;
        printer.name = setup.name;
        printer.driverName = setup.driver;
        printer.settings = platform::sim::MakePublicRecord(setup.name, 9, u"A4");
        Env().AddPrinter(std::move(printer));
    }
    library_ = std::make_unique<driverhost::PluginLibrary>(ORCAUI_PATH);
    ASSERT_TRUE(library_->Loaded()) << library_->Error();
    desktop_ = platform::sim::AttachDesktop(Env());
    driver_ = std::make_unique<platform::sim::DesktopDriver>(*desktop_);
}

std::unique_ptr<HostSheet> HookSheetsTest::OpenSheet(std::u16string_view printerName,
                                                     const SheetOptions& options) {
    auto sheet = std::make_unique<HostSheet>(*library_, Screen(), printerName, options);
    EXPECT_TRUE(sheet->Opened());
    return sheet;
}

void HookSheetsTest::UseSystemLanguage(uint16_t language) {
    platform::sim::SystemFacts facts = Env().Facts();
    facts.defaultLanguage = language;
    Env().SetFacts(facts);
}

platform::Window HookSheetsTest::ShowTab(const HostSheet& sheet, std::u16string_view title) {
    EXPECT_TRUE(Driver().SelectTab(sheet.Window(), title)) << "no tab of that title";
    return Screen().CurrentPage(sheet.Window());
}

}  // namespace orca::pages::testing
