// SPDX-License-Identifier: Apache-2.0
#include <fcntl.h>
#include <netdb.h>
#include <signal.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <string>

#include "platform/sim/native_io.h"
#include "platform/sim/tcp_connect.h"

namespace orca::platform::sim {

namespace {

class PosixConnection : public TcpConnection {
public:
    explicit PosixConnection(int socket) : socket_(socket) {}
    ~PosixConnection() override { ::close(socket_); }
    bool SendAll(std::span<const uint8_t> bytes) override {
        size_t sent = 0;
        while (sent < bytes.size()) {
            const ssize_t n =
                ::send(socket_, bytes.data() + sent, bytes.size() - sent, MSG_NOSIGNAL);
            if (n < 0 && errno == EINTR) {
                continue;
            }
            if (n <= 0) {
                return false;
            }
            sent += size_t(n);
        }
        return true;
    }

private:
    int socket_;
};

std::string ModeText(mode_t mode) {
    std::string octal;
    for (int shift = 9; shift >= 0; shift -= 3) {
        octal += char('0' + ((mode >> shift) & 7));
    }
    return octal;
}

}  // namespace

std::FILE* OpenNativeFile(const std::filesystem::path& file, const char* mode) {
    return std::fopen(file.c_str(), mode);
}

std::FILE* CreateNativeFile(const std::filesystem::path& file) {
    const int descriptor =
        ::open(file.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
    if (descriptor < 0) {
        return nullptr;
    }
    std::FILE* stream = ::fdopen(descriptor, "wb");
    if (stream == nullptr) {
        const int error = errno;
        ::close(descriptor);
        errno = error;
    }
    return stream;
}

bool OwnedSafely(const std::filesystem::path& entry, std::string* why) {
    struct stat status {};
    if (::lstat(entry.c_str(), &status) != 0) {
        *why = std::strerror(errno);
        return false;
    }
    if (status.st_uid != ::geteuid() && status.st_uid != 0) {
        *why = "belongs to another user (uid " + std::to_string(status.st_uid) + ")";
        return false;
    }
    if (S_ISDIR(status.st_mode) && (status.st_mode & (S_IWGRP | S_IWOTH)) != 0) {
        *why = "others may write in it (mode " + ModeText(status.st_mode) + ")";
        return false;
    }
    return true;
}

bool SyncToDisk(const std::filesystem::path& entry) {
    const int descriptor = ::open(entry.c_str(), O_RDONLY | O_CLOEXEC);
    if (descriptor < 0) {
        return false;
    }
    const bool synced = ::fsync(descriptor) == 0;
    const int error = errno;
    ::close(descriptor);
    errno = error;
    return synced;
}

void EndProcessNow() {
    ::kill(::getpid(), SIGKILL);
    ::_exit(128 + SIGKILL);
}

std::unique_ptr<TcpConnection> ConnectTcp(const std::string& host, uint16_t port, uint32_t* error) {
    return ConnectFirstAddress(
        host, port, error, [](const addrinfo& a) -> std::unique_ptr<TcpConnection> {
            const int s = ::socket(a.ai_family, a.ai_socktype | SOCK_CLOEXEC, a.ai_protocol);
            if (s < 0) {
                return nullptr;
            }
            if (::connect(s, a.ai_addr, a.ai_addrlen) != 0) {
                ::close(s);
                return nullptr;
            }
            return std::make_unique<PosixConnection>(s);
        });
}

}  // namespace orca::platform::sim
