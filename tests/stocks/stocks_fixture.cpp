// SPDX-License-Identifier: Apache-2.0
#include "stocks/stocks_fixture.h"

#include "host/driver_host/host_sheets.h"
#include "platform/sim/environment.h"
#include "platform/sim/public_record.h"
#include "resources/control_ids.h"
#include "resources/page_resources.h"
#include "settings/field_ids.h"
#include "settings/field_map.h"
#include "text/utf.h"

namespace orca::stockstest {

using namespace orca::plugin;

void StocksTest::SetUp() {
    library_ = std::make_unique<driverhost::PluginLibrary>(ORCAUI_PATH);
    ASSERT_TRUE(library_->Loaded()) << library_->Error();
    desktop_ = platform::sim::AttachDesktop(Env());
    driver_ = std::make_unique<platform::sim::DesktopDriver>(*desktop_);
}

void StocksTest::AddPrinter(std::u16string_view name, std::u16string_view model) {
    Env().AddPrinter(platform::sim::Printer{
        .name = std::u16string(name),
        .driverName = std::u16string(model),
        .portName = u"null:",
        .settings = platform::sim::MakePublicRecord(name, 1, u"Letter"),
        .perUserSettingsSize = 0,
        .papers = {{.number = 1, .name = u"Letter", .width = 2159, .length = 2794},
                   {.number = 9, .name = u"A4", .width = 2100, .length = 2970}}});
}

void StocksTest::AddForm(std::u16string_view name, int32_t width, int32_t height, uint32_t flags,
                         std::array<int32_t, 4> margins) {
    const auto [left, top, right, bottom] = margins;
    ASSERT_TRUE(Env().AddForm(platform::FormInfo1{.flags = flags,
                                                  .name = std::u16string(name),
                                                  .width = width * 100,
                                                  .height = height * 100,
                                                  .left = left * 100,
                                                  .top = top * 100,
                                                  .right = (width - right) * 100,
                                                  .bottom = (height - bottom) * 100}));
}

PrinterSheet& StocksTest::OpenSheet(std::u16string_view printerName, uint8_t language,
                                    bool document) {
    auto sheet = std::make_unique<PrinterSheet>();
    sheet->object.Reset(library_->CreateObject());
    sheet->printer = std::make_unique<driverhost::HostPrinter>(printerName);
    IPrintOemUI2* object = sheet->object.get();
    EXPECT_NE(object, nullptr);
    const HANDLE printer = sheet->printer->Handle();

    EXPECT_TRUE(driverhost::DefaultRecords(object, printer, printerName, &sheet->records));
    EXPECT_NE(sheet->records->Private(), nullptr) << "the printer's model has no settings";
    if (sheet->records->Private() == nullptr) {
        sheets_.push_back(std::move(sheet));
        return *sheets_.back();
    }
    const settings::BlockLayout& layout =
        sheet->records->PrivateSize() == settings::kLayoutOnyx.size ? settings::kLayoutOnyx
                                                                    : settings::kLayoutOrca;
    sheet->languageOffset = settings::FindRow(layout.fields, settings::field::kLanguage)->offset;
    sheet->records->Private()[sheet->languageOffset] = language;

    sheet->ui = driverhost::CommonUIParams(printer, *sheet->records, nullptr, 0);
    EXPECT_EQ(object->CommonUIProp(document ? OEMCUIP_DOCPROP : OEMCUIP_PRNPROP, &sheet->ui), S_OK);
    sheet->window = document ? driverhost::CreateDocumentSheet(Screen(), printerName)
                             : driverhost::CreatePrinterSheet(Screen(), printerName);
    sheet->host = std::make_unique<driverhost::HostPropertySheet>(desktop_.get(), sheet->window);
    PROPSHEETUI_INFO info = sheet->host->Info(PROPSHEETUI_REASON_INIT);
    EXPECT_EQ(document ? object->DocumentPropertySheets(&info, 0)
                       : object->DevicePropertySheets(&info, 0),
              S_OK);
    const int tabs = static_cast<int>(driverhost::TabTitles(Screen(), sheet->window).size());
    const int stocksTab = static_cast<int>(driverhost::HostPrinterTabs().size());
    EXPECT_TRUE(Screen().OpenSheet(sheet->window, document ? tabs - 1 : stocksTab));
    current_ = sheet->window;
    sheets_.push_back(std::move(sheet));
    return *sheets_.back();
}

Texts StocksTest::Forms() {
    Texts forms;
    for (const platform::sim::Form& form : Env().Forms()) {
        const platform::FormInfo1& f = form.info;
        forms.push_back(
            f.name +
            text::Utf8ToUtf16(" " + std::to_string(f.width) + " x " + std::to_string(f.height) +
                              " (" + std::to_string(f.left) + "," + std::to_string(f.top) + "," +
                              std::to_string(f.right) + "," + std::to_string(f.bottom) + ")"));
    }
    return forms;
}

std::u16string StocksTest::Text(int controlId) {
    return Screen().Text(Screen().Child(Page(), controlId));
}

Texts StocksTest::Items() {
    const platform::Window list = Screen().Child(Page(), control::kStocksFormList);
    Texts items;
    for (int i = 0; i < Screen().ItemCount(list); ++i) {
        items.push_back(Screen().ItemText(list, i));
    }
    return items;
}

std::u16string StocksTest::SelectedItem() {
    const platform::Window list = Screen().Child(Page(), control::kStocksFormList);
    const int selected = Screen().Selection(list);
    return selected < 0 ? u"(none)" : Screen().ItemText(list, selected);
}

bool StocksTest::Enabled(int controlId) {
    return Screen().IsEnabled(Screen().Child(Page(), controlId));
}

Texts StocksTest::Messages() {
    Texts shown;
    for (const platform::sim::MessageRecord& message : Screen().Messages()) {
        shown.push_back(message.caption + u": " + message.text);
    }
    return shown;
}

bool StocksTest::Save(std::u16string_view name, const std::vector<std::u16string>& measures) {
    constexpr int kMeasureEdits[] = {control::kStocksWidthEdit, control::kStocksHeightEdit,
                                     control::kStocksLeftEdit,  control::kStocksTopEdit,
                                     control::kStocksRightEdit, control::kStocksBottomEdit};
    bool typed = Type(control::kStocksNameEdit, name);
    for (size_t i = 0; i < measures.size() && i < std::size(kMeasureEdits); ++i) {
        typed = Type(kMeasureEdits[i], measures[i]) && typed;
    }
    return typed && Click(control::kStocksSaveButton);
}

}  // namespace orca::stockstest
