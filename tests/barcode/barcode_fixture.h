// SPDX-License-Identifier: Apache-2.0
// The Barcode Fonts page as the host meets it: a plug-in object made by the
// host, its document sheet on the headless desktop with the page in front,
// and the host's settings records that the page edits. Tests act as a person
// does and read the records the host will keep.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "plugin/plugin_fixture.h"
#include "resources/control_ids.h"
#include "support/sheet_session.h"

namespace orca::barcodetest {

using platform::Window;
using Names = testsupport::Texts;

inline constexpr char16_t kOrcaModel[] = u"Kestrel(ORCA)";
inline constexpr char16_t kOnyxModel[] = u"Kestrel(ONYX)";

// The list page.
// The dialog.

// Record fields by their place in a record.
inline constexpr uint32_t kTypeOffset = 0;
inline constexpr uint32_t kCheckDigitOffset = 1;
inline constexpr uint32_t kRotationOffset = 2;
inline constexpr uint32_t kNameOffset = 16;
inline constexpr uint32_t kRecordSize = 144;

class BarcodeSheetTest : public plugin::PluginLibraryTest {
protected:
    void TearDown() override;

    // A new plug-in object shows the document sheet of a printer of that
    // model, in the shell's process or an application's, with the Barcode
    // Fonts page in front.
    void OpenSheet(std::u16string_view model, bool shell = true);
    // The page goes behind another tab and comes to the front again.
    void Reshow();

    Window Page() { return session_->Page(); }
    platform::sim::Desktop& Screen() { return session_->Screen(); }
    platform::sim::DesktopDriver& Driver() { return session_->Driver(); }
    bool ApplyEnabled() { return session_->Sheet().ApplyEnabled(); }

    // Clicks a button of the page that opens the dialog, and acts in the
    // dialog with act; the dialog is cancelled when act leaves it open.
    bool InDialog(int button, const std::function<void(Window dialog)>& act);
    // New, a name typed, OK.
    bool AddFont(std::u16string_view name);

    // The list page's lines and the selected one ("" for none).
    Names Lines();
    std::u16string SelectedLine();
    bool Enabled(Window dialog, int controlId) {
        return testsupport::ControlEnabled(Screen(), dialog, controlId);
    }
    std::u16string Text(Window dialog, int controlId) {
        return testsupport::ControlText(Screen(), dialog, controlId);
    }
    Names Items(Window dialog, int controlId) {
        return testsupport::ItemTexts(Screen(), dialog, controlId);
    }
    std::u16string SelectedItem(Window dialog, int controlId) {
        return testsupport::SelectedItemText(Screen(), dialog, controlId);
    }
    // The texts of the message boxes shown so far.
    Names Messages() { return testsupport::MessageTexts(Screen()); }

    // The host's private block: the barcode-font count and records.
    uint8_t* Block() { return session_->Sheet().Records().Private(); }
    uint8_t Count() { return Block()[16]; }
    uint8_t* Record(int index);
    std::u16string RecordName(int index);
    Names RecordNames();
    // Writes names into the first records and the count, as a stored block
    // would hold them.
    void StoreNames(const Names& names);
    // Gives the block one command font of that name.
    void StoreCommandFont(std::u16string_view name);
    // A one-byte field of a record, and the bar height (millimetres).
    uint8_t RecordByte(int index, uint32_t fieldId);
    void SetRecordByte(int index, uint32_t fieldId, uint8_t value);
    double RecordHeight(int index);
    // btSpeedUnit, the unit the bar height shows in: 0 cm, 1 mm, 2 inch.
    void SetUnit(uint8_t unit);

private:
    bool orca_ = true;
    std::unique_ptr<testsupport::SheetSession> session_;
};

}  // namespace orca::barcodetest
