// SPDX-License-Identifier: Apache-2.0
#include "plugin_module.h"

#include <windows.h>

#include <algorithm>

namespace orca::wintest {

PluginModule::PluginModule(std::u16string path) {
    std::replace(path.begin(), path.end(), u'/', u'\\');
    const std::wstring wide(path.begin(), path.end());
    module_ = LoadLibraryW(wide.c_str());
    loadError_ = module_ == nullptr ? GetLastError() : 0;
}

PluginModule::~PluginModule() {
    if (module_ != nullptr)
        FreeLibrary(static_cast<HMODULE>(module_));
}

void* PluginModule::Export(const char* name) const {
    return reinterpret_cast<void*>(GetProcAddress(static_cast<HMODULE>(module_), name));
}

std::string PluginModule::ExportNames() const {
    // The loaded image's own export directory, as the loader reads it.
    const auto* base = static_cast<const BYTE*>(module_);
    const auto* dos = reinterpret_cast<const IMAGE_DOS_HEADER*>(base);
    const auto* nt = reinterpret_cast<const IMAGE_NT_HEADERS*>(base + dos->e_lfanew);
    const IMAGE_DATA_DIRECTORY& entry =
        nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_EXPORT];
    if (entry.VirtualAddress == 0)
        return {};
    const auto* exports =
        reinterpret_cast<const IMAGE_EXPORT_DIRECTORY*>(base + entry.VirtualAddress);
    const auto* names = reinterpret_cast<const DWORD*>(base + exports->AddressOfNames);
    std::string list;
    for (DWORD i = 0; i < exports->NumberOfNames; ++i) {
        if (!list.empty())
            list += ' ';
        list += reinterpret_cast<const char*>(base + names[i]);
    }
    return list;
}

}  // namespace orca::wintest
