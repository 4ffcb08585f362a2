#include "platform/sim/job_port.h"

#include <netdb.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cerrno>
#include <charconv>
#include <cstdio>

#include "platform/errors.h"
#include "platform/sim/world.h"
#include "text/nocase.h"
#include "text/utf.h"

namespace orca::platform::sim {
namespace {

constexpr std::u16string_view kNullScheme = u"null:";
constexpr std::u16string_view kFileScheme = u"file:";
constexpr std::u16string_view kTcpScheme = u"tcp:";

bool HasScheme(std::u16string_view name, std::u16string_view scheme) {
    return name.size() >= scheme.size() &&
           text::EqualsNoCase(name.substr(0, scheme.size()), scheme);
}

std::optional<PortTarget> ParseTcp(std::u16string_view rest) {
    const size_t colon = rest.rfind(u':');
    if (colon == std::u16string_view::npos || colon == 0) {
        return std::nullopt;
    }
    std::string host = text::Utf16ToUtf8(rest.substr(0, colon));
    if (host.size() > 2 && host.front() == '[' && host.back() == ']') {
        host = host.substr(1, host.size() - 2);
    }
    const std::string digits = text::Utf16ToUtf8(rest.substr(colon + 1));
    unsigned port = 0;
    const auto [end, ec] = std::from_chars(digits.data(), digits.data() + digits.size(), port);
    if (ec != std::errc() || end != digits.data() + digits.size() || port == 0 || port > 65535) {
        return std::nullopt;
    }
    return PortTarget{
        .kind = PortTarget::Kind::kTcp, .path = {}, .host = host, .port = uint16_t(port)};
}

class NullSink : public JobSink {
public:
    bool Write(std::span<const uint8_t>) override { return true; }
};

class FileSink : public JobSink {
public:
    explicit FileSink(FILE* file) : file_(file) {}
    ~FileSink() override { std::fclose(file_); }
    bool Write(std::span<const uint8_t> bytes) override {
        return std::fwrite(bytes.data(), 1, bytes.size(), file_) == bytes.size() &&
               std::fflush(file_) == 0;
    }

private:
    FILE* file_;
};

class TcpSink : public JobSink {
public:
    explicit TcpSink(int socket) : socket_(socket) {}
    ~TcpSink() override { ::close(socket_); }
    bool Write(std::span<const uint8_t> bytes) override {
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

uint32_t ErrorOfErrno(int error) {
    return error == ENOENT   ? kErrorPathNotFound
           : error == EACCES ? kErrorAccessDenied
                             : kErrorWriteFault;
}

std::unique_ptr<JobSink> OpenFile(const std::filesystem::path& file, const char* mode,
                                  uint32_t* error) {
    FILE* handle = std::fopen(file.c_str(), mode);
    if (handle == nullptr) {
        *error = ErrorOfErrno(errno);
        return nullptr;
    }
    return std::make_unique<FileSink>(handle);
}

// A connected socket, or -1 with *error telling whether the host was not
// found or refused the connection.
int Connect(const std::string& host, uint16_t port, uint32_t* error) {
    addrinfo hints{};
    hints.ai_family = AF_UNSPEC;
    hints.ai_socktype = SOCK_STREAM;
    addrinfo* found = nullptr;
    if (::getaddrinfo(host.c_str(), std::to_string(port).c_str(), &hints, &found) != 0) {
        *error = kErrorBadNetName;
        return -1;
    }
    *error = kErrorConnectionRefused;
    int result = -1;
    for (addrinfo* a = found; a != nullptr && result < 0; a = a->ai_next) {
        const int s = ::socket(a->ai_family, a->ai_socktype | SOCK_CLOEXEC, a->ai_protocol);
        if (s < 0) {
            continue;
        }
        if (::connect(s, a->ai_addr, a->ai_addrlen) == 0) {
            result = s;
        } else {
            ::close(s);
        }
    }
    ::freeaddrinfo(found);
    return result;
}

}  // namespace

std::optional<PortTarget> ParsePort(std::u16string_view portName) {
    if (text::EqualsNoCase(portName, kNullScheme)) {
        return PortTarget{};
    }
    if (HasScheme(portName, kFileScheme) && portName.size() > kFileScheme.size()) {
        return PortTarget{.kind = PortTarget::Kind::kFile,
                          .path = std::u16string(portName.substr(kFileScheme.size())),
                          .host = {},
                          .port = 0};
    }
    if (HasScheme(portName, kTcpScheme)) {
        return ParseTcp(portName.substr(kTcpScheme.size()));
    }
    return std::nullopt;
}

std::unique_ptr<JobSink> OpenPortSink(const PortTarget& target, const std::filesystem::path& root,
                                      uint32_t* error) {
    switch (target.kind) {
        case PortTarget::Kind::kNull:
            return std::make_unique<NullSink>();
        case PortTarget::Kind::kFile:
            return OpenFile(root / ToNativePath(target.path), "ab", error);
        case PortTarget::Kind::kTcp: {
            const int s = Connect(target.host, target.port, error);
            if (s < 0) {
                return nullptr;
            }
            return std::make_unique<TcpSink>(s);
        }
    }
    return nullptr;
}

std::unique_ptr<JobSink> OpenOutputFileSink(const std::filesystem::path& file, uint32_t* error) {
    return OpenFile(file, "wb", error);
}

}  // namespace orca::platform::sim
