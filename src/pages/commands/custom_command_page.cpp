// SPDX-License-Identifier: Apache-2.0
#include "pages/commands/custom_command_page.h"

#include <cstdint>
#include <string>

#include "pages/ansi_text.h"
#include "pages/setting_value.h"
#include "resources/control_ids.h"
#include "text/utf.h"

namespace orca::pages {
namespace {

using namespace custom;

constexpr TranslationRule kCustomRule{kSkipEdits, kUntranslated};

}  // namespace

CDocPage_Custom_ORCA::CDocPage_Custom_ORCA(PageContext& context)
    : CPluginPage(context, resources::kPageCustomCommand, kCustomRule),
      sides_{Side{CommandEditor(*this, kStartControls, kCommandChars, true), &Position::start},
             Side{CommandEditor(*this, kEndControls, kCommandChars, true), &Position::end}} {
    using platform::Notification;
    On(control::kCustomCommandPositionList, Notification::kSelectionChanged,
       [this] { OnPositionChanged(); });
    for (Side& side : sides_) {
        const CommandControls& controls = side.editor.Controls();
        On(controls.kindList, Notification::kSelectionChanged,
           [this, &side] { OnKindChanged(side); });
        On(controls.edit, Notification::kTextChanged, [this, &side] { OnTextChanged(side); });
        // A chosen path or escape reaches the edit, which stores it.
        On(controls.button, Notification::kClicked, [&side] { side.editor.Press({}); });
    }
}

void CDocPage_Custom_ORCA::Refresh() {
    positions_.Clear();
    for (size_t value = 0; value < kPositions.size(); ++value) {
        positions_.Add(kPositions[value].name, static_cast<intptr_t>(value));
    }
    positions_.Select(0);
    for (Side& side : sides_) {
        side.editor.Fill(0);
    }
    LoadPosition(0);
}

const CommandFields& CDocPage_Custom_ORCA::FieldsOf(const Side& side) const {
    return kPositions[position_].*side.fields;
}

void CDocPage_Custom_ORCA::LoadPosition(int position) {
    position_ = position;
    for (Side& side : sides_) {
        side.editor.SelectKind(ReadSetting<uint8_t>(Context(), FieldsOf(side).kind, 0));
        ShowSide(side);
    }
}

void CDocPage_Custom_ORCA::ShowSide(Side& side) {
    const std::string data = ReadCommandData(Context(), FieldsOf(side), kDataBytes);
    side.editor.Show(text::AnsiToUtf16(data, SystemCodePage()), Texts());
}

void CDocPage_Custom_ORCA::OnPositionChanged() {
    const int selected = positions_.Selected();
    const intptr_t value = selected < 0 ? 0 : positions_.ItemValue(selected);
    if (value >= 0 && value < static_cast<intptr_t>(kPositions.size())) {
        LoadPosition(static_cast<int>(value));
    }
}

void CDocPage_Custom_ORCA::OnKindChanged(Side& side) {
    // The data stays: an empty command hides its text, and text shows it again.
    ShowSide(side);
    if (StoreIfChanged(Context(), FieldsOf(side).kind, static_cast<uint8_t>(side.editor.Kind())))
        SetModified();
}

void CDocPage_Custom_ORCA::OnTextChanged(Side& side) {
    if (side.editor.SettingText()) {
        return;
    }
    const CommandFields& fields = FieldsOf(side);
    const std::string typed =
        ToAnsiWithin(side.editor.TextEdit().Text(), SystemCodePage(), kDataBytes - 1);
    const bool sameLength = ReadSetting<uint16_t>(Context(), fields.length, 0) == typed.size();
    if (sameLength && ReadCommandData(Context(), fields, kDataBytes) == typed) {
        return;
    }
    if (StoreCommandData(Context(), fields, kDataBytes, typed))
        SetModified();
}

}  // namespace orca::pages
