// SPDX-License-Identifier: Apache-2.0
// IOemCF: the class factory the host gets from DllGetClassObject. It makes
// one COemUI per CreateInstance.
#pragma once

#include "plugin/com_object.h"

namespace orca::plugin {

class IOemCF final : public ComObject<IOemCF, IClassFactory, kIidClassFactory> {
public:
    HRESULT CreateInstance(IUnknown* outer, const IID& iid, void** out) override;
    HRESULT LockServer(BOOL lock) override;
};

}  // namespace orca::plugin
