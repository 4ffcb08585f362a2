// SPDX-License-Identifier: Apache-2.0
// The Tools page: maintenance commands of the printer's language, a typed
// command or a whole file, each sent straight to the printer as one raw job.
// The catalogue is built once per page object, so a typed command or chosen
// path stays in its action while the page lives, across showings.
#pragma once

#include <string>
#include <vector>

#include "commands/tools_catalogue.h"
#include "framework/controls.h"
#include "pages/plugin_page.h"
#include "platform/spooler.h"

namespace orca::pages {

class CDocPage_Tools : public CPluginPage {
public:
    // printer: the sheet's printer handle, which the jobs go to.
    CDocPage_Tools(PageContext& context, platform::PrinterHandle printer);

protected:
    void OnInitDialog() override;
    // Relabels groups and actions, fills both lists again at group 0,
    // action 0, and leaves the inputs disabled.
    void Refresh() override;

private:
    void RelabelCatalogue();
    void FillLists();
    void FillActions(int group);
    // Enables the input the selected action takes and shows what it holds.
    void ShowSelectedInput();

    void OnTypeChanged();
    void OnActionChanged();
    void OnInputChanged();
    void OnChooseFile();
    void OnSend();

    // The selected action, or null when the selections leave the catalogue.
    commands::ActionItem* SelectedAction();
    // Puts text into the input without storing it back into the action.
    void SetInputText(std::u16string_view text);

    platform::PrinterHandle printer_;
    const commands::ActionCatalogueEntries& entries_;
    std::vector<commands::ActionGroup> catalogue_;
    framework::ListBox types_;
    framework::ListBox actions_;
    framework::Control input_;
    framework::Button browse_;
    bool settingInput_ = false;
};

}  // namespace orca::pages
