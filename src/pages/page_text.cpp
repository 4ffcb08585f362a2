// SPDX-License-Identifier: Apache-2.0
#include "pages/page_text.h"

#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

#include "framework/controls.h"
#include "resources/dialog_template.h"
#include "resources/string_table.h"
#include "resources/window_styles.h"
#include "text/utf.h"

namespace orca::pages {
namespace {

bool IsPicture(const framework::Control& control) {
    return control.ClassName() == resources::kClassStatic &&
           (control.Style() & resources::SS_TYPEMASK) == resources::SS_BITMAP;
}

// The kind a rule may skip, or kSkipNothing for a control no kind covers.
unsigned KindOf(const framework::Control& control) {
    const std::u16string className = control.ClassName();
    if (className == resources::kClassEdit) {
        return kSkipEdits;
    }
    if (className == resources::kClassListBox) {
        return kSkipListBoxes;
    }
    if (className == resources::kClassUpDown) {
        return kSkipUpDowns;
    }
    if (className == resources::kClassComboBox) {
        return kSkipComboBoxes;
    }
    return IsPicture(control) ? kSkipPictures : kSkipNothing;
}

}  // namespace

void TranslateControls(const framework::Dialog& dialog, CLanguageFile& texts,
                       const TranslationRule& rule) {
    for (platform::Window window : dialog.Children()) {
        const framework::Control control(window);
        const int id = control.Id();
        const unsigned kind = KindOf(control);
        if ((kind & rule.skippedKinds) != 0 ||
            std::ranges::find(rule.skippedControls, id) != rule.skippedControls.end()) {
            continue;
        }
        if (kind == kSkipComboBoxes) {
            RelabelCombo(window, id, texts);
        } else {
            control.SetText(texts.Text(resources::ControlName(id)));
        }
    }
    if (rule.captionFromTitle) {
        dialog.SetCaption(texts.Text(u"WINDOW_TITLE"));
    }
}

void RelabelCombo(platform::Window combo, int controlId, CLanguageFile& texts) {
    const framework::ComboBox box(combo);
    const int selected = box.Selected();
    const std::u16string name(resources::ControlName(controlId));
    std::vector<int> values;
    for (int i = 0, count = box.Count(); i < count; ++i) {
        const int value = static_cast<int>(box.ItemValue(i));
        values.push_back(value);
        texts.AddItemKey(controlId, value, text::NumberedName(name, value));
    }
    box.Clear();
    for (int value : values) {
        box.Add(texts.ItemText(controlId, value), value);
    }
    box.Select(selected);
}

}  // namespace orca::pages
