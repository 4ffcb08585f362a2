// SPDX-License-Identifier: Apache-2.0
// The simulated registry: the spooler's driver keys under the local machine,
// each with its "Dependent Files". No other key exists.
#pragma once

#include "platform/registry.h"
#include "platform/sim/world.h"

namespace orca::platform::sim {

class SimRegistry : public Registry {
public:
    explicit SimRegistry(World& world) : world_(world) {}

    int32_t OpenLocalMachineKey(std::u16string_view subKey, RegistryKey* key) override;
    int32_t QueryValue(RegistryKey key, std::u16string_view valueName, uint32_t bufferSize,
                       uint32_t* type, std::vector<uint8_t>* data, uint32_t* size) override;
    int32_t CloseKey(RegistryKey key) override;

private:
    World& world_;
};

}  // namespace orca::platform::sim
