// SPDX-License-Identifier: Apache-2.0
// What the module's COM objects (the class factory and the plug-in object)
// share: an atomic reference count starting at 1, the answer to
// QueryInterface for IUnknown and the object's own interface, and their share
// in the count that keeps the module loaded.
#pragma once

#include <atomic>
#include <new>

#include "plugin/hook_errors.h"
#include "plugin/host_interfaces.h"
#include "plugin/module_counts.h"

namespace orca::plugin {

template <typename Derived, typename Interface, const IID& kOwnIid>
class ComObject : public Interface {
public:
    HRESULT QueryInterface(const IID& iid, void** out) override {
        if (out == nullptr)
            return E_POINTER;
        if (!SameGuid(iid, kIidUnknown) && !SameGuid(iid, kOwnIid)) {
            *out = nullptr;
            return E_NOINTERFACE;
        }
        AddRef();
        *out = static_cast<Interface*>(this);
        return S_OK;
    }
    ULONG AddRef() override { return ++count_; }
    ULONG Release() override {
        const ULONG left = --count_;
        if (left == 0)
            delete static_cast<Derived*>(this);
        return left;
    }

protected:
    ComObject() { ObjectCreated(); }
    ~ComObject() { ObjectDestroyed(); }

private:
    std::atomic<ULONG> count_{1};
};

// Makes a new object, asks it for iid into *out (cleared first) and drops the
// maker's reference: the host holds the only one, or none after a refusal.
// The exports and the class factory make their objects here.
template <typename Object>
HRESULT CreateForHost(const IID& iid, void** out) {
    return GuardedHook([&]() -> HRESULT {
        auto* object = new (std::nothrow) Object();
        if (object == nullptr)
            return E_OUTOFMEMORY;
        const HRESULT answer = object->QueryInterface(iid, out);
        object->Release();
        return answer;
    });
}

}  // namespace orca::plugin
