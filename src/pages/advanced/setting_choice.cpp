// SPDX-License-Identifier: Apache-2.0
#include "pages/advanced/setting_choice.h"

#include "framework/controls.h"
#include "pages/setting_value.h"
#include "settings/field_id.h"

namespace orca::pages {
namespace {

// A mask capability is one byte or 32 bits wide, as its identifier says.
uint32_t ReadMask(PageContext& context, const SettingChoice& choice) {
    if (choice.maskCapability == 0) {
        return choice.mask;
    }
    if (settings::FieldWidth(choice.maskCapability) == sizeof(uint32_t)) {
        return ReadSetting<uint32_t>(context, choice.maskCapability, 0);
    }
    return ReadSetting<uint8_t>(context, choice.maskCapability, 0);
}

}  // namespace

void FillSettingChoice(const framework::Dialog& dialog, PageContext& context,
                       const SettingChoice& choice) {
    const framework::ComboBox list(dialog, choice.controlId);
    // A value that cannot be read matches no item: the first one shows.
    const std::optional<uint8_t> value = TryReadSetting<uint8_t>(context, choice.fieldId);
    const int stored = value ? *value : -1;
    FillFlagList(list, choice.entries, ReadMask(context, choice), stored);
}

int SelectedChoice(const framework::Dialog& dialog, int controlId) {
    const framework::ComboBox list(dialog, controlId);
    const int index = list.Selected();
    return index < 0 ? -1 : static_cast<int>(list.ItemValue(index));
}

bool StoreSettingChoice(const framework::Dialog& dialog, PageContext& context,
                        const SettingChoice& choice) {
    const int value = SelectedChoice(dialog, choice.controlId);
    return value >= 0 && StoreIfChanged(context, choice.fieldId, static_cast<uint8_t>(value));
}

}  // namespace orca::pages
