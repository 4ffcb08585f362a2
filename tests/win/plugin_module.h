// SPDX-License-Identifier: Apache-2.0
// ORCAUI.dll loaded as a Windows driver host loads it: LoadLibraryW, the two
// exports by name, FreeLibrary. Kept apart from the host records, whose
// names the system's headers define as macros.
#pragma once

#include <string>

namespace orca::wintest {

class PluginModule {
public:
    // Loads the DLL at path ('/' separators are turned into '\').
    explicit PluginModule(std::u16string path);
    ~PluginModule();
    PluginModule(const PluginModule&) = delete;
    PluginModule& operator=(const PluginModule&) = delete;

    bool Loaded() const { return module_ != nullptr; }
    // The loader's last error when the DLL was not loaded.
    unsigned long LoadError() const { return loadError_; }
    // The export's address, or null.
    void* Export(const char* name) const;
    // The names the DLL's export directory lists, in its order.
    std::string ExportNames() const;

private:
    void* module_ = nullptr;
    unsigned long loadError_ = 0;
};

}  // namespace orca::wintest
