// SPDX-License-Identifier: Apache-2.0
// Writing an environment into a state directory (format in STATE.md).
#include <algorithm>
#include <fstream>
#include <iterator>

#include "platform/sim/environment.h"
#include "platform/sim/state_disk.h"
#include "platform/sim/state_files.h"
#include "platform/sim/state_generations.h"
#include "platform/sim/state_ini.h"
#include "platform/sim/world.h"
#include "text/utf.h"

namespace orca::platform::sim {
namespace {

std::string Utf8(std::u16string_view s) {
    return text::Utf16ToUtf8(s);
}

std::string Hex4(uint32_t v) {
    static constexpr char kDigits[] = "0123456789ABCDEF";
    std::string s = "0x";
    for (int shift = 12; shift >= 0; shift -= 4) {
        s += kDigits[(v >> shift) & 0xF];
    }
    return s;
}

std::string SettingsBlobName(size_t printerIndex) {
    return "printer" + std::to_string(printerIndex + 1) + ".bin";
}

StateSection Numbered(const char* prefix, size_t index) {
    return StateSection{.name = prefix + std::to_string(index + 1), .line = 0, .entries = {}};
}

void Put(StateSection& s, std::string key, std::string value) {
    s.entries.push_back(StateEntry{.key = std::move(key), .value = std::move(value), .line = 0});
}

std::vector<StateSection> SystemSections(const SystemFacts& f) {
    StateSection s{.name = state::kSystemSection, .line = 0, .entries = {}};
    Put(s, state::kArchitecture, std::to_string(f.processorArchitecture));
    Put(s, state::kWow64Function, std::to_string(int(f.wow64.functionFound)));
    Put(s, state::kWow64Call, std::to_string(int(f.wow64.callSucceeded)));
    Put(s, state::kWow64, std::to_string(int(f.wow64.isWow64)));
    Put(s, state::kLanguage, Hex4(f.defaultLanguage));
    Put(s, state::kCodePage, std::to_string(f.ansiCodePage));
    Put(s, state::kProcessName, Utf8(f.processName));
    return {s};
}

std::vector<StateSection> DriverSections(const std::vector<Driver>& drivers) {
    std::vector<StateSection> sections;
    for (size_t i = 0; i < drivers.size(); ++i) {
        StateSection s = Numbered(state::kDriverSection, i);
        Put(s, state::kName, Utf8(drivers[i].name));
        Put(s, state::kEnvironment, Utf8(drivers[i].environment));
        for (size_t f = 0; f < drivers[i].dependentFiles.size(); ++f) {
            Put(s, state::kDependentFile + std::to_string(f + 1),
                Utf8(drivers[i].dependentFiles[f]));
        }
        sections.push_back(std::move(s));
    }
    return sections;
}

// Settings records go to settings/printerN.bin beside the INI files.
std::vector<StateSection> PrinterSections(const std::vector<Printer>& printers) {
    std::vector<StateSection> sections;
    for (size_t i = 0; i < printers.size(); ++i) {
        const Printer& p = printers[i];
        StateSection s = Numbered(state::kPrinterSection, i);
        Put(s, state::kName, Utf8(p.name));
        Put(s, state::kDriver, Utf8(p.driverName));
        Put(s, state::kPort, Utf8(p.portName));
        if (!p.settings.empty()) {
            Put(s, state::kSettings,
                std::string(state::kSettingsFolder) + "/" + SettingsBlobName(i));
        }
        Put(s, state::kPerUserSize, std::to_string(p.perUserSettingsSize));
        for (size_t n = 0; n < p.papers.size(); ++n) {
            const Paper& paper = p.papers[n];
            Put(s, state::kPaper + std::to_string(n + 1),
                std::to_string(paper.number) + "," + std::to_string(paper.width) + "," +
                    std::to_string(paper.length) + "," + Utf8(paper.name));
        }
        sections.push_back(std::move(s));
    }
    return sections;
}

std::vector<StateSection> FormSections(const std::vector<Form>& forms) {
    std::vector<StateSection> sections;
    for (size_t i = 0; i < forms.size(); ++i) {
        const FormInfo1& f = forms[i].info;
        StateSection s = Numbered(state::kFormSection, i);
        Put(s, state::kName, Utf8(f.name));
        Put(s, state::kFlags, std::to_string(f.flags));
        Put(s, state::kNumber, std::to_string(forms[i].number));
        Put(s, state::kSize, std::to_string(f.width) + "," + std::to_string(f.height));
        Put(s, state::kImageableArea,
            std::to_string(f.left) + "," + std::to_string(f.top) + "," + std::to_string(f.right) +
                "," + std::to_string(f.bottom));
        sections.push_back(std::move(s));
    }
    return sections;
}

namespace fs = std::filesystem;

bool Fail(const fs::path& entry, const std::string& why, std::string* error) {
    *error = entry.string() + ": " + why;
    return false;
}

// Copies the Windows directory under from (when there is one) to under to:
// folders and regular files, which is all the driver directories hold.
bool CopyWindowsDirectory(const fs::path& from, const fs::path& to, std::string* error) {
    const fs::path source = WindowsDirectoryOf(from);
    std::error_code ec;
    if (!fs::is_directory(source, ec))
        return true;
    if (!disk::MakeFolder(WindowsDirectoryOf(to), error))
        return false;
    for (fs::recursive_directory_iterator it(source, ec), end; !ec && it != end; it.increment(ec)) {
        const fs::path target = WindowsDirectoryOf(to) / fs::relative(it->path(), source, ec);
        if (it->is_directory(ec)) {
            if (!disk::MakeFolder(target, error))
                return false;
            continue;
        }
        // A link would have the copy read what lies outside the state.
        if (it->is_symlink(ec))
            return Fail(it->path(), "is a symbolic link", error);
        if (!it->is_regular_file(ec))
            continue;
        std::ifstream in(it->path(), std::ios::binary);
        const std::string bytes{std::istreambuf_iterator<char>(in), {}};
        if (!in.good() && !in.eof()) {
            return Fail(it->path(), "cannot be read", error);
        }
        if (!disk::WriteFile(target, bytes, error))
            return false;
    }
    return !ec || Fail(source, ec.message(), error);
}

// A new generation of dir holding a copy of the Windows directory under systemRoot.
std::optional<fs::path> CopiedGeneration(const fs::path& dir, const fs::path& systemRoot,
                                         std::string* error) {
    std::optional<fs::path> generation = state::NewGeneration(dir, error);
    if (generation && !CopyWindowsDirectory(systemRoot, *generation, error)) {
        std::error_code ignored;
        fs::remove_all(*generation, ignored);
        return std::nullopt;
    }
    return generation;
}

bool WriteStateFiles(const fs::path& generation, const StateFiles& files, std::string* error) {
    if (!disk::MakeFolder(generation / state::kSettingsFolder, error))
        return false;
    return std::ranges::all_of(files, [&](const auto& file) {
        return disk::WriteFile(generation / file.first, file.second, error);
    });
}

}  // namespace

std::optional<StateFiles> Environment::Files(std::string* error) const {
    const std::vector<Printer> printers = Printers();
    const std::pair<const char*, std::vector<StateSection>> texts[] = {
        {state::kSystemFile, SystemSections(Facts())},
        {state::kDriversFile, DriverSections(Drivers())},
        {state::kPrintersFile, PrinterSections(printers)},
        {state::kFormsFile, FormSections(Forms())},
    };
    StateFiles files;
    for (const auto& [name, sections] : texts) {
        StateError fault(name);
        std::optional<std::string> text = FormatStateText(sections, &fault);
        if (!text) {
            *error = fault.Message();
            return std::nullopt;
        }
        files[name] = std::move(*text);
    }
    for (size_t i = 0; i < printers.size(); ++i) {
        if (!printers[i].settings.empty()) {
            files[std::string(state::kSettingsFolder) + "/" + SettingsBlobName(i)] =
                std::string(printers[i].settings.begin(), printers[i].settings.end());
        }
    }
    return files;
}

bool Environment::StageDriverFiles(std::string* error) {
    if (stateDir_.empty() || !staged_.empty())
        return true;
    std::optional<fs::path> generation = CopiedGeneration(stateDir_, SystemRoot(), error);
    if (!generation)
        return false;
    staged_ = *generation;
    UseSystemRoot(staged_);
    return true;
}

bool Environment::Save(const fs::path& stateDir, std::string* error) {
    const std::optional<StateFiles> files = Files(error);
    if (!files)
        return false;
    const bool ownStaged = !staged_.empty() && stateDir == stateDir_;
    std::optional<fs::path> generation =
        ownStaged ? staged_ : CopiedGeneration(stateDir, SystemRoot(), error);
    if (!generation)
        return false;
    const state::Published published = WriteStateFiles(*generation, *files, error)
                                           ? state::Publish(stateDir, *generation, error)
                                           : state::Published::kNot;
    if (published == state::Published::kNot) {
        std::error_code ignored;
        if (!ownStaged)
            fs::remove_all(*generation, ignored);
        return false;
    }
    if (stateDir == stateDir_) {
        staged_.clear();
        UseSystemRoot(*generation);
    }
    return true;
}

}  // namespace orca::platform::sim
