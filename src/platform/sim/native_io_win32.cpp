// SPDX-License-Identifier: Apache-2.0
#include <winsock2.h>
// ws2tcpip.h needs winsock2.h first.
#include <ws2tcpip.h>

#include <windows.h>

#include <fcntl.h>
#include <io.h>

#include <algorithm>
#include <cerrno>
#include <cstdlib>

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

bool OwnedSafely(const std::filesystem::path&, std::string*) {
    return true;
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
