#include "control_names.h"

#include <algorithm>
#include <vector>

#include "resources/dialog_template.h"
#include "resources/string_table.h"
#include "resources/window_styles.h"
#include "text/nocase.h"
#include "text/utf.h"
#include "whole_number.h"

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

bool Names(int id, std::u16string_view name) {
    for (const NamedButton& button : kDialogButtons) {
        if (button.id == id && text::EqualsNoCase(button.name, name))
            return true;
    }
    return !TableName(id).empty() && text::EqualsNoCase(TableName(id), name);
}

// Every control of window and its visible child dialogs, in window order.
void Collect(platform::sim::Desktop& desktop, Window window, std::vector<ControlRef>* out) {
    for (Window child : desktop.Children(window)) {
        if (desktop.ClassName(child) == resources::kClassDialog) {
            if (desktop.IsVisible(child))
                Collect(desktop, child, out);
            continue;
        }
        out->push_back({window, desktop.ControlId(child)});
    }
}

}  // namespace

MaybeFailure FindControl(platform::sim::Desktop& desktop, Window window, std::string_view control,
                         ControlRef* found) {
    std::vector<ControlRef> controls;
    Collect(desktop, window, &controls);
    const std::optional<int> number = WholeNumber(control);
    const std::u16string name = text::Utf8ToUtf16(control);
    std::vector<ControlRef> matches;
    for (const ControlRef& ref : controls) {
        if (number ? ref.id == *number : Names(ref.id, name))
            matches.push_back(ref);
    }
    if (matches.empty())
        return Failure{kExitRefused, "no control " + std::string(control) + " on this page"};
    if (matches.size() > 1 && !number) {
        return Failure{kExitRefused,
                       std::string(control) + " names more than one control here; give its number"};
    }
    *found = matches.front();
    return std::nullopt;
}

std::string WithControlNames(std::string_view render) {
    std::string out;
    for (size_t start = 0; start < render.size();) {
        size_t end = render.find('\n', start);
        end = end == std::string_view::npos ? render.size() : end + 1;
        const std::string_view line = render.substr(start, end - start);
        start = end;
        // "  kind 1234 ..." carries a control number right after its kind.
        const size_t kind = line.find_first_not_of(' ');
        const size_t space = line.find(' ', kind);
        const size_t numberEnd = line.find_first_of(" \n", space + 1);
        const std::optional<int> id =
            kind == 0 || space == std::string_view::npos || numberEnd == std::string_view::npos
                ? std::nullopt
                : WholeNumber(line.substr(space + 1, numberEnd - space - 1));
        const std::u16string_view name = id ? TableName(*id) : std::u16string_view();
        if (name.empty()) {
            out += line;
            continue;
        }
        out += line.substr(0, numberEnd);
        out += " " + text::Utf16ToUtf8(name);
        out += line.substr(numberEnd);
    }
    return out;
}

}  // namespace orca::host
