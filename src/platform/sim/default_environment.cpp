// SPDX-License-Identifier: Apache-2.0
// The embedded environment of a first run with no state: one ORCA and one
// ONYX printer, each with a driver whose model map names its model.
#include <algorithm>
#include <iterator>

#include "platform/sim/environment.h"
#include "platform/sim/public_record.h"
#include "platform/sim/standard_papers.h"
#include "platform/sim/state_disk.h"

namespace orca::platform::sim {
namespace {

constexpr char16_t kModelMapFile[] = u"labels.lbpm";
constexpr char kModelMap[] =
    "[PrinterMap]\r\n"
    "ORCA Kestrel=Kestrel(ORCA)\r\n"
    "ONYX Heron=Heron(ONYX)\r\n";

// The standard stock that fits both models: all but A6, which is wider
// than either prints.
std::vector<Paper> LabelPapers() {
    const std::span<const Paper> standard = StandardPapers();
    std::vector<Paper> papers;
    std::ranges::copy_if(standard, std::back_inserter(papers),
                         [](const Paper& p) { return p.name != u"A6"; });
    return papers;
}

struct DefaultPrinter {
    const char16_t* name;
    const char16_t* driver;
    const char16_t* port;
};
constexpr DefaultPrinter kPrinters[] = {
    {u"Kestrel(ORCA)", u"ORCA Kestrel", u"file:jobs/orca.prn"},
    {u"Heron(ONYX)", u"ONYX Heron", u"file:jobs/onyx.prn"},
};

}  // namespace

std::unique_ptr<Environment> Environment::CreateDefault(const std::filesystem::path& root) {
    auto env = std::make_unique<Environment>(root);
    std::string error;
    return env->AddDefaults(&error) ? std::move(env) : nullptr;
}

bool Environment::AddDefaults(std::string* error) {
    const std::filesystem::path jobs = Root() / "jobs";
    std::error_code ec;
    if (!disk::MakeOwnFolders(jobs, ec)) {
        *error = jobs.string() + ": " + ec.message();
        return false;
    }
    if (!WriteDriverFile(kEnvironmentX64, kModelMapFile, kModelMap, error))
        return false;
    const std::vector<Paper> papers = LabelPapers();
    const Paper& first = papers.front();
    for (const DefaultPrinter& p : kPrinters) {
        AddDriver(Driver{.name = p.driver,
                         .environment = kEnvironmentX64,
                         .dependentFiles = {u"ORCAUI.dll", kModelMapFile}});
        AddPrinter(Printer{.name = p.name,
                           .driverName = p.driver,
                           .portName = p.port,
                           .settings = MakePublicRecord(p.name, first.number, first.name),
                           .perUserSettingsSize = 0,
                           .papers = papers});
    }
    return true;
}

}  // namespace orca::platform::sim
