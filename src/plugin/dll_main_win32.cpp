// SPDX-License-Identifier: Apache-2.0
// The DLL's entry point. A host may unload the DLL whenever DllCanUnloadNow
// answers S_OK and load it again later, so what the statically linked C++
// runtime allocates once per load is given back when the DLL is unloaded:
// its emergency pool for exceptions thrown when memory runs out. At process
// exit nothing is given back.
//
// Thread notifications stay on: the DLL has a TLS directory (winpthreads'
// callbacks, which free what a thread kept in winpthreads and in the C++
// runtime's thread-local data when it ends), and the loader refuses
// DisableThreadLibraryCalls for such a DLL.
#include <windows.h>

namespace __gnu_cxx {
void __freeres() noexcept;
}

extern "C" BOOL WINAPI DllMain(HINSTANCE, DWORD reason, LPVOID reserved) {
    if (reason == DLL_PROCESS_DETACH && reserved == nullptr)
        __gnu_cxx::__freeres();
    return TRUE;
}
