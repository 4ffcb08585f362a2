// SPDX-License-Identifier: Apache-2.0
#include "option/option_fixture.h"

#include "printers/model_catalogue.h"
#include "resources/control_ids.h"
#include "resources/window_styles.h"

namespace orca::pages::testing {
namespace {

constexpr size_t kPublicRecordSize = 220;

std::unique_ptr<printers::CPrinterImplBase> MakePrinter(std::u16string_view modelName) {
    if (printers::ModelFactory factory = printers::ModelCatalogue().Find(modelName)) {
        return factory();
    }
    return std::make_unique<printers::CPrinterImpl_Null>();
}

}  // namespace

OptionSheet::OptionSheet(std::u16string_view modelName)
    : printer_(MakePrinter(modelName)),
      public_(kPublicRecordSize, 0),
      block_(printer_->Settings().GetPrivateSize(), 0) {
    printer_->AttachPublicRecord(public_.data());
    printer_->AttachBlock(block_.data());
    printer_->SetModelDefaults();
    // The host's own defaults: one portrait copy.
    int16_t one = 1;
    printer_->AccessValue(kCopiesField, &one, 0, false);
    printer_->AccessValue(kOrientation, &one, 0, false);
}

int32_t OptionSheet::AccessValue(uint32_t fieldId, void* buffer, int index, bool get) {
    return printer_->AccessValue(fieldId, buffer, index, get);
}

int32_t OptionSheet::AccessBytes(uint32_t fieldId, void* buffer, uint32_t length, int index,
                                 bool get) {
    return printer_->AccessBytes(fieldId, buffer, static_cast<int32_t>(length), index, get);
}

void OptionSheet::BuildPaperList(std::vector<PaperRecord>& list, bool customOnly) {
    EXPECT_FALSE(customOnly) << "the Option page lists every paper";
    list = papers;
}

int OptionSheet::ApplyPaperToPrinter(const PaperRecord& paper) {
    applied.push_back(paper);
    if (applyAnswer == 1) {
        storedPaperSize = paper.paperId;
    }
    return applyAnswer;
}

int OptionSheet::SyncOrientation(int index, bool apply) {
    if (hostOrientation < 0) {
        return 0;
    }
    const int previous = hostOrientation;
    if (apply && index != previous) {
        hostOrientation = index;
        ++orientationUpdates;
    }
    return previous;
}

PaperRecord Paper(std::u16string name, uint16_t id, int32_t width, int32_t length) {
    PaperRecord paper;
    paper.name = std::move(name);
    paper.paperId = id;
    paper.width = width;
    paper.length = length;
    return paper;
}

OptionPageTest::OptionPageTest()
    : desktop_(platform::sim::AttachDesktop(Env())), driver_(*desktop_) {}

OptionSheet& OptionPageTest::MakeSheet(std::u16string_view modelName) {
    page_.reset();
    sheet_ = std::make_unique<OptionSheet>(modelName);
    return *sheet_;
}

void OptionPageTest::Open() {
    page_ = std::make_unique<CDocPage_Option>(*sheet_, *sheet_);
    window_ = Screen().CreateSheet(u"Label1 Printing Preferences", {u"Layout"});
    Screen().AddPage(window_, page_->Handle());
    Screen().OpenSheet(window_, 1);
}

void OptionPageTest::Reshow() {
    Driver().SelectTab(window_, 0);
    Driver().SelectTab(window_, 1);
}

std::u16string OptionPageTest::Text(int controlId) {
    return Screen().Text(Screen().Child(Page(), controlId));
}

std::vector<std::u16string> OptionPageTest::ItemTexts(int controlId) {
    platform::Window list = Screen().Child(Page(), controlId);
    std::vector<std::u16string> texts;
    for (int i = 0; i < Screen().ItemCount(list); ++i) {
        texts.push_back(Screen().ItemText(list, i));
    }
    return texts;
}

std::u16string OptionPageTest::SelectedText(int controlId) {
    platform::Window list = Screen().Child(Page(), controlId);
    const int selected = Screen().Selection(list);
    return selected < 0 ? u"(none)" : Screen().ItemText(list, selected);
}

bool OptionPageTest::Visible(int controlId) {
    return Screen().IsVisible(Screen().Child(Page(), controlId));
}

std::vector<std::u16string> OptionPageTest::Sizes() {
    std::vector<std::u16string> sizes;
    for (int id :
         {control::kOptionWidthEdit, control::kOptionHeightEdit, control::kOptionLeftEdit,
          control::kOptionRightEdit, control::kOptionTopEdit, control::kOptionBottomEdit}) {
        sizes.push_back(Text(id));
    }
    return sizes;
}

bool OptionPageTest::ApplyEnabled() {
    return Screen().IsEnabled(Screen().Child(window_, resources::kSheetApplyId));
}

}  // namespace orca::pages::testing
