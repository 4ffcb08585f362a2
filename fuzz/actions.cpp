// SPDX-License-Identifier: Apache-2.0
// Arbitrary bytes as `orcaui sheet` actions, one a line, run on a real sheet
// of the plug-in loaded as orcaui loads it. The first byte picks the printer,
// the sheet and whether it runs in the shell's process (where fonts can be
// added). Whatever the actions did, the state saves and loads back
// the same. File dialogs are always cancelled: a fuzzed path must not send or
// write files of this machine.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <sstream>
#include <string>
#include <vector>

#include "host/driver_host/driver_host.h"
#include "host/sheet/action_runner.h"
#include "host/sheet/actions.h"
#include "host/sheet/sheet.h"
#include "host/state/printer_session.h"
#include "platform/sim/desktop.h"
#include "platform/sim/environment.h"

namespace {

using namespace orca::host;
namespace sim = orca::platform::sim;

void Check(bool condition) {
    if (!condition)
        __builtin_trap();
}

constexpr size_t kMaxLines = 48;
constexpr const char16_t* kPrinters[] = {u"Kestrel(ORCA)", u"Heron(ONYX)"};
// The process name `orcaui sheet --shell` runs under.
constexpr char16_t kShellProcess[] = u"explorer.exe";

struct World {
    std::unique_ptr<sim::Environment> env;
    std::shared_ptr<sim::Desktop> desktop;
    std::unique_ptr<orca::driverhost::PluginLibrary> plugin;
    std::vector<sim::Printer> printers;  // as the run started, restored for each input
};

// The first-run state over a root of its own, its jobs dropped.
World& TheWorld() {
    static World* world = [] {
        char root[] = "/tmp/orca-fuzz-XXXXXX";
        auto* made = new World;
        made->env = sim::Environment::CreateDefault(::mkdtemp(root));
        for (sim::Printer printer : made->env->Printers()) {
            printer.portName = u"null:";
            made->env->AddPrinter(printer);
        }
        made->printers = made->env->Printers();
        made->desktop = sim::AttachDesktop(*made->env);
        sim::Install(made->env.get());
        made->plugin = std::make_unique<orca::driverhost::PluginLibrary>(ORCAUI_PLUGIN_PATH);
        Check(made->plugin->Loaded());
        return made;
    }();
    return *world;
}

void CancelFileDialogs(std::vector<Action>& actions) {
    for (Action& action : actions) {
        if (action.verb == Verb::kAnswerFile)
            action.text.clear();
        CancelFileDialogs(action.block);
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size == 0)
        return 0;
    World& world = TheWorld();
    std::vector<std::string> lines;
    std::string line;
    for (size_t i = 1; i < size && lines.size() < kMaxLines; ++i) {
        if (data[i] == '\n') {
            lines.push_back(std::move(line));
            line.clear();
        } else {
            line += static_cast<char>(data[i]);
        }
    }
    if (lines.size() < kMaxLines)
        lines.push_back(line);
    std::vector<Action> actions;
    if (ParseActions(lines, &actions))
        return 0;
    CancelFileDialogs(actions);

    for (const sim::Printer& printer : world.printers)
        world.env->AddPrinter(printer);
    const sim::SystemFacts facts = world.env->Facts();
    if (data[0] & 4) {
        sim::SystemFacts shell = facts;
        shell.processName = kShellProcess;
        world.env->SetFacts(shell);
    }
    {
        Failure failure;
        const auto session = PrinterSession::Open(*world.plugin, kPrinters[data[0] & 1], &failure);
        Check(session != nullptr);
        Sheet sheet(*session, *world.desktop,
                    data[0] & 2 ? SheetKind::kPrinter : SheetKind::kDocument);
        Check(!sheet.Open());
        std::ostringstream out;
        ActionRunner runner(sheet, out, false);
        for (const Action& action : actions) {
            if (runner.Run(action))
                break;
        }
        runner.Finish();
        sheet.Render();
    }
    world.env->SetFacts(facts);

    std::string error;
    const std::optional<sim::StateFiles> saved = world.env->Files(&error);
    Check(saved.has_value());
    const std::unique_ptr<sim::Environment> reloaded = sim::Environment::LoadFiles(*saved, &error);
    Check(reloaded != nullptr && reloaded->Printers() == world.env->Printers() &&
          reloaded->Forms() == world.env->Forms() && reloaded->Files(&error) == saved);
    return 0;
}
