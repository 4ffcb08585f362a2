// SPDX-License-Identifier: Apache-2.0
// How a hook reports a failure to the host: the platform's last error and
// E_FAIL; a hook that ran out of memory answers E_OUTOFMEMORY.
#pragma once

#include <cstdint>
#include <utility>

#include "platform/errors.h"
#include "platform/exception_barrier.h"
#include "platform/platform.h"
#include "platform/process.h"
#include "plugin/host_types.h"

namespace orca::plugin {

inline HRESULT FailWithLastError(uint32_t error) {
    platform::Current().process->SetLastError(error);
    return E_FAIL;
}

// The hook's answer, or E_OUTOFMEMORY when it threw; either way out of
// memory, the last error says so.
template <typename Hook>
HRESULT GuardedHook(Hook&& hook) noexcept {
    const HRESULT answer = platform::Contained(E_OUTOFMEMORY, std::forward<Hook>(hook));
    if (answer == E_OUTOFMEMORY)
        platform::Current().process->SetLastError(platform::kErrorNotEnoughMemory);
    return answer;
}

}  // namespace orca::plugin
