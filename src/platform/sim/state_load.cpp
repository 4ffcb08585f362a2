// SPDX-License-Identifier: Apache-2.0
// Reading an environment from a state directory (format in STATE.md).
#include <algorithm>
#include <unordered_map>
#include <unordered_set>

#include "platform/sim/environment.h"
#include "platform/sim/job_port.h"
#include "platform/sim/public_record.h"
#include "platform/sim/sim_spooler.h"
#include "platform/sim/state_files.h"
#include "platform/sim/state_generations.h"
#include "platform/sim/state_ini.h"
#include "platform/sim/state_source.h"
#include "platform/sim/world.h"
#include "text/utf.h"

namespace orca::platform::sim {
namespace {

constexpr uint32_t kMaxU16 = 0xFFFF;
constexpr uint32_t kMaxI32 = 0x7FFFFFFF;

bool LoadSystem(const std::vector<StateSection>& sections, const StateSource&, Environment* env,
                StateError* error) {
    for (const StateSection& section : sections) {
        if (!SameName(section.name, state::kSystemSection)) {
            return error->At(section.line, "unknown section [" + section.name + "], expected [" +
                                               state::kSystemSection + "]");
        }
        SectionReader r(section, error);
        const SystemFacts def;
        const auto arch = r.Number(state::kArchitecture, def.processorArchitecture, kMaxU16);
        const auto found = r.Number(state::kWow64Function, def.wow64.functionFound, 1);
        const auto call = r.Number(state::kWow64Call, def.wow64.callSucceeded, 1);
        const auto wow64 = r.Number(state::kWow64, def.wow64.isWow64, 1);
        const auto language = r.Number(state::kLanguage, def.defaultLanguage, kMaxU16);
        const auto codePage = r.Number(state::kCodePage, def.ansiCodePage, kMaxU16);
        std::u16string process = def.processName;
        if (r.LineOf(state::kProcessName) != section.line) {
            process = r.Text(state::kProcessName).value_or(u"");
        }
        if (error->Failed() || !r.CheckNoOtherKeys()) {
            return false;
        }
        env->SetFacts(SystemFacts{.processorArchitecture = uint16_t(*arch),
                                  .wow64 = {.functionFound = *found != 0,
                                            .callSucceeded = *call != 0,
                                            .isWow64 = *wow64 != 0},
                                  .defaultLanguage = uint16_t(*language),
                                  .ansiCodePage = *codePage,
                                  .processName = process});
    }
    return true;
}

bool LoadDrivers(const std::vector<StateSection>& sections, const StateSource&, Environment* env,
                 StateError* error) {
    std::unordered_set<std::u16string> loaded;
    for (const StateSection& section : sections) {
        SectionReader r(section, error);
        Driver driver;
        driver.name = r.Text(state::kName).value_or(u"");
        if (r.LineOf(state::kEnvironment) != section.line) {
            driver.environment = r.Text(state::kEnvironment).value_or(kEnvironmentX64);
        }
        for (const StateEntry* e : r.Numbered(state::kDependentFile)) {
            driver.dependentFiles.push_back(text::Utf8ToUtf16(e->value));
        }
        if (error->Failed() || !r.CheckNoOtherKeys()) {
            return false;
        }
        if (driver.environment != kEnvironmentX64 && driver.environment != kEnvironmentX86) {
            return r.Fail(r.LineOf(state::kEnvironment),
                          "Environment must be \"Windows x64\" or \"Windows NT x86\"");
        }
        if (!loaded.insert(KeyOf(driver)).second) {
            return r.Fail(r.LineOf(state::kName), "a second driver of that name and environment");
        }
        env->AddDriver(std::move(driver));
    }
    return true;
}

// "number,width,length,name"; the name may hold commas.
bool ParsePaper(const StateEntry& entry, Paper* paper, StateError* error) {
    const std::string& v = entry.value;
    const size_t a = v.find(',');
    const size_t b = a == std::string::npos ? a : v.find(',', a + 1);
    const size_t c = b == std::string::npos ? b : v.find(',', b + 1);
    // Zero is refused anyway, so it stands for "not a number" here.
    const auto field = [&v](size_t from, size_t to, uint32_t max) -> uint32_t {
        return to == std::string::npos ? 0
                                       : ParseNumber(v.substr(from, to - from), max).value_or(0);
    };
    const uint32_t number = field(0, a, kUserDefinedPaper - 1);
    const uint32_t width = field(a + 1, b, kMaxI32);
    const uint32_t length = field(b + 1, c, kMaxI32);
    if (number == 0 || width == 0 || length == 0 || c + 1 >= v.size()) {
        return error->At(entry.line, entry.key +
                                         " must be \"number,width,length,name\": a number from 1 "
                                         "to 255, positive sizes (tenths of a millimetre) and a "
                                         "name");
    }
    *paper = Paper{.number = uint16_t(number),
                   .name = text::Utf8ToUtf16(v.substr(c + 1)),
                   .width = int32_t(width),
                   .length = int32_t(length)};
    return true;
}

// The largest settings record: both of its sizes are 16-bit.
constexpr size_t kMaxRecordBytes = 2 * size_t(kMaxU16);
// A state INI file larger than this is no hand-kept file.
constexpr size_t kMaxStateFileBytes = size_t(64) << 20;

// "settings/NAME": a name inside the state's settings folder, never a path
// that leads out of it.
bool InSettingsFolder(std::u16string_view path) {
    const std::u16string folder = text::Utf8ToUtf16(state::kSettingsFolder) + u"/";
    if (!path.starts_with(folder))
        return false;
    const std::u16string_view name = path.substr(folder.size());
    return !name.empty() && name != u"." && name != u".." &&
           name.find_first_of(u"/\\:") == std::u16string_view::npos;
}

// names: the keys of the printers loaded before.
bool LoadPrinter(const StateSection& section, const StateSource& source,
                 std::unordered_set<std::u16string>* names, Environment* env, StateError* error) {
    SectionReader r(section, error);
    Printer printer;
    printer.name = r.Text(state::kName).value_or(u"");
    printer.driverName = r.Text(state::kDriver).value_or(u"");
    if (r.LineOf(state::kPort) != section.line) {
        printer.portName = r.Text(state::kPort).value_or(u"");
    }
    std::u16string settings;
    if (r.LineOf(state::kSettings) != section.line) {
        settings = r.Text(state::kSettings).value_or(u"");
    }
    printer.perUserSettingsSize = r.Number(state::kPerUserSize, 0, kMaxI32).value_or(0);
    for (const StateEntry* e : r.Numbered(state::kPaper)) {
        Paper paper;
        if (!ParsePaper(*e, &paper, error)) {
            return false;
        }
        printer.papers.push_back(std::move(paper));
    }
    if (error->Failed() || !r.CheckNoOtherKeys()) {
        return false;
    }
    if (!ParsePort(printer.portName)) {
        return r.Fail(r.LineOf(state::kPort),
                      "Port must be \"null:\", \"file:PATH\" or \"tcp:HOST:PORT\"");
    }
    if (!settings.empty() && !InSettingsFolder(settings)) {
        return r.Fail(r.LineOf(state::kSettings),
                      std::string("Settings must be the name of a file in ") +
                          state::kSettingsFolder + "/, as " + state::kSettingsFolder +
                          "/printer1.bin");
    }
    if (!settings.empty()) {
        const std::filesystem::path blob = ToNativePath(settings);
        std::string bytes;
        std::string why = "does not exist";
        if (source.Read(blob, kMaxRecordBytes, &bytes, &why) != StateSource::Result::kRead) {
            return r.Fail(r.LineOf(state::kSettings), source.Describe(blob) + " " + why);
        }
        printer.settings.assign(bytes.begin(), bytes.end());
        if (!RecordSizesConsistent(printer.settings)) {
            return r.Fail(
                r.LineOf(state::kSettings),
                source.Describe(blob) + " is not a settings record (its sizes do not add up)");
        }
        // The plug-in would be handed a block larger than the bytes behind it.
        if (const BlockExtent block = PrivateBlockExtent(printer.settings);
            block.claimed > block.held) {
            return r.Fail(r.LineOf(state::kSettings),
                          source.Describe(blob) + " is not a settings record (its block claims " +
                              std::to_string(block.claimed) + " bytes, the file holds " +
                              std::to_string(block.held) + ")");
        }
    }
    if (!names->insert(KeyOf(printer)).second) {
        return r.Fail(r.LineOf(state::kName), "a second printer of that name");
    }
    env->AddPrinter(std::move(printer));
    return true;
}

// What the forms loaded so far and the printers use, looked up once per form
// instead of searched.
struct UsedNumbers {
    std::unordered_set<uint32_t> forms;
    std::unordered_map<uint32_t, std::u16string> papers;  // the first printer of each
    uint32_t nextFree = kUserDefinedPaper + 1;

