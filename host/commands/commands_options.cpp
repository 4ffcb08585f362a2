// SPDX-License-Identifier: Apache-2.0
// options, get, set: the settings of a printer's printing preferences by
// name, read off its pages and changed through them as a person would.
#include <algorithm>
#include <cmath>
#include <functional>
#include <iostream>

#include "host/cli/edit_distance.h"
#include "host/commands/commands.h"
#include "host/output/json_output.h"
#include "host/sheet/action_runner.h"
#include "host/sheet/option_view.h"
#include "host/sheet/sheet.h"
#include "host/state/printer_session.h"
#include "text/utf.h"

namespace orca::host {
namespace {

using SheetUse = std::function<MaybeFailure(Sheet& sheet)>;

// Opens the printer's printing preferences (or with --printer-sheet its
// properties) for use; a use that writes saves what it did, a failed one
// keeps the state as it was. A use that only reads writes nothing, though
// the printer sheet's Stocks page adds the printer's own custom paper when
// it has none yet.
int WithSheet(Host& host, const Arguments& args, bool writes, const SheetUse& use) {
    std::u16string name;
    if (auto failed = host.FindPrinter(args.positional[0], &name))
        return Report(*failed);
    if (auto failed = host.LoadPlugin())
        return Report(*failed);
    const SheetKind kind =
        args.Has(kPrinterSheetOption.name) ? SheetKind::kPrinter : SheetKind::kDocument;
    MaybeFailure failed;
    {
        Failure failure;
        const auto session = PrinterSession::Open(host.Plugin(), name, &failure);
        if (session == nullptr)
            return Report(failure);
        Sheet sheet(*session, host.Desktop(), kind);
        failed = sheet.Open();
        if (!failed)
            failed = use(sheet);
    }
    if (!writes)
        return failed ? Report(*failed) : kExitOk;
    return host.EndSheetRun(failed);
}

std::string OptionNames(SheetKind sheet) {
    std::string out;
    for (const OptionRow& row : OptionRows(sheet))
        out += (out.empty() ? "" : ", ") + std::string(row.name);
    return out;
}

// The sheet's names within two typing slips of name, or that it begins:
// "darkness, dithering".
std::string NearNames(SheetKind sheet, std::string_view name) {
    constexpr size_t kSlips = 2;
    std::string out;
    for (const OptionRow& row : OptionRows(sheet)) {
        if (EditDistance(text::Utf8ToUtf16(name), text::Utf8ToUtf16(row.name)) <= kSlips ||
            (name.size() >= 3 && row.name.starts_with(name)))
            out += (out.empty() ? "" : " or ") + std::string(row.name);
    }
    return out;
}

// The option named, read off its page; refused when unknown to the table or
// not shown by this printer's pages.
MaybeFailure ReadNamed(Sheet& sheet, std::string_view name, OptionView* view) {
    const SheetKind kind = sheet.Kind();
    const OptionRow* row = FindOptionRow(kind, name);
    if (row == nullptr) {
        const SheetKind other =
            kind == SheetKind::kPrinter ? SheetKind::kDocument : SheetKind::kPrinter;
        if (const OptionRow* elsewhere = FindOptionRow(other, name)) {
            return Failure{kExitRefused,
                           std::string(elsewhere->name) + " is an option of the printer's " +
                               (other == SheetKind::kPrinter ? "properties: add --printer-sheet"
                                                             : "printing preferences: leave out "
                                                               "--printer-sheet")};
        }
        const std::string near = NearNames(kind, name);
        return Failure{kExitRefused, "no option \"" + std::string(name) + "\"; " +
                                         (near.empty() ? "the options are " + OptionNames(kind)
                                                       : "did you mean " + near + "?") +
                                         " " + SeeOptions(kind)};
    }
    std::optional<OptionView> read = ReadOption(sheet, *row);
    if (!read) {
        return Failure{kExitRefused, "this printer's pages have no " + std::string(row->name) +
                                         " " + SeeOptions(kind)};
    }
    *view = std::move(*read);
    return std::nullopt;
}

// A value as a word of the option's line: quoted when it has blanks.
std::string Word(const std::string& value) {
    return value.find(' ') == std::string::npos && !value.empty() ? value : "\"" + value + "\"";
}

// name/Label (unit): the values offered, the current one marked with *.
std::string OptionLine(const OptionView& view) {
    std::string line = std::string(view.row->name) + "/" + view.label;
    if (!view.unit.empty())
        line += " (" + view.unit + ")";
    line += ":";
    if (view.choices.empty()) {
        line += " *" + Word(view.value) + " (" + AllowedValues(view) + ")";
    } else {
        // A choice shown in another language than its keyword: KEYWORD=SHOWN.
        for (size_t i = 0; i < view.choices.size(); ++i) {
            const std::string& choice = view.choices[i];
            const std::string& keyword = view.keywords[i];
            line += (choice == view.value ? " *" : " ") +
                    (keyword == choice ? "" : Word(keyword) + "=") + Word(choice);
        }
    }
    return line + (view.enabled ? "" : " [disabled now]") + "\n";
}

// A number as a number, anything else ("Default", a list's item) as text.
Json ValueJson(const OptionView& view) {
    const std::optional<double> number = Number(view.value);
    if (!number)
        return view.value;
    if (*number == std::floor(*number) && std::abs(*number) < 1e15)
        return static_cast<int64_t>(*number);
    return *number;
}

Json OptionJson(const OptionView& view) {
    Json json = {{"name", view.row->name},
                 {"label", view.label},
                 {"page", view.page},
                 {"dialog", view.dialog.empty() ? Json(nullptr) : Json(view.dialog)},
                 {"value", ValueJson(view)},
                 {"unit", view.unit},
                 {"shown", Shown(view)},
                 {"enabled", view.enabled},
                 {"takes_default", view.takesDefault}};
    if (!view.choices.empty()) {
        json["keyword"] = Keyword(view);
        json["values"] = view.choices;
        json["keywords"] = view.keywords;
    }
    if (view.range)
        json["range"] = {view.range->first, view.range->second};
    if (view.lengthLimit)
        json["range"] = {-view.lengthLimit->inUnit, view.lengthLimit->inUnit};
    json["stored_as"] = view.row->field.empty() ? Json(nullptr) : Json(view.row->field);
    return json;
}

int ListOptions(Host& host, const Arguments& args) {
    const bool json = args.Has(kJsonOption.name);
    return WithSheet(host, args, false, [json](Sheet& sheet) -> MaybeFailure {
        Json list = Json::array();
        for (const OptionView& view : ReadOptions(sheet)) {
            if (json)
                list.push_back(OptionJson(view));
            else
                std::cout << OptionLine(view);
        }
        if (json)
            PrintJson(list);
        return std::nullopt;
    });
}

int GetOptions(Host& host, const Arguments& args) {
    const std::vector<std::string> names(args.positional.begin() + 1, args.positional.end());
    return WithSheet(host, args, false, [&names](Sheet& sheet) -> MaybeFailure {
        std::string out;
        for (const std::string& name : names) {
            OptionView view;
            if (auto failed = ReadNamed(sheet, name, &view))
                return failed;
            out += view.value + "\n";
        }
        std::cout << out;
        return std::nullopt;
    });
}

struct Assignment {
    std::string name;
    std::string value;
};

MaybeFailure ParseAssignments(std::span<const std::string> words, std::vector<Assignment>* out) {
    for (const std::string& word : words) {
        const size_t equals = word.find('=');
        if (equals == std::string::npos || equals == 0) {
            return Failure{kExitUsage, "\"" + word + "\" is not NAME=VALUE (for example: " +
                                           "orcaui set PRINTER darkness=20)"};
        }
        out->push_back({word.substr(0, equals), word.substr(equals + 1)});
    }
    return std::nullopt;
}

// An assignment checked against its option as the sheet opened.
struct Planned {
    OptionView before;
    std::string value;
};

// Every name and value checked before any control is touched; a name given
// twice is refused. In the table's order, so an option that enables others
// or scales them (operation mode, pause, units, the paper's size) comes
// before them whatever the order on the command line.
MaybeFailure Plan(Sheet& sheet, const std::vector<Assignment>& assignments,
                  std::vector<Planned>* plan) {
    for (const Assignment& assignment : assignments) {
        OptionView view;
        if (auto failed = ReadNamed(sheet, assignment.name, &view))
            return failed;
        if (auto failed = CheckValue(view, assignment.value))
            return failed;
        if (std::ranges::find(*plan, view.row, [](const Planned& p) { return p.before.row; }) !=
            plan->end()) {
            return Failure{kExitUsage,
                           std::string(view.row->name) + " is given twice: give each setting once"};
        }
        plan->push_back({std::move(view), assignment.value});
    }
    std::ranges::sort(*plan, std::less<>(), [](const Planned& p) { return p.before.row; });
    return std::nullopt;
}

// Drives one option to its value unless it holds already (an earlier
// change may have changed its page); refused when the page refused it with
// a message box.
MaybeFailure Drive(Sheet& sheet, ActionRunner& runner, const Planned& planned) {
    const std::optional<OptionView> now = ReadOption(sheet, *planned.before.row);
    if (now && Holds(*now, planned.value))
        return std::nullopt;
    const size_t messages = sheet.Desktop().Messages().size();
    if (auto failed = DriveOption(runner, now ? *now : planned.before, planned.value))
        return failed;
    if (sheet.Desktop().Messages().size() > messages) {
        const std::optional<OptionView> after = ReadOption(sheet, *planned.before.row);
        if (!after || !Holds(*after, planned.value))
            return Failure{kExitRefused, std::string(planned.before.row->name) + "=" +
                                             planned.value + ": the " + planned.before.page +
                                             " page refused it (its message is above)"};
    }
    return std::nullopt;
}

// Every value read back once all are driven, before anything is stored: a
// page that keeps a value within limits of its own (a clamp, a cut-off
// digit, a margin the paper's size leaves no room for) refuses the set.
// The lines of what will change: NAME: OLD -> NEW.
MaybeFailure ReadBack(Sheet& sheet, const std::vector<Planned>& plan,
                      std::vector<std::string>* lines, std::vector<OptionPlace>* toSave) {
    for (const auto& [before, value] : plan) {
        const std::optional<OptionView> after = ReadOption(sheet, *before.row);
        const std::string name(before.row->name);
        if (!after || !Holds(*after, value)) {
            return Failure{kExitRefused, name + "=" + value + ": outside the " + before.page +
                                             " page's limits, which would make it " +
                                             (after ? after->value : "?") + "; " + name +
                                             " takes " + AllowedValues(before) + " " +
                                             SeeOptions(sheet.Kind())};
        }
        // With its unit: a length the units changed shows the same number.
        if (Shown(*after) == Shown(before))
            continue;
        lines->push_back(name + ": " + Shown(before) + " -> " + Shown(*after));
        const OptionPlace& place = before.row->place;
        if (place.saveButton != 0 &&
            std::ranges::find(*toSave, place.saveButton, &OptionPlace::saveButton) == toSave->end())
            toSave->push_back(place);
    }
    return std::nullopt;
}

int SetOptions(Host& host, const Arguments& args) {
    std::vector<Assignment> assignments;
    if (auto failed = ParseAssignments(std::span(args.positional).subspan(1), &assignments))
        return Report(*failed);
    return WithSheet(host, args, true, [&assignments](Sheet& sheet) -> MaybeFailure {
        std::vector<Planned> plan;
        if (auto failed = Plan(sheet, assignments, &plan))
            return failed;
        ActionRunner runner(sheet, std::cout, false);
        for (const Planned& planned : plan) {
            if (auto failed = Drive(sheet, runner, planned))
                return failed;
        }
        std::vector<std::string> lines;
        std::vector<OptionPlace> toSave;
        if (auto failed = ReadBack(sheet, plan, &lines, &toSave))
            return failed;
        if (lines.empty()) {
            std::cout << "nothing changed: every value already holds\n";
            return std::nullopt;
        }
        for (const OptionPlace& place : toSave) {
            if (auto failed = SavePage(sheet, runner, place))
                return failed;
        }
        if (auto failed = sheet.Apply())
            return failed;
        if (auto failed = runner.Finish())
            return failed;
        // Told only once stored.
        for (const std::string& line : lines)
            std::cout << line << "\n";
        return std::nullopt;
    });
}

constexpr OptionSpec kOptionsOptions[] = {kJsonOption, kPrinterSheetOption};
constexpr OptionSpec kGetSetOptions[] = {kPrinterSheetOption};

// The sheet's option names, wrapped to 80 columns under a two-blank indent.
std::string WrappedNames(SheetKind sheet) {
    constexpr size_t kWidth = 80;
    std::string out = " ";
    size_t lineStart = 0;
    for (const OptionRow& row : OptionRows(sheet)) {
        const std::string word = " " + std::string(row.name) + ",";
        if (out.size() - lineStart + word.size() > kWidth) {
            lineStart = out.size() + 1;
            out += "\n ";
        }
        out += word;
    }
    out.back() = '\n';
    return out;
}

std::string OptionsHelp() {
    return "names in the printing preferences (a model's pages show some of them):\n" +
           WrappedNames(SheetKind::kDocument) +
           "names in the printer's properties (--printer-sheet), the size and unprintable\n"
           "margins of the custom paper that the Stocks page shows first, the printer's own,\n"
           "in tenths of a millimetre:\n" +
           WrappedNames(SheetKind::kPrinter);
}

}  // namespace

const CommandSpec kOptionsCommand{
    "options",
    "options PRINTER [--printer-sheet] [--json]",
    "list the printer's settings by name, as its pages offer them",
    "Each line is one setting the printer's pages offer (the printing preferences',\n"
    "or with --printer-sheet the printer properties'): its name, the label its page\n"
    "shows and the unit, then the values offered with the current one marked *, or\n"
    "the current value and what the setting takes (a range, a whole number of at\n"
    "most N digits, a number, Default). A value shown in another language than\n"
    "English is listed as KEYWORD=SHOWN: the keyword, its English text, is taken\n"
    "whatever the language. The values are read off the pages as they stand, and\n"
    "off the dialogs their buttons open (the Advance Setup page's Other dialog):\n"
    "speed in its unit, adjustments in the Option page's unit, with the decimals\n"
    "stored. `orcaui get` and `orcaui set` take the names.\n\n"
    "options:\n"
    "  --printer-sheet  the settings of the printer's properties (its Stocks page)\n"
    "                   instead of its printing preferences\n"
    "  --json           print the settings as a JSON array of objects: name, label,\n"
    "                   page, dialog (the page's dialog that holds it, or null),\n"
    "                   value (a number where it is one), unit, shown (value and\n"
    "                   unit), enabled, takes_default, for a list keyword (the\n"
    "                   value's), values and keywords, for a bounded number range\n"
    "                   [low, high] (an adjustment's in its unit), and stored_as (the stored "
    "setting's name in\n"
    "                   `orcaui settings`, or null)\n\n"
    "example:\n"
    "  orcaui options \"Kestrel(ORCA)\"\n\n",
    OptionsHelp,
    kOptionsOptions,
    1,
    1,
    ListOptions};

const CommandSpec kGetCommand{
    "get",
    "get PRINTER NAME... [--printer-sheet]",
    "print the printer's settings by name",
    "Prints the value of each named setting (see `orcaui options`), one a line, as\n"
    "its page shows it, or an adjustment with the decimals stored when it has more\n"
    "than the page shows; \"Default\" when the printer's own value is used.\n\n"
    "options:\n"
    "  --printer-sheet  settings of the printer's properties (the Stocks page's\n"
    "                   paper-width, paper-height and margins)\n\n"
    "example:\n"
    "  orcaui get \"Kestrel(ORCA)\" darkness speed pause\n",
    nullptr,
    kGetSetOptions,
    2,
    SIZE_MAX,
    GetOptions};

const CommandSpec kSetCommand{
    "set",
    "set PRINTER NAME=VALUE... [--printer-sheet]",
    "change the printer's settings by name through its pages",
    "Sets each named setting (see `orcaui options`) to its value: what is stored is\n"
    "what was asked, or nothing is.\n\n"
    "First every assignment is checked against what its setting takes, before any\n"
    "control is touched: a list's item (its text as shown, its English keyword\n"
    "whatever the sheet's language, or #N), a number within the setting's range\n"
    "and its field's digits, or \"Default\" for an adjustment. A number is digits\n"
    "with an optional leading minus and an optional decimal point between digits\n"
    "(12, -0.5); \".5\", \"5.\", \"+1\" and exponents are refused, never read as\n"
    "another number. A name given twice is refused.\n\n"
    "Then the settings are changed on their pages as a person would, in the order\n"
    "of `orcaui options` whatever the order given: a setting that enables or\n"
    "scales others comes first (units before the adjustments, operation mode\n"
    "before the group quantity, pause before its interval, the paper's size\n"
    "before its margins). A length is read in the units the same command sets,\n"
    "else in the units the Option page shows. A setting of the Other dialog is\n"
    "changed in the dialog its page's button opens, then OK is pressed. Every\n"
    "value is read back before anything is stored: a value the page would keep\n"
    "within limits of its own (an adjustment's largest distance, a margin the\n"
    "paper leaves no room for) is refused. Then the sheet is applied, so the\n"
    "values become the printer's defaults, and only then each change is printed as\n"
    "NAME: OLD -> NEW.\n\n"
    "A refusal (an unknown name, with the nearest names; a value not offered or\n"
    "out of range, with what is allowed; a setting the page disables) ends with\n"
    "exit code 4 (a name given twice: 2), prints no change and changes nothing.\n"
    "When every value already holds, as stored, nothing is changed and the command\n"
    "ends with exit code 0, so a setup script can run again.\n\n"
    "options:\n"
    "  --printer-sheet  settings of the printer's properties: the Stocks page's\n"
    "                   fields are changed and Save Paper Size pressed, which changes\n"
    "                   the printer's own custom paper form at once; a form the\n"
    "                   spooler refuses is told with the page's message, exit code 4\n\n"
    "examples:\n"
    "  orcaui set \"Kestrel(ORCA)\" darkness=20 speed=76 top-adjust=0.5\n"
    "  orcaui set \"Kestrel(ORCA)\" pause=\"After Interval\" pause-interval=30\n"
    "  orcaui set \"Kestrel(ORCA)\" --printer-sheet paper-width=500 paper-height=300\n",
    nullptr,
    kGetSetOptions,
    2,
    SIZE_MAX,
    SetOptions};

}  // namespace orca::host
