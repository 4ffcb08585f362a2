#include "hook_sheets.h"

#include "pages/page_context.h"
#include "platform/sim/environment.h"
#include "platform/sim/public_record.h"
#include "settings/field_map.h"
#include "support/host_sheets.h"

namespace orca::pages::testing {
namespace {

using namespace orca::plugin;

struct PrinterSetup {
    const char16_t* name;
    const char16_t* driver;
};
constexpr PrinterSetup kPrinters[] = {
    {kOrcaPrinter, u"Kestrel(ORCA)"}, {kOtherPrinter, u"Kestrel(ORCA)"},
    {kNeutralPrinter, u"Egret"},      {kUnknownPrinter, u"Generic Laser Driver"},
    {kLongPrinter, u"Kestrel(ORCA)"}, {kLongNamesake, u"Kestrel(ORCA)"},
};

}  // namespace

std::optional<uint8_t> HostSheet::PrivateByte(uint32_t fieldId) {
    if (records->Private() == nullptr) {
        return std::nullopt;
    }
    return records->Private()[settings::FindRow(settings::kLayoutOrca.fields, fieldId)->offset];
}

void HostSheet::SetPrivateByte(uint32_t fieldId, uint8_t value) {
    if (records->Private() != nullptr) {
        records->Private()[settings::FindRow(settings::kLayoutOrca.fields, fieldId)->offset] =
            value;
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
    library_ = std::make_unique<testsupport::PluginLibrary>(ORCAUI_PATH);
    ASSERT_TRUE(library_->Loaded()) << library_->Error();
    desktop_ = platform::sim::AttachDesktop(Env());
    driver_ = std::make_unique<platform::sim::DesktopDriver>(*desktop_);
}

std::unique_ptr<HostSheet> HookSheetsTest::OpenSheet(std::u16string_view printerName,
                                                     const SheetOptions& options) {
    auto sheet = std::make_unique<HostSheet>();
    sheet->printerName = printerName;
    sheet->object.Reset(library_->CreateObject());
    sheet->printer = std::make_unique<testsupport::HostPrinter>(printerName);
    IPrintOemUI2* object = sheet->object.get();
    EXPECT_NE(object, nullptr);
    if (object == nullptr) {
        return sheet;
    }
    const HANDLE printer = sheet->printer->Handle();

    OEMDMPARAM size = testsupport::DevModeParams(printer, nullptr, nullptr);
    EXPECT_EQ(object->DevMode(OEMDM_SIZE, &size), S_OK);
    // The printer object's capabilities are values like any other, so a test
    // shapes a model without a row of its own in the model table.
    auto* context = dynamic_cast<PageContext*>(object);
    EXPECT_NE(context, nullptr);
    for (auto [pageSwitch, value] : options.pageSwitches) {
        if (context != nullptr) {
            EXPECT_EQ(context->AccessValue(pageSwitch, &value, 0, false), 0) << pageSwitch;
        }
    }
    sheet->records = std::make_unique<testsupport::HostDevMode>(size.cbBufSize, printerName);
    OEMDMPARAM defaults = testsupport::DevModeParams(printer, nullptr, sheet->records.get());
    defaults.pPublicDMIn = sheet->records->Public();
    EXPECT_EQ(object->DevMode(OEMDM_DEFAULT, &defaults), S_OK);
    if (options.language) {
        sheet->SetPrivateByte(settings::kLanguageField, *options.language);
    }

    EXPECT_EQ(object->PublishDriverInterface(&sheet->driver), S_OK);
    sheet->ui = options.hostItems
                    ? testsupport::CommonUIParams(printer, *sheet->records, sheet->items.Items(),
                                                  sheet->items.Count())
                    : testsupport::CommonUIParams(printer, *sheet->records, nullptr, 0);
    EXPECT_EQ(
        object->CommonUIProp(options.document ? OEMCUIP_DOCPROP : OEMCUIP_PRNPROP, &sheet->ui),
        S_OK);

    sheet->window = options.document ? testsupport::CreateDocumentSheet(Screen(), printerName)
                                     : testsupport::CreatePrinterSheet(Screen(), printerName);
    sheet->host = std::make_unique<testsupport::HostPropertySheet>(desktop_.get(), sheet->window);
    PROPSHEETUI_INFO info = sheet->host->Info(PROPSHEETUI_REASON_INIT);
    EXPECT_EQ(options.document ? object->DocumentPropertySheets(&info, 0)
                               : object->DevicePropertySheets(&info, 0),
              S_OK);
    const int last = static_cast<int>(testsupport::TabTitles(Screen(), sheet->window).size()) - 1;
    EXPECT_TRUE(Screen().OpenSheet(sheet->window, last));
    return sheet;
}

platform::Window HookSheetsTest::ShowTab(const HostSheet& sheet, std::u16string_view title) {
    EXPECT_TRUE(Driver().SelectTab(sheet.window, title)) << "no tab of that title";
    return Screen().CurrentPage(sheet.window);
}

}  // namespace orca::pages::testing
