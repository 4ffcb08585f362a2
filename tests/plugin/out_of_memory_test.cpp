// SPDX-License-Identifier: Apache-2.0
// Running out of memory inside a hook: the host gets the hook's failure
// answer and its process goes on, and the same object works once memory is
// back. This program's operator new can be told to fail after N allocations;
// each hook is swept over N until it has memory enough to succeed.
#include <atomic>
#include <cstdlib>
#include <functional>
#include <new>

#include "plugin_fixture.h"

namespace {

// Allocations left before operator new fails; negative: no limit.
std::atomic<long> allocationsLeft{-1};

}  // namespace

void* operator new(std::size_t size) {
    if (allocationsLeft.load() == 0)
        throw std::bad_alloc();
    if (allocationsLeft.load() > 0)
        --allocationsLeft;
    if (void* memory = std::malloc(size == 0 ? 1 : size))
        return memory;
    throw std::bad_alloc();
}

// g++ takes this replacement's free for a mismatch with the operator new it
// pairs with.
#if defined(__GNUC__) && !defined(__clang__)
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wmismatched-new-delete"
#endif
void operator delete(void* memory) noexcept {
    std::free(memory);
}
#if defined(__GNUC__) && !defined(__clang__)
#pragma GCC diagnostic pop
#endif

// The other forms go through the two above, so that what one form hands out
// any other frees, also where a sanitizer brings forms of its own.
void* operator new(std::size_t size, const std::nothrow_t&) noexcept {
    try {
        return ::operator new(size);
    } catch (const std::bad_alloc&) {
        return nullptr;
    }
}

void* operator new[](std::size_t size) {
    return ::operator new(size);
}

void* operator new[](std::size_t size, const std::nothrow_t& tag) noexcept {
    return ::operator new(size, tag);
}

void operator delete(void* memory, std::size_t) noexcept {
    ::operator delete(memory);
}

void operator delete(void* memory, const std::nothrow_t&) noexcept {
    ::operator delete(memory);
}

void operator delete[](void* memory) noexcept {
    ::operator delete(memory);
}

void operator delete[](void* memory, std::size_t) noexcept {
    ::operator delete(memory);
}

void operator delete[](void* memory, const std::nothrow_t&) noexcept {
    ::operator delete(memory);
}

namespace orca::plugin {
namespace {

using driverhost::HostDevMode;
using driverhost::HostOptionItems;
using driverhost::HostPrinter;

// What a hook call needs from the host: a printer and its sheet's records.
struct HostSide {
    const driverhost::PluginLibrary& library;
    HANDLE printer;
    HostDevMode& records;
    HostOptionItems& items;
};

using HookCall = std::function<HRESULT(IPrintOemUI2& object, HostSide& host)>;

struct HookCase {
    const char* name;
    HookCall call;
};

HRESULT MakeClassFactory(IPrintOemUI2&, HostSide& host) {
    void* factory = nullptr;
    const HRESULT answer = host.library.DllGetClassObject(kClsidOemUI, kIidClassFactory, &factory);
    if (factory != nullptr)
        static_cast<IClassFactory*>(factory)->Release();
    return answer;
}

HRESULT MakePluginObject(IPrintOemUI2&, HostSide& host) {
    void* factory = nullptr;
    if (const HRESULT answer =
            host.library.DllGetClassObject(kClsidOemUI, kIidClassFactory, &factory);
        answer != S_OK)
        return answer;
    void* made = nullptr;
    const HRESULT answer =
        static_cast<IClassFactory*>(factory)->CreateInstance(nullptr, kIidPrintOemUI2, &made);
    if (made != nullptr)
        static_cast<IPrintOemUI2*>(made)->Release();
    static_cast<IClassFactory*>(factory)->Release();
    return answer;
}

const HookCase kHookCases[] = {
    {"class factory", MakeClassFactory},
    {"plug-in object", MakePluginObject},
    {"size hook",
     [](IPrintOemUI2& object, HostSide& host) {
         OEMDMPARAM params = driverhost::DevModeParams(host.printer, nullptr, nullptr);
         return object.DevMode(OEMDM_SIZE, &params);
     }},
    {"defaults hook",
     [](IPrintOemUI2& object, HostSide& host) {
         OEMDMPARAM params = driverhost::DevModeParams(host.printer, nullptr, &host.records);
         params.pPublicDMIn = host.records.Public();
         return object.DevMode(OEMDM_DEFAULT, &params);
     }},
    {"common UI hook",
     [](IPrintOemUI2& object, HostSide& host) {
         OEMCUIPPARAM ui = driverhost::CommonUIParams(host.printer, host.records,
                                                      host.items.Items(), host.items.Count());
         return object.CommonUIProp(OEMCUIP_DOCPROP, &ui);
     }},
    {"document sheet hook",
     [](IPrintOemUI2& object, HostSide& host) {
         OEMCUIPPARAM ui = driverhost::CommonUIParams(host.printer, host.records,
                                                      host.items.Items(), host.items.Count());
         if (const HRESULT answer = object.CommonUIProp(OEMCUIP_DOCPROP, &ui); answer != S_OK)
             return answer;
         driverhost::HostPropertySheet sheet;
         PROPSHEETUI_INFO info = sheet.Info(PROPSHEETUI_REASON_INIT);
         return object.DocumentPropertySheets(&info, 0);
     }},
    {"device capabilities hook",
     [](IPrintOemUI2& object, HostSide& host) {
         DWORD result = 0;
         return object.DeviceCapabilities(driverhost::HostUIObject(), host.printer, nullptr,
                                          DC_PAPERS, nullptr, host.records.Public(),
                                          host.records.Private(), 0, &result);
     }},
};

using OutOfMemoryTest = PluginLibraryTest;

TEST_F(OutOfMemoryTest, HooksAnswerOutOfMemoryAndWorkOnceMemoryIsBack) {
    constexpr long kEnoughAllocations = 100000;
    HostPrinter printer(kOrcaPrinter);
    for (const HookCase& c : kHookCases) {
        SCOPED_TRACE(c.name);
        bool succeeded = false;
        long failures = 0;
        for (long allowed = 0; !succeeded && allowed < kEnoughAllocations; ++allowed) {
            // A new, unbound object each time: binding to the printer allocates.
            driverhost::PluginObject object(Library().CreateObject());
            ASSERT_TRUE(object);
            HostDevMode records(kOrcaBlockSize, kOrcaPrinter);
            HostOptionItems items;
            HostSide host{Library(), printer.Handle(), records, items};
            ClearLastError();
            allocationsLeft = allowed;
            const HRESULT answer = c.call(*object.get(), host);
            allocationsLeft = -1;
            succeeded = answer == S_OK;
            if (succeeded)
                break;
            ++failures;
            ASSERT_EQ(answer, E_OUTOFMEMORY) << "with " << allowed << " allocations";
            EXPECT_EQ(LastError(), 8u);
            EXPECT_EQ(c.call(*object.get(), host), S_OK) << "after " << allowed << " allocations";
        }
        EXPECT_TRUE(succeeded);
        // The call allocates at all: the sweep met failures before success.
        EXPECT_GT(failures, 0);
    }
}

}  // namespace
}  // namespace orca::plugin
