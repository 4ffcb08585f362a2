// SPDX-License-Identifier: Apache-2.0
// The few calls of the simulated environment that differ between the systems
// it runs on: opening a file by its native path, making a new one that follows no
// link, forcing a file onto the disk,
// ending the process at once, and a TCP connection for a printer's tcp: port.
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

// A new file for writing, owner-only: fails (errno EEXIST) when anything is at
// the name already, a symbolic link included, so the bytes never land where a
// planted link points.
std::FILE* CreateNativeFile(const std::filesystem::path& file);

// Whether only this process's user (or the administrator) can change the
// entry: for a folder, it belongs to that user or to root and no group or
// other may write in it; for a file, it belongs to one of them. False with
// *why otherwise. On Windows the administrators and the system stand for
// root, and a folder's access list may give no one else a right to write in
// it or to change its access.
bool OwnedSafely(const std::filesystem::path& entry, std::string* why);

// Forces what was written to a file, or to a folder's entries, onto the disk;
// false with errno set on failure.
bool SyncToDisk(const std::filesystem::path& entry);

// Ends the process at once, as a kill does: nothing runs on its way out.
[[noreturn]] void EndProcessNow();

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
