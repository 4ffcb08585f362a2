// SPDX-License-Identifier: Apache-2.0
#include "platform/win32/win32_visual_styles.h"

#include <atomic>

#include "platform/win32/win32_module.h"

namespace orca::platform::win32 {

namespace {

// The resource the module's manifest has (ISOLATIONAWARE_MANIFEST_RESOURCE_ID).
constexpr WORD kManifestResource = 2;

// Constant-initialised, so a load makes nothing until a window is shown;
// the destructor runs when the module is unloaded.
class ModuleContext {
public:
    ~ModuleContext() {
        const HANDLE made = handle_.load();
        if (made != nullptr && made != INVALID_HANDLE_VALUE)
            ReleaseActCtx(made);
    }

    // Threads that race to make it keep the first context made.
    HANDLE Get() {
        HANDLE known = handle_.load(std::memory_order_acquire);
        if (known != nullptr)
            return known;
        const HANDLE made = Make();
        if (handle_.compare_exchange_strong(known, made, std::memory_order_acq_rel))
            return made;
        if (made != INVALID_HANDLE_VALUE)
            ReleaseActCtx(made);
        return known;
    }

private:
    static HANDLE Make() {
        ACTCTXW description{};
        description.cbSize = sizeof description;
        description.dwFlags = ACTCTX_FLAG_HMODULE_VALID | ACTCTX_FLAG_RESOURCE_NAME_VALID;
        description.hModule = ModuleInstance();
        description.lpResourceName = MAKEINTRESOURCEW(kManifestResource);
        return CreateActCtxW(&description);
    }

    std::atomic<HANDLE> handle_{nullptr};
};

ModuleContext moduleContext;

}  // namespace

HANDLE VisualStylesContext() {
    return moduleContext.Get();
}

VisualStylesScope::VisualStylesScope() {
    const HANDLE context = VisualStylesContext();
    active_ = context != INVALID_HANDLE_VALUE && ActivateActCtx(context, &cookie_) != FALSE;
}

VisualStylesScope::~VisualStylesScope() {
    if (active_)
        DeactivateActCtx(0, cookie_);
}

}  // namespace orca::platform::win32
