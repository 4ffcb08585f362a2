// SPDX-License-Identifier: Apache-2.0
#include "host/cups/queue_defaults.h"

#include <cstdlib>
#include <fstream>
#include <iterator>

#include "host/output/escape.h"
#include "host/output/settings_view.h"
#include "host/state/printer_session.h"
#include "text/utf.h"

namespace orca::host::cups {
namespace {

// The Custom Command page's kinds of a command.
constexpr int kCommandFile = 1;
constexpr int kCommandText = 2;

constexpr std::u16string_view kCustomPaperPrefix = u"Custom Paper-";

using Entries = std::map<std::string, std::string, std::less<>>;

Entries SectionEntries(const std::vector<SettingsSection>& sections, std::string_view name) {
    Entries entries;
    for (const SettingsSection& section : sections) {
        if (section.name != name)
            continue;
        for (const SettingsEntry& entry : section.entries)
            entries[entry.key] = entry.value;
    }
    return entries;
}

// The bytes of the document's start or end command: the typed text, or
// the named file's bytes, which the PPD then carries.
MaybeFailure DocumentCommand(const Entries& commands, const std::string& side, std::string* bytes) {
    const auto kind = commands.find("bDoc" + side);
    const auto data = commands.find("cDoc" + side + "Command");
    if (kind == commands.end() || data == commands.end())
        return std::nullopt;
    const std::optional<std::vector<uint8_t>> stored = UnescapeBytes(data->second);
    const std::string value = stored ? std::string(stored->begin(), stored->end()) : "";
    const int chosen = std::atoi(kind->second.c_str());
    if (chosen == kCommandText) {
        *bytes = value;
    } else if (chosen == kCommandFile && !value.empty()) {
        std::ifstream file(value, std::ios::binary);
        if (!file)
            return Failure{kExitFailure, std::string("cannot read the document ") +
                                             (side == "Start" ? "start" : "end") +
                                             " command file " + value};
        bytes->assign(std::istreambuf_iterator<char>(file), {});
    }
    return std::nullopt;
}

}  // namespace

MaybeFailure DefaultsOfRecords(driverhost::HostDevMode& records, const printers::ModelRow& model,
                               QueueDefaults* defaults) {
    for (const LabelOption& option : LabelOptionsOf(model)) {
        const std::optional<double> stored = StoredNumber(records, option.storedKey);
        if (!stored)
            continue;
        if (auto choice = StoredChoice(option, *stored))
            defaults->choices.emplace(option.name, *choice);
    }
    const Entries commands = SectionEntries(ReadSettings(records), "CustomCommand");
    if (auto failed = DocumentCommand(commands, "Start", &defaults->documentStart))
        return failed;
    return DocumentCommand(commands, "End", &defaults->documentEnd);
}

MaybeFailure DefaultsOfPrinter(const driverhost::PluginLibrary& plugin,
                               const platform::sim::Environment& env, const std::u16string& name,
                               const printers::ModelRow& model, QueueDefaults* defaults) {
    Failure failure;
    const auto session = PrinterSession::Open(plugin, name, &failure);
    if (session == nullptr)
        return failure;
    const std::span<const uint8_t> records = session->Records().Bytes();
    defaults->store.settings.assign(records.begin(), records.end());
    defaults->store.papers = CustomPapers(env);
    return DefaultsOfRecords(session->Records(), model, defaults);
}

bool TakeChangedDefaults(driverhost::HostDevMode& records, const printers::ModelRow& model,
                         const std::map<std::string, std::string>& ppdDefaults,
                         const QueueStore& store) {
    bool taken = false;
    for (const LabelOption& option : LabelOptionsOf(model)) {
        const auto given = ppdDefaults.find(std::string(option.name));
        const std::optional<double> stored = StoredNumber(records, option.storedKey);
        if (given == ppdDefaults.end() || !stored)
            continue;
        const auto saved = store.saved.find(option.name);
        if (saved != store.saved.end() && saved->second == given->second)
            continue;
        const std::optional<Choice> choice = ChoiceOf(option, given->second);
        const std::optional<Choice> held = StoredChoice(option, *stored);
        if (!choice || (held && held->keyword == choice->keyword))
            continue;
        taken = StoreNumber(records, option.storedKey, StoredValue(option, *choice)) || taken;
    }
    return taken;
}

std::vector<StoredPaper> CustomPapers(const platform::sim::Environment& env) {
    std::vector<StoredPaper> papers;
    for (const platform::sim::Form& form : env.Forms()) {
        const platform::FormInfo1& info = form.info;
        if (info.name.find(kCustomPaperPrefix) == std::u16string::npos)
            continue;
        papers.push_back({text::Utf16ToUtf8(info.name), info.width, info.height, info.left,
                          info.top, info.right, info.bottom});
    }
    return papers;
}

void AddCustomPapers(platform::sim::Environment& env, const std::vector<StoredPaper>& papers) {
    for (const StoredPaper& paper : papers) {
        env.AddForm(platform::FormInfo1{.flags = platform::kFormUser,
                                        .name = text::Utf8ToUtf16(paper.name),
                                        .width = paper.width,
                                        .height = paper.height,
                                        .left = paper.left,
                                        .top = paper.top,
                                        .right = paper.right,
                                        .bottom = paper.bottom});
    }
}

}  // namespace orca::host::cups
