// SPDX-License-Identifier: Apache-2.0
// The start and end command editors of the Command Font dialog and the Custom
// Command page: a kind list (empty, a command file, command text), an edit and
// a button that picks a file or inserts a control-byte escape from the
// control-code menu. Each page gives the longest text its edits take.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "framework/controls.h"
#include "pages/language_file.h"
#include "pages/page_context.h"
#include "platform/window_types.h"

namespace orca::pages {

// What a command holds; the value is the kind list's position.
enum class CommandKind : uint8_t { kEmpty = 0, kFile = 1, kText = 2 };

// The settings fields of one command: its kind, its byte length and its data.
struct CommandFields {
    uint32_t kind;
    uint32_t length;
    uint32_t data;
};

// The controls of one editor.
struct CommandControls {
    int kindList;
    int edit;
    int button;
};

struct EscapeInsertion {
    std::u16string text;
    int caret;
};

// The text with the escape "<\xNN>" of the control-code menu's command over
// the selection, and the caret after the escape; nothing when the command is
// none of the menu's or the text would pass limit characters.
std::optional<EscapeInsertion> InsertControlEscape(std::u16string_view text,
                                                   platform::TextSelection selection, int command,
                                                   int limit);

class CommandEditor {
public:
    // limit: the characters the edit takes. typedPaths: the edit stays open
    // for a file's path as well as for text.
    CommandEditor(framework::Dialog& owner, const CommandControls& controls, int limit,
                  bool typedPaths);

    const CommandControls& Controls() const { return controls_; }
    framework::Edit& TextEdit() { return edit_; }

    // Limits the edit and fills the kind list ("Empty", "File", "Text" by
    // value), selecting kind; a kind of no known value shows as empty.
    void Fill(uint8_t kind);
    // Selects the kind's item, the empty one for a kind of no known value.
    void SelectKind(uint8_t kind);
    // The selected kind.
    CommandKind Kind() const;
    // Shows the kind: the edit holds nothing for an empty command and text
    // otherwise, the edit and button are enabled as the kind allows, and the
    // button says what it does.
    void Show(std::u16string_view text, const CLanguageFile& texts);
    // True while the editor itself sets the edit's text.
    bool SettingText() const { return settingText_; }

    // The button: a file kind asks for a file starting at preset, a text
    // kind offers the control-code menu under the button. A chosen path or
    // escape reaches the edit, which tells its dialog.
    void Press(std::u16string_view preset);

private:
    void ChooseFile(std::u16string_view preset);
    void InsertEscape();

    framework::Dialog& owner_;
    CommandControls controls_;
    framework::ComboBox kindList_;
    framework::Edit edit_;
    framework::Button button_;
    int limit_;
    bool typedPaths_;
    bool settingText_ = false;
};

// A command's data as 8-bit text: its bytes up to the first zero.
std::string ReadCommandData(PageContext& context, const CommandFields& fields, uint32_t size,
                            int index = 0);
// Stores the text's byte length and the text, zero-filled to size bytes;
// text no longer than size - 1. True when the record took both.
[[nodiscard]] bool StoreCommandData(PageContext& context, const CommandFields& fields,
                                    uint32_t size, std::string_view text, int index = 0);

}  // namespace orca::pages
