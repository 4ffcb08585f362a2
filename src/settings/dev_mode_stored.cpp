// SPDX-License-Identifier: Apache-2.0
// What the handler reads from the printer's stored default settings: the public
// record and the private block behind it.
#include <algorithm>

#include "platform/platform.h"
#include "settings/byte_access.h"
#include "settings/dev_mode.h"
#include "settings/field_map.h"

namespace orca::settings {
namespace {

bool ReadStoredSettings(platform::PrinterHandle printer, std::vector<std::uint8_t>& devMode) {
    platform::Spooler* spooler = platform::Current().spooler;
    if (printer == nullptr || spooler == nullptr)
        return false;
    platform::PrinterInfo2 info;
    if (!platform::ReadPrinterInfo2(*spooler, printer, &info))
        return false;
    devMode = std::move(info.devMode);
    return true;
}

// The public record's own extent within stored settings.
std::span<std::uint8_t> PublicPart(std::vector<std::uint8_t>& devMode) {
    if (devMode.size() < kOffsetDmDriverExtra)
        return {};
    return {devMode.data(),
            std::min<std::size_t>(devMode.size(), LoadU16(&devMode[kOffsetDmSize]))};
}

// The private data behind the public record, cut to what the settings hold.
std::span<const std::uint8_t> PrivatePart(const std::vector<std::uint8_t>& devMode) {
    if (devMode.size() < kOffsetDmDriverExtra + 2)
        return {};
    const std::size_t start = LoadU16(&devMode[kOffsetDmSize]);
    const std::size_t extra = LoadU16(&devMode[kOffsetDmDriverExtra]);
    if (start >= devMode.size())
        return {};
    return {devMode.data() + start, std::min(extra, devMode.size() - start)};
}

// Runs `access` on the attached public record, or for a read on the printer's
// stored one, of which only what it holds may be touched.
template <typename Access>
std::int32_t WithPublicRecord(std::uint8_t* attached, platform::PrinterHandle printer, bool get,
                              std::uint32_t end, Access access) {
    if (attached != nullptr)
        return access(attached);
    if (!get)
        return kNotAttached;
    std::vector<std::uint8_t> devMode;
    if (!ReadStoredSettings(printer, devMode))
        return kNotAttached;
    std::span<std::uint8_t> record = PublicPart(devMode);
    if (record.size() < end)
        return kNotAttached;
    return access(record.data());
}

}  // namespace

std::int32_t CDevModeBase::AccessPublicField(FieldId id, void* buffer, bool get) {
    const FieldRow* row = FindRow<FieldRow>(kPublicFields, id);
    if (row == nullptr)
        return kNotHandled;
    return WithPublicRecord(
        public_, printer_, get, row->offset + FieldWidth(id),
        [&](std::uint8_t* record) { return AccessValueRow(record, row, buffer, get); });
}

std::int32_t CDevModeBase::AccessPublicName(FieldId id, void* buffer, std::int32_t length,
                                            bool get) {
    const DataRow* row = FindRow<DataRow>(kPublicNames, id);
    if (row == nullptr)
        return kNotHandled;
    return WithPublicRecord(
        public_, printer_, get, row->offset + row->size,
        [&](std::uint8_t* record) { return AccessDataRow(record, row, buffer, length, get); });
}

std::int32_t CDevModeBase::ReadStoredBlock(std::vector<std::uint8_t>& block) {
    const std::uint32_t size = GetPrivateSize();
    block.assign(size, 0);
    platform::Spooler* spooler = platform::Current().spooler;
    if (printer_ == nullptr || spooler == nullptr)
        return kNotAttached;
    std::uint32_t perUser = 0;
    if (!spooler->GetInfo9Size(printer_, &perUser))
        return kNotAttached;
    if (perUser < size)
        return SetDefaults(block.data());
    std::uint32_t info2Size = 0;
    spooler->GetInfo2(printer_, 0, nullptr, &info2Size);
    if (info2Size <= size)
        return SetDefaults(block.data());
    std::vector<std::uint8_t> devMode;
    if (!ReadStoredSettings(printer_, devMode))
        return kNotAttached;
    // The plug-in's block closes the private data. Converting it rather than
    // copying it makes a damaged or foreign block read as the defaults.
    const std::span<const std::uint8_t> data = PrivatePart(devMode);
    if (data.size() < size)
        return SetDefaults(block.data());
    return ConvertBlock(nullptr, nullptr, data.last(size), block.data());
}

}  // namespace orca::settings
