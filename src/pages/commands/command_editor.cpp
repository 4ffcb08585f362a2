// SPDX-License-Identifier: Apache-2.0
#include "pages/commands/command_editor.h"

#include <algorithm>
#include <array>

#include "framework/desktop_windows.h"
#include "pages/ansi_text.h"
#include "pages/setting_value.h"
#include "platform/file_names.h"
#include "resources/dialog_template.h"
#include "resources/page_resources.h"
#include "resources/window_styles.h"

namespace orca::pages {
namespace {

constexpr int kControlCodes = 32;
constexpr std::array<std::u16string_view, 3> kKindNames{u"Empty", u"File", u"Text"};

// The open-file dialog options the settings-file page uses too.
constexpr uint32_t kFileDialogFlags = resources::OFN_HIDEREADONLY | resources::OFN_PATHMUSTEXIST |
                                      resources::OFN_CREATEPROMPT | resources::OFN_OVERWRITEPROMPT |
                                      resources::OFN_LONGNAMES;
constexpr uint32_t kPathBufferChars = platform::kMaxPath;

// "<\xNN>" with two upper-case hexadecimal digits.
std::u16string ControlEscape(int byte) {
    constexpr char16_t kDigits[] = u"0123456789ABCDEF";
    return {u'<', u'\\', u'x', kDigits[(byte >> 4) & 0xF], kDigits[byte & 0xF], u'>'};
}

}  // namespace

std::optional<EscapeInsertion> InsertControlEscape(std::u16string_view text,
                                                   platform::TextSelection selection, int command,
                                                   int limit) {
    const int byte = command - resources::kControlCodeCommandFirst;
    if (byte < 0 || byte >= kControlCodes) {
        return std::nullopt;
    }
    const std::u16string escape = ControlEscape(byte);
    const int length = static_cast<int>(text.size());
    const int kept = std::clamp(selection.start, 0, length);
    const int after = length - std::clamp(selection.end, kept, length);
    const int caret = kept + static_cast<int>(escape.size());
    if (caret + after > limit) {
        return std::nullopt;
    }
    std::u16string result(text.substr(0, kept));
    result += escape;
    result += text.substr(length - after);
    return EscapeInsertion{std::move(result), caret};
}

CommandEditor::CommandEditor(framework::Dialog& owner, const CommandControls& controls, int limit,
                             bool typedPaths)
    : owner_(owner),
      controls_(controls),
      kindList_(owner, controls.kindList),
      edit_(owner, controls.edit),
      button_(owner, controls.button),
      limit_(limit),
      typedPaths_(typedPaths) {}

void CommandEditor::Fill(uint8_t kind) {
    edit_.LimitText(limit_);
    kindList_.Clear();
    for (size_t value = 0; value < kKindNames.size(); ++value) {
        kindList_.Add(kKindNames[value], static_cast<intptr_t>(value));
    }
    SelectKind(kind);
}

void CommandEditor::SelectKind(uint8_t kind) {
    kindList_.Select(std::max(kindList_.Find(kind), 0));
}

CommandKind CommandEditor::Kind() const {
    const int selected = kindList_.Selected();
    const intptr_t value = selected < 0 ? 0 : kindList_.ItemValue(selected);
    return value >= 0 && value < static_cast<intptr_t>(kKindNames.size())
               ? static_cast<CommandKind>(value)
               : CommandKind::kEmpty;
}

void CommandEditor::Show(std::u16string_view text, const CLanguageFile& texts) {
    const CommandKind kind = Kind();
    settingText_ = true;
    edit_.SetText(kind == CommandKind::kEmpty ? std::u16string_view() : text);
    settingText_ = false;
    edit_.Enable(kind == CommandKind::kText || (typedPaths_ && kind == CommandKind::kFile));
    button_.Enable(kind != CommandKind::kEmpty);
    button_.SetText(kind == CommandKind::kFile   ? texts.Text(u"BTN_TEXT_SELECTFILE")
                    : kind == CommandKind::kText ? texts.Text(u"BTN_TEXT_INSERT")
                                                 : std::u16string(u"..."));
}

void CommandEditor::Press(std::u16string_view preset) {
    switch (Kind()) {
        case CommandKind::kFile:
            ChooseFile(preset);
            break;
        case CommandKind::kText:
            InsertEscape();
            break;
        case CommandKind::kEmpty:
            break;
    }
}

void CommandEditor::ChooseFile(std::u16string_view preset) {
    const platform::FileDialogResult result = framework::ChooseFile({
        .save = false,
        .owner = owner_.window(),
        .title = {},
        .filters = {{u"*.*", u"*.*"}},
        .filterIndex = 1,
        .fileName = std::u16string(preset.substr(0, kPathBufferChars - 1)),
        .bufferChars = kPathBufferChars,
        .flags = kFileDialogFlags,
    });
    if (result.chosen && !result.path.empty()) {
        edit_.SetText(result.path);
    }
}

void CommandEditor::InsertEscape() {
    const resources::MenuTemplate* menu = resources::FindMenuTemplate(resources::kMenuControlCodes);
    if (menu == nullptr) {
        return;
    }
    const platform::TextSelection selection = edit_.Selection();
    const platform::Rect place = button_.WindowRect();
    const int command = framework::PopupMenu(*menu, owner_.window(), {place.left, place.bottom});
    const std::optional<EscapeInsertion> inserted =
        InsertControlEscape(edit_.Text(), selection, command, limit_);
    if (!inserted) {
        return;
    }
    edit_.SetText(inserted->text);
    edit_.SetSelection(inserted->caret, inserted->caret);
    edit_.SetFocus();
}

std::string ReadCommandData(PageContext& context, const CommandFields& fields, uint32_t size,
                            int index) {
    std::string data(size, '\0');
    if (!ReadSettingBytes(context, fields.data, data.data(), size, index)) {
        return {};
    }
    return std::string(FieldText(data));
}

bool StoreCommandData(PageContext& context, const CommandFields& fields, uint32_t size,
                      std::string_view text, int index) {
    std::string data(text.substr(0, size - 1));
    const auto length = static_cast<uint16_t>(data.size());
    data.resize(size, '\0');
    return StoreSetting(context, fields.length, length, index) &&
           StoreSettingBytes(context, fields.data, data.data(), size, index);
}

}  // namespace orca::pages
