// SPDX-License-Identifier: Apache-2.0
#include "plugin/class_factory.h"

#include "plugin/oem_ui.h"

namespace orca::plugin {

HRESULT IOemCF::CreateInstance(IUnknown* outer, const IID& iid, void** out) {
    if (out == nullptr)
        return E_POINTER;
    *out = nullptr;
    if (outer != nullptr)
        return CLASS_E_NOAGGREGATION;
    return CreateForHost<COemUI>(iid, out);
}

HRESULT IOemCF::LockServer(BOOL lock) {
    LockModule(lock != 0);
    return S_OK;
}

}  // namespace orca::plugin
