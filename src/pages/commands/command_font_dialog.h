// SPDX-License-Identifier: Apache-2.0
// The Command Font dialog: a font's name, its position in the page's output
// and its start and end commands. It stores only what the user changed, and
// only on OK.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "framework/controls.h"
#include "pages/commands/command_editor.h"
#include "pages/commands/command_font_tables.h"
#include "pages/font_services.h"
#include "pages/name_edit.h"
#include "pages/plugin_dialog.h"
#include "resources/control_ids.h"

namespace orca::pages {

class CDocDialog_CMD : public CPluginDialog {
public:
    static constexpr int kChangeMode = 0;
    static constexpr int kNewMode = 1;
    // The dialog's result when it stored something; 0 otherwise.
    static constexpr int kStored = 1;

    // index: the record to change; a new record is appended on OK.
    CDocDialog_CMD(PageContext& context, FontListServices& services, int index, int mode);

protected:
    void OnInitDialog() override;

private:
    // A start or end command: its editor, fields and values.
    struct Side {
        CommandEditor editor;
        const CommandFields& fields;
        uint8_t initialKind = 0;
        std::string initialData;
        // What the edit shows for a file or text kind.
        std::u16string current;
    };

    void ReadRecord();
    void OnKindChanged(Side& side);
    void OnTextChanged(Side& side);
    void OnOk();
    // Refuses with the dialog's title; false.
    bool Refused(framework::Control& control, std::u16string_view messageKey);
    // The name and data of OK pass the rules; otherwise the user hears why.
    bool Valid(const std::u16string& name, const std::array<std::string, 2>& data);

    FontListServices& services_;
    int index_;
    int mode_;
    std::u16string initialName_;
    uint8_t initialPosition_ = 0;
    NameEdit name_{*this, control::kCommandFontNameEdit};
    framework::ComboBox positions_{*this, control::kCommandFontPositionList};
    std::array<Side, 2> sides_;
};

}  // namespace orca::pages
