// How a hook reports a failure to the host: the platform's last error and
// E_FAIL.
#pragma once

#include <cstdint>

#include "platform/platform.h"
#include "platform/process.h"
#include "plugin/host_types.h"

namespace orca::plugin {

inline HRESULT FailWithLastError(uint32_t error) {
    platform::Current().process->SetLastError(error);
    return E_FAIL;
}

}  // namespace orca::plugin
