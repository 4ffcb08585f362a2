// The embedded environment of a first run with no state: one ORCA and one
// ONYX printer, each with a driver whose model map names its model.
#include "platform/sim/environment.h"
#include "platform/sim/public_record.h"

namespace orca::platform::sim {
namespace {

constexpr char16_t kModelMapFile[] = u"labels.lbpm";
constexpr char kModelMap[] =
    "[PrinterMap]\r\n"
    "ORCA Kestrel=Kestrel(ORCA)\r\n"
    "ONYX Heron=Heron(ONYX)\r\n";

// Label stock a label printer's driver offers (tenths of a millimetre).
const std::vector<Paper>& LabelPapers() {
    static const std::vector<Paper> papers{
        {.number = 120, .name = u"4 x 6 in", .width = 1016, .length = 1524},
        {.number = 121, .name = u"4 x 4 in", .width = 1016, .length = 1016},
        {.number = 122, .name = u"2 x 1 in", .width = 508, .length = 254},
        {.number = 123, .name = u"100 x 150 mm", .width = 1000, .length = 1500},
    };
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
    std::error_code ec;
    std::filesystem::create_directories(root / "jobs", ec);
    env->WriteDriverFile(kEnvironmentX64, kModelMapFile, kModelMap);
    const Paper& first = LabelPapers().front();
    for (const DefaultPrinter& p : kPrinters) {
        env->AddDriver(Driver{.name = p.driver,
                              .environment = kEnvironmentX64,
                              .dependentFiles = {u"ORCAUI.dll", kModelMapFile}});
        env->AddPrinter(Printer{.name = p.name,
                                .driverName = p.driver,
                                .portName = p.port,
                                .settings = MakePublicRecord(p.name, first.number, first.name),
                                .perUserSettingsSize = 0,
                                .papers = LabelPapers()});
    }
    return env;
}

}  // namespace orca::platform::sim
