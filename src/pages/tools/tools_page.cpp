// SPDX-License-Identifier: Apache-2.0
#include "pages/tools/tools_page.h"

#include <cstdint>

#include "commands/raw_output.h"
#include "framework/desktop_windows.h"
#include "pages/ansi_text.h"
#include "pages/setting_value.h"
#include "platform/file_names.h"
#include "platform/platform.h"
#include "resources/control_ids.h"
#include "resources/page_resources.h"
#include "resources/string_table.h"
#include "resources/window_styles.h"
#include "settings/field_ids.h"
#include "text/utf.h"

namespace orca::pages {
namespace {

using commands::ActionItem;
using commands::ActionKind;

// Action names of group g are keyed from g * 256 on.
constexpr int kKeysPerGroup = 256;

constexpr int kUntranslated[] = {control::kToolsBrowseButton, control::kToolsSeparator};
constexpr TranslationRule kToolsRule{kSkipEdits | kSkipListBoxes, kUntranslated};

constexpr uint32_t kFileDialogFlags = resources::OFN_OVERWRITEPROMPT | resources::OFN_HIDEREADONLY |
                                      resources::OFN_EXTENSIONDIFFERENT |
                                      resources::OFN_PATHMUSTEXIST | resources::OFN_CREATEPROMPT |
                                      resources::OFN_LONGNAMES;
constexpr uint32_t kPathBufferChars = platform::kMaxPath;

int32_t CommandLanguage(PageContext& context) {
    return ReadSetting<uint8_t>(context, settings::field::kCommandLanguage, 0);
}

}  // namespace

CDocPage_Tools::CDocPage_Tools(PageContext& context, platform::PrinterHandle printer)
    : CPluginPage(context, resources::kPageTools, kToolsRule),
      printer_(printer),
      entries_(commands::ActionCatalogueFor(CommandLanguage(context))),
      catalogue_(commands::BuildActionCatalogue(entries_)),
      types_(*this, control::kToolsTypeList),
      actions_(*this, control::kToolsActionList),
      input_(*this, control::kToolsInputEdit),
      browse_(*this, control::kToolsBrowseButton) {
    using platform::Notification;
    On(control::kToolsTypeList, Notification::kSelectionChanged, [this] { OnTypeChanged(); });
    On(control::kToolsActionList, Notification::kSelectionChanged, [this] { OnActionChanged(); });
    On(control::kToolsInputEdit, Notification::kTextChanged, [this] { OnInputChanged(); });
    On(control::kToolsBrowseButton, Notification::kClicked, [this] { OnChooseFile(); });
    On(control::kToolsSendButton, Notification::kClicked, [this] { OnSend(); });
}

void CDocPage_Tools::OnInitDialog() {
    FillLists();
}

void CDocPage_Tools::Refresh() {
    RelabelCatalogue();
    FillLists();
}

void CDocPage_Tools::RelabelCatalogue() {
    const std::u16string_view typeKey = resources::ControlName(control::kToolsTypeList);
    const std::u16string actionKey =
        std::u16string(resources::ControlName(control::kToolsActionList)) + u"_" +
        std::u16string(entries_.keyTag) + u"_";
    for (int g = 0; g < static_cast<int>(catalogue_.size()); ++g) {
        commands::ActionGroup& group = catalogue_[g];
        group[0].name = Texts().Text(text::NumberedName(typeKey, g));
        for (int i = 0; i + 1 < static_cast<int>(group.size()); ++i) {
            group[i + 1].name = Texts().Text(text::NumberedName(actionKey, g * kKeysPerGroup + i));
        }
    }
}

void CDocPage_Tools::FillLists() {
    types_.Clear();
    for (const commands::ActionGroup& group : catalogue_) {
        types_.Add(group[0].name);
    }
    types_.Select(0);
    FillActions(0);
}

void CDocPage_Tools::FillActions(int group) {
    actions_.Clear();
    if (group >= 0 && group < static_cast<int>(catalogue_.size())) {
        for (size_t i = 1; i < catalogue_[group].size(); ++i) {
            actions_.Add(catalogue_[group][i].name);
        }
    }
    actions_.Select(0);
    ShowSelectedInput();
}

void CDocPage_Tools::ShowSelectedInput() {
    const ActionItem* action = SelectedAction();
    const bool typed = action != nullptr && action->kind == ActionKind::kTypedCommand;
    const bool file = action != nullptr && action->kind == ActionKind::kFile;
    input_.Enable(typed);
    browse_.Enable(file);
    SetInputText(typed  ? text::AnsiToUtf16(action->Text(), SystemCodePage())
                 : file ? action->path
                        : std::u16string());
}

void CDocPage_Tools::OnTypeChanged() {
    FillActions(types_.Selected());
}

void CDocPage_Tools::OnActionChanged() {
    ShowSelectedInput();
}

void CDocPage_Tools::OnInputChanged() {
    ActionItem* action = SelectedAction();
    if (settingInput_ || action == nullptr) {
        return;
    }
    // An edit's text ends at its first NUL, as the control shows it.
    const std::u16string typed = input_.Text();
    action->StoreText(ToAnsiWithin(std::u16string_view(typed.c_str()), SystemCodePage(),
                                   commands::kActionCommandSize - 1));
}

void CDocPage_Tools::OnChooseFile() {
    ActionItem* action = SelectedAction();
    if (action == nullptr || action->kind != ActionKind::kFile) {
        return;
    }
    const platform::FileDialogResult result = framework::ChooseFile({
        .save = false,
        .owner = window(),
        .title = {},
        .filters = {{u"*.*", u"*.*"}},
        .filterIndex = 1,
        .fileName = {},
        .bufferChars = kPathBufferChars,
        .flags = kFileDialogFlags,
    });
    // A cancelled dialog leaves no path: the send then writes nothing.
    action->path = result.chosen ? result.path : std::u16string();
    SetInputText(action->path);
}

void CDocPage_Tools::OnSend() {
    const ActionItem* action = SelectedAction();
    if (action == nullptr) {
        return;
    }
    const platform::Ports& ports = platform::Current();
    if (action->kind == ActionKind::kFile) {
        commands::SendRawFile(*ports.spooler, *ports.files, printer_, action->path);
    } else {
        commands::SendRawBytes(*ports.spooler, printer_, action->Bytes());
    }
}

ActionItem* CDocPage_Tools::SelectedAction() {
    const int group = types_.Selected();
    const int action = actions_.Selected();
    if (group < 0 || group >= static_cast<int>(catalogue_.size()) || action < 0 ||
        action + 1 >= static_cast<int>(catalogue_[group].size())) {
        return nullptr;
    }
    return &catalogue_[group][action + 1];
}

void CDocPage_Tools::SetInputText(std::u16string_view text) {
    settingInput_ = true;
    input_.SetText(text);
    settingInput_ = false;
}

}  // namespace orca::pages
