// SPDX-License-Identifier: Apache-2.0
// COemUI: the host's own option items that the pages keep in step with
// theirs (orientation, dithering, form name), and the host process.
#include <algorithm>
#include <array>
#include <string_view>

#include "platform/platform.h"
#include "platform/process.h"
#include "plugin/oem_ui.h"
#include "settings/field_ids.h"
#include "text/nocase.h"

namespace orca::plugin {

namespace {

constexpr std::u16string_view kDitheringText = u"Dithering";
constexpr std::array<std::u16string_view, 2> kShellHosts{u"explorer.exe", u"rundll32.exe"};

std::u16string_view ItemText(const WCHAR* text) {
    if (text == nullptr)
        return {};
    return std::u16string_view(reinterpret_cast<const char16_t*>(text));
}

// The text of a choice of the item, empty when it has none.
std::u16string_view ChoiceText(const OPTITEM& item, LONG choice) {
    const OPTTYPE* type = item.pOptType;
    if (type == nullptr || type->pOptParam == nullptr || choice < 0 || choice >= type->Count)
        return {};
    return ItemText(type->pOptParam[choice].pData);
}

bool IsOrientationItem(const OPTITEM& item) {
    return item.DMPubID == DMPUB_ORIENTATION;
}

// The host's dithering list: a first-level list of no public field whose
// first choice names dithering.
bool IsDitheringItem(const OPTITEM& item) {
    return item.pOptType != nullptr && item.pOptType->Type == TVOT_LISTBOX && item.DMPubID == 0 &&
           item.Level == 1 && ChoiceText(item, 0).find(kDitheringText) != std::u16string_view::npos;
}

// The first of the host's option items that matches, or null.
template <typename Match>
OPTITEM* FindHostItem(const OEMCUIPPARAM* ui, Match match) {
    if (ui == nullptr || ui->pDrvOptItems == nullptr)
        return nullptr;
    OPTITEM* first = ui->pDrvOptItems;
    OPTITEM* last = first + ui->cDrvOptItems;
    OPTITEM* found = std::find_if(first, last, match);
    return found != last ? found : nullptr;
}

}  // namespace

void COemUI::UpdateHostItem(OPTITEM& item, int selection) {
    item.Sel = selection;
    item.Flags |= OPTIF_CHANGED;
    // The host shows the item disabled: the choice is made on the page.
    if (item.pOptType != nullptr)
        item.pOptType->Flags = 1;
    if (driver_ != nullptr)
        driver_->DrvUpdateUISetting(commonUI_->poemuiobj, &item, 0, OEMCUIP_DOCPROP);
}

int COemUI::SyncOrientation(int index, bool apply) {
    OPTITEM* item = FindHostItem(commonUI_, IsOrientationItem);
    if (item == nullptr)
        return 0;
    const int previous = item->Sel;
    if (!apply || index == previous)
        return previous;
    UpdateHostItem(*item, index);
    if (entry_ != nullptr) {
        auto orientation = static_cast<int16_t>(index + 1);
        Printer().AccessValue(settings::field::kOrientation, &orientation, 0, false);
    }
    return previous;
}

void COemUI::MirrorDithering(int choice) {
    if (OPTITEM* item = FindHostItem(commonUI_, IsDitheringItem))
        UpdateHostItem(*item, choice);
}

std::u16string COemUI::HostFormName() {
    const OPTITEM* item =
        FindHostItem(commonUI_, [](const OPTITEM& i) { return i.DMPubID == DMPUB_FORMNAME; });
    return item != nullptr ? std::u16string(ChoiceText(*item, item->Sel)) : std::u16string();
}

bool COemUI::IsShellHost() {
    const std::u16string name = platform::Current().process->ExecutableName();
    return std::any_of(kShellHosts.begin(), kShellHosts.end(), [&name](std::u16string_view host) {
        return text::EqualsNoCase(name, host);
    });
}

}  // namespace orca::plugin
