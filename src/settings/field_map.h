// SPDX-License-Identifier: Apache-2.0
// Layout of the private settings block and of the host's public settings record:
// the fixed offsets, the field maps of both languages and the data map.
//
// A block is: a 32-byte header, four custom-command blocks of 2076 bytes
// (offsets 32..8335), the option area of wOptionSize bytes from 8336, then 32
// barcode-font records and 32 command-font records. The option area is the only
// part whose layout differs between the languages.
#pragma once

#include <array>
#include <cstdint>
#include <span>

#include "settings/field_ids.h"
#include "settings/field_table.h"

namespace orca::settings {

// Header.
inline constexpr std::uint32_t kOffsetSize = 0;
inline constexpr std::uint32_t kOffsetSignature = 4;
inline constexpr std::uint32_t kOffsetVersion = 8;
inline constexpr std::uint32_t kOffsetBarcodeCount = 16;
inline constexpr std::uint32_t kOffsetCmdFontCount = 17;
inline constexpr std::uint32_t kOffsetBarcodeRecordSize = 18;
inline constexpr std::uint32_t kOffsetCmdFontRecordSize = 20;
inline constexpr std::uint32_t kOffsetHeaderReserved = 22;  // 10 bytes, zero
inline constexpr std::uint32_t kHeaderSize = 32;
// Bytes 12..15 are reserved too, but unlike everything from byte 16 on, the
// defaults leave them alone.
inline constexpr std::uint32_t kDefaultsStart = 16;

// "ZORV" read as a little-endian 32-bit number; also the plug-in's signature.
inline constexpr std::uint32_t kSignature = 'Z' | 'O' << 8 | 'R' << 16 | 'V' << 24;
inline constexpr std::uint32_t kVersion = 1;

// Custom-command blocks.
inline constexpr std::uint32_t kCustomCommandStart = kHeaderSize;
inline constexpr std::uint32_t kCustomCommandBlockSize = 2076;
inline constexpr std::uint32_t kCustomCommandBlockCount = 4;
inline constexpr std::uint32_t kCustomCommandSize =
    kCustomCommandBlockSize * kCustomCommandBlockCount;

// Option area; its first field is wOptionSize (u16).
inline constexpr std::uint32_t kOptionAreaStart = kCustomCommandStart + kCustomCommandSize;

// Font records.
inline constexpr std::uint32_t kRecordCount = 32;
inline constexpr std::uint32_t kBarcodeRecordSize = 144;
inline constexpr std::uint32_t kCmdFontRecordSize = 1168;
inline constexpr std::uint32_t kBarcodeAreaSize = kRecordCount * kBarcodeRecordSize;
inline constexpr std::uint32_t kCmdFontAreaSize = kRecordCount * kCmdFontRecordSize;

// Record `index` of an area of kRecordCount records; null without an area or when
// the index lies outside 0..31.
inline std::uint8_t* RecordAt(std::uint8_t* area, std::int32_t index, std::uint32_t recordSize) {
    if (area == nullptr || index < 0 || index >= static_cast<std::int32_t>(kRecordCount))
        return nullptr;
    return area + static_cast<std::uint32_t>(index) * recordSize;
}

// The header counts and the custom-command flags and lengths: the same in both languages.
inline constexpr std::array<FieldRow, 18> kCommonFields{{
    {2068, "dwBarcodeCount", 16, 0},
    {2069, "dwCMDFontCount", 17, 0},
    {2015, "bDocStart", 34, 0},
    {2016, "bDocEnd", 35, 0},
    {33002, "bDocStartCommandLength", 36, 0},
    {33003, "bDocEndCommandLength", 38, 0},
    {2017, "bDocStart_Data", 2110, 0},
    {2018, "bDocEnd_Data", 2111, 0},
    {33004, "bDocStartCommandLength_Data", 2112, 0},
    {33005, "bDocEndCommandLength_Data", 2114, 0},
    {2019, "bPageStart", 4186, 0},
    {2020, "bPageEnd", 4187, 0},
    {33006, "bPageStartCommandLength", 4188, 0},
    {33007, "bPageEndCommandLength", 4190, 0},
    {2021, "bPageStart_Data", 6262, 0},
    {2022, "bPageEnd_Data", 6263, 0},
    {33008, "bPageStartCommandLength_Data", 6264, 0},
    {33009, "bPageEndCommandLength_Data", 6266, 0},
}};

inline constexpr std::array<DataRow, 8> kCommonData{{
    {45000, "cDocStartCommand", 40, 1024},
    {45001, "cDocEndCommand", 1064, 1024},
    {45002, "cDocStartCommand_Data", 2116, 1024},
    {45003, "cDocEndCommand_Data", 3140, 1024},
    {45004, "cPageStartCommand", 4192, 1024},
    {45005, "cPageEndCommand", 5216, 1024},
    {45006, "cPageStartCommand_Data", 6268, 1024},
    {45007, "cPageEndCommand_Data", 7292, 1024},
}};

// The default of btLanguage depends on the system language; the row's 1 (English)
// is replaced when defaults are written.
inline constexpr std::array<FieldRow, 24> kOptionFieldsOrca{{
    {2000, "btSpeed", 8338, 1},
    {2001, "btSpeedUnit", 8339, 1},
    {2002, "btDarkness", 8340, 15},
    {2003, "btRote180", 8341, 0},
    {2004, "btOperationMode", 8342, 0},
    {2005, "btMirror", 8343, 0},
    {2006, "btInverse", 8344, 0},
    {2007, "btThermal", 8345, 0},
    {2008, "btPaperType", 8346, 2},
    {2009, "btDithering", 8347, 1},
    {5000, "dbAdjustTop", 8352, 0},
    {5001, "dbAdjustTearOff", 8360, 0},
    {5002, "dbAdjustPosition", 8368, 0},
    {34005, "dwCutterGroup", 8376, 1},
    {2010, "btPause", 8380, 0},
    {2011, "btBackFeed", 8381, 2},
    {2012, "btZip", 8382, 0},
    {2013, "btLineSubstitution", 8383, 0},
    {34006, "dwInterval", 8384, 1},
    {settings::field::kLanguage, "btLanguage", 8388, 1},
    {2074, "btCancelBeforePrint", 8389, 0},
    {3013, "iCustomerPaperHeight", 8390, 1000},
    {3014, "iCustomerPaperWidth", 8392, 800},
    {2075, "", 8394, 0},  // reserved byte
}};

// Two reserved 5-byte fields that nothing reads; they keep their place, zero.
inline constexpr std::array<DataRow, 2> kOptionDataOrca{{
    {45010, "", 8395, 5},
    {45011, "", 8400, 5},
}};

// The ONYX area has no cutter, pause, back-feed, zip or interval fields.
inline constexpr std::array<FieldRow, 17> kOptionFieldsOnyx{{
    {2000, "btSpeed", 8338, 255},
    {2001, "btSpeedUnit", 8339, 1},
    {2002, "btDarkness", 8340, 255},
    {2003, "btRote180", 8341, 0},
    {2004, "btOperationMode", 8342, 4},
    {2005, "btMirror", 8343, 0},
    {2006, "btInverse", 8344, 0},
    {2007, "btThermal", 8345, 0},
    {2008, "btPaperType", 8346, 2},
    {2009, "btDithering", 8347, 1},
    {5000, "dbAdjustTop", 8352, 0},
    {5001, "dbAdjustTearOff", 8360, 0},
    {settings::field::kLanguage, "btLanguage", 8368, 1},
    {3013, "iCustomerPaperHeight", 8370, 1000},
    {3014, "iCustomerPaperWidth", 8372, 800},
    {2078, "btErrRePrint", 8374, 1},
    {34011, "dwPaperUnit", 8376, 1},
}};

inline constexpr auto kFieldMapOrca = FieldMap(kCommonFields, kOptionFieldsOrca);
inline constexpr auto kFieldMapOnyx = FieldMap(kCommonFields, kOptionFieldsOnyx);
inline constexpr auto kDataMapOrca = FieldMap(kCommonData, kOptionDataOrca);
inline constexpr auto kDataMapOnyx = FieldMap(kCommonData);
static_assert(IsFieldMap<FieldRow>(kFieldMapOrca) && IsFieldMap<FieldRow>(kFieldMapOnyx));
static_assert(IsFieldMap<DataRow>(kDataMapOrca) && IsFieldMap<DataRow>(kDataMapOnyx));

// What sets one language's block apart from the other's.
struct BlockLayout {
    std::uint32_t size;
    std::uint16_t optionSize;
    std::span<const FieldRow> fields;  // field map: counts, custom-command fields, options
    std::span<const DataRow> data;     // data map

