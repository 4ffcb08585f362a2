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

Printer* World::FindPrinter(std::u16string_view name) {
    for (Printer& p : printers) {
        if (text::EqualsNoCase(p.name, name)) {
            return &p;
        }
    }
    return nullptr;
}

const Driver* World::FindDriver(std::u16string_view name, std::u16string_view environment) const {
    for (const Driver& d : drivers) {
        if (text::EqualsNoCase(d.name, name) && text::EqualsNoCase(d.environment, environment)) {
            return &d;
        }
    }
    return nullptr;
}

Form* World::FindForm(std::u16string_view name) {
    for (Form& f : forms) {
        if (text::EqualsIgnoringCase(f.info.name, name)) {
            return &f;
        }
    }
    return nullptr;
}

uint16_t World::FreeFormNumber() const {
    auto used = [this](uint16_t n) {
        return std::ranges::any_of(forms, [n](const Form& f) { return f.number == n; }) ||
               std::ranges::any_of(printers, [n](const Printer& p) {
                   return std::ranges::any_of(
                       p.papers, [n](const Paper& paper) { return paper.number == n; });
               });
    };
    uint16_t n = kUserDefinedPaper + 1;
    while (n < UINT16_MAX && used(n)) {
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
