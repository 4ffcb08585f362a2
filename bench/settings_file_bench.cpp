// SPDX-License-Identifier: Apache-2.0
// One full export and import of the settings file with 32 barcode fonts and
// 32 command fonts, through the Import/Export page's settings file, against
// writing the same INI text to a file and parsing it back directly.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "pages/settings_file/settings_file.h"
#include "platform/platform.h"
#include "support/bare_sheet.h"
#include "text/ini_files.h"
#include "text/ini_profile.h"
#include "text/utf.h"

namespace {

namespace fs = std::filesystem;
using namespace orca;

constexpr char16_t kPrinter[] = u"Bench";
constexpr uint8_t kFonts = 32;

testsupport::BareEnvironment& TheWorld() {
    static testsupport::BareEnvironment world(kPrinter, "drvs-bench");
    return world;
}

// A sheet whose every font record is in use.
void UseAllFonts(testsupport::BareSheet& sheet) {
    uint8_t count = kFonts;
    sheet.AccessValue(2068, &count, 0, false);
    sheet.AccessValue(2069, &count, 0, false);
}

void SettingsFileExportImport(benchmark::State& state) {
    testsupport::BareEnvironment& world = TheWorld();
    testsupport::BareSheet source(u"Kestrel(ORCA)", kPrinter);
    testsupport::BareSheet target(u"Kestrel(ORCA)", kPrinter);
    UseAllFonts(source);
    pages::SettingsFile exporter(source, source, world.Printer());
    pages::SettingsFile importer(target, target, world.Printer());
    const std::u16string path = world.Path("bench.drvs").u16string();
    for (auto _ : state) {
        exporter.Export(path);
        benchmark::DoNotOptimize(importer.Import(path, false));
    }
}

void SettingsFileExportImport_Baseline(benchmark::State& state) {
    testsupport::BareEnvironment& world = TheWorld();
    testsupport::BareSheet source(u"Kestrel(ORCA)", kPrinter);
    UseAllFonts(source);
    pages::SettingsFile(source, source, world.Printer())
        .Export(world.Path("text.drvs").u16string());
    const std::string text = *text::ini::detail::ReadWholeFile(world.Path("text.drvs"));
    const fs::path path = world.Path("baseline.drvs");
    for (auto _ : state) {
        std::ofstream(path, std::ios::binary | std::ios::trunc) << text;
        const std::string bytes = *text::ini::detail::ReadWholeFile(path);
        text::ini::detail::Profile profile(
            text::ini::detail::LoadDocument(bytes, text::kCodePageWestern));
        benchmark::DoNotOptimize(profile.FindSection(u"CommandFont32"));
    }
}

}  // namespace

BENCHMARK(SettingsFileExportImport);
BENCHMARK(SettingsFileExportImport_Baseline);
