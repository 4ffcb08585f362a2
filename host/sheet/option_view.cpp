// SPDX-License-Identifier: Apache-2.0
#include "host/sheet/option_view.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <memory>
#include <span>

#include "host/cli/whole_number.h"
#include "host/output/settings_view.h"
#include "host/sheet/actions.h"
#include "host/sheet/choice_keywords.h"
#include "host/sheet/control_names.h"
#include "host/sheet/find_entry.h"
#include "pages/advanced/advanced_tables.h"
#include "resources/page_resources.h"
#include "resources/window_styles.h"
#include "text/format.h"
#include "text/nocase.h"
#include "text/utf.h"

namespace orca::host {
namespace {

using platform::Window;

constexpr std::string_view kDefault = "Default";
// An edit field that was given no limit takes more than any value here.
constexpr int kUnlimitedChars = 30000;

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
        view->keywords.push_back(ChoiceKeyword(view->choices.back()));
        view->radios.push_back(desktop.ControlId(child));
        if (desktop.IsChecked(child))
            view->value = view->choices.back();
    }
}

void ReadList(platform::sim::Desktop& desktop, Window list, OptionView* view) {
    for (int i = 0; i < desktop.ItemCount(list); ++i) {
        view->choices.push_back(text::Utf16ToUtf8(desktop.ItemText(list, i)));
        view->keywords.push_back(ChoiceKeyword(view->choices.back()));
    }
    const int selected = desktop.Selection(list);
    view->value = selected >= 0 ? view->choices[selected] : text::Utf16ToUtf8(desktop.Text(list));
}

// The option's controls in holder, the page or dialog that has them; false
// when it has no such control.
bool ReadControls(platform::sim::Desktop& desktop, Window holder, OptionView* view) {
    const OptionRow& row = *view->row;
    const Window control = ControlOf(desktop, holder, row.control);
    if (control == nullptr)
        return false;
    if (const Window label = ControlOf(desktop, holder, row.label))
        view->label = text::Utf16ToUtf8(TextAsName(desktop.Text(label)));
    if (const Window unit = ControlOf(desktop, holder, row.unit))
        view->unit = text::Utf16ToUtf8(desktop.Text(unit));
    view->enabled = desktop.IsEnabled(control) && desktop.IsVisible(control);
    const std::u16string kind = desktop.ClassName(control);
    if (IsRadio(desktop, control)) {
        ReadRadios(desktop, control, view);
    } else if (kind == resources::kClassComboBox || kind == resources::kClassListBox) {
        ReadList(desktop, control, view);
    } else {
        view->value = text::Utf16ToUtf8(desktop.Text(control));
        view->digitsOnly = (desktop.Style(control) & resources::ES_NUMBER) != 0;
        view->maxChars = desktop.TextLimit(control);
        if (const Window spin = ControlOf(desktop, holder, row.spin))
            view->range = desktop.SpinRange(spin);
    }
    if (const Window check = ControlOf(desktop, holder, row.defaultCheck)) {
        view->takesDefault = true;
        view->enabled = view->enabled || desktop.IsEnabled(check);
        if (desktop.IsChecked(check))
            view->value = kDefault;
    }
    return true;
}

// A choice by its text as shown, by #N, or by its keyword.
int ChoiceIndex(const OptionView& view, std::string_view value) {
    const int count = static_cast<int>(view.choices.size());
    const int shown =
        FindEntry(value, count, [&view](int i) { return text::Utf8ToUtf16(view.choices[i]); });
    return shown >= 0 ? shown : FindEntry(value, count, [&view](int i) {
        return text::Utf8ToUtf16(view.keywords[i]);
    });
}

MaybeFailure RunLines(ActionRunner& runner, const std::vector<std::string>& lines) {
    std::vector<Action> actions;
    if (auto failed = ParseActions(lines, &actions))
        return failed;
    for (const Action& action : actions) {
        if (auto failed = runner.Run(action))
            return failed;
    }
    return std::nullopt;
}

// The actions on the option's controls, done in its dialog when it has one:
// there they answer the dialog that the page's button opens, and end with OK.
std::vector<std::string> InItsDialog(const OptionView& view, std::vector<std::string> lines) {
    if (const int button = view.row->place.dialogButton) {
        lines.insert(lines.begin(), "answer dialog");
        lines.insert(lines.end(), {"ok", "end", "click " + std::to_string(button)});
    }
    return lines;
}

// The adjustments are stored in millimetres and shown in the Options page's
// unit (btSpeedUnit).
constexpr std::string_view kUnitKey = "btSpeedUnit";

// Millimetres per unit of the stored unit code; none for a code the page
// does not know.
std::optional<double> MillimetresPerUnit(driverhost::HostDevMode& records) {
    const std::optional<double> unit = StoredNumber(records, kUnitKey);
    if (!unit || *unit < 0 || *unit >= std::size(pages::advanced::kAdjustmentUnits))
        return std::nullopt;
    return pages::advanced::kAdjustmentUnits[static_cast<size_t>(*unit)].mmPerUnit;
}

