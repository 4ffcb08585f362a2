// SPDX-License-Identifier: Apache-2.0
// What a driver host includes to load the plug-in: the host ABI types, the
// records, the interfaces and the two exported functions. The plug-in exports
// nothing else a host needs.
#pragma once

#include "plugin/host_interfaces.h"
#include "plugin/host_records.h"
#include "plugin/host_types.h"

// On Windows the module definition file exports these two; elsewhere they are
// the library's only visible symbols.
#ifdef _WIN32
#define ORCA_EXPORT
#else
#define ORCA_EXPORT __attribute__((visibility("default")))
#endif

extern "C" {
// Hands out the class factory of kClsidOemUI, asked for iid.
ORCA_EXPORT orca::plugin::HRESULT DllGetClassObject(const orca::plugin::CLSID& clsid,
                                                    const orca::plugin::IID& iid, void** out);
// S_OK when no factory, plug-in object or server lock is alive, else S_FALSE.
ORCA_EXPORT orca::plugin::HRESULT DllCanUnloadNow();
}

namespace orca::plugin {

// The exports as a host finds them by name in the loaded library.
using DllGetClassObjectFunction = HRESULT (*)(const CLSID& clsid, const IID& iid, void** out);
using DllCanUnloadNowFunction = HRESULT (*)();
inline constexpr char kDllGetClassObjectName[] = "DllGetClassObject";
inline constexpr char kDllCanUnloadNowName[] = "DllCanUnloadNow";

}  // namespace orca::plugin
