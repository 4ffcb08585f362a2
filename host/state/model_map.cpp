// SPDX-License-Identifier: Apache-2.0
#include "host/state/model_map.h"

#include <algorithm>
#include <iterator>

#include "platform/file_names.h"
#include "platform/sim/standard_papers.h"
#include "platform/sim/world.h"
#include "printers/printer_models_table.h"
#include "settings/field_ids.h"
#include "text/ini.h"
#include "text/nocase.h"
#include "text/utf.h"

namespace orca::host {
namespace {

using platform::sim::Driver;
using platform::sim::Environment;

constexpr std::u16string_view kMapSection = u"PrinterMap";
constexpr std::u16string_view kMapExtension = u".lbpm";
constexpr char16_t kDefaultMapFile[] = u"labels.lbpm";
constexpr char16_t kPluginFile[] = u"ORCAUI.dll";
// A map value is read into 64 units, terminator included.
constexpr size_t kMapValueUnits = 64;

// The driver environment the system's drivers are installed for.
std::u16string_view SystemEnvironment(const Environment& env) {
    const platform::sim::SystemFacts facts = env.Facts();
    const bool wide =
        (facts.wow64.functionFound && facts.wow64.callSucceeded && facts.wow64.isWow64) ||
        facts.processorArchitecture == platform::kArchitectureX64 ||
        facts.processorArchitecture == platform::kArchitectureIa64;
    return wide ? platform::sim::kEnvironmentX64 : platform::sim::kEnvironmentX86;
}

std::optional<Driver> FindDriver(const Environment& env, std::u16string_view name) {
    const std::u16string_view environment = SystemEnvironment(env);
    for (const Driver& driver : env.Drivers()) {
        if (text::EqualsNoCase(driver.name, name) && driver.environment == environment)
            return driver;
    }
    return std::nullopt;
}

// The driver's first file named as a model map, the one the plug-in reads.
const std::u16string* MapFileOf(const Driver& driver) {
    const auto map = std::ranges::find_if(driver.dependentFiles, [](const std::u16string& file) {
        return file.ends_with(kMapExtension);
    });
    return map != driver.dependentFiles.end() ? &*map : nullptr;
}

// The map's path as the plug-in forms it (the driver directory, then the name
// with either separator); none when the driver has no map or names one
// outside the driver directory, which the plug-in does not read.
std::optional<std::filesystem::path> MapPath(const Environment& env, const Driver& driver) {
    const std::u16string* map = MapFileOf(driver);
    if (map == nullptr || !platform::StaysInsideDirectory(*map))
        return std::nullopt;
    return env.DriverDirectory(driver.environment) / platform::sim::ToNativePath(*map);
}

// The printers of the driver, for a message; empty when none uses it.
std::string PrintersOf(const Environment& env, std::u16string_view driver) {
    std::string names;
    for (const platform::sim::Printer& printer : env.Printers()) {
        if (text::EqualsNoCase(printer.driverName, driver))
            names += (names.empty() ? "\"" : ", \"") + text::Utf16ToUtf8(printer.name) + "\"";
    }
    return names;
}

MaybeFailure CheckModelChange(const Environment& env, std::u16string_view driver,
                              std::u16string_view model) {
    if (model.empty())
        return std::nullopt;
    const std::u16string now = ModelOfDriver(env, driver);
    const std::string users = PrintersOf(env, driver);
    if (now == model || users.empty())
        return std::nullopt;
    return Failure{kExitUsage,
                   "the driver \"" + text::Utf16ToUtf8(driver) + "\" is " +
                       (IsKnownModel(now) ? "the model \"" + text::Utf16ToUtf8(now) + "\""
                                          : std::string("mapped to no model")) +
                       " for its printers " + users + "; a printer of the model \"" +
                       text::Utf16ToUtf8(model) +
                       "\" needs a driver of its own (another --driver)"};
}

printers::PaperExtents ExtentsOf(const printers::ModelRow& row) {
    if (row.paperExtents)
        return *row.paperExtents;
    const auto extent = [&row](settings::FieldId id) {
        return static_cast<int16_t>(
            printers::FindCapability(id)->value[static_cast<size_t>(row.language)]);
    };
    return printers::PaperExtents{.longest = extent(settings::field::kLongestPaper),
                                  .widest = extent(settings::field::kWidestPaper),
                                  .shortest = extent(settings::field::kShortestPaper),
                                  .narrowest = extent(settings::field::kNarrowestPaper)};
}

}  // namespace

std::vector<platform::sim::Paper> PapersOfModel(std::u16string_view model) {
    const std::span<const platform::sim::Paper> standard = platform::sim::StandardPapers();
    const auto row =
        std::ranges::find(printers::kModelTable, model, &printers::ModelRow::displayName);
    if (row == printers::kModelTable.end())
        return {standard.begin(), standard.end()};
    const printers::PaperExtents extents = ExtentsOf(*row);
    std::vector<platform::sim::Paper> papers;
    std::ranges::copy_if(standard, std::back_inserter(papers), [&](const platform::sim::Paper& p) {
        return p.width >= extents.narrowest && p.width <= extents.widest &&
               p.length >= extents.shortest && p.length <= extents.longest;
    });
    return papers;
}

std::u16string ModelOfDriver(const Environment& env, std::u16string_view driver) {
    const std::optional<Driver> installed = FindDriver(env, driver);
    const std::optional<std::filesystem::path> map =
        installed ? MapPath(env, *installed) : std::nullopt;
    if (!map)
        return std::u16string(driver);
    return text::ini::ReadString(*map, kMapSection, driver, driver, kMapValueUnits,
                                 env.Facts().ansiCodePage);
}

bool IsKnownModel(std::u16string_view model) {
    return std::ranges::any_of(printers::kModelTable, [model](const printers::ModelRow& row) {
        return row.displayName == model;
    });
}

std::string KnownModels() {
    std::string out;
    for (const printers::ModelRow& row : printers::kModelTable)
        out += (out.empty() ? "" : ", ") + text::Utf16ToUtf8(row.displayName);
    return out;
}

MaybeFailure InstallDriver(Environment& env, std::u16string_view name, std::u16string_view model) {
    if (auto failed = CheckModelChange(env, name, model))
        return failed;
    Driver driver =
        FindDriver(env, name).value_or(Driver{.name = std::u16string(name),
                                              .environment = std::u16string(SystemEnvironment(env)),
                                              .dependentFiles = {kPluginFile}});
    if (MapFileOf(driver) == nullptr)
        driver.dependentFiles.push_back(kDefaultMapFile);
    env.AddDriver(driver);
    if (model.empty())
        return std::nullopt;
    const std::optional<std::filesystem::path> map = MapPath(env, driver);
    if (!map) {
        return Failure{kExitUsage, "the driver's model map " +
                                       text::Utf16ToUtf8(*MapFileOf(driver)) +
                                       " lies outside its driver directory"};
    }
    // The map goes into the state's next generation, published with the printer or not at all.
    std::string error;
    if (!env.StageDriverFiles(&error))
        return Failure{kExitState, "the model map cannot be written: " + error};
    const std::optional<std::filesystem::path> staged = MapPath(env, driver);
    if (!text::ini::WriteString(*staged, kMapSection, driver.name, model, env.Facts().ansiCodePage))
        return Failure{kExitFailure, staged->string() + ": the model map cannot be written"};
    return std::nullopt;
}

}  // namespace orca::host
