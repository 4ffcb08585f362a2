// SPDX-License-Identifier: Apache-2.0
// The command-font handler: accessors of the command-font records in a private
// settings block, the same in both languages. Owned by the settings handler, which
// asks it last, after the barcode-font catalogue.
#pragma once

#include <array>
#include <cstdint>

#include "settings/field_id.h"
#include "settings/field_table.h"

namespace orca::settings {

class CDevModeBase;

// A command-font record is 1168 bytes; bytes 1136..1167 are reserved, zero.
inline constexpr std::array<settings::FieldRow, 6> kCmdFontFields{{
    {2044, "btCMDPrefixType", 80, 0},
    {2045, "btCMDPostfixType", 81, 0},
    {2046, "btCMDPosition", 82, 0},
    {2047, "btCMDMergeType", 83, 0},
    {33010, "wCMDPrefixDataLength", 1132, 0},
    {33011, "wCMDPostfixDataLength", 1134, 0},
}};

inline constexpr std::array<settings::DataRow, 3> kCmdFontData{{
    {44003, "Name", 0, 80},
    {45008, "strCMDPrefixData", 84, 524},
    {45009, "strCMDPostfixData", 608, 524},
}};

static_assert(settings::IsFieldMap<settings::FieldRow>(kCmdFontFields) &&
              settings::IsFieldMap<settings::DataRow>(kCmdFontData));

class CCMDFontBase {
public:
    explicit CCMDFontBase(settings::CDevModeBase* owner = nullptr) : owner_(owner) {}
    virtual ~CCMDFontBase() = default;
    CCMDFontBase(const CCMDFontBase&) = delete;
    CCMDFontBase& operator=(const CCMDFontBase&) = delete;

    // Reads (`get`) or writes one field of record `index` by the identifier's width.
    // kNotHandled without an owner or records, for an index outside 0..31 or a
    // foreign identifier.
    std::int32_t AccessCommandFontField(settings::FieldId id, void* buffer, std::int32_t index,
                                        bool get);
    // The name (44003, 80 bytes) and the two command buffers (45008, 45009, 524
    // bytes) of record `index`, by the data-access rules.
    std::int32_t AccessCommandFontBuffer(settings::FieldId id, void* buffer, std::int32_t size,
                                         std::int32_t index, bool get);

    // The first record of the attached command-font area; null until attached.
    std::uint8_t* Records() const { return records_; }
    void Attach(std::uint8_t* records) { records_ = records; }
    settings::CDevModeBase* Owner() const { return owner_; }

    // Stands in where a settings handler has none of its own; it has no owner, so
    // it owns no identifier.
    static CCMDFontBase& Null();

private:
    // Record `index`, or null when this handler cannot serve it.
    std::uint8_t* Record(std::int32_t index) const;

    settings::CDevModeBase* owner_;
    std::uint8_t* records_ = nullptr;
};

}  // namespace orca::settings
