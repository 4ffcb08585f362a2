// SPDX-License-Identifier: Apache-2.0
#include "sheet_fixture.h"

// The plug-in's export, linked into the program from the plug-in's sources.
extern "C" orca::plugin::HRESULT DllGetClassObject(const orca::plugin::CLSID& clsid,
                                                   const orca::plugin::IID& iid, void** out);

namespace orca::wintest {

// As the host ends a sheet: the window first, then the plug-in's pages.
void PropertySheetTest::TearDown() {
    headless_.reset();
    linked_.reset();
    sheet_.reset();
    real_.reset();
}

void PropertySheetTest::OpenSheet(std::u16string_view printer, bool documentSheet,
                                  bool handRecords) {
    TearDown();
    printer_ = printer;
    documentSheet_ = documentSheet;
    real_ =
        std::make_unique<SheetHooks>(CreateObject(), printer, documentSheet, nullptr, handRecords);
    ASSERT_TRUE(real_->Opened());
    sheet_ = std::make_unique<ShownSheet>(&SheetHooks::SheetHookCall, real_.get(), printer);
    ASSERT_TRUE(sheet_->Shown());
}

void PropertySheetTest::OpenHeadlessSheet() {
    linked_ = std::make_unique<SheetHooks>(CreateObjectThrough(&::DllGetClassObject), printer_,
                                           documentSheet_, &real_->Records());
    ASSERT_TRUE(linked_->Opened());
    ASSERT_TRUE(linked_->AddPages());
    headless_ = std::make_unique<HeadlessSheet>(linked_->Pages(), printer_);
    ASSERT_TRUE(headless_->Shown());
}

}  // namespace orca::wintest
