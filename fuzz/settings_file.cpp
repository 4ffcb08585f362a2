// SPDX-License-Identifier: Apache-2.0
// Arbitrary bytes as a settings file (.drvs) read, in memory, by the
// Import/Export page's import into a printer of either language: no crash,
// no access outside the records, counts within the 32 records, and nothing
// changed at all when the language check refuses the file. The first byte
// picks the printer's language, the file dialog's filter and the ANSI code
// page; the rest is the file.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "pages/ansi_text.h"
#include "pages/settings_file/settings_file.h"
#include "platform/platform.h"
#include "settings/field_map.h"
#include "support/bare_sheet.h"
#include "text/ini.h"

namespace {

using namespace orca;

constexpr char16_t kPrinter[] = u"Fuzzed";

void Check(bool condition) {
    if (!condition)
        __builtin_trap();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static testsupport::BareEnvironment world(kPrinter, "fuzz-drvs");
    if (size == 0)
        return 0;
    const bool onyx = (data[0] & 1) != 0;
    const bool otherFilter = (data[0] & 2) != 0;
    platform::sim::SystemFacts facts = world.Env().Facts();
    facts.ansiCodePage = (data[0] & 4) != 0 ? 936 : 1252;
    world.Env().SetFacts(facts);

    testsupport::BareSheet sheet(onyx ? u"Kestrel(ONYX)" : u"Kestrel(ORCA)", kPrinter);
    const std::vector<uint8_t> before = sheet.Records();
    const size_t formsBefore = world.Env().Forms().size();
    pages::SettingsFile settingsFile(sheet, sheet, world.Printer());
    const pages::ImportOutcome outcome = settingsFile.Import(
        text::ini::Snapshot::OfBytes(std::string(reinterpret_cast<const char*>(data + 1), size - 1),
                                     pages::SystemCodePage()),
        otherFilter);

    Check(sheet.GuardsIntact());
    for (const uint32_t countField : {2068u, 2069u}) {
        uint8_t count = 0;
        sheet.AccessValue(countField, &count, 0, true);
        Check(count <= settings::kRecordCount);
    }
    if (outcome == pages::ImportOutcome::kWrongLanguage) {
        Check(sheet.Records() == before);
        Check(world.Env().Forms().size() == formsBefore);
    }
    for (const platform::sim::Form& form : world.Env().Forms())
        platform::Current().spooler->DeleteForm1(world.Printer(), form.info.name);
    return 0;
}
