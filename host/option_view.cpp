#include "option_view.h"

#include <charconv>
#include <cmath>

#include "actions.h"
#include "control_names.h"
#include "find_entry.h"
#include "resources/window_styles.h"
#include "text/nocase.h"
#include "text/utf.h"
#include "whole_number.h"

namespace orca::host {
namespace {

using platform::Window;

constexpr std::string_view kDefault = "Default";

std::optional<double> Number(std::string_view text) {
    double value = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || ec != std::errc() || end != text.data() + text.size() ||
        !std::isfinite(value))
        return std::nullopt;
    return value;
}

bool IsDefault(std::string_view value) {
    return text::EqualsNoCase(text::Utf8ToUtf16(value), text::Utf8ToUtf16(kDefault));
}

bool IsRadio(platform::sim::Desktop& desktop, Window window) {
    const uint32_t type = desktop.Style(window) & resources::BS_TYPEMASK;
    return desktop.ClassName(window) == resources::kClassButton &&
           (type == resources::BS_RADIOBUTTON || type == resources::BS_AUTORADIOBUTTON);
}

std::string Quoted(std::string_view text) {
    return "\"" + std::string(text) + "\"";
}

// The control of that id on the page (or its sub-pages), or null.
Window ControlOf(platform::sim::Desktop& desktop, Window page, int id) {
    ControlRef ref;
    if (id == 0 || FindControl(desktop, page, std::to_string(id), &ref))
        return nullptr;
    return desktop.Child(ref.holder, ref.id);
}

// The buttons of the radio group that starts with first, in window order.
void ReadRadios(platform::sim::Desktop& desktop, Window first, OptionView* view) {
    bool inGroup = false;
    for (Window child : desktop.Children(desktop.Parent(first))) {
        inGroup = inGroup || child == first;
        if (!inGroup)
            continue;
        if (!IsRadio(desktop, child))
            break;
        view->choices.push_back(text::Utf16ToUtf8(desktop.Text(child)));
        view->radios.push_back(desktop.ControlId(child));
        if (desktop.IsChecked(child))
            view->value = view->choices.back();
    }
}

void ReadList(platform::sim::Desktop& desktop, Window list, OptionView* view) {
    for (int i = 0; i < desktop.ItemCount(list); ++i)
        view->choices.push_back(text::Utf16ToUtf8(desktop.ItemText(list, i)));
    const int selected = desktop.Selection(list);
    view->value = selected >= 0 ? view->choices[selected] : text::Utf16ToUtf8(desktop.Text(list));
}

int ChoiceIndex(const OptionView& view, std::string_view value) {
    return FindEntry(value, static_cast<int>(view.choices.size()),
                     [&view](int i) { return text::Utf8ToUtf16(view.choices[i]); });
}

MaybeFailure RunLine(ActionRunner& runner, const std::string& line) {
    std::vector<Action> actions;
    if (auto failed = ParseActions(std::span(&line, 1), &actions))
        return failed;
    return runner.Run(actions.front());
}

}  // namespace

std::optional<OptionView> ReadOption(Sheet& sheet, const OptionRow& row) {
    const std::vector<std::u16string> titles = sheet.TabTitles();
    const int tab = sheet.FirstPluginTab() + row.page;
    if (tab >= static_cast<int>(titles.size()) ||
        !sheet.Driver().SelectTab(sheet.SheetWindow(), tab))
        return std::nullopt;
    platform::sim::Desktop& desktop = sheet.Desktop();
    const Window page = sheet.CurrentPage();
    const Window control = ControlOf(desktop, page, row.control);
    if (control == nullptr)
        return std::nullopt;
    OptionView view;
    view.row = &row;
    view.page = text::Utf16ToUtf8(titles[tab]);
    if (const Window label = ControlOf(desktop, page, row.label))
        view.label = text::Utf16ToUtf8(TextAsName(desktop.Text(label)));
    if (const Window unit = ControlOf(desktop, page, row.unit))
        view.unit = text::Utf16ToUtf8(desktop.Text(unit));
    view.enabled = desktop.IsEnabled(control) && desktop.IsVisible(control);
    if (IsRadio(desktop, control)) {
        ReadRadios(desktop, control, &view);
    } else if (desktop.ClassName(control) == resources::kClassComboBox) {
        ReadList(desktop, control, &view);
    } else {
        view.value = text::Utf16ToUtf8(desktop.Text(control));
        if (const Window spin = ControlOf(desktop, page, row.spin))
            view.range = desktop.SpinRange(spin);
    }
    if (const Window check = ControlOf(desktop, page, row.defaultCheck)) {
        view.takesDefault = true;
        view.enabled = view.enabled || desktop.IsEnabled(check);
        if (desktop.IsChecked(check))
            view.value = kDefault;
    }
    return view;
}

