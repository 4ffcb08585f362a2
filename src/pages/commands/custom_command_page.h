// SPDX-License-Identifier: Apache-2.0
// The Custom Command page: the start and end commands sent at the document's
// and each page's start and end, in a plain and a data variant. Each command
// is empty, a command file's path or command text; what the user types is
// stored at once.
#pragma once

#include <array>

#include "framework/controls.h"
#include "pages/commands/command_editor.h"
#include "pages/commands/custom_command_tables.h"
#include "pages/plugin_page.h"
#include "resources/control_ids.h"

namespace orca::pages {

class CDocPage_Custom_ORCA : public CPluginPage {
public:
    explicit CDocPage_Custom_ORCA(PageContext& context);

protected:
    // Starts over at the document's commands.
    void Refresh() override;

private:
    struct Side {
        CommandEditor editor;
        CommandFields custom::Position::*fields;
    };

    const CommandFields& FieldsOf(const Side& side) const;
    void LoadPosition(int position);
    void ShowSide(Side& side);

    void OnPositionChanged();
    void OnKindChanged(Side& side);
    void OnTextChanged(Side& side);

    framework::ComboBox positions_{*this, control::kCustomCommandPositionList};
    std::array<Side, 2> sides_;
    int position_ = 0;
};

}  // namespace orca::pages
