// SPDX-License-Identifier: Apache-2.0
// The command pages as the host meets them: a plug-in object made by the
// host, its document sheet on the headless desktop with one page in front,
// and the host's settings records that the page edits. Tests act as a person
// does and read the bytes the host will keep.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "plugin/plugin_fixture.h"
#include "support/sheet_session.h"

namespace orca::cmdfonttest {

using platform::Window;
using testsupport::Texts;

inline constexpr char16_t kOrcaModel[] = u"Kestrel(ORCA)";
inline constexpr char16_t kOnyxModel[] = u"Kestrel(ONYX)";
inline constexpr char16_t kCommandFontsTab[] = u"Command Fonts";
inline constexpr char16_t kCustomCommandTab[] = u"Custom Command";

// The number of command fonts in use sits in the block's header.
inline constexpr uint32_t kCommandFontCountOffset = 17;

class CommandSheetTest : public plugin::PluginLibraryTest {
protected:
    void TearDown() override;

    // A new plug-in object shows the document sheet of a printer of that
    // model, in the shell's process or an application's, in that UI language
    // (0 Chinese, 1 English), with that tab in front.
    void OpenSheet(std::u16string_view model, std::u16string_view tab, bool shell = true,
                   uint8_t language = 1);
    // The page goes behind a host tab and comes to the front again.
    void Reshow();

    Window Page() { return session_->Page(); }
    platform::sim::Desktop& Screen() { return session_->Screen(); }
    platform::sim::DesktopDriver& Driver() { return session_->Driver(); }
    bool ApplyEnabled() { return session_->Sheet().ApplyEnabled(); }

    // Clicks a control of the page that opens a dialog and acts in the dialog
    // with act; the dialog is cancelled when act leaves it open. False when
    // no dialog opened.
    bool InDialog(int button, const std::function<void(Window dialog)>& act);

    std::u16string Text(Window window, int controlId) {
        return testsupport::ControlText(Screen(), window, controlId);
    }
    bool Enabled(Window window, int controlId) {
        return testsupport::ControlEnabled(Screen(), window, controlId);
    }
    Texts Items(Window window, int controlId) {
        return testsupport::ItemTexts(Screen(), window, controlId);
    }
    std::u16string SelectedItem(Window window, int controlId) {
        return testsupport::SelectedItemText(Screen(), window, controlId);
    }
    Texts Messages() { return testsupport::MessageTexts(Screen()); }

    // The sheet's private block and its command-font records.
    uint8_t* Block() { return session_->Sheet().Records().Private(); }
    uint8_t* CommandFont(int index);
    int CommandFontCount() { return Block()[kCommandFontCountOffset]; }
    // Record fields by their place in a record.
    std::u16string FontName(int index);
    std::string Data(const uint8_t* at, size_t size);
    static uint16_t U16(const uint8_t* at) { return static_cast<uint16_t>(at[0] | at[1] << 8); }
    // Fonts of the block written as the host hands them in: names only.
    void StoreCommandFonts(const Texts& names);
    void StoreBarcodeFont(int index, std::u16string_view name);

    // Answers the next file dialog with path (empty: cancelled).
    void AnswerFile(std::u16string path);
    // Answers the next pop-up menu with the item for byte (-1: dismissed).
    void AnswerMenu(int byte);

private:
    bool orca_ = true;
    std::u16string tab_;
    std::unique_ptr<testsupport::SheetSession> session_;
};

}  // namespace orca::cmdfonttest
