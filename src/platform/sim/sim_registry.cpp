// SPDX-License-Identifier: Apache-2.0
#include "platform/sim/sim_registry.h"

#include "platform/errors.h"
#include "text/nocase.h"

namespace orca::platform::sim {
namespace {

constexpr std::u16string_view kEnvironmentsKey =
    u"SYSTEM\\CurrentControlSet\\Control\\Print\\Environments\\";
constexpr std::u16string_view kDriversKey = u"\\Drivers\\Version-3\\";
constexpr std::u16string_view kDependentFiles = u"Dependent Files";

bool StartsWithNoCase(std::u16string_view text, std::u16string_view prefix) {
    return text.size() >= prefix.size() &&
           text::EqualsNoCase(text.substr(0, prefix.size()), prefix);
}

// The driver key's environment and driver name, when subKey names one.
bool SplitDriverKey(std::u16string_view subKey, std::u16string_view* environment,
                    std::u16string_view* driver) {
    if (!StartsWithNoCase(subKey, kEnvironmentsKey)) {
        return false;
    }
    const std::u16string_view rest = subKey.substr(kEnvironmentsKey.size());
    const size_t slash = rest.find(u'\\');
    if (slash == std::u16string_view::npos || !StartsWithNoCase(rest.substr(slash), kDriversKey)) {
        return false;
    }
    *environment = rest.substr(0, slash);
    *driver = rest.substr(slash + kDriversKey.size());
    return !driver->empty();
}

std::vector<uint8_t> MultiString(const std::vector<std::u16string>& names) {
    std::vector<uint8_t> bytes;
    auto put = [&bytes](char16_t c) {
        bytes.push_back(uint8_t(c));
        bytes.push_back(uint8_t(c >> 8));
    };
    for (const std::u16string& name : names) {
        for (char16_t c : name) {
            put(c);
        }
        put(0);
    }
    put(0);
    return bytes;
}

uintptr_t Key(RegistryKey key) {
    return reinterpret_cast<uintptr_t>(key);
}

}  // namespace

int32_t SimRegistry::OpenLocalMachineKey(std::u16string_view subKey, RegistryKey* key) {
    std::lock_guard lock(world_.mutex);
    std::u16string_view environment;
    std::u16string_view driverName;
    const Driver* driver = SplitDriverKey(subKey, &environment, &driverName)
                               ? world_.FindDriver(driverName, environment)
                               : nullptr;
    if (driver == nullptr) {
        return int32_t(kErrorFileNotFound);
    }
    const uintptr_t handle = world_.NewHandle();
    world_.keyHandles[handle] = *driver;
    *key = reinterpret_cast<RegistryKey>(handle);
    return int32_t(kErrorSuccess);
}

int32_t SimRegistry::QueryValue(RegistryKey key, std::u16string_view valueName, uint32_t bufferSize,
                                uint32_t* type, std::vector<uint8_t>* data, uint32_t* size) {
    std::lock_guard lock(world_.mutex);
    const auto it = world_.keyHandles.find(Key(key));
    if (it == world_.keyHandles.end()) {
        return int32_t(kErrorInvalidHandle);
    }
    if (!text::EqualsNoCase(valueName, kDependentFiles) || it->second.dependentFiles.empty()) {
        return int32_t(kErrorFileNotFound);
    }
    std::vector<uint8_t> value = MultiString(it->second.dependentFiles);
    *type = kRegMultiString;
    *size = uint32_t(value.size());
    if (data == nullptr) {
        return int32_t(kErrorSuccess);
    }
    if (bufferSize < value.size()) {
        return int32_t(kErrorMoreData);
    }
    *data = std::move(value);
    return int32_t(kErrorSuccess);
}

int32_t SimRegistry::CloseKey(RegistryKey key) {
    std::lock_guard lock(world_.mutex);
    return world_.keyHandles.erase(Key(key)) == 1 ? int32_t(kErrorSuccess)
                                                  : int32_t(kErrorInvalidHandle);
}

}  // namespace orca::platform::sim
