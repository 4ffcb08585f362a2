// SPDX-License-Identifier: Apache-2.0
// Arbitrary bytes as a state directory, in memory: its four INI files, a
// printer's settings file and a model map, split at 0x1E bytes (the settings
// file, last, takes the rest as it is). A state that loads saves, and what
// it saves loads back to the same state and the same files; the model map
// reads every driver's model as the plug-in reads it.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "platform/sim/environment.h"
#include "text/ini_document.h"
#include "text/ini_profile.h"

namespace {

using orca::platform::sim::Environment;
using orca::platform::sim::StateFiles;

void Check(bool condition) {
    if (!condition)
        __builtin_trap();
}

constexpr const char* kParts[] = {"system.ini", "drivers.ini", "printers.ini", "forms.ini",
                                  "Windows/system32/spool/drivers/x64/3/labels.lbpm"};
constexpr char kSeparator = '\x1e';

bool SameState(const Environment& a, const Environment& b) {
    return a.Facts() == b.Facts() && a.Drivers() == b.Drivers() && a.Printers() == b.Printers() &&
           a.Forms() == b.Forms();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::string_view rest(reinterpret_cast<const char*>(data), size);
    StateFiles files;
    for (const char* part : kParts) {
        const size_t end = rest.find(kSeparator);
        files[part] = std::string(rest.substr(0, end));
        rest = end == std::string_view::npos ? std::string_view() : rest.substr(end + 1);
    }
    files["settings/printer1.bin"] = std::string(rest);

    std::string error;
    const std::unique_ptr<Environment> loaded = Environment::LoadFiles(files, &error);
    if (loaded == nullptr) {
        Check(!error.empty());
        return 0;
    }
    const std::optional<StateFiles> saved = loaded->Files(&error);
    Check(saved.has_value());
    const std::unique_ptr<Environment> reloaded = Environment::LoadFiles(*saved, &error);
    Check(reloaded != nullptr && SameState(*loaded, *reloaded));
    Check(reloaded->Files(&error) == saved);

    using namespace orca::text::ini::detail;
    const Profile map(LoadDocument(files[kParts[4]], loaded->Facts().ansiCodePage));
    for (const auto& driver : loaded->Drivers())
        Check(ReadValue(map, u"PrinterMap", driver.name, driver.name, 64).size() < 64);
    return 0;
}
