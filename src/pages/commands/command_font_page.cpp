// SPDX-License-Identifier: Apache-2.0
#include "pages/commands/command_font_page.h"

#include "pages/commands/command_font_dialog.h"
#include "pages/commands/command_font_tables.h"
#include "resources/control_ids.h"
#include "settings/field_ids.h"

namespace orca::pages {
namespace {

using namespace cmdfont;

constexpr TranslationRule kListRule{kSkipEdits | kSkipPictures | kSkipListBoxes, kSeparators};
constexpr FontListControls kListControls{
    control::kCommandFontsList, control::kCommandFontsNewButton, control::kCommandFontsChangeButton,
    control::kCommandFontsDeleteButton};
constexpr FontListFields kListFields{settings::field::kCmdFontCount, settings::field::kCmdFontName};

}  // namespace

CDocPage_CMD::CDocPage_CMD(PageContext& context, FontListServices& services)
    : CFontListPage(context, resources::kPageCommandFonts, kListRule, services, kListControls,
                    kListFields) {}

bool CDocPage_CMD::Define(int index, bool isNew) {
    CDocDialog_CMD dialog(Context(), Services(), index,
                          isNew ? CDocDialog_CMD::kNewMode : CDocDialog_CMD::kChangeMode);
    return dialog.DoModal(window()) == CDocDialog_CMD::kStored;
}

int32_t CDocPage_CMD::Remove(int index) {
    return Services().DeleteCMDFont(index);
}

}  // namespace orca::pages
