// SPDX-License-Identifier: Apache-2.0
#include <winsock2.h>
// ws2tcpip.h needs winsock2.h first.
#include <ws2tcpip.h>

#include <windows.h>
// aclapi.h and sddl.h need windows.h first.
#include <aclapi.h>
#include <sddl.h>

#include <fcntl.h>
#include <io.h>

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <vector>

#include "platform/sim/native_io.h"
#include "platform/sim/tcp_connect.h"

namespace orca::platform::sim {

namespace {

class WinsockConnection : public TcpConnection {
public:
    explicit WinsockConnection(SOCKET socket) : socket_(socket) {}
    ~WinsockConnection() override { ::closesocket(socket_); }
    bool SendAll(std::span<const uint8_t> bytes) override {
        size_t sent = 0;
        while (sent < bytes.size()) {
            const size_t chunk = std::min<size_t>(bytes.size() - sent, 1 << 30);
            const int n = ::send(socket_, reinterpret_cast<const char*>(bytes.data() + sent),
                                 static_cast<int>(chunk), 0);
            if (n <= 0) {
                return false;
            }
            sent += size_t(n);
        }
        return true;
    }

private:
    SOCKET socket_;
};

// Winsock is started once per process and left running.
bool StartWinsock() {
    static const bool started = [] {
        WSADATA data{};
        return WSAStartup(MAKEWORD(2, 2), &data) == 0;
    }();
    return started;
}

// The rights that let an account change a folder's entries or its access.
constexpr DWORD kWriteRights = FILE_ADD_FILE | FILE_ADD_SUBDIRECTORY | FILE_DELETE_CHILD | DELETE |
                               WRITE_DAC | WRITE_OWNER | GENERIC_WRITE | GENERIC_ALL;

// The security identifier of the process's user.
std::vector<BYTE> CurrentUser() {
    HANDLE token = nullptr;
    std::vector<BYTE> user;
    if (!OpenProcessToken(GetCurrentProcess(), TOKEN_QUERY, &token))
        return user;
    DWORD size = 0;
    GetTokenInformation(token, TokenUser, nullptr, 0, &size);
    std::vector<BYTE> info(size);
    if (size != 0 && GetTokenInformation(token, TokenUser, info.data(), size, &size)) {
        const PSID sid = reinterpret_cast<TOKEN_USER*>(info.data())->User.Sid;
        user.assign(static_cast<BYTE*>(sid), static_cast<BYTE*>(sid) + GetLengthSid(sid));
    }
    CloseHandle(token);
    return user;
}

// The user, the administrators and the system: the accounts that may own
// the state and write in it, as the user and root may on POSIX.
bool Trusted(PSID sid, std::vector<BYTE>& user) {
    return (!user.empty() && EqualSid(sid, user.data())) ||
           IsWellKnownSid(sid, WinBuiltinAdministratorsSid) ||
           IsWellKnownSid(sid, WinLocalSystemSid);
}

std::string SidText(PSID sid) {
    LPSTR text = nullptr;
    if (!ConvertSidToStringSidA(sid, &text))
        return "an unknown account";
    std::string named(text);
    LocalFree(text);
    return named;
}

// An access-allowed entry of the list that gives someone else than the
// trusted accounts a right to write; null when there is none.
PSID OtherWriter(const ACL& list, std::vector<BYTE>& user) {
    for (DWORD i = 0; i < list.AceCount; ++i) {
        void* entry = nullptr;
        if (!GetAce(const_cast<ACL*>(&list), i, &entry))
            continue;
        const auto* header = static_cast<const ACE_HEADER*>(entry);
        // An entry only for what the folder will hold says nothing of the folder.
        if (header->AceType != ACCESS_ALLOWED_ACE_TYPE ||
            (header->AceFlags & INHERIT_ONLY_ACE) != 0)
            continue;
        auto* allowed = static_cast<ACCESS_ALLOWED_ACE*>(entry);
        const PSID sid = &allowed->SidStart;
        if ((allowed->Mask & kWriteRights) != 0 && !Trusted(sid, user))
            return sid;
    }
    return nullptr;
}

}  // namespace

std::FILE* OpenNativeFile(const std::filesystem::path& file, const char* mode) {
    const std::string narrow(mode);
    return _wfopen(file.c_str(), std::wstring(narrow.begin(), narrow.end()).c_str());
}

// CREATE_NEW fails on any name that is taken, a reparse point included, and
// the flag keeps a link from being opened in its target's place.
std::FILE* CreateNativeFile(const std::filesystem::path& file) {
    const HANDLE handle =
        CreateFileW(file.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                    FILE_ATTRIBUTE_NORMAL | FILE_FLAG_OPEN_REPARSE_POINT, nullptr);
    if (handle == INVALID_HANDLE_VALUE) {
        errno = GetLastError() == ERROR_FILE_EXISTS ? EEXIST : EACCES;
        return nullptr;
    }
    const int descriptor = _open_osfhandle(reinterpret_cast<intptr_t>(handle), _O_BINARY);
    if (descriptor < 0) {
        CloseHandle(handle);
        errno = EACCES;
        return nullptr;
    }
    std::FILE* stream = _fdopen(descriptor, "wb");
    if (stream == nullptr) {
        _close(descriptor);
    }
    return stream;
}

bool OwnedSafely(const std::filesystem::path& entry, std::string* why) {
    PSID owner = nullptr;
    PACL list = nullptr;
    PSECURITY_DESCRIPTOR descriptor = nullptr;
    const DWORD error = GetNamedSecurityInfoW(
        entry.c_str(), SE_FILE_OBJECT, OWNER_SECURITY_INFORMATION | DACL_SECURITY_INFORMATION,
        &owner, nullptr, &list, nullptr, &descriptor);
    if (error != ERROR_SUCCESS) {
        *why = "its owner and access list cannot be read (error " + std::to_string(error) + ")";
        return false;
    }
    std::vector<BYTE> user = CurrentUser();
    bool safe = Trusted(owner, user);
    if (!safe) {
        *why = "belongs to another user (" + SidText(owner) + ")";
    } else if (std::error_code ec; std::filesystem::is_directory(entry, ec)) {
        // No list at all lets everyone do everything.
        const PSID writer = list != nullptr ? OtherWriter(*list, user) : nullptr;
        safe = list != nullptr && writer == nullptr;
        if (!safe)
            *why = "others may write in it (" +
                   (writer != nullptr ? SidText(writer) : std::string("it has no access list")) +
                   ")";
    }
    LocalFree(descriptor);
    return safe;
}

// A folder's entries need no flush: the file system journals them itself.
bool SyncToDisk(const std::filesystem::path& entry) {
    std::error_code ec;
    if (std::filesystem::is_directory(entry, ec)) {
        return true;
    }
    const HANDLE file = CreateFileW(entry.c_str(), GENERIC_WRITE,
                                    FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                    OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        errno = EIO;
        return false;
    }
    const bool synced = FlushFileBuffers(file) != 0;
    CloseHandle(file);
    if (!synced) {
        errno = EIO;
    }
    return synced;
}

void EndProcessNow() {
    TerminateProcess(GetCurrentProcess(), 137);
    std::abort();
}

std::unique_ptr<TcpConnection> ConnectTcp(const std::string& host, uint16_t port, uint32_t* error) {
    if (!StartWinsock()) {
        *error = kErrorConnectionRefused;
        return nullptr;
    }
    return ConnectFirstAddress(
        host, port, error, [](const addrinfo& a) -> std::unique_ptr<TcpConnection> {
            const SOCKET s = ::socket(a.ai_family, a.ai_socktype, a.ai_protocol);
            if (s == INVALID_SOCKET) {
                return nullptr;
            }
            if (::connect(s, a.ai_addr, static_cast<int>(a.ai_addrlen)) != 0) {
                ::closesocket(s);
                return nullptr;
            }
            return std::make_unique<WinsockConnection>(s);
        });
}

}  // namespace orca::platform::sim
