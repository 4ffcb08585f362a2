// SPDX-License-Identifier: Apache-2.0
#include "platform/sim/job_port.h"

#include <cerrno>
#include <charconv>
#include <cstdio>

#include "platform/errors.h"
#include "platform/sim/native_io.h"
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
    explicit TcpSink(std::unique_ptr<TcpConnection> connection)
        : connection_(std::move(connection)) {}
    bool Write(std::span<const uint8_t> bytes) override { return connection_->SendAll(bytes); }

private:
    std::unique_ptr<TcpConnection> connection_;
};

uint32_t ErrorOfErrno(int error) {
    return error == ENOENT   ? kErrorPathNotFound
           : error == EACCES ? kErrorAccessDenied
                             : kErrorWriteFault;
}

std::unique_ptr<JobSink> OpenFile(const std::filesystem::path& file, const char* mode,
                                  uint32_t* error) {
    FILE* handle = OpenNativeFile(file, mode);
    if (handle == nullptr) {
        *error = ErrorOfErrno(errno);
        return nullptr;
    }
    return std::make_unique<FileSink>(handle);
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
            std::unique_ptr<TcpConnection> connection = ConnectTcp(target.host, target.port, error);
            if (connection == nullptr) {
                return nullptr;
            }
            return std::make_unique<TcpSink>(std::move(connection));
        }
    }
    return nullptr;
}

std::unique_ptr<JobSink> OpenOutputFileSink(const std::filesystem::path& file, uint32_t* error) {
    return OpenFile(file, "wb", error);
}

}  // namespace orca::platform::sim
