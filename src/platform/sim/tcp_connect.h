// SPDX-License-Identifier: Apache-2.0
// The address walk both systems' tcp connections share: each address of
// host:port in turn until one connects. Included after the system's socket
// headers, which declare addrinfo and getaddrinfo.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "platform/errors.h"
#include "platform/sim/native_io.h"

namespace orca::platform::sim {

// connect(address) answers a connection or null; a null result sets *error.
template <typename Connect>
std::unique_ptr<TcpConnection> ConnectFirstAddress(const std::string& host, uint16_t port,
                                                   uint32_t* error, Connect connect) {
    addrinfo hints{};
    hints.ai_family = AF_UNSPEC;
    hints.ai_socktype = SOCK_STREAM;
    addrinfo* found = nullptr;
    if (::getaddrinfo(host.c_str(), std::to_string(port).c_str(), &hints, &found) != 0) {
        *error = kErrorBadNetName;
        return nullptr;
    }
    *error = kErrorConnectionRefused;
    std::unique_ptr<TcpConnection> connection;
    for (addrinfo* a = found; a != nullptr && connection == nullptr; a = a->ai_next) {
        connection = connect(*a);
    }
    ::freeaddrinfo(found);
    return connection;
}

}  // namespace orca::platform::sim
