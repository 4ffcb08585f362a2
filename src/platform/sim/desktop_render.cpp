// SPDX-License-Identifier: Apache-2.0
// Plain-text rendering of a window, one line per control in window order:
//   "Caption"
//     tabs "Layout" ["Options"]
//     label 1006 "Copies:"
//     edit 1014 "1" (focus)
//     combo 1221 "cm" ["mm"] "inch"
//     check 1241 [x] "Default" (disabled)
// Selected items and the current tab are bracketed; hidden controls are
// marked, hidden child dialogs (other pages, sub-pages) left out.
#include "platform/sim/desktop.h"
#include "resources/window_styles.h"
#include "text/utf.h"

namespace orca::platform::sim {

namespace {

enum class Kind {
    kButton,
    kGroup,
    kCheck,
    kRadio,
    kLabel,
    kPicture,
    kLine,
    kEdit,
    kList,
    kSpin,
    kTabs,
    kDialog
};

struct KindRule {
    std::u16string_view className;
    uint32_t styleMask;
    uint32_t styleValue;
    Kind kind;
    std::string_view name;
};

// First match wins; a zero mask matches any style of the class.
constexpr KindRule kKindRules[] = {
    {resources::kClassButton, resources::BS_TYPEMASK, resources::BS_GROUPBOX, Kind::kGroup,
     "group"},
    {resources::kClassButton, resources::BS_TYPEMASK, resources::BS_CHECKBOX, Kind::kCheck,
     "check"},
    {resources::kClassButton, resources::BS_TYPEMASK, resources::BS_AUTOCHECKBOX, Kind::kCheck,
     "check"},
    {resources::kClassButton, resources::BS_TYPEMASK, resources::BS_RADIOBUTTON, Kind::kRadio,
     "radio"},
    {resources::kClassButton, resources::BS_TYPEMASK, resources::BS_AUTORADIOBUTTON, Kind::kRadio,
     "radio"},
    {resources::kClassButton, 0, 0, Kind::kButton, "button"},
    {resources::kClassStatic, resources::SS_TYPEMASK, resources::SS_BITMAP, Kind::kPicture,
     "picture"},
    {resources::kClassStatic, resources::SS_TYPEMASK, resources::SS_ETCHEDHORZ, Kind::kLine,
     "line"},
    {resources::kClassStatic, resources::SS_TYPEMASK, resources::SS_ETCHEDVERT, Kind::kLine,
     "line"},
    {resources::kClassStatic, 0, 0, Kind::kLabel, "label"},
    {resources::kClassEdit, 0, 0, Kind::kEdit, "edit"},
    {resources::kClassComboBox, 0, 0, Kind::kList, "combo"},
    {resources::kClassListBox, 0, 0, Kind::kList, "list"},
    {resources::kClassUpDown, 0, 0, Kind::kSpin, "updown"},
    {resources::kClassTabControl, 0, 0, Kind::kTabs, "tabs"},
    {resources::kClassDialog, 0, 0, Kind::kDialog, "dialog"},
};

const KindRule* RuleFor(const DesktopWindow& window) {
    for (const KindRule& rule : kKindRules) {
        if (window.className == rule.className &&
            (window.style & rule.styleMask) == rule.styleValue) {
            return &rule;
        }
    }
    return nullptr;
}

std::string Quoted(std::u16string_view text) {
    std::string out = "\"";
    for (char ch : text::Utf16ToUtf8(text)) {
        switch (ch) {
            case '\r':
                out += "\\r";
                break;
            case '\n':
                out += "\\n";
                break;
            case '"':
                out += "\\\"";
                break;
            case '\\':
                out += "\\\\";
                break;
            default:
                out += ch;
        }
    }
    return out + "\"";
}

// Texts in order, the one at `current` bracketed.
std::string Entries(const std::vector<std::u16string>& texts, int current) {
    if (texts.empty()) {
        return " (no items)";
    }
    std::string out;
    for (int index = 0; index < static_cast<int>(texts.size()); ++index) {
        std::string entry = Quoted(texts[index]);
        out += index == current ? " [" + entry + "]" : " " + entry;
    }
    return out;
}

std::string Value(const DesktopWindow& window, Kind kind) {
    switch (kind) {
        case Kind::kCheck:
            return (window.checked ? " [x] " : " [ ] ") + Quoted(window.text);
        case Kind::kRadio:
            return (window.checked ? " (o) " : " ( ) ") + Quoted(window.text);
        case Kind::kLine:
        case Kind::kDialog:
            return "";
        case Kind::kList: {
            std::vector<std::u16string> texts;
            for (const ListItem& item : window.items) {
                texts.push_back(item.text);
            }
            return Entries(texts, window.selection);
        }
        case Kind::kSpin:
            return " " + std::to_string(window.spinPosition) + " (" +
                   std::to_string(window.spinLow) + ".." + std::to_string(window.spinHigh) + ")";
        case Kind::kTabs:
            return Entries(window.tabs, window.currentTab);
        default:
            return " " + Quoted(window.text);
    }
}

}  // namespace

std::string Desktop::Render(Window window) const {
    const DesktopWindow* found = Find(window);
    if (found == nullptr) {
        return {};
    }
    std::string out = Quoted(found->text) + "\n";
    RenderControls(*found, 1, &out);
    return out;
}

void Desktop::RenderControls(const DesktopWindow& window, int depth, std::string* out) const {
    for (Window child : window.children) {
        const DesktopWindow& control = *Find(child);
        const KindRule* rule = RuleFor(control);
        if (rule != nullptr && rule->kind == Kind::kDialog && !control.visible) {
            continue;
        }
        std::string line(2 * depth, ' ');
        line += rule != nullptr ? std::string(rule->name) : text::Utf16ToUtf8(control.className);
        if (control.id != resources::IDC_STATIC && rule != nullptr && rule->kind != Kind::kTabs &&
            rule->kind != Kind::kDialog) {
            line += " " + std::to_string(control.id);
        }
        line += Value(control, rule != nullptr ? rule->kind : Kind::kLabel);
        if (!control.enabled) {
            line += " (disabled)";
        }
        if (!control.visible) {
            line += " (hidden)";
        }
        if (control.font.underline) {
            line += " (underlined)";
        }
        if (child == focus_) {
            line += " (focus)";
        }
        *out += line + "\n";
        if (rule != nullptr && rule->kind == Kind::kDialog) {
            RenderControls(control, depth + 1, out);
        }
    }
}

}  // namespace orca::platform::sim