// "0.123": a number with as many decimals as it has, at least two.
std::string ExactText(double value) {
    std::string text = text::Format("%.6f", value);
    while (text.ends_with('0') && text.size() - text.find('.') > 3)
        text.pop_back();
    return text;
}

// An adjustment shows two decimals of what it stores in millimetres: its
// value is the stored one in the page's unit, so that a value finer than
// the page shows reads back as it was set.
void ReadStoredLength(Sheet& sheet, OptionView* view) {
    const std::string_view field = view->row->field;
    const std::optional<double> shown = Number(view->value);
    if (!field.starts_with("db") || !shown)
        return;
    const std::optional<double> mm = StoredNumber(sheet.Records(), field);
    const std::optional<double> mmPerUnit = MillimetresPerUnit(sheet.Records());
    if (!mm || !mmPerUnit)
        return;
    const double value = *mm / *mmPerUnit;
    // Only what the shown text rounds: an edit not yet left shows more.
    if (std::abs(value - *shown) > 1e-9 && std::abs(value - *shown) < 0.005 + 1e-9)
        view->value = ExactText(value);
}

// The page holds an adjustment within its limit either way, in millimetres:
// the limit of the language's Advanced page that shows it, in the page's unit.
void ReadLengthLimit(Sheet& sheet, int tab, OptionView* view) {
    const bool orca = sheet.Desktop().PageTemplate(sheet.SheetWindow(), tab) ==
                      resources::kPageAdvancedOrca.templateId;
    const std::span<const pages::advanced::Adjustment> adjustments =
        orca ? std::span<const pages::advanced::Adjustment>(pages::advanced::kOrcaAdjustments)
             : std::span<const pages::advanced::Adjustment>(pages::advanced::kOnyxAdjustments);
    const auto adjustment =
        std::ranges::find(adjustments, view->row->control, &pages::advanced::Adjustment::editId);
    const std::optional<double> mmPerUnit = MillimetresPerUnit(sheet.Records());
    if (adjustment == adjustments.end() || !mmPerUnit)
        return;
    view->lengthLimit = LengthLimit{adjustment->limit / *mmPerUnit, adjustment->limit};
}

}  // namespace

std::optional<double> Number(std::string_view text) {
    const std::string_view unsigned_ = text.starts_with('-') ? text.substr(1) : text;
    const size_t point = unsigned_.find('.');
    const auto digits = [](std::string_view part) {
        return !part.empty() && part.find_first_not_of("0123456789") == std::string_view::npos;
    };
    if (!digits(unsigned_.substr(0, point)) ||
        (point != std::string_view::npos && !digits(unsigned_.substr(point + 1))))
        return std::nullopt;
    double value = 0;
    std::from_chars(text.data(), text.data() + text.size(), value);
    return value;
}

std::optional<OptionView> ReadOption(Sheet& sheet, const OptionRow& row) {
    const std::optional<int> tab = sheet.PageTab(row.place.pages);
    if (row.place.sheet != sheet.Kind() || !tab ||
        !sheet.Driver().SelectTab(sheet.SheetWindow(), *tab))
        return std::nullopt;
    OptionView view;
    view.row = &row;
    view.page = text::Utf16ToUtf8(sheet.TabTitles()[*tab]);
    platform::sim::Desktop& desktop = sheet.Desktop();
    const Window page = sheet.CurrentPage();
    if (row.place.dialogButton == 0) {
        if (!ReadControls(desktop, page, &view))
            return std::nullopt;
        ReadStoredLength(sheet, &view);
        ReadLengthLimit(sheet, *tab, &view);
        return view;
    }
    const Window button = ControlOf(desktop, page, row.place.dialogButton);
    if (button == nullptr || !desktop.IsEnabled(button) || !desktop.IsVisible(button))
        return std::nullopt;
    // The responder outlives this call when the button opens nothing: it
    // then answers as if absent.
    struct DialogRead {
        bool stale = false;
        bool found = false;
        OptionView view;
    };
    auto read = std::make_shared<DialogRead>(DialogRead{false, false, view});
    platform::sim::DesktopDriver& driver = sheet.Driver();
    driver.OnNextDialog([read, &desktop, &driver](Window dialog) {
        if (read->stale)
            return;
        read->view.dialog = text::Utf16ToUtf8(desktop.Text(dialog));
        read->found = ReadControls(desktop, dialog, &read->view);
        if (const std::optional<int> ok = DefaultButton(desktop, dialog))
            driver.Click(dialog, *ok);
    });
    driver.Click(page, row.place.dialogButton);
    read->stale = true;
    if (!read->found)
        return std::nullopt;
    return std::move(read->view);
}

