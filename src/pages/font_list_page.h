// SPDX-License-Identifier: Apache-2.0
// A font list page: the user's fonts of one kind in record order, with New,
// Change and Delete. Fonts are created and deleted only where the host
// process allows it (the shell and the control-panel runner); any font can
// be changed. A page of one kind names its controls and fields and opens its
// own definition dialog.
#pragma once

#include <cstdint>

#include "framework/controls.h"
#include "pages/font_services.h"
#include "pages/plugin_page.h"

namespace orca::pages {

struct FontListControls {
    int list;
    int newButton;
    int changeButton;
    int deleteButton;
};

// The count of records in use and the records' name field.
struct FontListFields {
    uint32_t count;
    uint32_t name;
};

class CFontListPage : public CPluginPage {
protected:
    CFontListPage(PageContext& context, const resources::PageResource& resource,
                  const TranslationRule& rule, FontListServices& services,
                  const FontListControls& controls, const FontListFields& fields);

    FontListServices& Services() const { return services_; }

    // Lists the records again, keeping the selected line where it still
    // exists, else selecting the last.
    void Refresh() override;

    // Runs the definition dialog of record index (isNew: a record appended
    // on OK); true when it stored anything.
    virtual bool Define(int index, bool isNew) = 0;
    // Removes the record: 0, or a negative result.
    virtual int32_t Remove(int index) = 0;

private:
    void UpdateButtons();
    // The record of the selected line, or -1.
    int SelectedRecord() const;

    void OnNew();
    void OnChange();
    void OnDelete();

    FontListServices& services_;
    FontListFields fields_;
    framework::ListBox fonts_;
    framework::Button new_;
    framework::Button change_;
    framework::Button delete_;
};

}  // namespace orca::pages
