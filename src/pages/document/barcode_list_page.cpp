#include "pages/document/barcode_list_page.h"

#include <algorithm>
#include <string>

#include "pages/document/barcode_dialog.h"
#include "pages/document/font_names.h"
#include "resources/page_resources.h"

namespace orca::pages {
namespace {

using namespace barcode;

constexpr TranslationRule kListRule{kSkipEdits | kSkipPictures | kSkipListBoxes, kSeparators};

}  // namespace

CDocPage_BarCode::CDocPage_BarCode(PageContext& context, FontListServices& services)
    : CPluginPage(context, resources::kPageBarcodeFonts, kListRule), services_(services) {
    using platform::Notification;
    On(kFontList, Notification::kSelectionChanged, [this] { UpdateButtons(); });
    On(kFontList, Notification::kDoubleClicked, [this] { OnChange(); });
    On(kNewButton, Notification::kClicked, [this] { OnNew(); });
    On(kChangeButton, Notification::kClicked, [this] { OnChange(); });
    On(kDeleteButton, Notification::kClicked, [this] { OnDelete(); });
}

void CDocPage_BarCode::Refresh() {
    const int selected = fonts_.Selected();
    fonts_.Clear();
    uint8_t count = 0;
    if (Context().AccessValue(kFieldBarcodeCount, &count, 0, true) != 0) {
        count = 0;
    }
    for (int i = 0; i < std::min<int>(count, kMaxFonts); ++i) {
        std::u16string name;
        // A record whose name cannot be read is left out.
        if (ReadFontName(Context(), kFieldName, i, name)) {
            fonts_.Add(name, i);
        }
    }
    fonts_.Select(selected >= 0 && selected < fonts_.Count() ? selected : fonts_.Count() - 1);
    UpdateButtons();
}

void CDocPage_BarCode::UpdateButtons() {
    const bool shell = services_.IsShellHost();
    if (fonts_.Count() >= kMaxFonts) {
        new_.Enable(false);
        fonts_.SetFocus();
    } else {
        new_.Enable(shell);
    }
    const bool selected = fonts_.Selected() >= 0;
    change_.Enable(selected);
    delete_.Enable(selected && shell);
    if (!selected) {
        fonts_.SetFocus();
    }
}

int CDocPage_BarCode::SelectedRecord() const {
    const int line = fonts_.Selected();
    return line < 0 ? -1 : static_cast<int>(fonts_.ItemValue(line));
}

void CDocPage_BarCode::Define(int index, Mode mode) {
    CDocDialog_BarCode dialog(Context(), services_, index, mode);
    if (dialog.DoModal(window()) == kStored) {
        SetModified(true);
    }
}

void CDocPage_BarCode::OnNew() {
    Define(0, Mode::kNew);
    Refresh();
    fonts_.Select(fonts_.Count() - 1);
    UpdateButtons();
}

void CDocPage_BarCode::OnChange() {
    const int record = SelectedRecord();
    if (record < 0) {
        return;
    }
    Define(record, Mode::kChange);
    Refresh();
}

void CDocPage_BarCode::OnDelete() {
    const int record = SelectedRecord();
    if (record < 0 || !services_.IsShellHost()) {
        return;
    }
    if (services_.DeleteBarcodeFont(record) == 0) {
        SetModified(true);
    }
    Refresh();
}

}  // namespace orca::pages
