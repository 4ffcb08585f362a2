// The Command Fonts page: the command fonts of the sheet's settings in list
// order, with New, Change and Delete. Creating, renaming and deleting fonts
// is for the shell and the control-panel runner only.
#pragma once

#include "framework/controls.h"
#include "pages/document/command_font_services.h"
#include "pages/document/command_font_tables.h"
#include "pages/plugin_page.h"

namespace orca::pages {

class CDocPage_CMD : public CPluginPage {
public:
    CDocPage_CMD(PageContext& context, CommandFontServices& services);

protected:
    // Reads the list again, keeping the selected line.
    void Refresh() override;

private:
    void UpdateButtons();
    // The selected line's record, or -1.
    int SelectedRecord() const;
    void SelectLastLine();
    // Opens the dialog; true when it stored something.
    bool Define(int index, int mode);

    void OnNew();
    void OnChange();
    void OnDelete();

    CommandFontServices& services_;
    framework::ListBox fonts_{*this, cmdfont::kFontList};
    framework::Button new_{*this, cmdfont::kNewButton};
    framework::Button change_{*this, cmdfont::kChangeButton};
    framework::Button delete_{*this, cmdfont::kDeleteButton};
};

}  // namespace orca::pages
