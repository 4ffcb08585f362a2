// SPDX-License-Identifier: Apache-2.0
// The settings records a driver host keeps for the plug-in: the public
// record (DEVMODEW) with the plug-in's private block right behind it, and the
// parameter records of the settings hooks built around them.
#pragma once

#include <cstdint>
#include <memory>
#include <span>
#include <string_view>
#include <vector>

#include "plugin/host_abi.h"

namespace orca::driverhost {

class HostDevMode {
public:
    // A zeroed public record (dmSize 220, dmDriverExtra privateSize, the
    // device name) and a private block of privateSize bytes filled with fill.
    explicit HostDevMode(uint32_t privateSize, std::u16string_view deviceName = {},
                         uint8_t fill = 0);
    HostDevMode(const HostDevMode&) = delete;
    HostDevMode& operator=(const HostDevMode&) = delete;

    plugin::DEVMODEW* Public() { return reinterpret_cast<plugin::DEVMODEW*>(bytes_.data()); }
    // Null when there is no private block.
    uint8_t* Private() {
        return PrivateSize() != 0 ? bytes_.data() + sizeof(plugin::DEVMODEW) : nullptr;
    }
    uint32_t PrivateSize() const {
        return static_cast<uint32_t>(bytes_.size() - sizeof(plugin::DEVMODEW));
    }
    // The public record and the private block as the host stores them.
    std::span<uint8_t> Bytes() { return bytes_; }
    std::span<uint8_t> PrivateBytes() {
        return std::span<uint8_t>(bytes_).subspan(sizeof(plugin::DEVMODEW));
    }

private:
    std::vector<uint8_t> bytes_;
};

// A host's input records and output block back to back, as a host's heap may
// lay them out: the public input record, `gap` bytes of other driver-extra data,
// the `held` bytes the host holds of the private input block, then the output
// block of outSize bytes. Apart, the public record has a buffer of its own and
// says it carries `held` bytes; the input block and the output share another.
class BackToBackRecords {
public:
    BackToBackRecords(bool apart, uint32_t gap, uint32_t held, uint32_t outSize);
    BackToBackRecords(const BackToBackRecords&) = delete;
    BackToBackRecords& operator=(const BackToBackRecords&) = delete;

    plugin::DEVMODEW* PublicIn() { return reinterpret_cast<plugin::DEVMODEW*>(record_->data()); }
    uint8_t* PrivateIn() { return privateIn_; }
    std::span<uint8_t> PrivateOut() { return {privateIn_ + held_, outSize_}; }
    // DevMode's parameters: these records in, this output block and publicOut out.
    plugin::OEMDMPARAM Params(plugin::HANDLE printer, plugin::DEVMODEW* publicOut);

private:
    std::vector<uint8_t> bytes_;
    std::vector<uint8_t> apartRecord_;
    std::vector<uint8_t>* record_;
    uint8_t* privateIn_;
    uint32_t held_;
    uint32_t outSize_;
};

// DevMode's parameters for mode on printer: the public and private records
// of in and out (either may be null), cbBufSize the size of out's block.
plugin::OEMDMPARAM DevModeParams(plugin::HANDLE printer, HostDevMode* in, HostDevMode* out);

// The records of a sheet as a host makes them: sized by the size hook and
// filled by the defaults hook of object on printer. False when a hook failed.
bool DefaultRecords(plugin::IPrintOemUI2* object, plugin::HANDLE printer,
                    std::u16string_view deviceName, std::unique_ptr<HostDevMode>* records);

// CommonUIProp's parameters: the sheet's records and the host's option items.
plugin::OEMCUIPPARAM CommonUIParams(plugin::HANDLE printer, HostDevMode& records,
                                    plugin::OPTITEM* items, plugin::DWORD itemCount);

// The host's UI object that CommonUIProp passes and DrvUpdateUISetting gets back.
plugin::OEMUIOBJ* HostUIObject();

}  // namespace orca::driverhost
