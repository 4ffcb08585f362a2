// SPDX-License-Identifier: Apache-2.0
// The guards of function-local statics, which the compiler's code calls
// around a static's first initialisation (and libstdc++'s own code too), on
// the system's slim lock. The C++ runtime's versions take winpthreads' locks,
// whose first use on a thread the DLL did not start records that thread: a
// record with two kernel handles that stays when a host unloads the DLL, once
// per load. These keep no state but the guard itself and two
// statically initialised system objects.
//
// Guard layout (the C++ ABI's): the first byte becomes 1 once the static is
// initialised, which the compiler's inline check reads; the second byte marks
// an initialisation under way on some thread.
#include <windows.h>

#include <cxxabi.h>
#include <atomic>
#include <cstdint>

namespace {

SRWLOCK guardsLock = SRWLOCK_INIT;
CONDITION_VARIABLE initialisationEnded = CONDITION_VARIABLE_INIT;

std::atomic_ref<std::uint8_t> Done(__cxxabiv1::__guard* guard) {
    return std::atomic_ref<std::uint8_t>(reinterpret_cast<std::uint8_t*>(guard)[0]);
}

std::uint8_t& Pending(__cxxabiv1::__guard* guard) {
    return reinterpret_cast<std::uint8_t*>(guard)[1];
}

// Ends the thread's initialisation, done or not, and wakes the threads
// waiting for it.
void EndInitialisation(__cxxabiv1::__guard* guard, bool done) {
    AcquireSRWLockExclusive(&guardsLock);
    Pending(guard) = 0;
    if (done)
        Done(guard).store(1, std::memory_order_release);
    ReleaseSRWLockExclusive(&guardsLock);
    WakeAllConditionVariable(&initialisationEnded);
}

}  // namespace

namespace __cxxabiv1 {

// 1 when the calling thread is to initialise the static; 0 when it is
// initialised already, after waiting for another thread's initialisation.
extern "C" int __cxa_guard_acquire(__guard* guard) {
    if (Done(guard).load(std::memory_order_acquire) != 0)
        return 0;
    AcquireSRWLockExclusive(&guardsLock);
    while (Done(guard).load(std::memory_order_relaxed) == 0 && Pending(guard) != 0)
        SleepConditionVariableSRW(&initialisationEnded, &guardsLock, INFINITE, 0);
    const bool initialise = Done(guard).load(std::memory_order_relaxed) == 0;
    if (initialise)
        Pending(guard) = 1;
    ReleaseSRWLockExclusive(&guardsLock);
    return initialise ? 1 : 0;
}

extern "C" void __cxa_guard_release(__guard* guard) noexcept {
    EndInitialisation(guard, true);
}

// The initialiser threw: another thread may try again.
extern "C" void __cxa_guard_abort(__guard* guard) noexcept {
    EndInitialisation(guard, false);
}

}  // namespace __cxxabiv1
