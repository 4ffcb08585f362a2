#include <winsock2.h>
// ws2tcpip.h needs winsock2.h first.
#include <ws2tcpip.h>

#include <algorithm>

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
