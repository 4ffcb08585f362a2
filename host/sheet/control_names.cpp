// SPDX-License-Identifier: Apache-2.0
#include "host/sheet/control_names.h"

#include <algorithm>
#include <map>
#include <span>
#include <utility>
#include <vector>

#include "host/cli/whole_number.h"
#include "resources/dialog_template.h"
#include "resources/string_table.h"
#include "resources/window_styles.h"
#include "text/nocase.h"
#include "text/utf.h"

namespace orca::host {
namespace {

using platform::Window;

struct NamedButton {
    std::u16string_view name;
    int id;
};
constexpr NamedButton kDialogButtons[] = {
    {u"IDOK", resources::IDOK},
    {u"IDCANCEL", resources::IDCANCEL},
};

// Control names are identifiers beginning with ID (IDC_..., IDOK_..., ID_...);
// the table's few other strings are texts for the host.
bool IsControlName(std::u16string_view name) {
    const auto identifier = [](char16_t c) {
        return (c >= u'A' && c <= u'Z') || (c >= u'a' && c <= u'z') || (c >= u'0' && c <= u'9') ||
               c == u'_';
    };
    return name.starts_with(u"ID") && std::ranges::all_of(name, identifier);
}

// The control's name in the table, or empty when the table has none for it.
std::u16string_view TableName(int id) {
    const std::u16string_view name = resources::ControlName(id);
    return IsControlName(name) ? name : std::u16string_view();
}

// A control as actions find it.
struct Seen {
    ControlRef ref;
    std::u16string name;   // the table's name or one made from its label's
    std::u16string reads;  // what a person reads as its name, or empty
};

// The fields that take their name from the label before them, by class.
struct FieldClass {
    std::u16string_view className;
    std::u16string_view word;  // in the name, in place of STATIC
};
constexpr FieldClass kFieldClasses[] = {
    {resources::kClassEdit, u"EDIT"},
    {resources::kClassComboBox, u"COMBO"},
    {resources::kClassListBox, u"LIST"},
};
constexpr std::u16string_view kLabelWord = u"STATIC";

bool IsLabel(platform::sim::Desktop& desktop, Window window) {
    const uint32_t type = desktop.Style(window) & resources::SS_TYPEMASK;
    return desktop.ClassName(window) == resources::kClassStatic && type != resources::SS_BITMAP &&
           type != resources::SS_ETCHEDHORZ && type != resources::SS_ETCHEDVERT;
}

bool IsButton(platform::sim::Desktop& desktop, Window window) {
    return desktop.ClassName(window) == resources::kClassButton &&
           (desktop.Style(window) & resources::BS_TYPEMASK) != resources::BS_GROUPBOX;
}

// The label before the controls being collected.
struct LastLabel {
    std::u16string_view name;  // its table name
    std::u16string text;       // its text, until a field has taken it
};

// Every control of window and its visible child dialogs, in window order.
void Collect(platform::sim::Desktop& desktop, Window window, LastLabel* label,
             std::vector<Seen>* out) {
    for (Window child : desktop.Children(window)) {
        if (desktop.ClassName(child) == resources::kClassDialog) {
            if (desktop.IsVisible(child))
                Collect(desktop, child, label, out);
            continue;
        }
        Seen seen{{window, desktop.ControlId(child)},
                  std::u16string(TableName(desktop.ControlId(child))),
                  {}};
        const auto field =
            std::ranges::find(kFieldClasses, desktop.ClassName(child), &FieldClass::className);
        if (IsLabel(desktop, child)) {
            *label = {TableName(seen.ref.id), TextAsName(desktop.Text(child))};
        } else if (IsButton(desktop, child)) {
            seen.reads = TextAsName(desktop.Text(child));
        } else if (field != std::end(kFieldClasses)) {
            const size_t word = label->name.find(u"_" + std::u16string(kLabelWord) + u"_");
            if (seen.name.empty() && word != std::u16string_view::npos) {
                seen.name = std::u16string(label->name);
                seen.name.replace(word + 1, kLabelWord.size(), field->word);
            }
            seen.reads = std::exchange(label->text, {});
        }
        out->push_back(std::move(seen));
    }
}

std::vector<Seen> Controls(platform::sim::Desktop& desktop, Window window) {
    std::vector<Seen> controls;
    LastLabel label;
    Collect(desktop, window, &label, &controls);
    return controls;
}

bool Names(const Seen& seen, std::u16string_view name) {
    for (const NamedButton& button : kDialogButtons) {
        if (button.id == seen.ref.id && text::EqualsNoCase(button.name, name))
            return true;
    }
    return !seen.name.empty() && text::EqualsNoCase(seen.name, name);
}

std::string Ids(const std::vector<ControlRef>& refs) {
    std::string out;
    for (const ControlRef& ref : refs)
        out += (out.empty() ? "" : ", ") + std::to_string(ref.id);
    return out;
}

}  // namespace

std::u16string TextAsName(std::u16string text) {
    std::erase(text, u'&');
    while (!text.empty() && (text.back() == u':' || text.back() == u' '))
        text.pop_back();
    return text;
}

MaybeFailure FindControl(platform::sim::Desktop& desktop, Window window, std::string_view control,
                         ControlRef* found) {
    const std::vector<Seen> controls = Controls(desktop, window);
    const std::optional<int> number = WholeNumber(control);
    const std::u16string name = text::Utf8ToUtf16(control);
    std::vector<ControlRef> matches;
    for (const Seen& seen : controls) {
        if (number ? seen.ref.id == *number : Names(seen, name))
            matches.push_back(seen.ref);
    }
    // Then the texts a person reads on the page.
    const std::u16string reads = TextAsName(name);
    for (const Seen& seen : number || !matches.empty() ? std::span<const Seen>() : controls) {
        if (!reads.empty() && text::EqualsNoCase(seen.reads, reads))
            matches.push_back(seen.ref);
    }
    if (matches.empty())
        return Failure{kExitRefused, "no control " + std::string(control) + " on this page"};
    if (matches.size() > 1 && !number) {
        return Failure{kExitRefused, std::string(control) + " names more than one control here (" +
                                         Ids(matches) + "); give its number"};
    }
    *found = matches.front();
    return std::nullopt;
}

std::string RenderWithNames(platform::sim::Desktop& desktop, Window window) {
    const std::string render = desktop.Render(window);
    std::map<int, std::u16string> names;
    for (Seen& seen : Controls(desktop, window))
        names.emplace(seen.ref.id, std::move(seen.name));
    std::string out;
    for (size_t start = 0; start < render.size();) {
        size_t end = render.find('\n', start);
        end = end == std::string::npos ? render.size() : end + 1;
        const std::string_view line = std::string_view(render).substr(start, end - start);
        start = end;
        // "  kind 1234 ..." carries a control number right after its kind.
        const size_t kind = line.find_first_not_of(' ');
        const size_t space = line.find(' ', kind);
        const size_t numberEnd = line.find_first_of(" \n", space + 1);
        const std::optional<int> id =
            kind == 0 || space == std::string_view::npos || numberEnd == std::string_view::npos
                ? std::nullopt
                : WholeNumber(line.substr(space + 1, numberEnd - space - 1));
        const auto named = id ? names.find(*id) : names.end();
        if (named == names.end() || named->second.empty()) {
            out += line;
            continue;
        }
        out += line.substr(0, numberEnd);
        out += " " + text::Utf16ToUtf8(named->second);
        out += line.substr(numberEnd);
    }
    return out;
}

}  // namespace orca::host
