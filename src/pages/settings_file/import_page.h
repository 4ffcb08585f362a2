// SPDX-License-Identifier: Apache-2.0
// The Import/Export page: saves the settings being edited, the printer's
// custom papers and the user's fonts to a settings file (.drvs), and reads
// such a file back into the sheet when it is of the printer's command
// language. Both file dialogs start from the path last chosen on the page.
#pragma once

#include <string>

#include "pages/option_services.h"
#include "pages/plugin_page.h"
#include "pages/settings_file/settings_file.h"
#include "platform/spooler.h"

namespace orca::pages {

class CDocPage_Import : public CPluginPage {
public:
    // printer: the sheet's printer handle, whose forms and stored settings
    // the file carries.
    CDocPage_Import(PageContext& context, OptionServices& services,
                    platform::PrinterHandle printer);

private:
    void OnExport();
    void OnImport();
    // The file dialog's answer; a chosen path is remembered for the next one.
    platform::FileDialogResult Choose(bool save);

    SettingsFile file_;
    std::u16string lastPath_;
};

}  // namespace orca::pages