    // The lowest number above the printers' papers' range that nothing uses:
    // it only grows, as numbers are only taken.
    uint32_t Free() {
        while (nextFree < kMaxU16 && (forms.contains(nextFree) || papers.contains(nextFree)))
            ++nextFree;
        return nextFree;
    }
};

bool LoadForm(const StateSection& section, UsedNumbers* used, Environment* env, StateError* error) {
    SectionReader r(section, error);
    const auto name = r.Text(state::kName);
    const auto flags = r.Number(state::kFlags, kFormUser, kFormPrinter);
    const auto number = r.Number(state::kNumber, 0, kMaxU16);
    const auto size = r.Numbers(state::kSize, 2);
    const auto area = r.Numbers(state::kImageableArea, 4);
    if (error->Failed() || !r.CheckNoOtherKeys()) {
        return false;
    }
    const FormInfo1 form{.flags = *flags,
                         .name = *name,
                         .width = (*size)[0],
                         .height = (*size)[1],
                         .left = (*area)[0],
                         .top = (*area)[1],
                         .right = (*area)[2],
                         .bottom = (*area)[3]};
    if (!FormMeasuresValid(form)) {
        return r.Fail(r.LineOf(state::kImageableArea),
                      "the imageable area must lie inside a positive size and not be empty");
    }
    if (*number != 0 && !used->forms.insert(*number).second) {
        return r.Fail(r.LineOf(state::kNumber), "a second form with that paper number");
    }
    // A printer's own paper of that number would hide the form in its list.
    if (const auto user = used->papers.find(*number); *number != 0 && user != used->papers.end()) {
        return r.Fail(r.LineOf(state::kNumber), "the paper number " + std::to_string(*number) +
                                                    " is a paper of the printer " +
                                                    text::Utf16ToUtf8(user->second));
    }
    const uint32_t taken = *number != 0 ? *number : used->Free();
    used->forms.insert(taken);
    if (!env->AddForm(form, uint16_t(taken))) {
        return r.Fail(r.LineOf(state::kName), "a second form of that name");
    }
    return true;
}

bool LoadPrinters(const std::vector<StateSection>& sections, const StateSource& source,
                  Environment* env, StateError* error) {
    std::unordered_set<std::u16string> names;
    return std::ranges::all_of(sections, [&](const StateSection& s) {
        return LoadPrinter(s, source, &names, env, error);
    });
}

bool LoadForms(const std::vector<StateSection>& sections, const StateSource&, Environment* env,
               StateError* error) {
    UsedNumbers used;
    for (const Printer& printer : env->Printers()) {
        for (const Paper& paper : printer.papers)
            used.papers.try_emplace(paper.number, printer.name);
    }
    return std::ranges::all_of(
        sections, [&](const StateSection& s) { return LoadForm(s, &used, env, error); });
}

// The files in loading order: printers may name paper numbers that forms
// loaded later must avoid.
struct StateFile {
    const char* name;
    bool (*load)(const std::vector<StateSection>&, const StateSource&, Environment*, StateError*);
};
constexpr StateFile kStateFiles[] = {
    {state::kSystemFile, LoadSystem},
    {state::kDriversFile, LoadDrivers},
    {state::kPrintersFile, LoadPrinters},
    {state::kFormsFile, LoadForms},
};

// A missing file holds no sections.
bool LoadFrom(const StateSource& source, Environment* env, std::string* error) {
    for (const StateFile& file : kStateFiles) {
        StateError fault(source.Describe(file.name));
        std::string text;
        std::string why;
        const StateSource::Result read = source.Read(file.name, kMaxStateFileBytes, &text, &why);
        std::vector<StateSection> sections;
        if ((read == StateSource::Result::kRefused && !fault.At(0, why)) ||
            !ParseStateText(text, &sections, &fault) || !file.load(sections, source, env, &fault)) {
            *error = fault.Message();
            return false;
        }
    }
    return true;
}

}  // namespace

std::unique_ptr<Environment> Environment::Load(const std::filesystem::path& stateDir,
                                               std::string* error) {
    if (!state::Examine(stateDir, error))
        return nullptr;
    const std::filesystem::path folder = state::StateFolder(stateDir);
    std::error_code ec;
    if (!std::filesystem::is_directory(folder, ec)) {
        *error = folder.string() + ": not a directory" + (ec ? " (" + ec.message() + ")" : "");
        return nullptr;
    }
    std::unique_ptr<Environment> env(new Environment(stateDir, folder));
    env->stateDir_ = stateDir;
    return LoadFrom(DirectorySource(folder), env.get(), error) ? std::move(env) : nullptr;
}

std::unique_ptr<Environment> Environment::LoadFiles(const StateFiles& files, std::string* error) {
    auto env = std::make_unique<Environment>(std::filesystem::path());
    return LoadFrom(MemorySource(files), env.get(), error) ? std::move(env) : nullptr;
}

std::unique_ptr<Environment> Environment::LoadOrCreate(const std::filesystem::path& stateDir,
                                                       std::string* error) {
    const std::optional<state::Holds> holds = state::Examine(stateDir, error);
    if (!holds)
        return nullptr;
    if (*holds != state::Holds::kNothing)
        return Load(stateDir, error);
    const std::optional<std::filesystem::path> generation = state::NewGeneration(stateDir, error);
    if (!generation)
        return nullptr;
    std::unique_ptr<Environment> env(new Environment(stateDir, *generation));
    env->stateDir_ = stateDir;
    env->staged_ = *generation;
    if (!env->AddDefaults(error) || !env->Save(stateDir, error))
        return nullptr;
    return env;
}

}  // namespace orca::platform::sim
