// SPDX-License-Identifier: Apache-2.0
#include "platform/win32/win32_system.h"

#include <windows.h>
// tlhelp32.h needs windows.h first.
#include <tlhelp32.h>

#include "platform/win32/wide_text.h"

namespace orca::platform::win32 {

namespace {

using IsWow64ProcessFunction = BOOL(WINAPI*)(HANDLE, PBOOL);

// kernel32 from the system directory, else by its plain name.
HMODULE LoadKernel32(System& system) {
    std::u16string directory;
    if (system.SystemDirectory(&directory, MAX_PATH + 1) != 0) {
        if (HMODULE module = LoadLibraryW(Wide(directory + u"\\kernel32.dll").c_str()))
            return module;
    }
    return LoadLibraryW(L"kernel32.dll");
}

}  // namespace

uint32_t Win32System::SystemDirectory(std::u16string* path, uint32_t bufferChars) {
    return AnswerPath(
        [](uint32_t size, wchar_t* buffer) { return GetSystemDirectoryW(buffer, size); }, path,
        bufferChars);
}

uint32_t Win32System::WindowsDirectory(std::u16string* path, uint32_t bufferChars) {
    return AnswerPath(
        [](uint32_t size, wchar_t* buffer) { return GetWindowsDirectoryW(buffer, size); }, path,
        bufferChars);
}

Wow64Answer Win32System::QueryWow64() {
    Wow64Answer answer;
    HMODULE kernel32 = LoadKernel32(*this);
    if (kernel32 == nullptr)
        return answer;
    // The function may be missing on old systems, hence the lookup by name.
    const auto isWow64Process = reinterpret_cast<IsWow64ProcessFunction>(
        reinterpret_cast<void*>(GetProcAddress(kernel32, "IsWow64Process")));
    if (isWow64Process != nullptr) {
        answer.functionFound = true;
        BOOL wow64 = FALSE;
        answer.callSucceeded = isWow64Process(GetCurrentProcess(), &wow64) != FALSE;
        answer.isWow64 = answer.callSucceeded && wow64 != FALSE;
    }
    FreeLibrary(kernel32);
    return answer;
}

uint16_t Win32System::ProcessorArchitecture() {
    SYSTEM_INFO info{};
    GetSystemInfo(&info);
    return info.wProcessorArchitecture;
}

uint16_t Win32System::DefaultLanguage() {
    return GetSystemDefaultLangID();
}

uint32_t Win32System::AnsiCodePage() {
    return GetACP();
}

std::u16string Win32Process::ExecutableName() {
    HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
    if (snapshot == INVALID_HANDLE_VALUE)
        return {};
    const DWORD self = GetCurrentProcessId();
    std::u16string name;
    PROCESSENTRY32W entry{};
    entry.dwSize = sizeof(entry);
    for (BOOL more = Process32FirstW(snapshot, &entry); more;
         more = Process32NextW(snapshot, &entry)) {
        if (entry.th32ProcessID == self) {
            name = FromWide(entry.szExeFile);
            break;
        }
    }
    CloseHandle(snapshot);
    return name;
}

void Win32Process::SetLastError(uint32_t error) {
    ::SetLastError(error);
}

uint32_t Win32Process::LastError() {
    return GetLastError();
}

void Win32Process::DebugOutput(const char* line) {
    OutputDebugStringA(line);
}

}  // namespace orca::platform::win32
