// SPDX-License-Identifier: Apache-2.0
#include "pages/commands/command_font_dialog.h"

#include <algorithm>

#include "pages/ansi_text.h"
#include "pages/font_names.h"
#include "pages/font_record.h"
#include "pages/setting_value.h"
#include "resources/control_ids.h"
#include "settings/field_ids.h"
#include "text/utf.h"

namespace orca::pages {
namespace {

using namespace cmdfont;

constexpr TranslationRule kDialogRule{kSkipEdits, kUntranslatedButtons, true};

}  // namespace

CDocDialog_CMD::CDocDialog_CMD(PageContext& context, FontListServices& services, int index,
                               int mode)
    : CPluginDialog(context, resources::kDialogCommandFont, kDialogRule),
      services_(services),
      index_(index),
      mode_(mode),
      sides_{
          Side{CommandEditor(*this, kStartControls, kCommandChars, false), kStartFields, 0, {}, {}},
          Side{CommandEditor(*this, kEndControls, kCommandChars, false), kEndFields, 0, {}, {}}} {
    if (mode_ == kChangeMode) {
        ReadRecord();
    }
    using platform::Notification;
    for (Side& side : sides_) {
        const CommandControls& controls = side.editor.Controls();
        On(controls.kindList, Notification::kSelectionChanged,
           [this, &side] { OnKindChanged(side); });
        On(controls.edit, Notification::kTextChanged, [this, &side] { OnTextChanged(side); });
        // A chosen path or escape reaches the edit, which keeps it as the current text.
        On(controls.button, Notification::kClicked, [&side] { side.editor.Press(side.current); });
    }
    OnOkAndCancel(control::kCommandFontOkButton, control::kCommandFontCancelButton,
                  [this] { OnOk(); });
}

void CDocDialog_CMD::ReadRecord() {
    ReadFontName(Context(), settings::field::kCmdFontName, index_, initialName_);
    initialPosition_ =
        ReadSetting(Context(), settings::field::kCmdFontPosition, initialPosition_, index_);
    for (Side& side : sides_) {
        side.initialKind = ReadSetting(Context(), side.fields.kind, side.initialKind, index_);
        side.initialData = ReadCommandData(Context(), side.fields, kDataBytes, index_);
        side.current = text::AnsiToUtf16(side.initialData, SystemCodePage());
    }
}

void CDocDialog_CMD::OnInitDialog() {
    name_.SetText(initialName_);
    name_.LimitText(kNameTypedChars);
    name_.Enable(services_.IsShellHost());
    positions_.Clear();
    for (size_t value = 0; value < std::size(kPositionNames); ++value) {
        positions_.Add(kPositionNames[value], static_cast<intptr_t>(value));
    }
    positions_.Select(std::max(positions_.Find(initialPosition_), 0));
    for (Side& side : sides_) {
        side.editor.Fill(side.initialKind);
        side.editor.Show(side.current, Texts());
    }
    TranslateInSheetLanguage();
    if (mode_ == kNewMode) {
        name_.SetFocus();
    }
}

void CDocDialog_CMD::OnKindChanged(Side& side) {
    side.editor.Show(side.current, Texts());
}

void CDocDialog_CMD::OnTextChanged(Side& side) {
    // A typed text or an inserted escape; an empty kind's blank edit is not.
    if (!side.editor.SettingText()) {
        side.current = side.editor.TextEdit().Text();
    }
}

bool CDocDialog_CMD::Refused(framework::Control& control, std::u16string_view messageKey) {
    Refuse(control, messageKey, u"MSG_CMD_BOXTITILE");
    return false;
}

bool CDocDialog_CMD::Valid(const std::u16string& name, const std::array<std::string, 2>& data) {
    // Command fonts keep clear of the ORCA printer fonts whatever the
    // printer's language.
    switch (CheckFontName(Context(), name, initialName_, kReservedFontNamesOrca)) {
        case FontNameVerdict::kEmpty:
            return Refused(name_, u"MSG_CMD_ENTERNAME");
        case FontNameVerdict::kInUse:
            return Refused(name_, u"MSG_CMD_MUSTUNIQUENAME");
        case FontNameVerdict::kAccepted:
            break;
    }
    for (size_t i = 0; i < sides_.size(); ++i) {
        if (data[i].size() >= kDataBytes) {
            return Refused(sides_[i].editor.TextEdit(), u"MSG_CMD_DATATOOLONG");
        }
    }
    return true;
}

void CDocDialog_CMD::OnOk() {
    const std::u16string name = name_.Text();
    const int selected = positions_.Selected();
    const auto position = static_cast<uint8_t>(selected < 0 ? 0 : positions_.ItemValue(selected));
    std::array<std::string, 2> data;
    for (size_t i = 0; i < sides_.size(); ++i) {
        data[i] = text::Utf16ToAnsi(sides_[i].editor.TextEdit().Text(), SystemCodePage());
    }
    if (!Valid(name, data)) {
        return;
    }
    if (mode_ == kNewMode) {
        const int32_t appended = services_.AddCMDFont();
        if (appended < 0) {
            // Nothing could be stored, so nothing changed.
            EndDialog(0);
            return;
        }
        index_ = appended;
    }
    bool stored = mode_ == kNewMode;
    if (name != initialName_)
        stored |= WriteFontName(Context(), settings::field::kCmdFontName, index_, name);
    stored |= StoreRecordByte(Context(), settings::field::kCmdFontPosition, index_, position,
                              initialPosition_);
    for (size_t i = 0; i < sides_.size(); ++i) {
        Side& side = sides_[i];
        stored |= StoreRecordByte(Context(), side.fields.kind, index_,
                                  static_cast<uint8_t>(side.editor.Kind()), side.initialKind);
        if (data[i] != side.initialData)
            stored |= StoreCommandData(Context(), side.fields, kDataBytes, data[i], index_);
    }
    EndDialog(stored ? kStored : 0);
}

}  // namespace orca::pages
