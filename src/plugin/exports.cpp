// SPDX-License-Identifier: Apache-2.0
// The module's two exports.
#include "plugin/class_factory.h"
#include "plugin/host_abi.h"
#include "plugin/module_counts.h"

using orca::plugin::HRESULT;

extern "C" HRESULT DllGetClassObject(const orca::plugin::CLSID& clsid, const orca::plugin::IID& iid,
                                     void** out) {
    using namespace orca::plugin;
    if (out == nullptr)
        return E_POINTER;
    *out = nullptr;
    if (!SameGuid(clsid, kClsidOemUI))
        return CLASS_E_CLASSNOTAVAILABLE;
    return CreateForHost<IOemCF>(iid, out);
}

extern "C" HRESULT DllCanUnloadNow() {
    using namespace orca::plugin;
    return ModuleInUse() ? S_FALSE : S_OK;
}
