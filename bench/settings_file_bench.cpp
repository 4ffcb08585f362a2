// SPDX-License-Identifier: Apache-2.0
// One full export and import of the settings file with 32 barcode fonts and
// 32 command fonts, through the Import/Export page's settings file, against
// the same work done by hand: the file's bytes written as durably as the
// export writes them (beside the file, forced onto the disk, renamed over
// it, the folder forced onto the disk), then read back and parsed.
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <unistd.h>

#include <filesystem>
#include <string>

#include "pages/settings_file/settings_file.h"
#include "ratio_goal.h"
#include "support/bare_sheet.h"
#include "text/ini_document.h"
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

bool WriteDurably(const fs::path& path, const std::string& bytes) {
    const fs::path aside = path.string() + ".new";
    const int out = ::open(aside.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
    if (out < 0)
        return false;
    const bool written =
        ::write(out, bytes.data(), bytes.size()) == static_cast<ssize_t>(bytes.size()) &&
        ::fsync(out) == 0;
    if (::close(out) != 0 || !written || ::rename(aside.c_str(), path.c_str()) != 0)
        return false;
    // As the export does: the rename is on the disk only with the folder's entries.
    const int folder = ::open(path.parent_path().c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    const bool synced = folder >= 0 && ::fsync(folder) == 0;
    return folder >= 0 && ::close(folder) == 0 && synced;
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
        if (!WriteDurably(path, text)) {
            state.SkipWithError("the file could not be written");
            return;
        }
        const std::string bytes = *text::ini::detail::ReadWholeFile(path);
        text::ini::detail::Profile profile(
            text::ini::detail::LoadDocument(bytes, text::kCodePageWestern));
        benchmark::DoNotOptimize(profile.FindSection(u"CommandFont32"));
    }
}

[[maybe_unused]] const bool kGoal =
    bench::SetGoal("SettingsFileExportImport", {bench::Goal::Kind::kAtMost, 2.0, /*wallToo=*/true});

}  // namespace

BENCHMARK(SettingsFileExportImport);
BENCHMARK(SettingsFileExportImport_Baseline);
