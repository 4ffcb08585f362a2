#include "pages/document/command_font_page.h"

#include "pages/document/command_font_dialog.h"
#include "pages/document/font_record_names.h"

namespace orca::pages {
namespace {

using namespace cmdfont;

constexpr TranslationRule kListRule{kSkipEdits | kSkipPictures | kSkipListBoxes, kSeparators};

}  // namespace

CDocPage_CMD::CDocPage_CMD(PageContext& context, CommandFontServices& services)
    : CPluginPage(context, resources::kPageCommandFonts, kListRule), services_(services) {
    using platform::Notification;
    On(kFontList, Notification::kSelectionChanged, [this] { UpdateButtons(); });
    On(kFontList, Notification::kDoubleClicked, [this] { OnChange(); });
    On(kNewButton, Notification::kClicked, [this] { OnNew(); });
    On(kChangeButton, Notification::kClicked, [this] { OnChange(); });
    On(kDeleteButton, Notification::kClicked, [this] { OnDelete(); });
}

void CDocPage_CMD::Refresh() {
    const int selected = fonts_.Selected();
    fonts_.Clear();
    const int count = FontCount(Context(), kFontCountField);
    for (int i = 0; i < count; ++i) {
        fonts_.Add(ReadFontName(Context(), kNameField, i), i);
    }
    if (selected >= 0 && selected < fonts_.Count()) {
        fonts_.Select(selected);
    } else {
        fonts_.Select(fonts_.Count() - 1);
    }
    UpdateButtons();
}

void CDocPage_CMD::UpdateButtons() {
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

int CDocPage_CMD::SelectedRecord() const {
    const int line = fonts_.Selected();
    return line < 0 ? -1 : static_cast<int>(fonts_.ItemValue(line));
}

void CDocPage_CMD::SelectLastLine() {
    fonts_.Select(fonts_.Count() - 1);
    UpdateButtons();
}

bool CDocPage_CMD::Define(int index, int mode) {
    CDocDialog_CMD dialog(Context(), services_, index, mode);
    return dialog.DoModal(window()) == CDocDialog_CMD::kStored;
}

void CDocPage_CMD::OnNew() {
    const bool stored = Define(0, CDocDialog_CMD::kNewMode);
    Refresh();
    SelectLastLine();
    if (stored) {
        SetModified();
    }
}

void CDocPage_CMD::OnChange() {
    const int record = SelectedRecord();
    if (record < 0) {
        return;
    }
    const bool stored = Define(record, CDocDialog_CMD::kChangeMode);
    Refresh();
    if (stored) {
        SetModified();
    }
}

void CDocPage_CMD::OnDelete() {
    const int record = SelectedRecord();
    if (record < 0 || !services_.IsShellHost()) {
        return;
    }
    services_.DeleteCMDFont(record);
    Refresh();
    SetModified();
}

}  // namespace orca::pages
