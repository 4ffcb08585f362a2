// SPDX-License-Identifier: Apache-2.0
// sheet PRINTER [ACTION...]: the printer's property sheet, headless, acted on
// by the action language and printed as text.
#include <iostream>

#include "host/cli/line_reader.h"
#include "host/commands/commands.h"
#include "host/sheet/action_runner.h"
#include "host/sheet/sheet.h"
#include "host/state/printer_session.h"
#include "text/utf.h"

namespace orca::host {
namespace {

constexpr char16_t kShellProcess[] = u"explorer.exe";

// Reads actions line by line (a block whole, up to its `end`) and runs them,
// the same from a terminal as from a pipe: a failure is told and the session
// goes on; the first one's exit code ends the command, after what was
// applied is saved. *told is that exit code, or kExitOk.
void RunInteractive(ActionRunner& runner, Sheet& sheet, int* told) {
    LineReader reader;
    runner.PrintSheet();
    const auto tell = [told](const Failure& failure) {
        const int code = Report(failure);
        *told = *told == kExitOk ? code : *told;
    };
    std::vector<std::string> lines;
    int depth = 0;
    for (std::string line;
         sheet.IsOpen() && reader.Next(depth > 0 ? "...     " : "orcaui> ", &line);) {
        if (depth == 0 && (line == "quit" || line == "exit"))
            break;
        if (depth == 0 && line == "help") {
            std::cout << ActionHelp();
            continue;
        }
        lines.push_back(line);
        depth += BlockDepthChange(line);
        if (depth > 0)
            continue;
        depth = 0;
        std::vector<Action> actions;
        MaybeFailure failed = ParseActions(lines, &actions);
        lines.clear();
        for (size_t i = 0; !failed && i < actions.size(); ++i)
            failed = runner.Run(actions[i]);
        if (failed)
            tell(*failed);
    }
    // Input that ended inside a block is malformed, not silently dropped.
    if (std::vector<Action> unused; !lines.empty()) {
        if (auto failed = ParseActions(lines, &unused))
            tell(*failed);
    }
    if (auto unused = runner.Finish())
        tell(*unused);
}

MaybeFailure RunActions(const std::vector<Action>& actions, ActionRunner& runner) {
    for (const Action& action : actions) {
        if (auto failed = runner.Run(action))
            return failed;
    }
    return runner.Finish();
}

// The plug-in's pages, tab by tab.
void PrintEveryPage(Sheet& sheet) {
    const int tabs = static_cast<int>(sheet.TabTitles().size());
    for (int tab = sheet.FirstPluginTab(); tab < tabs; ++tab) {
        if (!sheet.Driver().SelectTab(sheet.SheetWindow(), tab))
            continue;
        std::cout << (tab == sheet.FirstPluginTab() ? "" : "\n") << sheet.Render();
    }
}

// Opens the sheet, runs the actions and prints the sheet; the sheet and the
// plug-in's pages are gone when it returns.
MaybeFailure UseSheet(Host& host, const std::u16string& name, const Arguments& args,
                      const std::vector<Action>& actions, int* told) {
    Failure failure;
    const auto session = PrinterSession::Open(host.Plugin(), name, &failure);
    if (session == nullptr)
        return failure;
    Sheet sheet(*session, host.Desktop(),
                args.Has(kPrinterSheetOption.name) ? SheetKind::kPrinter : SheetKind::kDocument);
    if (auto failed = sheet.Open())
        return failed;
    const bool interactive = args.Has("--interactive");
    ActionRunner runner(sheet, std::cout, interactive, args.Has("--shell"));
    runner.PrintNewMessages();
    if (interactive)
        RunInteractive(runner, sheet, told);
    else if (auto failed = RunActions(actions, runner))
        return failed;
    if (args.Has("--all") && sheet.IsOpen())
        PrintEveryPage(sheet);
    else if (!interactive)
        std::cout << sheet.Render();
    if (sheet.HasUnappliedChanges()) {
        std::cerr << "orcaui: note: the sheet's changes were not applied (end with `apply` or "
                     "`ok` to keep them)\n";
    }
    return std::nullopt;
}

int OpenSheet(Host& host, const Arguments& args) {
    std::u16string name;
    if (auto failed = host.FindPrinter(args.positional[0], &name))
        return Report(*failed);
    std::vector<Action> actions;
    const std::vector<std::string> lines(args.positional.begin() + 1, args.positional.end());
    if (auto failed = ParseActions(lines, &actions))
        return Report(*failed);
    if (args.Has("--interactive") && !actions.empty())
        return Report({kExitUsage, "give actions on the command line or with -i, not both"});
    if (auto failed = host.LoadPlugin())
        return Report(*failed);

    // The shell's process name lasts for this run only.
    const platform::sim::SystemFacts facts = host.Env().Facts();
    if (args.Has("--shell")) {
        platform::sim::SystemFacts shell = facts;
        shell.processName = kShellProcess;
        host.Env().SetFacts(shell);
    }
    int told = kExitOk;
    MaybeFailure failed = UseSheet(host, name, args, actions, &told);
    host.Env().SetFacts(facts);
    const int exitCode = host.EndSheetRun(failed);
    return exitCode == kExitOk ? told : exitCode;
}

constexpr OptionSpec kSheetOptions[] = {
    kPrinterSheetOption,
    {"--all", "", false},
    {"--shell", "", false},
    {"--interactive", "-i", false},
};

std::string SheetHelp() {
    return "actions (CONTROL is a number such as 1017, a name such as\n"
           "IDC_OPTION_COMBO_DARKNESS, as the printed page shows them, or the text a person\n"
           "reads: the label before a field, such as Darkness, or a button's own text):\n" +
           ActionHelp() +
           "\nA text with blanks goes in double quotes (\\\" \\\\ \\n \\r \\t \\b inside them, "
           "and\n"
           "\\xHH for the character of code HH, such as \\x02 for STX) or single quotes.\n"
           "An `answer` prepares the reply to a box or dialog that the next action opens;\n"
           "that action must open it. Without an answer a message box gets its first\n"
           "button, a file dialog or a dialog is cancelled and a menu dismissed.\n\n"
           "examples:\n"
           "  orcaui sheet \"Kestrel(ORCA)\" --all\n"
           "  orcaui sheet \"Kestrel(ORCA)\" \"select Darkness 20\" \"type Copies 3\" "
           "\"leave Copies\" apply\n"
           "  orcaui sheet \"Heron(ONYX)\" \"tab Tools\" \"select 1122 #1\" \"select 1123 #1\" \\\n"
           "      \"click 1127\"\n"
           "  orcaui sheet \"Kestrel(ORCA)\" -i\n";
}

}  // namespace

const CommandSpec kSheetCommand{
    "sheet",
    "sheet PRINTER [--printer-sheet] [--all] [--shell] [-i] [ACTION...]",
    "open the printer's property sheet, act on it and print it",
    "The printing preferences (the document sheet) open with the plug-in's first page\n"
    "in front. Each ACTION is one argument; the actions run in order as a person\n"
    "would do them, then the page in front is printed. `apply` or `ok` stores the\n"
    "sheet's settings as the printer's defaults; changes without them are dropped.\n"
    "A failing action ends the command with nothing saved, and the exit code tells\n"
    "why: 2 a malformed action, 4 an unknown tab or control or an action that a\n"
    "person could not do (a disabled control, an item that is not there). A raw job\n"
    "that did not reach its printer (a refused connection, an unknown host, a file\n"
    "that cannot be written) is told on standard error once the sheet has closed,\n"
    "and the command ends with exit code 6.\n"
    "The state directory is written when the sheet changed something or sent a raw\n"
    "job. Opening the printer sheet changes it when the printer has no default form\n"
    "yet: its Stocks page adds that form, even without an action.\n\n"
    "options:\n"
    "  --printer-sheet    the printer's properties instead of its printing preferences\n"
    "  --all              print every page, tab by tab, instead of the one in front\n"
    "  --shell            run as the printer folder does (the shell's process): the\n"
    "                     font pages then allow adding, changing and deleting fonts\n"
    "  -i, --interactive  read actions from standard input, a line each (at a\n"
    "                     terminal with line editing and history), and print what\n"
    "                     each changed on the page (`show`: the whole page); `help`\n"
    "                     lists them, `quit` ends. A failing action is told and the\n"
    "                     session goes on, from a terminal or a pipe alike; what was\n"
    "                     applied is kept and the first failure's exit code ends it\n\n",
    SheetHelp,
    kSheetOptions,
    1,
    SIZE_MAX,
    OpenSheet};

}  // namespace orca::host
