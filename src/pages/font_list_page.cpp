// SPDX-License-Identifier: Apache-2.0
#include "pages/font_list_page.h"

#include <algorithm>
#include <string>

#include "pages/font_names.h"
#include "pages/setting_value.h"

namespace orca::pages {
namespace {

constexpr int kMaxFonts = 32;

}  // namespace

CFontListPage::CFontListPage(PageContext& context, const resources::PageResource& resource,
                             const TranslationRule& rule, FontListServices& services,
                             const FontListControls& controls, const FontListFields& fields)
    : CPluginPage(context, resource, rule),
      services_(services),
      fields_(fields),
      fonts_(*this, controls.list),
      new_(*this, controls.newButton),
      change_(*this, controls.changeButton),
      delete_(*this, controls.deleteButton) {
    using platform::Notification;
    On(controls.list, Notification::kSelectionChanged, [this] { UpdateButtons(); });
    On(controls.list, Notification::kDoubleClicked, [this] { OnChange(); });
    On(controls.newButton, Notification::kClicked, [this] { OnNew(); });
    On(controls.changeButton, Notification::kClicked, [this] { OnChange(); });
    On(controls.deleteButton, Notification::kClicked, [this] { OnDelete(); });
}

void CFontListPage::Refresh() {
    const int selected = fonts_.Selected();
    fonts_.Clear();
    const uint8_t count = ReadSetting<uint8_t>(Context(), fields_.count, 0);
    for (int i = 0; i < std::min<int>(count, kMaxFonts); ++i) {
        std::u16string name;
        // A record whose name cannot be read is left out.
        if (ReadFontName(Context(), fields_.name, i, name)) {
            fonts_.Add(name, i);
        }
    }
    fonts_.Select(selected >= 0 && selected < fonts_.Count() ? selected : fonts_.Count() - 1);
    UpdateButtons();
}

void CFontListPage::UpdateButtons() {
    const bool shell = services_.IsShellHost();
    const bool full = fonts_.Count() >= kMaxFonts;
    new_.Enable(!full && shell);
    const bool selected = fonts_.Selected() >= 0;
    change_.Enable(selected);
    delete_.Enable(selected && shell);
    if (full || !selected) {
        fonts_.SetFocus();
    }
}

int CFontListPage::SelectedRecord() const {
    const int line = fonts_.Selected();
    return line < 0 ? -1 : static_cast<int>(fonts_.ItemValue(line));
}

void CFontListPage::OnNew() {
    if (Define(0, true)) {
        SetModified();
    }
    Refresh();
    fonts_.Select(fonts_.Count() - 1);
    UpdateButtons();
}

void CFontListPage::OnChange() {
    const int record = SelectedRecord();
    if (record < 0) {
        return;
    }
    if (Define(record, false)) {
        SetModified();
    }
    Refresh();
}

void CFontListPage::OnDelete() {
    const int record = SelectedRecord();
    if (record < 0 || !services_.IsShellHost()) {
        return;
    }
    if (Remove(record) == 0) {
        SetModified();
    }
    Refresh();
}

}  // namespace orca::pages
