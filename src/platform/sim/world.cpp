// SPDX-License-Identifier: Apache-2.0
#include "platform/sim/world.h"

#include <algorithm>

#include "text/case_fold.h"
#include "text/nocase.h"
#include "text/utf.h"

namespace orca::platform::sim {
namespace {

thread_local uint32_t lastError = 0;

}  // namespace

std::u16string PrinterKey(std::u16string_view name) {
    return text::FoldedNoCase(name);
}

// The environment's length first keeps every pair of names apart.
std::u16string DriverKey(std::u16string_view name, std::u16string_view environment) {
    return char16_t(environment.size()) + text::FoldedNoCase(environment) +
           text::FoldedNoCase(name);
}

std::u16string FormKey(std::u16string_view name) {
    return text::FoldedIgnoringCase(name);
}

Printer* World::FindPrinter(std::u16string_view name) {
    return printers.Find(PrinterKey(name));
}

const Driver* World::FindDriver(std::u16string_view name, std::u16string_view environment) const {
    return drivers.Find(DriverKey(name, environment));
}

Form* World::FindForm(std::u16string_view name) {
    return forms.Find(FormKey(name));
}

uint16_t World::FreeFormNumber() const {
    std::vector<bool> used(size_t(UINT16_MAX) + 1);
    for (const Form& f : forms.Items())
        used[f.number] = true;
    for (const Printer& p : printers.Items()) {
        for (const Paper& paper : p.papers)
            used[paper.number] = true;
    }
    uint16_t n = kUserDefinedPaper + 1;
    while (n < UINT16_MAX && used[n]) {
        ++n;
    }
    return n;
}

std::filesystem::path WindowsDirectoryOf(const std::filesystem::path& root) {
    return root / "Windows";
}

std::filesystem::path SystemDirectoryOf(const std::filesystem::path& root) {
    return WindowsDirectoryOf(root) / "system32";
}

std::filesystem::path TempDirectoryOf(const std::filesystem::path& root) {
    return root / "Temp";
}

std::filesystem::path DriversRootOf(const std::filesystem::path& root) {
    return SystemDirectoryOf(root) / "spool" / "drivers";
}

std::filesystem::path DriverDirectoryOf(const std::filesystem::path& root,
                                        std::u16string_view environment) {
    const char* folder = text::EqualsNoCase(environment, kEnvironmentX64) ? "x64" : "w32x86";
    return DriversRootOf(root) / folder / "3";
}

std::filesystem::path ToNativePath(std::u16string_view path) {
    std::string native = text::Utf16ToUtf8(path);
    std::ranges::replace(native, '\\', '/');
    return std::filesystem::path(native);
}

std::u16string FromNativePath(const std::filesystem::path& path) {
    return text::Utf8ToUtf16(path.string());
}

void SetThreadLastError(uint32_t error) {
    lastError = error;
}

uint32_t ThreadLastError() {
    return lastError;
}

}  // namespace orca::platform::sim
