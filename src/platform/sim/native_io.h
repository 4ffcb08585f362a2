// The few calls of the simulated environment that differ between the systems
// it runs on: opening a file by its native path and a TCP connection for a
// printer's tcp: port.
#pragma once

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <span>
#include <string>

namespace orca::platform::sim {

// fopen of a native path (wide on Windows); null with errno set on failure.
std::FILE* OpenNativeFile(const std::filesystem::path& file, const char* mode);

class TcpConnection {
public:
    virtual ~TcpConnection() = default;
    // Sends every byte; false when the peer or the network refused some.
    virtual bool SendAll(std::span<const uint8_t> bytes) = 0;
};

// A connection to host:port (a name or an address of either family), or null
// with *error telling whether the host was not found or refused the connection.
std::unique_ptr<TcpConnection> ConnectTcp(const std::string& host, uint16_t port, uint32_t* error);

}  // namespace orca::platform::sim