std::vector<OptionView> ReadOptions(Sheet& sheet) {
    std::vector<OptionView> views;
    for (const OptionRow& row : OptionRows()) {
        if (std::optional<OptionView> view = ReadOption(sheet, row))
            views.push_back(std::move(*view));
    }
    return views;
}

std::string Shown(const OptionView& view) {
    return view.unit.empty() || IsDefault(view.value) ? view.value : view.value + " " + view.unit;
}

std::string AllowedValues(const OptionView& view) {
    if (view.range) {
        return "a whole number from " + std::to_string(view.range->first) + " to " +
               std::to_string(view.range->second);
    }
    if (view.choices.empty())
        return view.takesDefault ? "a number or Default" : "a number";
    // A long list of consecutive whole numbers reads better as its range.
    const bool defaultFirst = IsDefault(view.choices.front());
    const std::span numbers = std::span(view.choices).subspan(defaultFirst ? 1 : 0);
    std::optional<int> first = numbers.size() > 2 ? WholeNumber(numbers.front()) : std::nullopt;
    for (size_t i = 0; first && i < numbers.size(); ++i) {
        if (WholeNumber(numbers[i]) != *first + static_cast<int>(i))
            first.reset();
    }
    if (first) {
        return std::string(defaultFirst ? "Default or " : "") + "a whole number from " +
               numbers.front() + " to " + numbers.back();
    }
    std::string out;
    for (const std::string& choice : view.choices)
        out += (out.empty() ? "" : ", ") + Quoted(choice);
    return out;
}

bool Holds(const OptionView& view, std::string_view value) {
    if (!view.choices.empty()) {
        const int wanted = ChoiceIndex(view, value);
        return wanted >= 0 && wanted == ChoiceIndex(view, view.value);
    }
    if (IsDefault(value) || IsDefault(view.value))
        return IsDefault(value) && IsDefault(view.value);
    const std::optional<double> wanted = Number(value);
    const std::optional<double> shown = Number(view.value);
    return wanted && shown && std::abs(*wanted - *shown) < 1e-9;
}

MaybeFailure CheckValue(const OptionView& view, std::string_view value) {
    const std::string name(view.row->name);
    const auto refused = [&](const std::string& why) {
        return Failure{kExitRefused, name + "=" + std::string(value) + ": " + why + "; " + name +
                                         " takes " + AllowedValues(view) +
                                         " (see: orcaui options PRINTER)"};
    };
    if (!view.choices.empty()) {
        if (ChoiceIndex(view, value) < 0)
            return refused("not one of the values offered");
    } else if (!(view.takesDefault && IsDefault(value))) {
        const std::optional<double> number = Number(value);
        if (!number)
            return refused("not a number");
        if (view.range && (*number != std::floor(*number) || *number < view.range->first ||
                           *number > view.range->second))
            return refused("out of range");
    }
    return std::nullopt;
}

MaybeFailure DriveOption(ActionRunner& runner, const OptionView& view, std::string_view value) {
    if (!view.enabled) {
        return Failure{kExitRefused, std::string(view.row->name) + " cannot be changed now: the " +
                                         view.page + " page has it disabled"};
    }
    const std::string id = std::to_string(view.row->control);
    if (!view.radios.empty())
        return RunLine(runner, "click " + std::to_string(view.radios[ChoiceIndex(view, value)]));
    if (!view.choices.empty())
        return RunLine(runner,
                       "select " + id + " #" + std::to_string(ChoiceIndex(view, value) + 1));
    const std::string check = "click " + std::to_string(view.row->defaultCheck);
    if (IsDefault(value))
        return RunLine(runner, check);
    if (IsDefault(view.value)) {
        if (auto failed = RunLine(runner, check))
            return failed;
    }
    if (auto failed = RunLine(runner, "type " + id + " " + std::string(value)))
        return failed;
    return RunLine(runner, "leave " + id);
}

}  // namespace orca::host