std::vector<OptionView> ReadOptions(Sheet& sheet) {
    std::vector<OptionView> views;
    for (const OptionRow& row : OptionRows(sheet.Kind())) {
        if (std::optional<OptionView> view = ReadOption(sheet, row))
            views.push_back(std::move(*view));
    }
    return views;
}

std::string SeeOptions(SheetKind sheet) {
    return sheet == SheetKind::kPrinter ? "(see: orcaui options PRINTER --printer-sheet)"
                                        : "(see: orcaui options PRINTER)";
}

std::string Shown(const OptionView& view) {
    return view.unit.empty() || IsDefault(view.value) ? view.value : view.value + " " + view.unit;
}

std::string AllowedValues(const OptionView& view) {
    if (view.range) {
        return "a whole number from " + std::to_string(view.range->first) + " to " +
               std::to_string(view.range->second);
    }
    if (view.digitsOnly && view.maxChars < kUnlimitedChars)
        return "a whole number of at most " + std::to_string(view.maxChars) + " digits";
    if (view.digitsOnly)
        return "a whole number, digits only";
    if (view.lengthLimit) {
        const std::string limit = ExactText(view.lengthLimit->inUnit);
        const std::string millimetres =
            view.unit == "mm"
                ? ""
                : " (" + text::Format("%g", view.lengthLimit->millimetres) + " mm either way)";
        return "a number from -" + limit + " to " + limit + " " + view.unit + millimetres +
               (view.takesDefault ? ", or Default" : "");
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

std::string Keyword(const OptionView& view) {
    const int index = ChoiceIndex(view, view.value);
    return index >= 0 ? view.keywords[index] : view.value;
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
                                         " takes " + AllowedValues(view) + " " +
                                         SeeOptions(view.row->place.sheet)};
    };
    if (!view.choices.empty()) {
        if (ChoiceIndex(view, value) < 0)
            return refused("not one of the values offered");
    } else if (!(view.takesDefault && IsDefault(value))) {
        const std::optional<double> number = Number(value);
        if (!number)
            return refused(
                "not a number as set reads one (digits, an optional minus sign and "
                "decimal point: 12, -0.5)");
        if (view.digitsOnly && value.find_first_not_of("0123456789") != std::string_view::npos)
            return refused("the field takes digits only");
        if (static_cast<int>(value.size()) > view.maxChars && view.maxChars > 0)
            return refused("longer than the field takes");
        if (view.range && (*number != std::floor(*number) || *number < view.range->first ||
                           *number > view.range->second))
            return refused("out of range");
        if (view.lengthLimit && std::abs(*number) > view.lengthLimit->inUnit + 1e-9)
            return refused("out of range");
    }
    return std::nullopt;
}

MaybeFailure DriveOption(ActionRunner& runner, const OptionView& view, std::string_view value) {
    if (!view.enabled) {
        const std::string where =
            view.dialog.empty() ? "the " + view.page + " page"
                                : "the " + view.dialog + " dialog of the " + view.page + " page";
        return Failure{kExitRefused, std::string(view.row->name) +
                                         " cannot be changed now: " + where + " has it disabled"};
    }
    const std::string id = std::to_string(view.row->control);
    std::vector<std::string> lines;
    const std::string check = "click " + std::to_string(view.row->defaultCheck);
    if (!view.radios.empty()) {
        lines.push_back("click " + std::to_string(view.radios[ChoiceIndex(view, value)]));
    } else if (!view.choices.empty()) {
        lines.push_back("select " + id + " #" + std::to_string(ChoiceIndex(view, value) + 1));
    } else if (IsDefault(value)) {
        lines.push_back(check);
    } else {
        if (IsDefault(view.value))
            lines.push_back(check);
        lines.insert(lines.end(), {"type " + id + " " + std::string(value), "leave " + id});
    }
    return RunLines(runner, InItsDialog(view, std::move(lines)));
}

MaybeFailure SavePage(Sheet& sheet, ActionRunner& runner, const OptionPlace& place) {
    const std::optional<int> tab = sheet.PageTab(place.pages);
    if (!tab || !sheet.Driver().SelectTab(sheet.SheetWindow(), *tab))
        return Failure{kExitFailure, "the page that stores the values is gone"};
    const std::string title = text::Utf16ToUtf8(sheet.TabTitles()[*tab]);
    const auto& messages = sheet.Desktop().Messages();
    const size_t before = messages.size();
    if (auto failed = RunLines(runner, {"click " + std::to_string(place.saveButton)}))
        return failed;
    if (messages.size() > before) {
        return Failure{kExitRefused, "the " + title + " page could not store the values: " +
                                         text::Utf16ToUtf8(messages.back().text)};
    }
    return std::nullopt;
}

}  // namespace orca::host