    constexpr std::uint32_t BarcodeArea() const { return kOptionAreaStart + optionSize; }
    constexpr std::uint32_t CmdFontArea() const { return BarcodeArea() + kBarcodeAreaSize; }
};

inline constexpr BlockLayout kLayoutOrca{50496, 176, kFieldMapOrca, kDataMapOrca};
inline constexpr BlockLayout kLayoutOnyx{50464, 144, kFieldMapOnyx, kDataMapOnyx};

static_assert(kOptionAreaStart == 8336);
static_assert(kLayoutOrca.CmdFontArea() + kCmdFontAreaSize == kLayoutOrca.size);
static_assert(kLayoutOnyx.CmdFontArea() + kCmdFontAreaSize == kLayoutOnyx.size);

// The host's public settings record (DEVMODEW, Windows x64 layout). dmSize and
// dmDriverExtra (u16 each) say how many bytes of public record and of private
// data, the driver-extra area, follow its start.
inline constexpr std::uint32_t kPublicRecordSize = 220;
inline constexpr std::uint32_t kOffsetDmSize = 68;
inline constexpr std::uint32_t kOffsetDmDriverExtra = 70;

inline constexpr auto kPublicFields = FieldMap(std::array<FieldRow, 21>{{
    {3000, "dmOrientation", 76, 0},    {3001, "dmPaperSize", 78, 0},
    {3002, "dmPaperLength", 80, 0},    {3003, "dmPaperWidth", 82, 0},
    {3004, "dmScale", 84, 0},          {3005, "dmCopies", 86, 0},
    {3006, "dmDefaultSource", 88, 0},  {3007, "dmPrintQuality", 90, 0},
    {3008, "dmColor", 92, 0},          {3009, "dmDuplex", 94, 0},
    {3010, "dmYResolution", 96, 0},    {3011, "dmTTOption", 98, 0},
    {3012, "dmCollate", 100, 0},       {33000, "dmSpecVersion", 64, 0},
    {33001, "dmDriverVersion", 66, 0}, {34000, "dmNup", 180, 0},
    {34001, "dmICMMethod", 188, 0},    {34002, "dmICMIntent", 192, 0},
    {34003, "dmMediaType", 196, 0},    {34004, "dmDitherType", 200, 0},
    {34009, "dmFields", 72, 0},
}});

inline constexpr auto kPublicNames = FieldMap(std::array<DataRow, 2>{{
    {44000, "dmDeviceName", 0, 64},
    {44001, "dmFormName", 102, 64},
}});

}  // namespace orca::settings
